#include "platform/AudioDevice.h"

#include "platform/AudioMixer.h"

#include <SDL.h>

#include <mutex>

namespace {

std::mutex deviceLock;
SDL_AudioDeviceID device = 0;
bool tried = false;
std::string firstError;

void SDLCALL PullMix(void*, Uint8* stream, int len) {
    AudioMixer().Mix(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(len) / 4);
}

} // namespace

AudioDeviceConfig& AudioDeviceSettings() {
    static AudioDeviceConfig config;
    return config;
}

bool OpenAudioDevice(std::string& error) {
    std::lock_guard<std::mutex> lock(deviceLock);
    if (AudioDeviceSettings().memoryOnly) return true;
    if (tried) {
        error = firstError;
        return device != 0;
    }
    tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        firstError = error = SDL_GetError();
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = PullMix;
    SDL_AudioSpec have{};
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        firstError = error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

bool IsAudioDeviceOpen() {
    std::lock_guard<std::mutex> lock(deviceLock);
    return device != 0;
}

void CloseAudioDevice() {
    std::lock_guard<std::mutex> lock(deviceLock);
    if (device != 0) {
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device = 0;
    }
    tried = false;
    firstError.clear();
}
