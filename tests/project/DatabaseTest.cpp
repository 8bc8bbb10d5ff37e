#include "project/Database.h"

#include "project/DataPath.h"
#include "records/EffectPlayback.h"

#include "fixtures/ByteBuilder.h"
#include "fixtures/TempDir.h"
#include "project/BoxCapture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string RealPath(int dataPath) {
    std::string p = DataPath.At(dataPath);
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

void WriteBytes(int dataPath, const std::vector<std::uint8_t>& bytes) {
    std::string path = RealPath(dataPath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A database file of the current version holding `records`.
template <class T> void WriteDatabase(int dataPath, cVector<T> records) {
    RecordFilePtr file = OpenRecordMemoryWrite();
    file->WriteU32(static_cast<std::uint32_t>(records.size()));
    for (T& r : records) r.Save(*file);
    WriteBytes(dataPath, file->Bytes());
}

template <class T> cVector<T> Named(std::initializer_list<const char*> names) {
    cVector<T> v;
    for (const char* n : names) {
        v.emplace_back();
        v.back().strName = n;
    }
    return v;
}

class DatabaseTest : public ::testing::Test {
protected:
    void WriteAll() {
        WriteDatabase(DP_ANIME_SET, Named<cAnimeSet>({"set0", "set1"}));
        WriteDatabase(DP_ANIME, Named<cAnime>({"a0", "a1", "a2"}));
        WriteDatabase(DP_BMP_CHARA_EXC, Named<cBmp_CharaExc>({"b0", "b1", "b2"}));
        WriteDatabase(DP_SWORD_TYPE, Named<cSwordType>({"s0", "s1"}));
        WriteDatabase(DP_EFFECT, Named<cEffect>({"e0", "e1", "e2"}));
        WriteDatabase(DP_CHARA_EFFECT, Named<cCharaEffect>({"c0", "c1", "c2"}));
        WriteDatabase(DP_SCR_EFFECT, Named<cScrEffect>({"r0", "r1", "r2"}));
        WriteDatabase(DP_PICTURE, Named<cPicture>({"p0", "p1", "p2"}));
        WriteDatabase(DP_SOUND, Named<cSound>({"w0", "w1", "w2"}));
        WriteDatabase(DP_BGM, Named<cBgm>({"m0", "m1", "m2"}));
    }

    TempDir dir_;
    BoxCapture boxes_;
};

// Each database file loads and saves on its own, on any database object and
// any path: what one object saves, another loads back to the same file.
TEST_F(DatabaseTest, EachFileLoadsAndSavesOnItsOwnObjectAndPath) {
    cDatabase source;
    // Every table a size of its own, so that a file read into the wrong table shows.
    source.AnimeSet.resize(3);
    source.Anime.resize(4);
    source.Bmp_CharaExc.resize(5);
    source.SwordType.resize(6);
    source.Effect.resize(7);
    source.CharaEffect.resize(8);
    source.ScrEffect.resize(9);
    source.Picture.resize(10);
    source.Sound.resize(11);
    source.Bgm = Named<cBgm>({"m0", "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m10", "m11"});
    cDatabase loaded;
    for (int i = 0; i < kDatabaseCount; ++i) {
        const auto which = static_cast<eDatabase>(i);
        const std::string path = "db" + std::to_string(i) + ".dat";
        ASSERT_TRUE(source.SaveFile(which, path)) << i;
        ASSERT_TRUE(loaded.LoadFile(which, path)) << i;
        EXPECT_EQ(loaded.FileBytes(which), source.FileBytes(which)) << i;
    }
    EXPECT_EQ(loaded.Bgm.size(), 12u);
    EXPECT_EQ(loaded.Bgm[11].strName, "m11");
    EXPECT_TRUE(boxes_.boxes.empty());

    // A file that is not there leaves the table and shows its load error.
    EXPECT_FALSE(loaded.LoadFile(eDatabase::Sound, "missing.dat"));
    EXPECT_EQ(loaded.Sound.size(), 11u);
    EXPECT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_FALSE(source.SaveFile(eDatabase::Sound, "no-such-folder/x.dat"));
}

TEST_F(DatabaseTest, DefaultsHoldTheNoneRecords) {
    cDatabase db;
    EXPECT_EQ(db.AnimeSet.size(), 1u);
    ASSERT_EQ(db.AnimeSet[0].Slots.size(), 4u);
    ASSERT_EQ(db.Anime.size(), 2u);
    EXPECT_EQ(db.Anime[0].strName, "なし");
    EXPECT_EQ(db.Anime[1].strName, "アクションA");
    EXPECT_EQ(db.Anime[1].Frames.size(), 1u);
    EXPECT_EQ(db.SwordType.size(), 1u);
    EXPECT_EQ(db.SwordType[0].Entries.at(0).nDuration, 1);
    for (std::size_t n : {db.Bmp_CharaExc.size(), db.Effect.size(), db.CharaEffect.size(),
                          db.ScrEffect.size(), db.Picture.size(), db.Sound.size(), db.Bgm.size()})
        EXPECT_EQ(n, 2u);
    EXPECT_TRUE(db.CharaEffectWork.empty());
    EXPECT_TRUE(db.ScrEffectWork.empty());
}

TEST_F(DatabaseTest, LoadsAllTenAndClearsTheFirstEffectKinds) {
    WriteAll();
    cDatabase db;
    ASSERT_TRUE(db.LoadAll());
    EXPECT_EQ(db.AnimeSet.size(), 2u);
    EXPECT_EQ(db.AnimeSet[1].strName, "set1");
    EXPECT_EQ(db.Anime[2].strName, "a2");
    EXPECT_EQ(db.Bgm[2].strName, "m2");
    EXPECT_EQ(db.CharaEffect[0].nKind, 0);
    EXPECT_EQ(db.ScrEffect[0].nKind, 0);
    EXPECT_EQ(db.CharaEffect[1].nKind, 1);
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(DatabaseTest, FailureAtTheFifthFileKeepsTheFirstFourAndDefaultsForTheRest) {
    WriteAll();
    std::filesystem::remove(RealPath(DP_EFFECT));
    cDatabase db;
    EXPECT_FALSE(db.LoadAll());
    EXPECT_EQ(db.AnimeSet[1].strName, "set1");
    EXPECT_EQ(db.Anime[2].strName, "a2");
    EXPECT_EQ(db.Bmp_CharaExc[2].strName, "b2");
    EXPECT_EQ(db.SwordType[1].strName, "s1");
    EXPECT_EQ(db.Effect.size(), 2u);
    EXPECT_EQ(db.Effect[1].strName, "");
    EXPECT_EQ(db.CharaEffect.size(), 2u);
    EXPECT_EQ(db.CharaEffect[1].strName, "");
    EXPECT_EQ(db.Bgm.size(), 2u);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, "data\\database\\Effect.dat の読み込みに失敗しました！");
    EXPECT_EQ(boxes_.boxes[0].caption, "エラー");
}

TEST_F(DatabaseTest, NewerOrDamagedFilesFailAndLeaveTheDatabaseAsItWas) {
    WriteAll();
    WriteBytes(DP_ANIME, ByteBuilder().u32(819).u32(0).get());
    cDatabase db;
    EXPECT_FALSE(db.LoadAll());
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_NE(boxes_.boxes[0].text.find("ソフトより上位のバージョンのファイルは使用できません。"),
              std::string::npos);
    EXPECT_EQ(db.Anime[0].strName, "なし");

    // A count the file can't hold, and a record cut short.
    const std::vector<std::vector<std::uint8_t>> damaged = {
        ByteBuilder().u32(818).u32(1000000).u32(0).u32(0).get(),
        ByteBuilder().u32(818).u32(2).u32(1).i32(0).u32(1).str("p").u32(1).get(),
    };
    for (const auto& bytes : damaged) {
        WriteAll();
        WriteBytes(DP_PICTURE, bytes);
        cDatabase d;
        EXPECT_FALSE(d.LoadAll());
        EXPECT_EQ(d.Picture.size(), 2u);
        EXPECT_EQ(d.Picture[0].strName, "");
        EXPECT_EQ(d.ScrEffect[2].strName, "r2");
    }
}

TEST_F(DatabaseTest, EveryCutOfAFileFailsCleanly) {
    WriteAll();
    cVector<cAnimeSet> sets = Named<cAnimeSet>({"set0", "set1"});
    sets[1].Slots[2].Frames.resize(3);
    RecordFilePtr file = OpenRecordMemoryWrite();
    file->WriteU32(2);
    for (cAnimeSet& s : sets) s.Save(*file);
    const std::vector<std::uint8_t> whole = file->Bytes();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        WriteBytes(DP_ANIME_SET,
                   std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<long>(n)));
        cDatabase db;
        ASSERT_FALSE(db.LoadAll()) << n;
        ASSERT_EQ(db.AnimeSet.size(), 1u) << n;
        ASSERT_EQ(db.AnimeSet[0].strName, "") << n;
    }
    WriteBytes(DP_ANIME_SET, whole);
    cDatabase db;
    ASSERT_TRUE(db.LoadAll());
    EXPECT_EQ(db.AnimeSet[1].Slots[2].Frames.size(), 3u);
}

