// The key configuration: twelve assignments (left, right, up, down, buttons
// 1-8) of keyboard keys or joystick sticks and buttons, and whether they are
// used instead of the fixed layout. `user_data\KeyConfig.dat` holds exactly
// this record, 108 raw little-endian bytes; the game only reads it.
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t kKeyAssignCount = 12;
constexpr std::size_t kKeyConfigBytes = 108;
// Device value of a keyboard assignment; any other value is a joystick number.
constexpr DWORD kKeyDeviceKeyboard = 8;
// Joystick codes of the stick; any other joystick code is a button mask.
constexpr WORD kJoyCodeLeft = 256, kJoyCodeRight = 512, kJoyCodeUp = 1024, kJoyCodeDown = 2048;

struct KEYASSIGN {
    DWORD dwDevice = 0;
    WORD wCode = 0;
    WORD wUnused = 0;
};

struct KEYCONFIGDATA {
    KEYASSIGN Keys[kKeyAssignCount]; // left, right, up, down, buttons 1-8
    DWORD dwCount = 0;               // assignments 4 .. count - 1 are buttons
    DWORD dwJoyCount = 0;            // joysticks 0 .. count - 1 are polled
    DWORD dwUse = 0;                 // 0: the fixed layout; else this configuration
};

extern KEYCONFIGDATA KeyConfig;

void SetDefaultKeyConfig(KEYCONFIGDATA* config);

// Reads the record from the bytes of a key file. A file shorter than the
// record, an assignment count above twelve, more joysticks than can be
// polled, or an assignment naming a joystick that is not polled, is damaged:
// false, `config` unchanged and `why` (when given) says which.
bool ParseKeyConfig(const std::uint8_t* data, std::size_t size, KEYCONFIGDATA* config, std::string* why);

// 0 when the file can't be opened (the caller then sets the defaults). A
// damaged file sets the defaults, writes a report line and gives 0 as well.
int LoadKeyConfig(const std::string& path, KEYCONFIGDATA* config);
