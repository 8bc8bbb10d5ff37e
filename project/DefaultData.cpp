#include "project/DefaultData.h"

#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "platform/PathResolver.h"
#include "project/DataPath.h"

#include <cerrno>
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
bool MakeStagingFolder(const fs::path& target, fs::path& staging, std::error_code& ec) {
    std::string tmpl = (target.parent_path() / (target.filename().string() + ".copy-XXXXXX")).string();
    if (!::mkdtemp(tmpl.data())) {
        ec.assign(errno, std::generic_category());
        return false;
    }
    staging = tmpl;
    return true;
}

// Removes a part-made copy. Its folders took the modes of their sources, some
// maybe without the owner's right to list or change them: those are given
// back first, or the copy could not be removed.
void RemovePartCopy(const fs::path& folder) {
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec)) RemovePartCopy(it->path());
    }
    fs::remove_all(folder, ec);
}

bool IsOutOfSpace(const std::error_code& ec) {
    return ec == std::errc::no_space_on_device || ec == std::errc::file_too_large ||
           ec.value() == EDQUOT;
}

DefaultDataResult CopyTree(const fs::path& source, const fs::path& target) {
    fs::path staging;
    std::error_code ec;
    if (MakeStagingFolder(target, staging, ec)) {
        fs::copy(source, staging, fs::copy_options::recursive, ec);
        // The copy keeps the source's folder modes, the top one included.
        if (!ec) fs::permissions(staging, fs::status(source, ec).permissions(), ec);
        if (!ec) fs::rename(staging, target, ec);
        if (!ec) return DefaultDataResult::Ready;
        RemovePartCopy(staging);
    }
    LogError("CreateDefaultData: " + ec.message());
    return IsOutOfSpace(ec) ? DefaultDataResult::NoSpace : DefaultDataResult::Failed;
}

} // namespace

// The box goes through MesBox, which owns it by the main window: the window
// this is called with at start-up.
DefaultDataResult MakeDefaultData(HWND /*window*/) {
    std::error_code ec;
    fs::path data = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DATA))), ec);
    if (ec) return DefaultDataResult::Failed;
    if (fs::is_directory(data, ec)) return DefaultDataResult::Ready;
    fs::path source = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DEFAULT))), ec);
    if (ec || !fs::is_directory(source, ec)) return DefaultDataResult::Failed;
    if (MesBox("データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
               MB_YESNO) != IDYES)
        return DefaultDataResult::Failed;
    return CopyTree(source, data);
}

int CreateDefaultData(HWND window) {
    return MakeDefaultData(window) == DefaultDataResult::Ready ? 1 : 0;
}
