// The common file dialog: choose a file to open or a name to save under. The
// installed presenter (FileDialogPresenter()) answers. The one in effect from
// the start is the scripted one: the next queued answer (a path, or cancel),
// else cancel. A presenter with a display shows the desktop's file chooser and
// hands the request to the scripted one when no user can answer. Every
// unattended answer is described in `answered`.
#pragma once

#include "platform/Messages.h"
#include "platform/Seam.h"

#include <string>
#include <vector>

struct FileDialogFilter {
    std::string name;    // what the chooser lists, e.g. "ReplayFile ( *.rpl4_* )"
    std::string pattern; // patterns separated by ';', e.g. "*.stg4_*;*.rpl4_*"
};

struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;
    std::string title;  // code page 932
    std::string folder; // a program path (PathResolver), the chooser starts there
    std::vector<FileDialogFilter> filters;
    std::string defaultExt; // appended to a typed save name without an extension
    std::string suggested;  // the name offered first (save)
};

// True when a file was chosen; `chosen` receives its path (code page 932,
// as the program writes paths). A cancel leaves `chosen` empty.
bool RunFileDialog(const FileDialogRequest& request, std::string& chosen, std::string* answered = nullptr);

class cFileDialogPresenter {
public:
    virtual ~cFileDialogPresenter() = default;
    // As RunFileDialog; `answered` stays empty when a user answered.
    virtual bool Choose(const FileDialogRequest& request, std::string& chosen, std::string& answered) = 0;
};

// The scripted presenter, in effect until another is installed.
class cScriptedFileDialogPresenter final : public cFileDialogPresenter {
public:
    bool Choose(const FileDialogRequest& request, std::string& chosen, std::string& answered) override;
};

// The installed presenter; SetFileDialogPresenter(nullptr) restores the scripted one.
cFileDialogPresenter& FileDialogPresenter();
void SetFileDialogPresenter(cFileDialogPresenter* presenter);
using cScopedFileDialogPresenter =
    cScopedSeam<cFileDialogPresenter, FileDialogPresenter, SetFileDialogPresenter>;

// The next file dialog's answer: a path, or an empty string for cancel.
void PushScriptedFileDialog(std::string path);
void ClearScriptedFileDialogs();

// True when `name` matches one of the ';'-separated patterns ('*' and '?',
// without regard to case).
bool FileDialogPatternMatches(const std::string& patterns, const std::string& name);
