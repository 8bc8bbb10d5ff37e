#include "gui/Dlg.h"

#include "platform/WindowEvents.h"

#include <gtest/gtest.h>

namespace {

// A dialog on a small template of its own: a radio pair bound to one word, a
// check box and an own horizontal scroll bar.
const DLGTEMPLATE kProbeTemplate = {90,
                                    "probe",
                                    100,
                                    60,
                                    {{DlgItemKind::RadioButton, 11, 0, 0, 10, 10, "one"},
                                     {DlgItemKind::RadioButton, 12, 0, 10, 10, 10, "zero"},
                                     {DlgItemKind::CheckBox, 13, 0, 20, 10, 10, "tick"},
                                     {DlgItemKind::DefPushButton, 14, 0, 30, 10, 10, "OK"}}};

class ProbeDlg : public cDlg {
public:
    std::int32_t choice = 1, ticked = 0;
    int draws = 0;
    int hscrollAfterHome = -1, hscrollBefore = -1;
    std::vector<std::pair<bool, bool>> checks; // (one, zero) after ShowValues
    cRadioCtrl one, zero;
    cCheckBoxCtrl tick;

    int OnInitDialog(WPARAM w, LPARAM l) override {
        SetScrollBars(DLG_HSCROLL);
        cDlg::OnInitDialog(w, l);
        OwnScrollBar(SB_HORZ)->Attach(this, 0, {0, 100, 10}, this, SB_HORZ);
        OwnScrollBar(SB_HORZ)->SetPosition(50);
        one.Attach(this, 11, &choice, 1);
        zero.Attach(this, 12, &choice, 0);
        tick.Attach(this, 13, &ticked);
        AddCtrl(&one);
        AddCtrl(&zero);
        AddCtrl(&tick);
        ShowValues();
        checks.emplace_back(SendDlgItemMessageA(m_hWnd, 11, BM_GETCHECK, 0, 0) == 1,
                            SendDlgItemMessageA(m_hWnd, 12, BM_GETCHECK, 0, 0) == 1);
        return 1;
    }
    LRESULT OnCommand(WPARAM w, LPARAM l) override {
        cDlg::OnCommand(w, l);
        if (LoWord(w) == 14) {
            ReadValues();
            End(7);
        }
        return 0;
    }
    int DefMessage(HWND h, UINT m, WPARAM w, LPARAM l) override {
        if (m == WM_KEYDOWN && w == static_cast<WPARAM>(VK_HOME))
            hscrollBefore = OwnScrollBar(SB_HORZ)->Position();
        const int r = cDlg::DefMessage(h, m, w, l);
        if (m == WM_HSCROLL) hscrollAfterHome = OwnScrollBar(SB_HORZ)->Position();
        return r;
    }
    void OnDraw() override { ++draws; }
};

} // namespace

TEST(Dlg, ARadioPairBoundToOneWordShowsAndReadsTheChoice) {
    ClearScriptedDialogs();
    struct Case {
        std::int32_t before;
        std::vector<DialogStep> steps;
        bool oneShown, zeroShown;
        std::int32_t after, ticked;
    } cases[] = {
        {1, {{DialogStep::Click, 12}, {DialogStep::Click, 14}}, true, false, 0, 0},
        {0, {{DialogStep::Click, 13}, {DialogStep::Click, 14}}, false, true, 0, 1},
        {0, {{DialogStep::Click, 11}, {DialogStep::Click, 14}}, false, true, 1, 0},
    };
    for (const Case& c : cases) {
        ProbeDlg dlg;
        dlg.Init(90, nullptr, 0, nullptr);
        dlg.UseTemplate(&kProbeTemplate);
        dlg.choice = c.before;
        PushScriptedDialog(90, c.steps);
        EXPECT_EQ(dlg.DoModal(0), 7);
        ASSERT_EQ(dlg.checks.size(), 1u);
        EXPECT_EQ(dlg.checks[0].first, c.oneShown);
        EXPECT_EQ(dlg.checks[0].second, c.zeroShown);
        EXPECT_EQ(dlg.choice, c.after);
        EXPECT_EQ(dlg.ticked, c.ticked);
    }
}

