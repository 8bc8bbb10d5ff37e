#include "platform/GtkMessageBox.h"

#include "platform/Cp932.h"
#include "platform/DisplayLoss.h"
#include "platform/GtkSession.h"
#include "platform/MessageBox.h"
#include "platform/SdlMessageBox.h"

#include <gtk/gtk.h>

namespace {

GtkMessageType MessageTypeOf(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return GTK_MESSAGE_ERROR;
    case MB_ICONQUESTION:
        return GTK_MESSAGE_QUESTION;
    case MB_ICONWARNING:
        return GTK_MESSAGE_WARNING;
    case MB_ICONINFORMATION:
        return GTK_MESSAGE_INFO;
    default:
        return GTK_MESSAGE_OTHER;
    }
}

// A box whose display went away can't be answered: it is closed.
gboolean CloseIfDisplayLost(gpointer dialog) {
    if (!DisplayLost()) return G_SOURCE_CONTINUE;
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
    return G_SOURCE_REMOVE;
}

// On the GTK thread.
int RunBox(const std::string& textUtf8, const std::string& captionUtf8, UINT type) {
    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, MessageTypeOf(type),
                                               GTK_BUTTONS_NONE, "%s", textUtf8.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), captionUtf8.c_str());
    for (const MessageBoxButton& b : MessageBoxButtons(type))
        gtk_dialog_add_button(GTK_DIALOG(dialog), b.label, b.id);
    int def = DefaultMessageBoxAnswer(type);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), def);
    // Return presses the focused button: the default one starts with the focus.
    if (GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), def))
        gtk_widget_grab_focus(button);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    // It has no GTK parent: the program's window is SDL's. Kept above it.
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    GSource* watch = g_timeout_source_new(200);
    g_source_set_callback(watch, CloseIfDisplayLost, dialog, nullptr);
    g_source_attach(watch, nullptr);
    gint response = gtk_dialog_run(GTK_DIALOG(dialog));
    g_source_destroy(watch);
    g_source_unref(watch);
    gtk_widget_destroy(dialog);
    for (const MessageBoxButton& b : MessageBoxButtons(type))
        if (b.id == response) return response;
    return ClosedMessageBoxAnswer(type);
}

class cGtkMessageBoxPresenter : public cMessageBoxPresenter {
public:
    bool Show(HWND owner, const std::string& text, const std::string& caption, UINT type,
              int& answer) override {
        std::string body = Cp932ToUtf8(text);
        std::string title = Cp932ToUtf8(caption);
        if (StartGtkSession() && RunInGtk([&] { answer = RunBox(body, title, type); })) return true;
        answer = ShowSdlMessageBox(owner, text, caption, type);
        return true;
    }
};

} // namespace

cMessageBoxPresenter& GtkMessageBoxPresenter() {
    static cGtkMessageBoxPresenter presenter;
    return presenter;
}
