#include "platform/GtkDialogPresenter.h"

#include "platform/Cp932.h"
#include "platform/GtkModal.h"
#include "platform/GtkSession.h"
#include "platform/KeyboardHook.h"

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace {

int ScaleX(int du) {
    return DialogUnitsToPixelsX(du);
}
int ScaleY(int du) {
    return DialogUnitsToPixelsY(du);
}

int VirtualKeyOf(guint keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<int>('A' + (keyval - GDK_KEY_a));
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<int>('A' + (keyval - GDK_KEY_A));
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<int>('0' + (keyval - GDK_KEY_0));
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12) return 0x70 + static_cast<int>(keyval - GDK_KEY_F1);
    switch (keyval) {
    case GDK_KEY_BackSpace:
        return 0x08;
    case GDK_KEY_Tab:
        return 0x09;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
        return 0x0D;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R:
        return 0x11;
    case GDK_KEY_Escape:
        return 0x1B;
    case GDK_KEY_space:
        return 0x20;
    case GDK_KEY_Page_Up:
        return 0x21;
    case GDK_KEY_Page_Down:
        return 0x22;
    case GDK_KEY_End:
        return 0x23;
    case GDK_KEY_Home:
        return 0x24;
    case GDK_KEY_Left:
        return 0x25;
    case GDK_KEY_Up:
        return 0x26;
    case GDK_KEY_Right:
        return 0x27;
    case GDK_KEY_Down:
        return 0x28;
    case GDK_KEY_Delete:
        return 0x2E;
    default:
        return 0;
    }
}

// What the user did, for the UI thread.
struct Action {
    enum Kind { Click, Type, Close, Key, Scroll } kind;
    WORD id = 0;
    std::string text; // Type: code page 932
    int value = 0;    // Key: the virtual key; Scroll: the request (SB_*)
    int position = 0; // Scroll: the thumb's place for SB_THUMBTRACK
};

// One dialog on screen. Built and changed on the GTK thread; the actions go
// to the UI thread through the queue and a wake-up message.
struct Shown {
    DWORD uiThread = 0;
    HWND dialog = nullptr;
    GtkWidget* window = nullptr;
    std::vector<GtkWidget*> widgets; // in template order; null for pictures
    bool syncing = false;            // widgets being set from the controls: no actions
    std::mutex m;
    std::deque<Action> actions;

    void Push(Action a) {
        if (syncing) return;
        {
            std::lock_guard<std::mutex> lock(m);
            actions.push_back(std::move(a));
        }
        PostThreadMessageA(uiThread, WM_NULL, 0, 0);
    }
    std::size_t Pending() {
        std::lock_guard<std::mutex> lock(m);
        return actions.size();
    }
    std::deque<Action> Take() {
        std::lock_guard<std::mutex> lock(m);
        std::deque<Action> out;
        out.swap(actions);
        return out;
    }
};

struct Binding {
    Shown* shown;
    WORD id;
};

void OnClicked(GtkButton* button, gpointer data) {
    auto* b = static_cast<Binding*>(data);
    // Selecting a radio button clicks the one it leaves too: only the new one counts.
    if (GTK_IS_RADIO_BUTTON(button) && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button))) return;
    b->shown->Push({Action::Click, b->id, {}, 0, 0});
}

void OnChanged(GtkEditable* editable, gpointer data) {
    auto* b = static_cast<Binding*>(data);
    b->shown->Push({Action::Type, b->id, Utf8ToCp932(gtk_entry_get_text(GTK_ENTRY(editable))), 0, 0});
}

// The input method's open composition, for the keyboard hook to keep out of its way.
void OnPreedit(GtkEntry*, gchar* preedit, gpointer data) {
    auto* b = static_cast<Binding*>(data);
    SetCompositionString(b->shown->dialog, preedit ? Utf8ToCp932(preedit) : std::string());
}

