// The player: brindle4 [stage or replay file]
#include "app/App.h"
#include "platform/Cp932.h"

#include <string>

int main(int argc, char** argv) {
    // The shell gives UTF-8; the program holds paths in code page 932.
    std::string commandLine = argc > 1 ? Utf8ToCp932(argv[1]) : "";
    return WinMain(commandLine, 1);
}
