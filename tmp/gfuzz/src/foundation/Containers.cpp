#include "foundation/Containers.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"

#include <cinttypes>

void ReportBadIndex(char kind, std::int64_t index, std::int64_t count, std::int64_t elementSize) {
    std::string line = FormatString(1024, "err %c[%" PRId64 "] ( %" PRId64 " , %" PRId64 " )", kind, index,
                                    count, elementSize);
    ErrorLogPuts(line);
    ReportPuts(line);
    PostMainWindowClose();
}
