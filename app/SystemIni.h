// The start-up settings in effect: the key table's defaults, then System.ini
// beside the program (key=value lines, a line "Exit" or a zero character ends
// the reading).
#pragma once

#include "project/IniKey.h"
#include "project/IniSetting.h"

#include <string>

// Fields Direct3D to ShowFps take the integer defaults of keys 0-7, FreeStage
// key 8's string, English 0.
void SetDefaultSystemIni(INISETTING& settings, const cVector<cIniKey>& keys);
// 1 on success, 0 when the file can't be opened or ends inside a key.
int ReadSystemIni(const std::string& path, INISETTING& settings, const cVector<cIniKey>& keys);
