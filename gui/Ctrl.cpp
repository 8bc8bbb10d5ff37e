#include "gui/Ctrl.h"

#include "gui/Dlg.h"
#include "platform/Cp932.h"
#include "platform/InputDevices.h"
#include "platform/WindowEvents.h"

#include <algorithm>
#include <vector>

void cCtrl::Enable(bool enable) {
    EnableWindow(m_hWnd, enable ? TRUE : FALSE);
}

void cCtrl::Attach(cDlg* dialog, WORD id) {
    m_pDlg = dialog;
    m_hDlg = dialog ? dialog->Handle() : nullptr;
    m_Id = id;
    m_hWnd = GetDlgItem(m_hDlg, id);
}

void cCtrl::SetText(const char* text) {
    SetWindowTextA(m_hWnd, text ? text : "");
}

// --- cEditCtrl ---------------------------------------------------------------

namespace {

// Bytes of the first `chars` characters of `line`.
std::size_t BytesOfChars(const std::string& line, int chars, bool doubleByte) {
    std::size_t i = 0;
    for (int n = 0; n < chars && i < line.size(); ++n) {
        const bool pair =
            doubleByte && IsCp932LeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size();
        i += pair ? 2 : 1;
    }
    return i;
}

int CharCount(const std::string& line, bool doubleByte) {
    int n = 0;
    for (std::size_t i = 0; i < line.size(); ++n)
        i += (doubleByte && IsCp932LeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) ? 2
                                                                                                         : 1;
    return n;
}

} // namespace

std::string FitEditText(const std::string& text, int maxCharsPerLine, int maxLines, bool doubleByte,
                        bool breakLines, DWORD* caret) {
    // Split on "\r\n" (or a lone "\r").
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    if (breakLines && maxCharsPerLine > 0) {
        std::vector<std::string> broken;
        std::size_t offset = 0; // byte offset of the line in the original text
        for (std::string& line : lines) {
            std::size_t used = 0;
            while (CharCount(line.substr(used), doubleByte) > maxCharsPerLine) {
                const std::size_t part = BytesOfChars(line.substr(used), maxCharsPerLine, doubleByte);
                broken.push_back(line.substr(used, part));
                used += part;
                if (caret && *caret > offset + used) *caret += 2;
            }
            broken.push_back(line.substr(used));
            offset += line.size() + 2;
        }
        lines = std::move(broken);
    }
    if (maxLines > 0 && static_cast<int>(lines.size()) > maxLines)
        lines.resize(static_cast<std::size_t>(maxLines));
    if (maxCharsPerLine > 0 && !lines.empty()) {
        std::string& last = lines.back();
        last.resize(BytesOfChars(last, maxCharsPerLine, doubleByte));
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    if (caret) *caret = std::min<DWORD>(*caret, static_cast<DWORD>(out.size()));
    return out;
}

void cEditCtrl::OnNotifyCode(WORD code) {
    if (code == EN_UPDATE) OnChange();
}

void cEditCtrl::Attach(cDlg* dialog, const EDITPARAM& param) {
    cCtrl::Attach(dialog, param.id);
    m_Param = param;
    if (m_Param.bufferSize <= 0) m_Param.bufferSize = 4096;
    if (m_Param.maxCharsPerLine <= 0) m_Param.maxCharsPerLine = 1024;
    if (m_Param.maxLines <= 0) m_Param.maxLines = 32;
    ShowValue();
}

void cEditCtrl::ShowValue() {
    SetDlgItemTextA(m_hDlg, m_Id, m_Param.value ? m_Param.value->c_str() : "");
}

void cEditCtrl::ReadValue() {
    if (!m_Param.value || (m_pDlg && m_pDlg->IsWriting())) return;
    const int limit = m_Param.doubleByte ? 2 * m_Param.bufferSize - 1 : m_Param.bufferSize;
    std::vector<char> buffer(static_cast<std::size_t>(limit) + 1, 0);
    GetDlgItemTextA(m_hDlg, m_Id, buffer.data(), limit);
    *m_Param.value = buffer.data();
}

void cEditCtrl::OnChange() {
    if (m_bInChange || !m_Param.value) return;
    m_bInChange = true;
    std::vector<char> buffer(static_cast<std::size_t>(2 * m_Param.bufferSize) + 1, 0);
    GetDlgItemTextA(m_hDlg, m_Id, buffer.data(), static_cast<int>(buffer.size()));
    const std::string text = buffer.data();
    DWORD start = 0, end = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool breakLines = GetAsyncKeyState(VK_BACK) >= 0;
    DWORD caret = end;
    const std::string fitted = FitEditText(text, m_Param.maxCharsPerLine, m_Param.maxLines,
                                           m_Param.doubleByte != 0, breakLines, &caret);
    *m_Param.value = fitted;
    if (fitted != text) {
        SetDlgItemTextA(m_hDlg, m_Id, fitted.c_str());
        SendMessageA(m_hWnd, EM_SETSEL, caret, caret);
    }
    m_bInChange = false;
}

// --- Check boxes and radio buttons -------------------------------------------

void cCheckBoxCtrl::Attach(cDlg* dialog, WORD id, std::int32_t* value) {
    cCtrl::Attach(dialog, id);
    m_pValue = value;
}

void cCheckBoxCtrl::ShowValue() {
    if (m_pValue) SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(*m_pValue), 0);
}

