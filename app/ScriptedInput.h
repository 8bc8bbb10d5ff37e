// Unattended runs: the environment variable BRINDLE4_KEY_SCRIPT names a key
// script (platform/KeyScript.h), which then stands in for the keyboard and
// the joysticks from the first frame on. The script and its length, or why it
// could not be read, are written to the report.
#pragma once

class cInputSource;

// The script the environment names, read; nullptr when none is asked for.
// *ok is false when one was asked for and could not be read (the run should
// not go on unattended with live input).
cInputSource* LoadScriptedInput(bool* ok);
