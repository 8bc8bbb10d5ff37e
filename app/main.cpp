// The player: brindle4 [stage or replay file]
#include "app/App.h"
#include "platform/Cp932.h"
#include "platform/DisplayLoss.h"

#include <cstdio>
#include <cstdlib>

#include <string>

int main(int argc, char** argv) {
    // The shell gives UTF-8; the program holds paths in code page 932.
    std::string commandLine = argc > 1 ? Utf8ToCp932(argv[1]) : "";
    int status = WinMain(commandLine, 1);
    // Everything of ours is closed by now. After a lost display the X
    // libraries' own clean-up at exit waits for the dead connection for ever.
    if (DisplayLost()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
