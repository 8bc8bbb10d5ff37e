#include "platform/GtkSession.h"

#include "platform/DisplayLoss.h"
#include "platform/MessageBox.h"

#include <condition_variable>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <mutex>
#include <thread>

namespace {

enum class State { Stopped, Starting, Running, Failed };

struct Session {
    std::mutex m;
    std::condition_variable cv;
    State state = State::Stopped;
    std::thread thread;
    std::thread::id id;
    GMainLoop* loop = nullptr;
};

// Never destroyed: a box may be asked for while static objects are ending.
Session& S() {
    static Session* s = new Session;
    return *s;
}

struct Job {
    const std::function<void()>* work;
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
};

gboolean RunJob(gpointer data) {
    Job* job = static_cast<Job*>(data);
    (*job->work)();
    std::lock_guard<std::mutex> lock(job->m);
    job->done = true;
    job->cv.notify_all();
    return G_SOURCE_REMOVE;
}

gboolean QuitLoop(gpointer data) {
    g_main_loop_quit(static_cast<GMainLoop*>(data));
    return G_SOURCE_REMOVE;
}

// Always a source of the loop: g_main_context_invoke would run the function on
// the asking thread when the loop happens not to hold the context.
void AddToLoop(GSourceFunc function, gpointer data) {
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(source, function, data, nullptr);
    g_source_attach(source, nullptr);
    g_source_unref(source);
}

void SessionThread() {
    Session& s = S();
    gtk_disable_setlocale();
    bool opened = gtk_init_check(nullptr, nullptr);
    if (opened) {
        GdkDisplay* display = gdk_display_get_default();
        if (GDK_IS_X11_DISPLAY(display)) WatchGtkDisplayLoss(gdk_x11_display_get_xdisplay(display));
    }
    {
        std::lock_guard<std::mutex> lock(s.m);
        s.state = opened ? State::Running : State::Failed;
        if (opened) s.loop = g_main_loop_new(nullptr, FALSE);
        s.cv.notify_all();
    }
    if (!opened) return;
    g_main_loop_run(s.loop);
}

} // namespace

bool StartGtkSession() {
    Session& s = S();
    std::unique_lock<std::mutex> lock(s.m);
    if (s.state == State::Running) return true;
    if (s.state == State::Failed || s.state == State::Starting) {
        s.cv.wait(lock, [&] { return s.state != State::Starting; });
        return s.state == State::Running;
    }
    if (IsHeadlessDisplay() || DisplayLost()) return false;
    s.state = State::Starting;
    s.thread = std::thread(SessionThread);
    s.id = s.thread.get_id();
    s.cv.wait(lock, [&] { return s.state != State::Starting; });
    if (s.state == State::Failed) {
        s.thread.join();
        // GTK opens a display once per process; a later try would fail alike.
        return false;
    }
    return true;
}

bool GtkSessionRunning() {
    std::lock_guard<std::mutex> lock(S().m);
    return S().state == State::Running;
}

bool OnGtkThread() {
    std::lock_guard<std::mutex> lock(S().m);
    return S().state == State::Running && std::this_thread::get_id() == S().id;
}

bool RunInGtk(const std::function<void()>& work) {
    if (OnGtkThread()) {
        work();
        return true;
    }
    if (!GtkSessionRunning()) return false;
    Job job;
    job.work = &work;
    AddToLoop(RunJob, &job);
    std::unique_lock<std::mutex> lock(job.m);
    job.cv.wait(lock, [&] { return job.done; });
    return true;
}

void StopGtkSession() {
    Session& s = S();
    GMainLoop* loop = nullptr;
    {
        std::lock_guard<std::mutex> lock(s.m);
        if (s.state != State::Running) return;
        loop = s.loop;
        s.state = State::Stopped;
    }
    AddToLoop(QuitLoop, loop);
    s.thread.join();
    g_main_loop_unref(loop);
    std::lock_guard<std::mutex> lock(s.m);
    s.loop = nullptr;
    s.state = State::Failed; // GTK is not opened twice in one process
}
