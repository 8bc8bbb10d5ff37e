// The ten database files, through the player's own loader (cDatabase::LoadAll
// from data\database\). The first byte of an input chooses one of the ten
// files (modulo 10), the rest is that file; the other nine hold an empty
// database. A file that loads must save back
// (as the demo builder writes databases) to bytes that load to the same
// database; a file that fails must leave its database as it was.
#include "FuzzCheck.h"

#include "project/DataPath.h"
#include "project/Database.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

struct Slot {
    DataPathIndex path;
    std::function<std::vector<std::uint8_t>()> save;
};

std::vector<Slot> Slots() {
    return {
        {DP_ANIME_SET, [] { return DatabaseFileBytes(Database.AnimeSet); }},
        {DP_ANIME, [] { return DatabaseFileBytes(Database.Anime); }},
        {DP_BMP_CHARA_EXC, [] { return DatabaseFileBytes(Database.Bmp_CharaExc); }},
        {DP_SWORD_TYPE, [] { return DatabaseFileBytes(Database.SwordType); }},
        {DP_EFFECT, [] { return DatabaseFileBytes(Database.Effect); }},
        {DP_CHARA_EFFECT, [] { return DatabaseFileBytes(Database.CharaEffect); }},
        {DP_SCR_EFFECT, [] { return DatabaseFileBytes(Database.ScrEffect); }},
        {DP_PICTURE, [] { return DatabaseFileBytes(Database.Picture); }},
        {DP_SOUND, [] { return DatabaseFileBytes(Database.Sound); }},
        {DP_BGM, [] { return DatabaseFileBytes(Database.Bgm); }},
    };
}

// Version 818 and no records: the loader keeps its "none" record.
const std::vector<std::uint8_t> kEmptyDatabase = {0x32, 0x03, 0, 0, 0, 0, 0, 0};

void Put(DataPathIndex i, const std::vector<std::uint8_t>& bytes) {
    FuzzRequire(WriteWholeFile(DataPath.At(i), bytes), "cannot write a database file");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // One scratch folder under the working folder holds data\database\; a
    // later run takes it over, so runs leave nothing more behind.
    FuzzRequire(::system("rm -rf fuzz-database-scratch && mkdir -p fuzz-database-scratch/data/database") ==
                        0 &&
                    ::chdir("fuzz-database-scratch") == 0,
                "no scratch folder");
    for (const Slot& s : Slots()) Put(s.path, kEmptyDatabase);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::vector<Slot> slots = Slots();
    const Slot& slot = slots[data[0] % slots.size()];
    std::vector<std::uint8_t> input(data + 1, data + size);
    Database.SetDefaults();
    std::vector<std::uint8_t> before = slot.save();
    Put(slot.path, input);
    bool loaded = Database.LoadAll();
    std::vector<std::uint8_t> saved = slot.save();
    if (!loaded) {
        FuzzRequire(saved == before, "a refused database file changed its database");
    } else {
        Put(slot.path, saved);
        Database.SetDefaults();
        FuzzRequire(Database.LoadAll(), "a saved database does not load");
        FuzzRequire(slot.save() == saved, "a saved database does not round-trip");
    }
    Put(slot.path, kEmptyDatabase);
    return 0;
}
