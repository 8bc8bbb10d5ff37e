#include "gui/Hook.h"

#include "platform/Dialog.h"
#include "platform/WindowEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

LRESULT Quiet(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

struct Posted {
    UINT message;
    WPARAM key;
};

// A window tied to the hook and made the active one; the hook procedure is
// called as the desktop calls it, and the copies it posts are collected.
class HookTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterWindowClass("HookTestWnd", Quiet);
        dialog = CreateWindowA("HookTestWnd", "");
        plain = CreateWindowA("HookTestWnd", "");
        ASSERT_TRUE(hook.KeyboardHook(dialog, 0));
        SetActiveWindow(dialog);
    }
    void TearDown() override {
        SetCompositionString(dialog, "");
        SetActiveWindow(nullptr);
        DestroyWindow(dialog);
        DestroyWindow(plain);
        UnhookKeyboard();
        UnregisterWindowClass("HookTestWnd");
    }
    std::vector<Posted> Press(int vk, bool up = false) {
        cHook::KeyboardProc(HC_ACTION, static_cast<WPARAM>(vk), up ? static_cast<LPARAM>(0xC0000001u) : 1);
        std::vector<Posted> out;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) out.push_back({msg.message, msg.wParam});
        return out;
    }
    cHook hook;
    HWND dialog = nullptr, plain = nullptr;
};

} // namespace

TEST_F(HookTest, CopiesKeysToTheActiveDialogOutOfTheInputMethodsWay) {
    struct Case {
        const char* what;
        int key;
        bool up, composing;
        std::vector<UINT> posted;
    } cases[] = {
        {"F8 is a hooked key", VK_F8, false, false, {WM_DIALOG_KEY}},
        {"F9 is copied as a key press", VK_F9, false, false, {WM_KEYDOWN}},
        {"Tab is never copied", VK_TAB, false, false, {}},
        {"Enter without a composition", VK_RETURN, false, false, {WM_KEYDOWN}},
        {"Enter confirms the composition only", VK_RETURN, false, true, {}},
        {"an arrow during a composition", VK_LEFT, false, true, {WM_KEYDOWN}},
        {"every release", 'A', true, true, {WM_KEYUP}},
    };
    for (const Case& c : cases) {
        SetCompositionString(dialog, c.composing ? "か" : "");
        std::vector<UINT> got;
        for (const Posted& p : Press(c.key, c.up)) {
            got.push_back(p.message);
            EXPECT_EQ(p.key, static_cast<WPARAM>(c.key)) << c.what;
        }
        EXPECT_EQ(got, c.posted) << c.what;
    }
}

TEST_F(HookTest, KeysOfAWindowWithoutAHookAreNotCopied) {
    SetActiveWindow(plain);
    EXPECT_TRUE(Press(VK_F9).empty());
    EXPECT_TRUE(Press(VK_F8).empty());
}
