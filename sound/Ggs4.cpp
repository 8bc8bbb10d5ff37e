#include "sound/Ggs4.h"

#include "foundation/FileNames.h"
#include "foundation/MessageBox.h"
#include "sound/Ggs4Library.h"

namespace {

// The loaded library; null while it is not loaded.
cGgs4Library* lpGgs4 = nullptr;

} // namespace

int LoadGGS4() {
    if (lpGgs4) return 0;
    lpGgs4 = &Ggs4Library();
    return 0;
}

void FreeGGS4() {
    GGS4_CloseDevice();
    lpGgs4 = nullptr;
}

bool IsGGS4Loaded() {
    return lpGgs4 != nullptr;
}

int GGS4_OpenDevice(int device, HWND window) {
    return lpGgs4 ? lpGgs4->OpenDevice(device, window) : kGgs4Missing;
}
int GGS4_Play(int option, int id, int skip, int fadeIn, int keyShift) {
    return lpGgs4 ? lpGgs4->Play(option, id, skip, fadeIn, keyShift) : kGgs4Missing;
}
int GGS4_AddListFromFileA(const char* fileName, int option, int id) {
    return lpGgs4 ? lpGgs4->AddListFromFileA(fileName, option, id) : kGgs4Missing;
}
void GGS4_Stop(int fadeOut) {
    if (lpGgs4) lpGgs4->Stop(fadeOut);
}
void GGS4_Pause() {
    if (lpGgs4) lpGgs4->Pause();
}
void GGS4_SetMasterVolume(int volume) {
    if (lpGgs4) lpGgs4->SetMasterVolume(volume);
}
bool GGS4_IsDeviceOpen() {
    return lpGgs4 && lpGgs4->IsOpen();
}
void GGS4_CloseDevice() {
    if (lpGgs4) lpGgs4->CloseDevice();
}

int cGGS4::Init() {
    if (LoadGGS4() == 1) {
        DebugErrorBoxPrintf("dllがないテスト");
        return 0;
    }
    if (GGS4_OpenDevice(-1, nullptr) != 0) return 0;
    m_nListId = 0;
    return 1;
}

int cGGS4::Play(int channel, const std::string& fileName, int loop, int volume) {
    Stop(1);
    std::string extension;
    GetExtension(extension, fileName);
    if (extension != "mid") return 0;
    if (GGS4_AddListFromFileA(fileName.c_str(), 0, channel) != 0) return 0;
    const int t = static_cast<int>(-1.27 * volume);
    m_nMasterVolume = -127 - t;
    GGS4_SetMasterVolume(m_nMasterVolume);
    GGS4_Play(loop ? 1 : 0, channel, 0, 0, 0);
    m_nListId = channel;
    return 1;
}

void cGGS4::Stop(int pause) {
    if (pause)
        GGS4_Pause();
    else
        GGS4_Stop(0);
}
