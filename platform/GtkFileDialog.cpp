// The common file dialog as GTK's file chooser.
#include "platform/Cp932.h"
#include "platform/GtkDialogPresenter.h"
#include "platform/GtkModal.h"
#include "platform/GtkSession.h"
#include "platform/PathResolver.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

namespace {

// One chooser on screen; its answer comes back on the GTK thread.
struct Chooser {
    DWORD uiThread = 0;
    GtkWidget* dialog = nullptr;
    std::atomic<bool> answered{false};
    std::string picked; // UTF-8; written before `answered`
};

void OnResponse(GtkDialog* dialog, gint response, gpointer data) {
    auto* c = static_cast<Chooser*>(data);
    if (c->answered.load()) return;
    if (response == GTK_RESPONSE_ACCEPT) {
        if (gchar* file = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog))) {
            c->picked = file;
            g_free(file);
        }
    }
    gtk_widget_hide(GTK_WIDGET(dialog));
    c->answered = true;
    PostThreadMessageA(c->uiThread, WM_NULL, 0, 0);
}

// Escape and the close box: an answer like any other, the window kept until
// the asker is done with it (left alone, GTK would destroy it here).
gboolean OnDelete(GtkWidget* dialog, GdkEvent*, gpointer) {
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
    return TRUE;
}

void AddFilters(GtkFileChooser* chooser, const std::vector<FileDialogFilter>& filters) {
    for (const FileDialogFilter& f : filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, Cp932ToUtf8(f.name).c_str());
        std::size_t start = 0;
        while (start <= f.pattern.size()) {
            std::size_t end = f.pattern.find(';', start);
            if (end == std::string::npos) end = f.pattern.size();
            if (end > start)
                gtk_file_filter_add_pattern(filter,
                                            Cp932ToUtf8(f.pattern.substr(start, end - start)).c_str());
            start = end + 1;
        }
        gtk_file_chooser_add_filter(chooser, filter);
    }
}

// On the GTK thread.
void Open(Chooser& c, const FileDialogRequest& request, const std::filesystem::path& folder) {
    c.dialog = gtk_file_chooser_dialog_new(
        Cp932ToUtf8(request.title).c_str(), nullptr,
        request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
        GTK_RESPONSE_CANCEL, request.save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(c.dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(c.dialog), GTK_RESPONSE_ACCEPT);
    gtk_window_set_modal(GTK_WINDOW(c.dialog), TRUE);
    gtk_window_set_keep_above(GTK_WINDOW(c.dialog), TRUE);
    gtk_window_set_position(GTK_WINDOW(c.dialog), GTK_WIN_POS_CENTER);
    AddFilters(chooser, request.filters);
    gtk_file_chooser_set_current_folder(chooser, folder.c_str());
    if (request.save) {
        // No question of GTK's about saving over a file: the caller asks it
        // once for the name it will write, which may gain its extension
        // after the chooser (ProgramPath).
        std::string name = request.suggested;
        const std::size_t slash = name.find_last_of("\\/");
        if (slash != std::string::npos) name = name.substr(slash + 1);
        gtk_file_chooser_set_current_name(chooser, Cp932ToUtf8(name).c_str());
    }
    g_signal_connect(c.dialog, "response", G_CALLBACK(OnResponse), &c);
    g_signal_connect(c.dialog, "delete-event", G_CALLBACK(OnDelete), nullptr);
    gtk_widget_show_all(c.dialog);
    // Left to itself the chooser takes a size made for a large screen, its
    // buttons off a small one. Set once it is shown: showing sets its own.
    GdkRectangle area{0, 0, 800, 600};
    if (GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default()))
        gdk_monitor_get_workarea(monitor, &area);
    const int width = std::min(760, area.width * 9 / 10), height = std::min(540, area.height * 9 / 10);
    gtk_window_resize(GTK_WINDOW(c.dialog), width, height);
    gtk_window_move(GTK_WINDOW(c.dialog), area.x + (area.width - width) / 2,
                    area.y + (area.height - height) / 2);
    gtk_window_present(GTK_WINDOW(c.dialog));
}

// The program's own spelling of a chosen file: relative to the game folder
// (the working folder) with '\' when it is inside it, in code page 932.
std::string ProgramPath(const std::string& picked, const FileDialogRequest& request) {
    std::filesystem::path path(picked);
    if (request.save && !path.has_extension() && !request.defaultExt.empty())
        path += "." + request.defaultExt;
    std::error_code ec;
    const std::filesystem::path relative =
        std::filesystem::relative(path, std::filesystem::current_path(), ec);
    std::string text = (!ec && !relative.empty() && relative.native().rfind("..", 0) != 0) ? relative.string()
                                                                                           : path.string();
    for (char& ch : text)
        if (ch == '/') ch = '\\';
    return Utf8ToCp932(text);
}

class cGtkFileDialogs final : public cFileDialogPresenter {
public:
    bool Choose(const FileDialogRequest& request, std::string& chosen, std::string& answered) override {
        if (!GtkCanShowDialogs()) return scripted_.Choose(request, chosen, answered);
        chosen.clear();
        answered.clear();
        // The chooser starts in the request's folder, or the game folder while that does not exist yet.
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::absolute(ResolvePath(request.folder), ec);
        if (request.folder.empty() || ec || !std::filesystem::is_directory(folder, ec))
            folder = std::filesystem::current_path(ec);
        Chooser c;
        c.uiThread = GetCurrentThreadId();
        if (!RunInGtk([&] { Open(c, request, folder); })) return scripted_.Choose(request, chosen, answered);
        // The UI thread goes on serving the messages sent to it until the chooser answers.
        bool unanswered = false;
        while (!c.answered.load()) {
            if (!ServeMessagesWhileModal()) {
                unanswered = true;
                break;
            }
            if (!c.answered.load()) WaitForMessage(100);
        }
        RunInGtk([&] {
            c.answered = true; // a late response finds nothing to answer
            gtk_widget_destroy(c.dialog);
        });
        if (unanswered || c.picked.empty()) return false;
        chosen = ProgramPath(c.picked, request);
        return !chosen.empty();
    }

private:
    cScriptedFileDialogPresenter scripted_;
};

} // namespace

cFileDialogPresenter& GtkFileDialogPresenter() {
    static cGtkFileDialogs presenter;
    return presenter;
}
