#include "foundation/ErrorLog.h"

#include "fixtures/ReadAll.h"
#include "fixtures/TempDir.h"
#include "foundation/Fault.h"
#include "platform/MessageBox.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

namespace {

// UTF-8 text as the files hold it (plain literals here are code page 932).
std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// A main window on this thread; its WM_CLOSE stays in the queue to be looked at.
struct MainWindowFixture : ::testing::Test {
    TempDir dir;
    HWND window = nullptr;
    MainWindowFixture() {
        RegisterWindowClass("TestMain", DefWindowProcA);
        window = CreateWindowA("TestMain", "");
        hMainWnd = window;
    }
    ~MainWindowFixture() override {
        hMainWnd = nullptr;
        DestroyWindow(window);
        SetErrorLog(false, "");
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    int ClosesQueued() {
        int n = 0;
        MSG msg;
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) n += msg.message == WM_CLOSE;
        return n;
    }
};

using ErrorLog = MainWindowFixture;

TEST_F(ErrorLog, SwitchedOffItWritesNothingButStillPostsClose) {
    SetErrorLog(false, "EC_Game.txt");
    auto before = MainWindowCloseRequests();
    ErrorLogPrintfAndClose(hMainWnd, "fault %d", 3);
    EXPECT_FALSE(std::filesystem::exists("EC_Game.txt"));
    EXPECT_EQ(ClosesQueued(), 1);
    EXPECT_EQ(MainWindowCloseRequests(), before + 1);
}

TEST_F(ErrorLog, FirstLineOfARunEmptiesTheOldLogAndLaterLinesAppend) {
    std::ofstream("EC_Game.txt") << "line of the last run\n";
    SetErrorLog(true, "EC_Game.txt");
    ErrorLogPrintf("first %s", "line");
    LogError("second");
    ErrorLogPrintfAndClose(hMainWnd, "third");
    EXPECT_EQ(ReadAll("EC_Game.txt"), "first line\nsecond\nthird\n");
    EXPECT_EQ(ClosesQueued(), 1);
}

TEST_F(ErrorLog, FaultPathPostsCloseToTheMainWindowOnlyWhenThereIsOne) {
    PostMainWindowClose();
    EXPECT_EQ(ClosesQueued(), 1);
    hMainWnd = nullptr;
    auto before = MainWindowCloseRequests();
    PostMainWindowClose(); // counted, but nothing lands in this thread's queue
    EXPECT_EQ(MainWindowCloseRequests(), before + 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(ErrorLog, ReportLinesNeedTheReportFileAndAreWrittenAsUtf8) {
    EXPECT_FALSE(ReportPrintf("lost"));
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    SetErrorLog(true, "EC_Game.txt");
    EXPECT_TRUE(ReportPrintf("App : ver %s", "818"));
    EXPECT_TRUE(ReportError("データ %d", 1));
    EXPECT_EQ(ReadAll("Report_Game.txt"), "App : ver 818\n" + Utf8(u8"データ 1") + "\n");
    EXPECT_EQ(ReadAll("EC_Game.txt"), Utf8(u8"データ 1") + "\n");
    // A report removed after start-up is not made again.
    std::filesystem::remove("Report_Game.txt");
    EXPECT_FALSE(ReportPrintf("lost"));
    EXPECT_FALSE(std::filesystem::exists("Report_Game.txt"));
}

TEST_F(ErrorLog, ReportErrorBoxWritesTheLineAndShowsIt) {
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    PushScriptedMessageBoxAnswer(IDOK);
    EXPECT_TRUE(ReportErrorBox("%s の読み込みに失敗…", "data\\System.dat"));
    std::string report = ReadAll("Report_Game.txt");
    std::string line = Utf8(u8"data\\System.dat の読み込みに失敗…");
    EXPECT_EQ(report.find(line + "\n"), 0u);
    EXPECT_NE(report.find(Utf8(u8"[エラー] ") + line), std::string::npos);
}

TEST_F(ErrorLog, LinesFromManyThreadsStayWhole) {
    ASSERT_TRUE(SetReportFile("Report_Game.txt"));
    SetErrorLog(true, "EC_Game.txt");
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([t] {
            std::string body(200, static_cast<char>('a' + t));
            for (int i = 0; i < 100; ++i) {
                ErrorLogPrintf("%d %s", t, body.c_str());
                ReportPrintf("%d %s", t, body.c_str());
            }
        });
    }
    for (auto& w : writers) w.join();
    for (const char* file : {"EC_Game.txt", "Report_Game.txt"}) {
        std::istringstream in(ReadAll(file));
        std::string line;
        int lines = 0;
        while (std::getline(in, line)) {
            ++lines;
            ASSERT_EQ(line.size(), 202u) << file;
            char c = static_cast<char>('a' + (line[0] - '0'));
            EXPECT_EQ(line.substr(2), std::string(200, c)) << file;
        }
        EXPECT_EQ(lines, 400) << file;
    }
}

} // namespace