TEST_F(DatabaseTest, AnEmptyFileKeepsTheNoneRecord) {
    WriteAll();
    WriteDatabase(DP_ANIME, cVector<cAnime>());
    WriteDatabase(DP_CHARA_EFFECT, cVector<cCharaEffect>());
    cDatabase db;
    ASSERT_TRUE(db.LoadAll());
    ASSERT_EQ(db.Anime.size(), 1u);
    EXPECT_EQ(db.Anime[0].strName, "なし");
    ASSERT_EQ(db.CharaEffect.size(), 1u);
    EXPECT_EQ(db.CharaEffect[0].nKind, 0);

    AnimeFrameTableType table;
    BuildAnimeTable(db.Anime, table);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].back().nCell, ANIME_LOOP);
}

TEST_F(DatabaseTest, CarriageReturnsAreDroppedFromStrings) {
    WriteAll();
    cVector<cPicture> pictures = Named<cPicture>({"p0", "line1\r\nline2"});
    pictures[1].strFile = "a\r\nb";
    WriteDatabase(DP_PICTURE, pictures);
    cVector<cAnimeSet> sets = Named<cAnimeSet>({"s\r\n0"});
    sets[0].Slots[0].strName = "slot\r\nname";
    WriteDatabase(DP_ANIME_SET, sets);
    cDatabase db;
    ASSERT_TRUE(db.LoadAll());
    EXPECT_EQ(db.Picture[1].strName, "line1\nline2");
    EXPECT_EQ(db.Picture[1].strFile, "a\nb");
    EXPECT_EQ(db.AnimeSet[0].strName, "s\n0");
    EXPECT_EQ(db.AnimeSet[0].Slots[0].strName, "slot\nname");
}