// The dialog's code owns the bar's place: GTK's own move is not made.
gboolean OnScroll(GtkRange*, GtkScrollType scroll, gdouble value, gpointer data) {
    auto* b = static_cast<Binding*>(data);
    int request = -1;
    switch (scroll) {
    case GTK_SCROLL_STEP_BACKWARD:
    case GTK_SCROLL_STEP_UP:
    case GTK_SCROLL_STEP_LEFT:
        request = SB_LINEUP;
        break;
    case GTK_SCROLL_STEP_FORWARD:
    case GTK_SCROLL_STEP_DOWN:
    case GTK_SCROLL_STEP_RIGHT:
        request = SB_LINEDOWN;
        break;
    case GTK_SCROLL_PAGE_BACKWARD:
    case GTK_SCROLL_PAGE_UP:
    case GTK_SCROLL_PAGE_LEFT:
        request = SB_PAGEUP;
        break;
    case GTK_SCROLL_PAGE_FORWARD:
    case GTK_SCROLL_PAGE_DOWN:
    case GTK_SCROLL_PAGE_RIGHT:
        request = SB_PAGEDOWN;
        break;
    case GTK_SCROLL_START:
        request = SB_TOP;
        break;
    case GTK_SCROLL_END:
        request = SB_BOTTOM;
        break;
    case GTK_SCROLL_JUMP:
        request = SB_THUMBTRACK;
        break;
    default:
        break;
    }
    if (request >= 0) b->shown->Push({Action::Scroll, b->id, {}, request, static_cast<int>(value)});
    return request == SB_THUMBTRACK ? FALSE : TRUE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    static_cast<Shown*>(data)->Push({Action::Close, 0, {}, 0, 0});
    return TRUE; // the dialog's code decides whether it closes
}

gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    if (const int vk = VirtualKeyOf(event->keyval))
        static_cast<Shown*>(data)->Push({Action::Key, 0, {}, vk, 0});
    return FALSE; // the focused widget takes the key as well
}

GtkWidget* MakeWidget(const DLGITEM& item, const std::string& text, GtkWidget* window,
                      GtkWidget*& radioLeader, Binding* b) {
    if (item.kind != DlgItemKind::RadioButton) radioLeader = nullptr;
    GtkWidget* w = nullptr;
    switch (item.kind) {
    case DlgItemKind::Picture:
        // The dialog's background picture: the desktop's own look stands for it.
        return nullptr;
    case DlgItemKind::Static:
        w = gtk_label_new(text.c_str());
        gtk_label_set_xalign(GTK_LABEL(w), 0.0f);
        gtk_label_set_yalign(GTK_LABEL(w), 0.0f);
        gtk_label_set_line_wrap(GTK_LABEL(w), TRUE);
        return w;
    case DlgItemKind::GroupBox:
        return gtk_frame_new(text.c_str());
    case DlgItemKind::PushButton:
    case DlgItemKind::DefPushButton:
        w = gtk_button_new_with_label(text.c_str());
        g_signal_connect(w, "clicked", G_CALLBACK(OnClicked), b);
        if (item.kind == DlgItemKind::DefPushButton) {
            gtk_widget_set_can_default(w, TRUE);
            gtk_window_set_default(GTK_WINDOW(window), w);
        }
        return w;
    case DlgItemKind::CheckBox:
        w = gtk_check_button_new_with_label(text.c_str());
        g_signal_connect(w, "clicked", G_CALLBACK(OnClicked), b);
        return w;
    case DlgItemKind::RadioButton:
        w = radioLeader
                ? gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(radioLeader), text.c_str())
                : gtk_radio_button_new_with_label(nullptr, text.c_str());
        if (!radioLeader) radioLeader = w;
        g_signal_connect(w, "clicked", G_CALLBACK(OnClicked), b);
        return w;
    case DlgItemKind::Edit:
        w = gtk_entry_new();
        // Enter in the field presses the default button, as in a dialog.
        gtk_entry_set_activates_default(GTK_ENTRY(w), TRUE);
        g_signal_connect(w, "changed", G_CALLBACK(OnChanged), b);
        g_signal_connect(w, "preedit-changed", G_CALLBACK(OnPreedit), b);
        return w;
    case DlgItemKind::ScrollBar: {
        GtkAdjustment* range = gtk_adjustment_new(0, 0, 100, 1, 10, 10);
        w = gtk_scrollbar_new(item.cx >= item.cy ? GTK_ORIENTATION_HORIZONTAL : GTK_ORIENTATION_VERTICAL,
                              range);
        g_signal_connect(w, "change-value", G_CALLBACK(OnScroll), b);
        return w;
    }
    }
    return nullptr;
}

