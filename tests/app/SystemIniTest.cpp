// The System.ini reader: keys written with blanks, values ended by blanks or
// comments, "Exit" or a zero character ending the file, and the end of the
// file in the middle of a key counting as a failure.
#include "app/SystemIni.h"
#include "fixtures/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct IniCase {
    const char* name;
    std::string text;
    int result;
    int direct3D, windowMode, showFps;
    std::string freeStage;
};

TEST(SystemIni, ReadsTheFileAsTheKeyTableSays) {
    cVector<cIniKey> keys;
    SetDefaultIniKeys(keys);
    const std::string nul(1, '\0');
    const IniCase cases[] = {
        {"plain", "Direct3D=0\r\nWindowMode=1\r\nShowFps=2\r\nExit\r\n", 1, 0, 1, 2, ""},
        {"blank inside key", "Direct 3D=1\nWindow\tMode = 5\nExit\n", 1, 1, 0, 1, ""},
        {"comment after value", "WindowMode=1 // window\nShowFps=0/off\nExit\n", 1, 2, 1, 0, ""},
        {"no Exit line", "WindowMode=1\n", 0, 2, 1, 1, ""},
        {"zero character ends it", "WindowMode=1\n" + nul + "ShowFps=0\n", 1, 2, 1, 1, ""},
        {"after Exit nothing counts", "Exit\nWindowMode=1\n", 1, 2, 0, 1, ""},
        {"unknown keys and case", "windowmode=1\nFoo=3\nExit\n", 1, 2, 0, 1, ""},
        {"signs and junk", "Direct3D=-1x\nShowFps=abc\nExit\n", 1, -1, 0, 0, ""},
        {"stage name of 2 or more", "FreeStage=a.stg4\nExit\n", 1, 2, 0, 1, "a.stg4"},
        {"Windows line ends", "FreeStage=a.stg4\r\nWindowMode=1\r\nExit\r\n", 1, 2, 1, 1, "a.stg4"},
        {"blank after the equals sign", "Direct3D= 1\nExit\n", 1, 0, 0, 1, ""},
        {"stage name too short", "FreeStage=a\nExit\n", 1, 2, 0, 1, ""},
        {"stage name too long", "FreeStage=" + std::string(260, 'x') + "\nExit\n", 1, 2, 0, 1, ""},
    };
    for (const IniCase& c : cases) {
        TempDir dir;
        {
            std::ofstream f("System.ini", std::ios::binary);
            f << c.text;
        }
        INISETTING s;
        SetDefaultSystemIni(s, keys);
        EXPECT_EQ(ReadSystemIni("System.ini", s, keys), c.result) << c.name;
        EXPECT_EQ(s.Direct3D, c.direct3D) << c.name;
        EXPECT_EQ(s.WindowMode, c.windowMode) << c.name;
        EXPECT_EQ(s.ShowFps, c.showFps) << c.name;
        EXPECT_EQ(s.FreeStage, c.freeStage) << c.name;
    }
    INISETTING s;
    TempDir empty;
    EXPECT_EQ(ReadSystemIni("System.ini", s, keys), 0) << "no file";
}

} // namespace
