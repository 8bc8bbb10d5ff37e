// Message boxes on the display through SDL's own box window: installed as the
// presenter of platform/MessageBox.h (headless runs still answer unattended).
#pragma once

void InstallSdlMessageBoxes();
