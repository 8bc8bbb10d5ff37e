// Start-up and shutdown of the program's services, in their fixed order. Any
// failing step ends the start-up; the shutdown tolerates services that were
// never started.
#include "app/App.h"

#include "app/DialogRequests.h"
#include "app/Game.h"
#include "app/HbtPalette.h"
#include "app/MainWnd.h"
#include "app/ScreenMode.h"
#include "app/SoundMessages.h"
#include "app/SystemIni.h"
#include "app/WindowRecord.h"
#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "foundation/FileNames.h"
#include "foundation/Input.h"
#include "foundation/KeyConfig.h"
#include "foundation/MessageBox.h"
#include "foundation/RecordFile.h"
#include "foundation/StringLists.h"
#include "foundation/SystemReport.h"
#include "graphics/Font.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SystemSurfaces.h"
#include "gui/BootDlg.h"
#include "gui/Hook.h"
#include "platform/Clock.h"
#include "platform/MidiSynth.h"
#include "platform/PathResolver.h"
#include "platform/Random.h"
#include "platform/SdlPresenter.h"
#include "platform/WindowEvents.h"
#include "project/BootData.h"
#include "project/CommonPalette.h"
#include "project/DataPath.h"
#include "project/Database.h"
#include "project/DefaultData.h"
#include "project/OptionData.h"
#include "project/SystemData.h"
#include "project/WorldMap.h"
#include "records/ParamDescriptors.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

int bTestPlay = 0;

namespace {

const char* const kUserFolders[] = {"user_data",
                                    "user_data\\story",
                                    "user_data\\challenge",
                                    "user_data\\free",
                                    "user_data\\rpl4",
                                    "data",
                                    "data\\database",
                                    "data\\stg4",
                                    "data\\stg4\\old_ver",
                                    "data\\work",
                                    "data\\plt4",
                                    "bmp",
                                    "bmp\\back",
                                    "bmp\\chara_sp",
                                    "bmp\\effect",
                                    "bmp\\picture",
                                    "bmp\\sword",
                                    "bmp\\convert",
                                    "bmp\\plt",
                                    "bmp\\hbt",
                                    "wave",
                                    "bgm"};

// An existing folder or a failure is let pass, as the folders are only a convenience.
void CreateUserFolders() {
    for (const char* folder : kUserFolders) {
        std::error_code ec;
        std::filesystem::create_directory(ResolvePathForWriting(folder), ec);
    }
}

bool StartGraphics(int nCmdShow) {
    (void)nCmdShow;
    const int vsync = IniSetting.VSync != 0 ? 1 : 0;
    const int window = IniSetting.WindowMode != 0 ? 1 : 0;
    if (DDInit(IniSetting.Direct3D, lpMainPresenter, 640, 480, IniSetting.Bpp, vsync, window, 1, 60, vsync,
               SystemSD, SystemBmp, kSystemBmpCount))
        return true;
    if (IniSetting.Direct3D) {
        DDRelease();
        IniSetting.Direct3D = 0;
        if (DDInit(0, lpMainPresenter, 640, 480, IniSetting.Bpp, vsync, window, 1, 60, vsync, SystemSD,
                   SystemBmp, kSystemBmpCount))
            return true;
    }
    // The error log is off in a normal run: the report says why the start ended.
    ReportError("DDInit失敗");
    return false;
}

// The palette and the transparent colour, from the first picture of the table.
// DirectDraw at 16 or 32 bits takes them too: its pictures are keyed and its
// fills of palette colour 0 (text backgrounds) must come out transparent, so
// without them black would be the key and the project's key colour would show.
// Only Direct3D and the 8-bit palette cannot run without them.
bool SetPaletteAndTransparentColour() {
    const std::uint8_t* rgb = SystemData.TransparentColour;
    if (lpDDCon) lpDDCon->rgbConvert = {rgb[2], rgb[1], rgb[0]};
    if (!(DDIsDirect3D() || DDIsDirectDraw())) return true;
    const bool needed = DDIsDirect3D() || DDScreenBpp() == 8;
    if (!DDLoadPaletteFromFile(BasePalette, SystemBmp[0].szFile)) {
        // Fatal only where the mode can't draw without it; then the report says why.
        if (!needed)
            ErrorLogPuts("DDLoadPaletteFromFile失敗");
        else
            ReportError("DDLoadPaletteFromFile失敗");
        return !needed;
    }
    std::memcpy(Palette, BasePalette, sizeof Palette);
    bool set = true;
    if (!SystemData.bColourMode) {
        set = DDSetTransmit(SystemBmp[0].szFile);
    } else if (DDScreenBpp() == 16) {
        set = DDSetTransmit(SystemBmp[0].szFile);
        if (set) DDSetContextTransmit(rgb[0], rgb[1], rgb[2]);
    } else {
        DDSetTransmit(rgb[0], rgb[1], rgb[2]);
    }
    if (!set) {
        // Fatal only where the mode can't draw without it; then the report says why.
        if (!needed)
            ErrorLogPuts("DDSetTransmit失敗");
        else
            ReportError("DDSetTransmit失敗");
        return !needed;
    }
    return true;
}

// A stage or replay named on the command line (or by System.ini) is played at
// once: it is read here, so that the play scene starts on it. False when the
// file is there but is not a stage that can be played.
bool PrepareDirectStart() {
    if (IniSetting.FreeStage.empty()) return true;
    std::string path;
    if (!FindVersionedFileStr(path, IniSetting.FreeStage, FileExtension.At(FE_STAGE).c_str())) {
        ReportError("「%s」の読み込みに失敗しました！", IniSetting.FreeStage.c_str());
        IniSetting.FreeStage.clear();
        return true;
    }
    bTestPlay = 1;
    if (!StartStageFromFile(path, 1)) return false;
    Game.nPlayMode = 3;
    Game.nPlayStartA = 2;
    Game.nPlayStartB = 1;
    Game.nCurrentScene = SCENE_PLAY;
    Game.nPrevScene = SCENE_TITLE;
    return true;
}

// The three fonts in the project's face and the digit strips drawn with them.
bool CreateFonts() {
    const std::int32_t n = SystemData.nFontNumber;
    // A font number outside the list (a damaged System.dat) takes the list's empty last name.
    const std::string& face = FontFaceNames[(n >= 0 && n < 122) ? n : 122];
    for (SYSTEMFONTDATA& def : SystemFont) {
        std::snprintf(def.szFace, sizeof def.szFace, "%s", face.c_str());
        if (def.nValue[9] == 2)
            def.nValue[9] = IniSetting.Direct3D ? IniSetting.D3D_FontCache : IniSetting.DD_FontCache;
    }
    if (!DDCreateFonts(SysFont, SystemFont, kSysFontCount)) return false;
    // A font that found no face has reported it; nothing could be drawn with it.
    for (const cFont& font : SysFont)
        if (!font.HasFace()) return false;
    SysFont[1].bCenter = SystemData.nTextSettingA;
    SysFont[1].bSymbol = SystemData.nTextSettingB;
    return DDCreateDigitSurfaces(DigitSD, ExtraBmp, kSysFontCount, SysFont, SystemFont);
}

} // namespace

