#include "platform/Dialog.h"

#include "platform/KeyboardHook.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr char kControlClass[] = "#control";

struct ControlState {
    HWND dialog = nullptr;
    DlgItemKind kind = DlgItemKind::Static;
    WORD id = 0;
    WPARAM check = BST_UNCHECKED;
    DWORD selStart = 0, selEnd = 0;
};

struct WindowFlags {
    bool enabled = true;
    bool visible = true;
};

struct DialogState;

struct Registry {
    std::mutex m;
    std::map<HWND, ControlState> controls;
    std::map<HWND, DialogState*> dialogs;
    std::map<HWND, WindowFlags> flags;
    HWND focus = nullptr;
    bool classes = false;
};

Registry& Reg() {
    static Registry r;
    return r;
}

// Dialogs running on this thread, innermost last.
thread_local std::vector<HWND> tRunning;

cScriptedDialogPresenter gScriptedPresenter;
cDialogPresenter* gPresenter = &gScriptedPresenter;

struct ScriptEntry {
    WORD templateId;
    std::vector<DialogStep> steps;
};
std::mutex gScriptMutex;
std::vector<ScriptEntry> gScript;

bool TakeScript(WORD templateId, std::vector<DialogStep>& steps) {
    std::lock_guard<std::mutex> lock(gScriptMutex);
    auto it = std::find_if(gScript.begin(), gScript.end(),
                           [&](const ScriptEntry& e) { return e.templateId == templateId; });
    if (it == gScript.end()) return false;
    steps = std::move(it->steps);
    gScript.erase(it);
    return true;
}

ControlState* ControlOf(HWND hwnd) {
    auto it = Reg().controls.find(hwnd);
    return it == Reg().controls.end() ? nullptr : &it->second;
}

struct DialogState final : cDialogRun {
    HWND hwnd = nullptr;
    DLGTEMPLATE dialog;
    DLGPROC proc = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    std::vector<HWND> items; // in template order

    HWND Window() const override { return hwnd; }
    const DLGTEMPLATE& Template() const override { return dialog; }
    bool Ended() const override { return ended; }

