#include "project/IniSetting.h"

INISETTING IniSetting;