void cCheckBoxCtrl::ReadValue() {
    if (!m_pValue || (m_pDlg && m_pDlg->IsWriting())) return;
    *m_pValue = static_cast<std::int32_t>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0));
}

void cRadioCtrl::Attach(cDlg* dialog, WORD id, std::int32_t* value, std::int32_t buttonValue) {
    cCtrl::Attach(dialog, id);
    m_pValue = value;
    m_ButtonValue = buttonValue;
}

void cRadioCtrl::ShowValue() {
    if (m_pValue)
        SendMessageA(m_hWnd, BM_SETCHECK, *m_pValue == m_ButtonValue ? BST_CHECKED : BST_UNCHECKED, 0);
}

void cRadioCtrl::ReadValue() {
    if (!m_pValue || (m_pDlg && m_pDlg->IsWriting())) return;
    if (SendMessageA(m_hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED) *m_pValue = m_ButtonValue;
}

// --- cScrollCtrl ---------------------------------------------------------------

void cScrollCtrl::Attach(cDlg* dialog, WORD id, const Params& params, cWnd* owner, int bar) {
    cCtrl::Attach(dialog, id);
    m_Params = params;
    m_pOwner = owner;
    m_Bar = owner ? bar : SB_CTL;
    m_Pos = params.min;
}

void cScrollCtrl::SetPosition(int pos) {
    const int top = std::max(m_Params.min, m_Params.max - std::max(m_Params.page - 1, 0));
    m_Pos = std::clamp(pos, m_Params.min, top);
}

LRESULT cScrollCtrl::FilterMessage(UINT message) {
    return message == WM_RBUTTONUP ? 0 : 1;
}

// --- cWndList ---------------------------------------------------------------

void cWndList::ShowAll(bool show) {
    for (cWnd* w : windows)
        if (w) ShowWindow(w->Handle(), show ? SW_SHOW : SW_HIDE);
    for (cCtrl* c : controls)
        if (c && c->Handle()) ShowWindow(c->Handle(), show ? SW_SHOW : SW_HIDE);
}

void cWndList::EnableAll(bool enable) {
    for (cWnd* w : windows) {
        if (!w) continue;
        if (enable)
            w->RemoveStyle(WS_DISABLED);
        else
            w->AddStyle(WS_DISABLED);
    }
    for (cCtrl* c : controls) {
        if (enable)
            RemoveCtrlStyle(c, WS_DISABLED);
        else
            AddCtrlStyle(c, WS_DISABLED);
    }
}

void AddCtrlStyle(cCtrl* control, DWORD bits) {
    if (control && control->Handle() && (bits & WS_DISABLED)) EnableWindow(control->Handle(), FALSE);
}

void RemoveCtrlStyle(cCtrl* control, DWORD bits) {
    if (control && control->Handle() && (bits & WS_DISABLED)) EnableWindow(control->Handle(), TRUE);
}
