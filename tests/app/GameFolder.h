// A small game folder for runs of the real player: the ten databases, the
// system data, world map and common palette as a new project has them, a
// System.ini for a DirectDraw window, the debug font picture and the title
// screen's pictures.
#pragma once

#include "foundation/RecordFile.h"
#include "foundation/SaveData.h"
#include "platform/ImageBuilders.h"
#include "project/CommonPalette.h"
#include "project/Database.h"
#include "project/SystemData.h"
#include "project/WorldMap.h"

#include <filesystem>
#include <fstream>
#include <string>

template <class T> bool WriteDatabaseFile(const std::filesystem::path& path, cVector<T>& records) {
    RecordFilePtr file = OpenRecordFileWrite(path.string());
    if (!file) return false;
    SaveRecordVector(*file, records);
    return CloseRecordFile(file);
}

// Writes the project into `root`/`dataFolder` ("data" or "default").
inline bool WriteGameFolder(const std::filesystem::path& root, const std::string& dataFolder = "data") {
    namespace fs = std::filesystem;
    fs::path data = root / dataFolder;
    fs::create_directories(data / "database");
    fs::create_directories(root / "bmp");
    cDatabase db;
    fs::path d = data / "database";
    bool ok = WriteDatabaseFile(d / "AnimeSet.dat", db.AnimeSet) &&
              WriteDatabaseFile(d / "Anime.dat", db.Anime) &&
              WriteDatabaseFile(d / "Bmp_CharaExc.dat", db.Bmp_CharaExc) &&
              WriteDatabaseFile(d / "SwordType.dat", db.SwordType) &&
              WriteDatabaseFile(d / "Effect.dat", db.Effect) &&
              WriteDatabaseFile(d / "CharaEffect.dat", db.CharaEffect) &&
              WriteDatabaseFile(d / "ScrEffect.dat", db.ScrEffect) &&
              WriteDatabaseFile(d / "Picture.dat", db.Picture) &&
              WriteDatabaseFile(d / "Sound.dat", db.Sound) && WriteDatabaseFile(d / "Bgm.dat", db.Bgm);
    cSystemData system;
    cWorldMap worldMap;
    cCommonPalette palette;
    ok = ok && system.SaveToFile((data / "System.dat").string()) &&
         worldMap.SaveToFile((data / "WorldMap.dat").string()) &&
         palette.SaveToFile((data / "CommonPalette.cplt4").string());
    std::ofstream ini(root / "System.ini", std::ios::binary);
    ini << "Direct3D=0\r\nWindowMode=1\r\nBpp=0\r\nVSync=2\r\nShowFps=1\r\nExit\r\n";
    ini.close();
    // 16 x 6 cells of 8 x 16 pixels.
    std::vector<std::uint32_t> font(128 * 96, 0x00FFFFFFu);
    WriteFile((root / "bmp" / "Debug.bmp").string(), MakeBmp(128, 96, 24, font));
    // The pictures of the title screen, in plain colours.
    struct Picture {
        const char* name;
        int width, height;
        std::uint32_t colour;
    } pictures[] = {{"Title.bmp", 640, 480, 0x00203060u},
                    {"GameMode.bmp", 192, 224, 0x00FFFFFFu},
                    {"Accessory.bmp", 128, 128, 0x00FFC000u},
                    {"Window.bmp", 64, 64, 0x00000080u}};
    for (const Picture& p : pictures) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(p.width * p.height), p.colour);
        WriteFile((root / "bmp" / p.name).string(), MakeBmp(p.width, p.height, 24, pixels));
    }
    return ok && ini.good();
}
