// The stage and replay file dialog: it shows the desktop's file chooser and
// ends at once with the outcome. Mode 0 opens a stage or replay file, mode 1
// a replay file, mode 2 saves a replay under a name (the caller's string is
// the suggested name).
#pragma once

#include "gui/Dlg.h"
#include "platform/FileDialog.h"

constexpr int FILEDLG_OPEN_STAGE = 0;
constexpr int FILEDLG_OPEN_REPLAY = 1;
constexpr int FILEDLG_SAVE_REPLAY = 2;
// The name buffer's size in characters.
constexpr std::size_t kFileNameBuffer = 260;

class cFileDlg : public cDlg {
public:
    cFileDlg(cWnd* parent, cWndList* ownerList, std::string* path, int mode, bool english);

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // The request the mode makes (title, folder, filter, extension, suggested name).
    static FileDialogRequest MakeRequest(int mode, bool english, const std::string& suggested);

private:
    std::string* m_pPath;
    int m_Mode;
    bool m_bEnglish;
};

// "rpl4_818": the extension of the replay files this program writes.
std::string ReplayExtension();
