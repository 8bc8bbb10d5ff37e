#include "tools/makedemo/DemoFolder.h"

#include "tools/makedemo/BmpWriter.h"
#include "tools/makedemo/Midi.h"
#include "tools/makedemo/Ogg.h"
#include "tools/makedemo/Pictures.h"
#include "tools/makedemo/Sound.h"
#include "tools/makedemo/Tune.h"

#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;

bool WriteDemoFile(const fs::path& root, const std::string& relative,
                   const std::vector<std::uint8_t>& bytes) {
    fs::path path = root / fs::path(reinterpret_cast<const char8_t*>(relative.c_str()));
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "makedemo: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::string DemoSystemIni() {
    return "Direct3D=0\r\n"
           "WindowMode=1\r\n"
           "Bpp=0\r\n"
           "VSync=2\r\n"
           "D3D_FontCache=0\r\n"
           "DD_FontCache=1\r\n"
           "DD_VideoStretch=0\r\n"
           "ShowFps=1\r\n"
           "English=0\r\n"
           "Exit\r\n";
}

const std::vector<std::string>& DemoSoundNames() {
    static const std::vector<std::string> names = {"jump",   "coin",   "hit",   "shot", "explode", "select",
                                                   "decide", "cancel", "clear", "miss", "item",    "pause"};
    return names;
}

bool WriteDemoPictures(const fs::path& root) {
    for (const NamedPicture& p : SystemPictures())
        if (!WriteDemoFile(root, p.path, EncodeBmp(p.image))) return false;
    return true;
}

bool WriteDemoSounds(const fs::path& root) {
    // Half the effects as 8-bit samples, half as 16-bit: the player takes both.
    int i = 0;
    for (const std::string& name : DemoSoundNames())
        if (!WriteDemoFile(root, "wave/" + name + ".wav", EncodeWave(SynthEffect(name), i++ % 2 ? 16 : 8)))
            return false;
    return true;
}

bool WriteDemoMusic(const fs::path& root) {
    std::vector<std::uint8_t> midi = EncodeTitleMidi();
    if (!WriteDemoFile(root, "bgm/Title.mid", midi)) return false;
    double seconds = TitleTuneBeats() * 60.0 / kTuneTempoBpm;
    std::vector<std::uint8_t> ogg = EncodeOgg(SynthTune(22050, seconds));
    if (ogg.empty()) {
        std::fprintf(stderr, "makedemo: the Ogg encoder failed\n");
        return false;
    }
    return WriteDemoFile(root, "bgm/Stage.ogg", ogg);
}
