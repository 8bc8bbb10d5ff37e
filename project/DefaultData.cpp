#include "project/DefaultData.h"

#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "platform/PathResolver.h"
#include "project/DataPath.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The folder of a path that names one ("data\" resolves to "data/").
fs::path FolderPath(const std::string& resolved) {
    fs::path p(resolved);
    if (!p.has_filename()) p = p.parent_path();
    return p;
}

// A fresh, empty folder beside `target` to copy into.
bool MakeStagingFolder(const fs::path& target, fs::path& staging) {
    std::string tmpl = (target.parent_path() / (target.filename().string() + ".copy-XXXXXX")).string();
    if (!::mkdtemp(tmpl.data())) return false;
    staging = tmpl;
    return true;
}

bool CopyTree(const fs::path& source, const fs::path& target) {
    fs::path staging;
    if (!MakeStagingFolder(target, staging)) return false;
    std::error_code ec;
    fs::copy(source, staging, fs::copy_options::recursive, ec);
    if (!ec) fs::rename(staging, target, ec);
    if (!ec) return true;
    LogError("CreateDefaultData: " + ec.message());
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    return false;
}

} // namespace

// The box goes through MesBox, which owns it by the main window: the window
// this is called with at start-up.
int CreateDefaultData(HWND /*window*/) {
    std::error_code ec;
    fs::path data = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DATA))), ec);
    if (ec) return 0;
    if (fs::is_directory(data, ec)) return 1;
    fs::path source = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DEFAULT))), ec);
    if (ec || !fs::is_directory(source, ec)) return 0;
    if (MesBox("データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
               MB_YESNO) != IDYES)
        return 0;
    return CopyTree(source, data) ? 1 : 0;
}
