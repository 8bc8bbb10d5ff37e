// makedemo: builds the bundled demo game folder.
// usage: makedemo OUTPUT_FOLDER
// The folder is built beside the target and put in place by a rename, so an
// interrupted run never leaves a half-made demo where a complete one was.
#include "tools/makedemo/DemoFolder.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedemo OUTPUT_FOLDER\n");
        return 2;
    }
    fs::path target = fs::absolute(argv[1]);
    fs::path work = target;
    work += ".new";
    std::error_code ec;
    fs::remove_all(work, ec);
    fs::create_directories(work, ec);
    if (ec) {
        std::fprintf(stderr, "makedemo: cannot create %s\n", work.c_str());
        return 1;
    }
    std::string ini = DemoSystemIni();
    bool ok = WriteDemoFile(work, "System.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())) &&
              WriteDemoPictures(work) && WriteDemoSounds(work) && WriteDemoMusic(work) &&
              WriteDemoRecords(work);
    if (!ok) return 1;
    fs::remove_all(target, ec);
    fs::rename(work, target, ec);
    if (ec) {
        std::fprintf(stderr, "makedemo: cannot put the demo at %s\n", target.c_str());
        return 1;
    }
    return 0;
}
