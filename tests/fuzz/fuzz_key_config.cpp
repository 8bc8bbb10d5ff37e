// user_data\KeyConfig.dat, and key scripts: an accepted key file names only
// joysticks that are polled, a refused one leaves the configuration alone;
// one frame of input through an accepted configuration reads inside it.
#include "FuzzCheck.h"

#include "foundation/Input.h"
#include "foundation/KeyConfig.h"
#include "platform/KeyScript.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KEYCONFIGDATA config;
    config.dwUse = 0x5A5A;
    if (ParseKeyConfig(data, size, &config, nullptr)) {
        FuzzRequire(config.dwCount <= 12, "assignment count above 12");
        FuzzRequire(config.dwJoyCount <= kMaxJoysticks, "too many joysticks");
        for (std::size_t i = 0; i < 12; ++i)
            if (i < 4 || i < config.dwCount)
                FuzzRequire(config.Keys[i].dwDevice == kKeyDeviceKeyboard ||
                                config.Keys[i].dwDevice < config.dwJoyCount,
                            "an assignment names a joystick that is not polled");
        KeyConfig = config;
        KeyConfig.dwUse = 1;
        cInput input;
        input.UpdateByKeyConfig(1, 60);
        FuzzRequire(input.nDirNum >= 1 && input.nDirNum <= 9, "direction number out of range");
    } else {
        FuzzRequire(config.dwUse == 0x5A5A, "a refused file changed the configuration");
    }
    // The same bytes as a key script.
    cKeyScript script;
    std::string error;
    if (script.Parse(std::string_view(reinterpret_cast<const char*>(data), size), &error)) {
        for (int f = 0; f < 4; ++f) {
            script.BeginFrame();
            for (int vk = 0; vk < 256; ++vk) script.KeyHeld(vk);
        }
    } else {
        FuzzRequire(script.FrameCount() == 0 && !error.empty(), "a refused script kept frames");
    }
    return 0;
}