TEST(Dlg, HomeMovesTheOwnHorizontalBarOnePageLeftAndRedraws) {
    ClearScriptedDialogs();
    ProbeDlg dlg;
    dlg.Init(90, nullptr, 0, nullptr);
    dlg.UseTemplate(&kProbeTemplate);
    PushScriptedDialog(90, {{DialogStep::Key, 0, "", VK_HOME}, {DialogStep::Click, 14}});
    EXPECT_EQ(dlg.DoModal(0), 7);
    EXPECT_EQ(dlg.hscrollBefore, 50);
    EXPECT_EQ(dlg.hscrollAfterHome, 40);
    EXPECT_EQ(dlg.draws, 1);
}

TEST(Dlg, TheCloseBoxEndsWithZeroAndTheOwnersWindowsComeBack) {
    ClearScriptedDialogs();
    RegisterWindowClass("DlgTestChild", [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    struct Child : cWnd {
        explicit Child(HWND h) { m_hWnd = h; }
    } child(CreateWindowA("DlgTestChild", ""));
    cWndList owned;
    owned.windows.push_back(&child);
    struct Watch : ProbeDlg {
        Child* child = nullptr;
        bool hiddenInside = false, disabledInside = false;
        int OnInitDialog(WPARAM w, LPARAM l) override {
            hiddenInside = !IsWindowVisible(child->Handle());
            disabledInside = !IsWindowEnabled(child->Handle());
            return ProbeDlg::OnInitDialog(w, l);
        }
    } dlg;
    dlg.child = &child;
    dlg.Init(90, nullptr, 0, &owned);
    dlg.UseTemplate(&kProbeTemplate);
    PushScriptedDialog(90, {{DialogStep::Close}});
    EXPECT_EQ(dlg.DoModal(DLG_HIDE_OWNER_CHILDREN | DLG_DISABLE_OWNER_CHILDREN), 0);
    EXPECT_TRUE(dlg.hiddenInside);
    EXPECT_TRUE(dlg.disabledInside);
    EXPECT_TRUE(IsWindowVisible(child.Handle()));
    EXPECT_TRUE(IsWindowEnabled(child.Handle()));
    EXPECT_EQ(dlg.choice, 1) << "closing reads nothing back";
    DestroyWindow(child.Handle());
    UnregisterWindowClass("DlgTestChild");
}

TEST(Dlg, AControlThatEndsTheDialogLeavesTheOthersToBeReadBack) {
    ClearScriptedDialogs();
    // The OK button's own control object ends the dialog when it is clicked;
    // the dialog's command handler then reads every control's value.
    struct Ender : cCtrl {
        cDlg* dialog = nullptr;
        void OnNotifyCode(WORD) override { dialog->End(9); }
    };
    struct EndingDlg : ProbeDlg {
        Ender ender;
        int OnInitDialog(WPARAM w, LPARAM l) override {
            ProbeDlg::OnInitDialog(w, l);
            ender.dialog = this;
            ender.Attach(this, 14);
            AddCtrl(&ender);
            return 1;
        }
    } dlg;
    dlg.Init(90, nullptr, 0, nullptr);
    dlg.UseTemplate(&kProbeTemplate);
    PushScriptedDialog(90, {{DialogStep::Click, 13}, {DialogStep::Click, 14}});
    EXPECT_EQ(dlg.DoModal(0), 7);
    EXPECT_EQ(dlg.ticked, 1) << "the check box was still read back";
    EXPECT_TRUE(dlg.Ctrls().empty()) << "an ended dialog offers its controls nothing more";
}

TEST(Dlg, TheInstalledPresenterShowsTheDialog) {
    ClearScriptedDialogs();
    // A presenter as a user would answer: tick, then OK.
    class cUser : public cDialogPresenter {
    public:
        void Run(cDialogRun& dialog, std::string& answered) override {
            shown = dialog.Template().title;
            dialog.Click(13);
            dialog.Click(14);
            answered.clear();
        }
        std::string shown;
    } user;
    cScopedDialogPresenter install(user);
    ProbeDlg dlg;
    dlg.Init(90, nullptr, 0, nullptr);
    dlg.UseTemplate(&kProbeTemplate);
    EXPECT_EQ(dlg.DoModal(0), 7);
    EXPECT_EQ(user.shown, "probe");
    EXPECT_EQ(dlg.ticked, 1);
    EXPECT_TRUE(dlg.Answered().empty()) << "a user's answer is not reported as unattended";
}
