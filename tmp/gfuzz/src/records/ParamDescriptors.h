// The command parameter descriptors: for each character-command kind a list of
// numbered values (a member of the command's move or shot part, or one of its
// parameters) with a label and a range. The arrangement command changes them.
#pragma once

#include "foundation/Containers.h"

#include <cstdint>
#include <string>

class cEdCommand;

struct CmdParamDesc {
    std::string strLabel;
    std::int32_t nMin = 0;
    std::int32_t nMax = 0;
};

// One list per character-command kind, 40 lists.
extern cVector<cVector<CmdParamDesc>> CmdParamTable;
constexpr int kCmdParamKinds = 40;

// Builds the table; called once at start before anything reads it.
void InitCmdParamTable();

// Whether kind `kind` has descriptors at all (kinds without them have no get
// and set entries).
bool HasCmdParams(std::int64_t kind);

// Descriptor `index` of a command of character kind `kind`: the value as a
// signed 32-bit number (narrow members sign-extended), or the store (truncated
// to the member's width). False when the index is outside the kind's list or
// the command lacks the part the descriptor names; nothing is read or written.
bool GetCmdParam(std::int64_t kind, std::int32_t& value, std::int64_t index, cEdCommand& command);
bool SetCmdParam(std::int64_t kind, std::int32_t value, std::int64_t index, cEdCommand& command);
