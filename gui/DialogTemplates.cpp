// The program's dialog templates, in dialog units.
#include "gui/DialogTemplates.h"

#include "gui/Dlg.h"

namespace {

using K = DlgItemKind;

const DLGTEMPLATE kTemplates[] = {
    {IDD_NAME_ENTRY,
     "",
     107,
     74,
     {
         {K::Picture, IDC_PICTURE, 0, 0, 107, 74, ""},
         {K::Static, IDC_NAME_LABEL, 10, 8, 87, 10, "登録名(3文字まで)"},
         {K::Edit, IDC_NAME, 10, 22, 87, 14, ""},
         {K::DefPushButton, IDC_OK, 29, 48, 50, 16, "OK"},
     }},
    {IDD_BOOT,
     "",
     250,
     155,
     {
         {K::Picture, IDC_PICTURE, 0, 0, 250, 155, ""},
         {K::GroupBox, IDC_MODE_GROUP, 10, 8, 230, 34, "描画モード"},
         {K::RadioButton, IDC_D3D, 20, 22, 90, 12, "Direct3D"},
         {K::RadioButton, IDC_DDRAW, 130, 22, 90, 12, "DirectDraw"},
         {K::Static, IDC_HINT, 10, 50, 230, 20, "詳細な設定は環境設定ファイル「System.ini」で行って下さい。"},
         {K::CheckBox, IDC_DONT_ASK, 10, 76, 230, 12, "次回からこのダイアログを表示しない"},
         {K::DefPushButton, IDC_OK, 70, 108, 60, 18, "ゲーム開始"},
         {K::PushButton, IDC_CANCEL, 140, 108, 60, 18, "ゲーム中止"},
     }},
};

} // namespace

const DLGTEMPLATE* FindDialogTemplate(WORD id) {
    for (const DLGTEMPLATE& t : kTemplates)
        if (t.id == id) return &t;
    return nullptr;
}