TEST_F(DatabaseTest, OldVersionsLeaveOutTheirLaterFields) {
    // Version 152: the from-151 number is stored but cleared; 150 doesn't store it.
    WriteAll();
    WriteBytes(DP_PICTURE, ByteBuilder().u32(152).u32(1).u32(1).i32(9).u32(2).str("p").str("f.bmp").get());
    WriteBytes(DP_SOUND, ByteBuilder().u32(150).u32(1).u32(0).u32(2).str("w").str("a.wav").get());
    WriteBytes(DP_BGM, ByteBuilder().u32(813).u32(1).u32(1).i32(4).u32(2).str("m").str("x.ogg").get());
    WriteBytes(DP_BMP_CHARA_EXC,
               ByteBuilder().u32(171).u32(1).u32(1).i32(3).u32(2).str("b").str("b.bmp").get());
    // A sword entry of version 137 has eight numbers.
    ByteBuilder sword;
    sword.u32(137).u32(1).u32(0).u32(3).str("s").str("1.bmp").str("2.bmp").u32(1).u32(8);
    for (int i = 1; i <= 8; ++i) sword.i32(i);
    sword.u32(0);
    WriteBytes(DP_SWORD_TYPE, sword.get());
    cDatabase db;
    ASSERT_TRUE(db.LoadAll());
    EXPECT_EQ(db.Picture[0].nNumber, 0);
    EXPECT_EQ(db.Picture[0].strFile, "f.bmp");
    EXPECT_EQ(db.Sound[0].strFile, "a.wav");
    EXPECT_EQ(db.Bgm[0].nNumber, 4);
    EXPECT_EQ(db.Bgm[0].nTrackValue, 100); // not stored before 814
    EXPECT_EQ(db.Bmp_CharaExc[0].nNumber, 3);
    EXPECT_EQ(db.Bmp_CharaExc[0].nCellMultiple, 2);
    const cSwordTypeEntry& e = db.SwordType[0].Entries.at(0);
    EXPECT_EQ(e.nOffsetX, 1);
    EXPECT_EQ(e.nOffsetY, 2);
    EXPECT_EQ(e.bMirrorX, 1);
    EXPECT_EQ(e.bMirrorY, 0);
    EXPECT_EQ(e.nAnchor, 3);
    EXPECT_EQ(e.nDuration, 8);
    EXPECT_EQ(db.SwordType[0].strFile2, "2.bmp");
}

TEST_F(DatabaseTest, RuntimeTablesFollowTheLoadedDatabase) {
    WriteAll();
    cVector<cCharaEffect> effects = Named<cCharaEffect>({"none", "spin"});
    effects[1].nKind = 7;
    effects[1].nParam[0] = 10;
    effects[1].nParam[2] = 1440;
    WriteDatabase(DP_CHARA_EFFECT, effects);
    ASSERT_TRUE(Database.LoadAll());
    Database.MakeWorkCopies();
    ASSERT_EQ(Database.CharaEffectWork.size(), 2u);
    BuildRuntimeTables();
    BuildRuntimeTables(); // a second build gives the same tables
    EXPECT_EQ(AnimeFrameTable.size(), 3u);
    EXPECT_EQ(EffectFrameTable.size(), 3u);
    ASSERT_EQ(CharaEffectTableL.size(), 2u);
    EXPECT_EQ(CharaEffectTableL[1].nStart, 1440);
    EXPECT_EQ(Database.CharaEffectWork[1].nParam[1], 0);
    EXPECT_EQ(ScrEffectTableR.size(), 3u);
    cCharaEffectState s;
    s.Start(1, EFFECT_NORMAL, 0);
    int n = 1;
    while (!s.Step()) ++n;
    EXPECT_EQ(n, 61);
    Database.SetDefaults();
}

} // namespace
