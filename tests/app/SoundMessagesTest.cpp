// The game side's sound and music requests and the main window's answers:
// what each request sends, sounds and music chosen by number, and numbers
// outside the lists reported without closing the program.
#include "app/SoundMessages.h"
#include "../sound/MusicFixture.h"
#include "foundation/Fault.h"
#include "project/Database.h"
#include "project/SystemData.h"
#include "sound/BgmPlayer.h"
#include "sound/SoundRequests.h"

#include <gtest/gtest.h>

namespace {

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Sent&) const = default;
};
std::vector<Sent> sent;

LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) sent.push_back({message, wParam, lParam});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(SoundRequests, EachRequestSendsItsMessage) {
    ASSERT_TRUE(RegisterWindowClass("SoundRequestsTest", RecordingProc));
    HWND window = CreateWindowA("SoundRequestsTest", "");
    const HWND before = hMainWnd.exchange(window);
    sent.clear();
    PlaySe(3);
    PlayDbSe(0);
    PlayDbSe(1);
    PlayBgm(5, 1);
    EXPECT_EQ(sent, (std::vector<Sent>{{WM_USER + 5, 3, 0}, {WM_USER + 5, 17, 0}, {WM_USER + 6, 4, 5}}));
    EXPECT_EQ(nStageBgmLoop.load(), 1);
    hMainWnd = before;
    DestroyWindow(window);
    UnregisterWindowClass("SoundRequestsTest");
}

class MainWindowSound : public ::testing::Test {
protected:
    void SetUp() override {
        savedSystem = SystemData.ScreenMusic;
        savedFlags = SystemData.ScreenMusicFlags;
        savedBgm = Database.Bgm;
        Database.Bgm.resize(3);
        Database.Bgm[1].strFile = "bgm\\Title.mid";
        Database.Bgm[2].strFile = "bgm\\Stage.ogg";
        SystemData.ScreenMusic = cVector<std::int32_t>{1, 0, 2, 1};
        SystemData.ScreenMusicFlags = cVector<std::uint8_t>{1, 1, 1, 1};
        std::memcpy(savedOgg, BgmSlotOgg, sizeof savedOgg);
        std::memcpy(savedMidi, BgmSlotMidi, sizeof savedMidi);
        ASSERT_EQ(BgmPlayer.Init(1, BgmSlotOgg, BgmSlotMidi, kBgmSlotCount), 1);
    }
    void TearDown() override {
        BgmPlayer.Release();
        std::memcpy(BgmSlotOgg, savedOgg, sizeof savedOgg);
        std::memcpy(BgmSlotMidi, savedMidi, sizeof savedMidi);
        SystemData.ScreenMusic = savedSystem;
        SystemData.ScreenMusicFlags = savedFlags;
        Database.Bgm = savedBgm;
    }
    MusicFolder folder;
    cVector<std::int32_t> savedSystem;
    cVector<std::uint8_t> savedFlags;
    cVector<cBgm> savedBgm;
    BGMSLOTOGG savedOgg[kBgmSlotCount];
    BGMSLOTMIDI savedMidi[kBgmSlotCount];
};

TEST_F(MainWindowSound, MusicRequestsPlayTheirSlotOrStop) {
    OnMusicRequest(0, 0);
    EXPECT_EQ(BgmPlayer.CurrentSlot(), 0);
    EXPECT_EQ(BgmPlayer.SlotType(0), cBgmPlayer::SLOT_MIDI);
    OnMusicRequest(2, 0);
    EXPECT_EQ(BgmPlayer.CurrentSlot(), 2);
    EXPECT_EQ(BgmPlayer.Ogg().CurrentIndex(), 0) << "the challenge screen's music is the Ogg piece";
    OnMusicRequest(1, 0); // that screen has no music: the music stops
    EXPECT_EQ(BgmPlayer.Ogg().CurrentIndex(), -1);
    OnMusicRequest(5, 0); // no such slot: nothing
    EXPECT_EQ(BgmPlayer.CurrentSlot(), 2);
    nStageBgmLoop = 0;
    OnMusicRequest(4, 2);
    EXPECT_EQ(BgmPlayer.CurrentSlot(), 4);
    EXPECT_EQ(BgmPlayer.Ogg().CurrentIndex(), 0);
    const auto closes = MainWindowCloseRequests();
    OnMusicRequest(4, 9);
    EXPECT_EQ(BgmPlayer.Ogg().CurrentIndex(), -1) << "an unknown number stops the music";
    EXPECT_EQ(MainWindowCloseRequests(), closes);
    EXPECT_NE(folder.Report().find("Bgm : music 9 is not in the list"), std::string::npos);
}

TEST(MainWindowSoundEffects, AnUnknownSoundNumberIsReportedNotFatal) {
    MemoryAudio audio;
    ReportFolder folder;
    SeList.assign(17, DSSOUNDDATA{});
    const auto closes = MainWindowCloseRequests();
    EXPECT_EQ(OnPlaySoundRequest(16), 0);
    EXPECT_EQ(OnPlaySoundRequest(17), 0);
    EXPECT_EQ(OnPlaySoundRequest(static_cast<WPARAM>(-1)), 0);
    EXPECT_EQ(MainWindowCloseRequests(), closes);
    EXPECT_NE(folder.Report().find("Sound : sound 17 is not in the list (17)"), std::string::npos);
    SeList.clear();
}

} // namespace
