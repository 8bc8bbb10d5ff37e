#include "project/DefaultData.h"

#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "platform/PathResolver.h"
#include "project/DataPath.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
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
    return ec == std::errc::no_space_on_device || ec == std::errc::file_too_large || ec.value() == EDQUOT;
}

// One file's bytes and mode. The library's own copy reports a failed write as
// an input/output error whatever its cause; this keeps the cause, so a full
// disk can be told from a damaged source.
void CopyFileBytes(const fs::path& from, const fs::path& to, std::error_code& ec) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        ec.assign(errno, std::generic_category());
        return;
    }
    struct stat st {};
    const mode_t mode = ::fstat(in, &st) == 0 ? (st.st_mode & 07777) : 0644;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (out < 0) {
        ec.assign(errno, std::generic_category());
        ::close(in);
        return;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ec.assign(errno, std::generic_category());
        if (got <= 0) break;
        for (ssize_t done = 0; done < got && !ec;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0)
                ec.assign(errno, std::generic_category());
            else
                done += put;
        }
        if (ec) break;
    }
    if (::close(out) != 0 && !ec) ec.assign(errno, std::generic_category());
    ::close(in);
}

// The contents of folder `from` into the existing folder `to`, links
// followed; each folder made takes its source's mode once its contents are in.
// A link to nothing, or anything but files and folders, fails the copy.
void CopyContents(const fs::path& from, const fs::path& to, std::error_code& ec) {
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / it->path().filename();
        const fs::file_status st = fs::status(it->path(), ec);
        if (ec) return;
        if (fs::is_directory(st)) {
            if (!fs::create_directory(target, ec) && !ec) ec = std::make_error_code(std::errc::file_exists);
            if (!ec) CopyContents(it->path(), target, ec);
            if (!ec) fs::permissions(target, st.permissions(), ec);
        } else if (fs::is_regular_file(st)) {
            CopyFileBytes(it->path(), target, ec);
        } else {
            ec = std::make_error_code(fs::exists(st) ? std::errc::not_supported
                                                     : std::errc::no_such_file_or_directory);
        }
        if (ec) return;
    }
}

DefaultDataResult CopyTree(const fs::path& source, const fs::path& target) {
    fs::path staging;
    std::error_code ec;
    if (MakeStagingFolder(target, staging, ec)) {
        CopyContents(source, staging, ec);
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
