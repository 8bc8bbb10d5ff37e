// Making sure the project folder "data\" exists before anything is read from
// it: when it is missing, the user is offered a fresh copy of "default\".
#pragma once

#include <string>

// The Yes/No question; true for Yes. Set by the message-box layer (and by
// tests); while unset the question counts as answered No.
using AskYesNoFn = bool (*)(void* window, const std::string& text, const std::string& caption);
extern AskYesNoFn pfnAskYesNo;

// 1 when "data\" is ready, 0 when the program can't go on. A copy that fails
// leaves no "data\" behind: it is made under a temporary name and renamed.
int CreateDefaultData(void* window);