void Build(Shown& s, const DLGTEMPLATE& t, std::vector<std::unique_ptr<Binding>>& bindings) {
    s.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(s.window), Cp932ToUtf8(t.title).c_str());
    gtk_window_set_modal(GTK_WINDOW(s.window), TRUE);
    // It has no GTK parent: the program's window is SDL's. Kept above it.
    gtk_window_set_keep_above(GTK_WINDOW(s.window), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(s.window), FALSE);
    gtk_window_set_position(GTK_WINDOW(s.window), GTK_WIN_POS_CENTER);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, ScaleX(t.cx), ScaleY(t.cy));
    gtk_container_add(GTK_CONTAINER(s.window), fixed);
    GtkWidget* radioLeader = nullptr;
    for (const DLGITEM& item : t.items) {
        bindings.push_back(std::make_unique<Binding>(Binding{&s, item.id}));
        GtkWidget* w = MakeWidget(item, Cp932ToUtf8(item.text), s.window, radioLeader, bindings.back().get());
        if (w) {
            gtk_widget_set_size_request(w, ScaleX(item.cx), ScaleY(item.cy));
            gtk_fixed_put(GTK_FIXED(fixed), w, ScaleX(item.x), ScaleY(item.y));
        }
        s.widgets.push_back(w);
    }
    g_signal_connect(s.window, "delete-event", G_CALLBACK(OnDelete), &s);
    g_signal_connect(s.window, "key-press-event", G_CALLBACK(OnKey), &s);
    gtk_widget_show_all(s.window);
    gtk_window_present(GTK_WINDOW(s.window));
}

// The controls' state as the dialog's code left it, for the widgets.
struct ItemState {
    std::string text;
    bool checked = false, enabled = true, visible = true, focused = false;
    bool operator==(const ItemState&) const = default;
};

struct DialogState {
    std::string title;
    std::vector<ItemState> items;
    bool operator==(const DialogState&) const = default;
};

DialogState ReadState(cDialogRun& run) {
    DialogState out;
    char buffer[4096];
    GetWindowTextA(run.Window(), buffer, sizeof buffer);
    out.title = buffer;
    const HWND focus = GetFocus();
    for (const DLGITEM& item : run.Template().items) {
        HWND c = GetDlgItem(run.Window(), item.id);
        ItemState st;
        GetWindowTextA(c, buffer, sizeof buffer);
        st.text = buffer;
        st.checked = SendMessageA(c, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(BST_CHECKED);
        st.enabled = IsWindowEnabled(c) != 0;
        st.visible = IsWindowVisible(c) != 0;
        st.focused = c && c == focus;
        out.items.push_back(std::move(st));
    }
    return out;
}

// On the GTK thread. The focus moves only where the dialog's code moved it
// since `before`: a widget the user clicked keeps it otherwise.
void Apply(Shown& s, const DialogState& state, const DialogState* before) {
    s.syncing = true;
    gtk_window_set_title(GTK_WINDOW(s.window), Cp932ToUtf8(state.title).c_str());
    for (std::size_t i = 0; i < state.items.size() && i < s.widgets.size(); ++i) {
        GtkWidget* w = s.widgets[i];
        if (!w) continue;
        const ItemState& st = state.items[i];
        const std::string text = Cp932ToUtf8(st.text);
        if (GTK_IS_ENTRY(w)) {
            if (text != gtk_entry_get_text(GTK_ENTRY(w))) {
                const int caret = gtk_editable_get_position(GTK_EDITABLE(w));
                gtk_entry_set_text(GTK_ENTRY(w), text.c_str());
                const int length = static_cast<int>(g_utf8_strlen(text.c_str(), -1));
                gtk_editable_set_position(GTK_EDITABLE(w), std::min(caret, length));
            }
        } else if (GTK_IS_LABEL(w)) {
            gtk_label_set_text(GTK_LABEL(w), text.c_str());
        } else if (GTK_IS_FRAME(w)) {
            gtk_frame_set_label(GTK_FRAME(w), text.c_str());
        } else if (GTK_IS_BUTTON(w)) {
            gtk_button_set_label(GTK_BUTTON(w), text.c_str());
            if (GTK_IS_TOGGLE_BUTTON(w)) gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), st.checked);
        }
        gtk_widget_set_sensitive(w, st.enabled);
        gtk_widget_set_visible(w, st.visible);
        const bool moved = st.focused && !(before && i < before->items.size() && before->items[i].focused);
        if (moved && gtk_widget_get_can_focus(w)) gtk_widget_grab_focus(w);
    }
    s.syncing = false;
}

