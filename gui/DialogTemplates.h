// The ids of the program's dialog templates and of their controls.
#pragma once

#include "platform/Types.h"

constexpr WORD IDD_NAME_ENTRY = 102;
constexpr WORD IDD_BOOT = 103;

constexpr WORD IDC_PICTURE = 1075;
constexpr WORD IDC_OK = 1000;     // name entry: OK; start-up: Start
constexpr WORD IDC_CANCEL = 1001; // start-up: Cancel
constexpr WORD IDC_D3D = 1002;
constexpr WORD IDC_DDRAW = 1003;
constexpr WORD IDC_NAME = 1003; // name entry: the name field
constexpr WORD IDC_DONT_ASK = 1004;
constexpr WORD IDC_HINT = 1005;
constexpr WORD IDC_MODE_GROUP = 1006;
constexpr WORD IDC_NAME_LABEL = 1007;
