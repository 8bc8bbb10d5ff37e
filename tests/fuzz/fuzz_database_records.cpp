// The database records: animation sets with their slots and frames,
// animations, effects, character and screen effects (with the upgrades of
// files before version 511), extra bitmaps, sword types with their entries,
// pictures, sounds and music.
#include "FuzzCheck.h"

#include "project/DatabaseRecords.h"
#include "records/AnimeRecords.h"
#include "records/CharaEffect.h"
#include "records/EffectRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRecordRoundTrip<cAnimeSet>(data, size);
    FuzzRecordRoundTrip<cAnime>(data, size);
    FuzzRecordRoundTrip<cEffect>(data, size);
    FuzzRecordRoundTrip<cCharaEffect>(data, size);
    FuzzRecordRoundTrip<cScrEffect>(data, size);
    FuzzRecordRoundTrip<cBmp_CharaExc>(data, size);
    FuzzRecordRoundTrip<cSwordType>(data, size);
    FuzzRecordRoundTrip<cPicture>(data, size);
    FuzzRecordRoundTrip<cSound>(data, size);
    FuzzRecordRoundTrip<cBgm>(data, size);
    return 0;
}