void Perform(cDialogRun& run, const Action& a) {
    switch (a.kind) {
    case Action::Click:
        run.Click(a.id);
        break;
    case Action::Type:
        run.Type(a.id, a.text);
        break;
    case Action::Close:
        run.CloseBox();
        break;
    case Action::Key:
        run.Key(a.value);
        break;
    case Action::Scroll: {
        HWND bar = GetDlgItem(run.Window(), a.id);
        const DLGITEM* item = nullptr;
        for (const DLGITEM& i : run.Template().items)
            if (i.id == a.id) item = &i;
        if (!bar || !item) break;
        const UINT message = item->cx >= item->cy ? WM_HSCROLL : WM_VSCROLL;
        const WORD position = static_cast<WORD>(static_cast<std::int16_t>(a.position));
        SendMessageA(run.Window(), message, MakeWParam(static_cast<WORD>(a.value), position),
                     reinterpret_cast<LPARAM>(bar));
        break;
    }
    }
}

class cGtkDialogs final : public cDialogPresenter {
public:
    void Run(cDialogRun& run, std::string& answered) override {
        if (!GtkCanShowDialogs()) {
            scripted_.Run(run, answered);
            return;
        }
        answered.clear();
        Shown s;
        s.uiThread = GetCurrentThreadId();
        s.dialog = run.Window();
        std::vector<std::unique_ptr<Binding>> bindings;
        DialogState shown = ReadState(run);
        if (!RunInGtk([&] {
                Build(s, run.Template(), bindings);
                Apply(s, shown, nullptr);
            })) {
            scripted_.Run(run, answered);
            return;
        }
        while (!run.Ended()) {
            const std::deque<Action> todo = s.Take();
            for (const Action& a : todo) {
                if (run.Ended()) break;
                Perform(run, a);
            }
            // The program closing or the display gone: nobody can answer, the dialog ends as closed.
            if (!run.Ended() && !ServeMessagesWhileModal()) EndDialog(run.Window(), 0);
            if (run.Ended()) break;
            DialogState now = ReadState(run);
            bool settled = true;
            if (!(now == shown)) {
                // What the user did since the actions were taken is not in this
                // state yet: setting it would undo keys typed meanwhile. The
                // next round, with those actions done, sets the widgets.
                RunInGtk([&] {
                    settled = s.Pending() == 0;
                    if (settled) Apply(s, now, &shown);
                });
                if (settled) shown = std::move(now);
            }
            // Woken by the next action (a posted message), a message, or the time
            // limit, after which a lost display is seen.
            if (todo.empty() && settled) WaitForMessage(100);
        }
        RunInGtk([&] { gtk_widget_destroy(s.window); });
        SetCompositionString(s.dialog, {});
    }

private:
    cScriptedDialogPresenter scripted_;
};

} // namespace

int DialogUnitsToPixelsX(int units) {
    return units * 3 / 2;
}

int DialogUnitsToPixelsY(int units) {
    return units * 13 / 8;
}

cDialogPresenter& GtkDialogPresenter() {
    static cGtkDialogs presenter;
    return presenter;
}
