#include "project/DefaultData.h"

#include "foundation/ErrorLog.h"
#include "platform/PathResolver.h"
#include "project/DataPath.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

AskYesNoFn pfnAskYesNo = nullptr;

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

int CreateDefaultData(void* window) {
    std::error_code ec;
    fs::path data = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DATA))), ec);
    if (ec) return 0;
    if (fs::is_directory(data, ec)) return 1;
    fs::path source = fs::absolute(FolderPath(ResolvePath(DataPath.At(DP_DEFAULT))), ec);
    if (ec || !fs::is_directory(source, ec)) return 0;
    if (!pfnAskYesNo || !pfnAskYesNo(window, "\203\146\201\133\203\136\202\252\221\266\215\335\202\265\202\334\202\271\202\361\201\111\203\146\203\164\203\110\203\213\203\147\203\146\201\133\203\136\202\360\215\354\220\254\202\265\202\334\202\267\202\251\201\110\n",
                                     "\203\146\203\164\203\110\203\213\203\147\203\146\201\133\203\136\215\354\220\254\202\314\212\155\224\106"))
        return 0;
    return CopyTree(source, data) ? 1 : 0;
}
