// The audio device: SDL's audio output pulling the program's mixer. Headless
// runs use SDL's dummy driver (the mix is made and dropped); without any
// usable driver the device stays closed and the program runs silent.
#pragma once

#include <string>

struct AudioDeviceConfig {
    // Tests: nothing is opened and the mixer is pulled only by explicit renders.
    bool memoryOnly = false;
};
AudioDeviceConfig& AudioDeviceSettings();

// Opens the device once (or, memory-only, just answers true); later calls answer from the first. On failure
// `error` says why (the caller reports it).
bool OpenAudioDevice(std::string& error);
bool IsAudioDeviceOpen();
void CloseAudioDevice();
