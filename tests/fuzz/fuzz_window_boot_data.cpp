// The player's own small records, user_data\Window.dat and user_data\Boot.dat,
// as a damaged or edited disk may hold them: any bytes load or are refused
// without a crash; a refused file leaves the record as it was; an accepted
// Window.dat, once clamped, puts the window on the screen with a usable size;
// and what loads saves back to bytes that load to the same values.
#include "FuzzCheck.h"

#include "project/BootData.h"
#include "project/WindowData.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);

    cWindowData window;
    window.nX = 11;
    if (window.LoadFromBytes(bytes)) {
        window.Clamp(1920, 1080, 640, 480);
        FuzzRequire(window.nX >= 0 && window.nX + window.nClientWidth <= 1920, "the window off the screen");
        FuzzRequire(window.nY >= 0 && window.nY + window.nClientHeight <= 1080, "the window off the screen");
        FuzzRequire(window.nClientWidth > 0 && window.nClientHeight > 0, "an empty window");
        cWindowData again;
        FuzzRequire(again.LoadFromBytes(window.SaveToBytes()), "a saved Window.dat refused");
        FuzzRequire(again.nX == window.nX && again.nClientHeight == window.nClientHeight,
                    "Window.dat changed");
    } else {
        FuzzRequire(window.nX == 11, "a refused Window.dat changed the record");
    }

    cBootData boot;
    boot.nDrawMode = 7;
    if (boot.LoadFromBytes(bytes)) {
        cBootData again;
        FuzzRequire(again.LoadFromBytes(boot.SaveToBytes()), "a saved Boot.dat refused");
        FuzzRequire(again.nDrawMode == boot.nDrawMode && again.bDoNotAsk == boot.bDoNotAsk,
                    "Boot.dat changed");
    } else {
        FuzzRequire(boot.nDrawMode == 7, "a refused Boot.dat changed the record");
    }
    return 0;
}