    HWND Item(WORD id) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (dialog.items[i].id == id) return items[i];
        return nullptr;
    }
    // A radio button selects itself and clears the others of its group: the
    // radio buttons next to it in template order.
    void SelectRadio(std::size_t index) {
        std::size_t first = index, last = index;
        while (first > 0 && dialog.items[first - 1].kind == DlgItemKind::RadioButton) --first;
        while (last + 1 < items.size() && dialog.items[last + 1].kind == DlgItemKind::RadioButton) ++last;
        for (std::size_t i = first; i <= last; ++i)
            SendMessageA(items[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void Click(WORD id) override {
        for (std::size_t i = 0; i < items.size() && !ended; ++i) {
            if (dialog.items[i].id != id || !IsWindowEnabled(items[i])) continue;
            if (dialog.items[i].kind == DlgItemKind::CheckBox)
                SendMessageA(items[i], BM_SETCHECK, SendMessageA(items[i], BM_GETCHECK, 0, 0) ? 0 : 1, 0);
            else if (dialog.items[i].kind == DlgItemKind::RadioButton)
                SelectRadio(i);
            SendMessageA(hwnd, WM_COMMAND, MakeWParam(id, BN_CLICKED), reinterpret_cast<LPARAM>(items[i]));
            return;
        }
    }
    void Type(WORD id, const std::string& text) override {
        HWND item = Item(id);
        if (!item || ended) return;
        SetWindowTextA(item, text.c_str());
        const DWORD end = static_cast<DWORD>(text.size());
        SendMessageA(item, EM_SETSEL, end, end);
        SendMessageA(hwnd, WM_COMMAND, MakeWParam(id, EN_UPDATE), reinterpret_cast<LPARAM>(item));
        if (!ended) SendMessageA(hwnd, WM_COMMAND, MakeWParam(id, EN_CHANGE), reinterpret_cast<LPARAM>(item));
    }
    void CloseBox() override {
        if (!ended) SendMessageA(hwnd, WM_CLOSE, 0, 0);
    }
    void Key(int virtualKey) override {
        if (ended) return;
        RunKeyboardHook(virtualKey, false);
        RunKeyboardHook(virtualKey, true);
    }
};

DialogState* DialogOf(HWND hwnd) {
    std::lock_guard<std::mutex> lock(Reg().m);
    auto it = Reg().dialogs.find(hwnd);
    return it == Reg().dialogs.end() ? nullptr : it->second;
}

LRESULT DialogWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState* d = DialogOf(hwnd);
    if (!d || !d->proc) return 0;
    return d->proc(hwnd, message, wParam, lParam);
}

LRESULT ControlWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(Reg().m);
    ControlState* c = ControlOf(hwnd);
    if (!c) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case BM_GETCHECK:
        return static_cast<LRESULT>(c->check);
    case BM_SETCHECK:
        c->check = wParam;
        return 0;
    case EM_SETSEL:
        c->selStart = static_cast<DWORD>(wParam);
        c->selEnd = static_cast<DWORD>(lParam);
        return 0;
    case EM_GETSEL:
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = c->selStart;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = c->selEnd;
        return static_cast<LRESULT>(c->selStart | (c->selEnd << 16));
    case WM_CLOSE:
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void RegisterClassesOnce() {
    std::lock_guard<std::mutex> lock(Reg().m);
    if (Reg().classes) return;
    RegisterWindowClass(kDialogClass, DialogWndProc);
    RegisterWindowClass(kControlClass, ControlWndProc);
    Reg().classes = true;
}

void ApplyStep(cDialogRun& dialog, const DialogStep& s, std::string& answered) {
    switch (s.kind) {
    case DialogStep::Click:
        answered += " click " + std::to_string(s.id);
        dialog.Click(s.id);
        break;
    case DialogStep::Type:
        answered += " type " + std::to_string(s.id) + " \"" + s.text + "\"";
        dialog.Type(s.id, s.text);
        break;
    case DialogStep::Close:
        answered += " close";
        dialog.CloseBox();
        break;
    case DialogStep::Key:
        answered += " key " + std::to_string(s.key);
        dialog.Key(s.key);
        break;
    case DialogStep::Wait:
        WaitMessage();
        break;
    }
}

} // namespace

// The script's steps, then the default answer: the default push button, else the close box.
void cScriptedDialogPresenter::Run(cDialogRun& dialog, std::string& answered) {
    std::vector<DialogStep> steps;
    const bool scripted = TakeScript(dialog.Template().id, steps);
    answered = "dialog " + std::to_string(dialog.Template().id) + (scripted ? " scripted:" : " default:");
    std::size_t next = 0;
    while (!dialog.Ended()) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The program is closing: end the dialog as closed, and let the pump see the quit.
                PostQuitMessage(static_cast<int>(msg.wParam));
                answered += " quit";
                EndDialog(dialog.Window(), 0);
                break;
            }
            DispatchMessageA(&msg);
            continue;
        }
        if (next < steps.size()) {
            const DialogStep& s = steps[next++];
            ApplyStep(dialog, s, answered);
            continue;
        }
        const DLGITEM* def = nullptr;
        for (const DLGITEM& item : dialog.Template().items)
            if (item.kind == DlgItemKind::DefPushButton) def = &item;
        if (def) {
            answered += " click " + std::to_string(def->id);
            dialog.Click(def->id);
        }
        if (!dialog.Ended()) {
            answered += " close";
            dialog.CloseBox();
        }
        if (!dialog.Ended()) EndDialog(dialog.Window(), 0); // a dialog that refuses to close
    }
}

cDialogPresenter& DialogPresenter() {
    return *gPresenter;
}

void SetDialogPresenter(cDialogPresenter* presenter) {
    gPresenter = presenter ? presenter : &gScriptedPresenter;
}

void PushScriptedDialog(WORD templateId, std::vector<DialogStep> steps) {
    std::lock_guard<std::mutex> lock(gScriptMutex);
    gScript.push_back({templateId, std::move(steps)});
}