bool ChooseDrawingMode() {
    BootData = cBootData();
    BootData.LoadFromFile(DataPath.At(DP_BOOT));
    BootData.Normalize();
    if (!BootData.bDoNotAsk) {
        cBootDlg dlg(&MainWnd, nullptr, BootData, SystemData.GameTitle, IniSetting.English != 0,
                     DataPath.At(DP_BOOT));
        if (dlg.DoModal(0) != 1) return false;
    }
    IniSetting.Direct3D = BootData.nDrawMode == 1 ? 1 : 0;
    return true;
}

namespace {

// In a window, where user_data\Window.dat says the window stood.
void PlaceMainWindow() {
    bool maximise = false;
    if (IniSetting.WindowMode != 0) RestoreWindowRecord(lpMainPresenter, DataPath.At(DP_WINDOW), maximise);
    int x = 0, y = 0;
    if (lpMainPresenter && lpMainPresenter->GetPosition(x, y)) MainWnd.Move(x, y);
}

} // namespace

bool InitProgram(const std::string& commandLine, int nCmdShow) {
    timeBeginPeriod(1);
    GameSrand(timeGetTime());
    dwDataVersion = 818;
    bNewerVersion = 0;
    InitCmdParamTable();

    HWND window = FindWindowA("Brindlecraft4", nullptr);
    switch (MakeDefaultData(window)) {
    case DefaultDataResult::Ready:
        break;
    case DefaultDataResult::NoSpace:
        ReportErrorBox("「data」フォルダの作成に失敗…\nディスクの空き容量が足りません。");
        return false;
    case DefaultDataResult::Failed:
        ReportErrorBox("「data」フォルダの作成に失敗…\n「default」フォルダに問題がある可能性があります。");
        return false;
    }
    CreateUserFolders();
    // A missing or damaged file keeps the defaults; the stored numbers are brought into their ranges.
    OptionData.LoadFromFile(DataPath.At(DP_OPTION));
    // The SoundFont loads while the rest starts and the title's pictures are
    // read: the first music waits for it, the first frame does not.
    if (OptionData.bMusic) StartMidiSynthLoad();
    if (!Database.LoadAll()) {
        ReportErrorBox("データベースの読み込みに失敗…");
        return false;
    }
    Database.MakeWorkCopies();
    BuildRuntimeTables();
    const std::string& systemPath = DataPath.At(DP_SYSTEM);
    if (!SystemData.LoadFromFile(systemPath)) {
        ReportErrorBox("%s の読み込みに失敗…", systemPath.c_str());
        return false;
    }
    SetDefaultSystemIni(IniSetting, SystemData.IniKeys);
    if (!ReadSystemIni("System.ini", IniSetting, SystemData.IniKeys)) {
        ReportErrorBox("System.ini の読み込みに失敗しました！");
        SetDefaultSystemIni(IniSetting, SystemData.IniKeys);
    }
    if (IniSetting.Direct3D >= 2 && !ChooseDrawingMode()) return false;
    if (!commandLine.empty()) {
        if (commandLine.size() > 259) {
            ReportError("「%s」の読み込みに失敗しました！", commandLine.c_str());
        } else {
            IniSetting.FreeStage = commandLine;
        }
    }
    Game.nFrameRate = 60;
    Game.nFadeLength = 10;
    for (cInput& input : InputList) input.SetRepeat(18, 6);
    if (!DecideScreenMode(IniSetting, DesktopBitsPerPixel(), SystemData)) return false;

    hMainWnd = window;
    SetPresenterTitle(lpMainPresenter, SystemData.GameTitle);
    PlaceMainWindow();
    if (IniSetting.Bpp == 8) IniSetting.DD_VideoStretch = 0;
    if (!StartGraphics(nCmdShow)) return false;
    if (DDIsDirect3D()) {
        DDSetTextureErrorText(
            "テクスチャの作成に失敗しました！\nビデオカードの性能が十分ではないかもしれません。\nSystem."
            "iniファイルで「Direct3D=0」に変更してDirect3Dを無効にすれば改善される可能性があります。");
        LinkSystemSurfaces();
    }
    ReportDisplayInfo(true);
    ErrorLogPuts("DDInit成功");
    if (!SetPaletteAndTransparentColour()) return false;
    ErrorLogPuts("1");
    bVSyncFullScreen = (!DDIsDirect3D() && !IniSetting.WindowMode && IniSetting.VSync != 0 &&
                        DDGetMonitorFrequency() >= Game.nFrameRate)
                           ? 1
                           : 0;
    const int debugFont[] = {kDebugFontPicture};
    if (!DDLoadSurfaces(SystemSD, debugFont, 1)) return false;
    if (!CreateFonts()) return false;
    ErrorLogPuts("3");
    for (cInput& input : InputList) input.SetDefaultButtonMasks();
    if (!LoadKeyConfig("user_data\\KeyConfig.dat", &KeyConfig)) SetDefaultKeyConfig(&KeyConfig);
    if (!LoadHbtPalette(OptionData.nPalette)) return false;
    StartSoundAndMusic();
    const std::string& worldMap = DataPath.At(DP_WORLD_MAP);
    if (!WorldMap.LoadFromFile(worldMap)) {
        ReportErrorBox("%s のロードに失敗！", worldMap.c_str());
        return false;
    }
    const std::string& palette = DataPath.At(DP_COMMON_PALETTE);
    if (!CommonPalette.LoadFromFile(palette)) {
        ReportErrorBox("%s のロードに失敗！", palette.c_str());
        return false;
    }
    ErrorLogPuts("4");
    return PrepareDirectStart();
}

void ShutdownProgram() {
    if (DDIsRunning()) {
        if (SysFont[0].m_lpFastFont_FullAdd) ReportPrintf("Font10 : %d", SysFont[0].CachedFullChars());
        if (SysFont[1].m_lpFastFont_FullAdd) ReportPrintf("Font16 : %d", SysFont[1].CachedFullChars());
    }
    timeEndPeriod(1);
    StopSoundAndMusic();
    Game.DeleteScenes();
    for (cFont& font : SysFont) font.Release();
    for (DDSURFACEDATA& digits : DigitSD) DDReleaseSurface(&digits);
    DDRelease();
    UnhookKeyboard();
}