void ClearScriptedDialogs() {
    std::lock_guard<std::mutex> lock(gScriptMutex);
    gScript.clear();
}

INT_PTR DialogBoxIndirectParamA(HWND parent, const DLGTEMPLATE& dialog, DLGPROC proc, LPARAM param,
                                std::string* answered) {
    (void)parent;
    if (!proc) return -1;
    RegisterClassesOnce();
    auto state = std::make_unique<DialogState>();
    state->dialog = dialog;
    state->proc = proc;
    HWND hwnd = CreateWindowA(kDialogClass, dialog.title.c_str());
    if (!hwnd) return -1;
    state->hwnd = hwnd;
    for (const DLGITEM& item : dialog.items) {
        HWND c = CreateWindowA(kControlClass, item.text.c_str());
        std::lock_guard<std::mutex> lock(Reg().m);
        Reg().controls[c] = ControlState{hwnd, item.kind, item.id};
        state->items.push_back(c);
    }
    {
        std::lock_guard<std::mutex> lock(Reg().m);
        Reg().dialogs[hwnd] = state.get();
    }
    tRunning.push_back(hwnd);
    HWND first = nullptr;
    for (std::size_t i = 0; i < dialog.items.size() && !first; ++i)
        if (dialog.items[i].kind != DlgItemKind::Static && dialog.items[i].kind != DlgItemKind::Picture &&
            dialog.items[i].kind != DlgItemKind::GroupBox)
            first = state->items[i];
    if (SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first) SetFocus(first);

    std::string line;
    if (!state->ended) {
        DialogPresenter().Run(*state, line);
    }
    if (answered) *answered = line;
    const INT_PTR result = state->result;

    tRunning.pop_back();
    for (HWND c : state->items) {
        DestroyWindow(c);
        std::lock_guard<std::mutex> lock(Reg().m);
        Reg().controls.erase(c);
        Reg().flags.erase(c);
        if (Reg().focus == c) Reg().focus = nullptr;
    }
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    std::lock_guard<std::mutex> lock(Reg().m);
    Reg().dialogs.erase(hwnd);
    Reg().flags.erase(hwnd);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState* d = DialogOf(dialog);
    if (!d) return FALSE;
    d->result = result;
    d->ended = true;
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    DialogState* d = DialogOf(dialog);
    return d ? d->Item(static_cast<WORD>(id)) : nullptr;
}

int GetDlgCtrlID(HWND control) {
    std::lock_guard<std::mutex> lock(Reg().m);
    ControlState* c = ControlOf(control);
    return c ? c->id : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, const char* text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextA(item, text ? text : "") : FALSE;
}

UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        if (buffer && size > 0) buffer[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(item, buffer, size));
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, message, wParam, lParam) : 0;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    if (!IsWindow(hwnd)) return FALSE;
    std::lock_guard<std::mutex> lock(Reg().m);
    WindowFlags& f = Reg().flags[hwnd];
    const bool wasDisabled = !f.enabled;
    f.enabled = enable != 0;
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    std::lock_guard<std::mutex> lock(Reg().m);
    auto it = Reg().flags.find(hwnd);
    return it == Reg().flags.end() || it->second.enabled ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int command) {
    if (!IsWindow(hwnd)) return FALSE;
    std::lock_guard<std::mutex> lock(Reg().m);
    WindowFlags& f = Reg().flags[hwnd];
    const bool was = f.visible;
    f.visible = command != SW_HIDE;
    return was ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    std::lock_guard<std::mutex> lock(Reg().m);
    auto it = Reg().flags.find(hwnd);
    return it == Reg().flags.end() || it->second.visible ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
    std::lock_guard<std::mutex> lock(Reg().m);
    HWND previous = Reg().focus;
    Reg().focus = hwnd;
    return previous;
}

HWND GetFocus() {
    std::lock_guard<std::mutex> lock(Reg().m);
    return Reg().focus;
}

HWND GetActiveDialog() {
    return tRunning.empty() ? nullptr : tRunning.back();
}
