#include "records/EdMove.h"

cEdMove::cEdMove() {
    Reset();
    bMirrorAngle = 1;
    bFlag43 = 1;
    bFlag44 = 1;
    byOpt2 = 1;
    bMirrorX = 1;
    bReverseOnTurn = 1;
    sAmount = 10;
    dTurnFactor = 1.0;
}

void cEdMove::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddByte(&cMode);
    AddByte(&cMode2);
    AddShort(&sAngle);
    AddShort(&sAngleAdd);
    if (version >= 158) AddByte(&bMirrorAngle);
    AddByte(&bFlag43);
    AddByte(&bFlag44);
    AddShort(&sTargetXBl);
    AddShort(&sTargetYBl);
    AddShort(&sTargetXDot);
    AddShort(&sTargetYDot);
    AddByte(&cCoordMode);
    AddByte(&byOpt2);
    AddByte(&bNoMoveX);
    AddByte(&bNoMoveY);
    AddByte(&bMirrorX);
    AddByte(&bMirrorY);
    AddByte(&bReverseOnTurn);
    AddByte(&byOpt8);
    if (version >= 162) AddByte(&bKeepFacing);
    AddByte(&cSpec);
    AddShort(&sAmount);
    AddShort(&sAmountAdd);
    AddShort(&sDist);
    AddShort(&sDistAdd);
    if (version >= 159) AddByte(&bDotUnit);
    AddShort(&sHoming);
    AddShort(&sHomingAdd);
    AddByte(&bInertia);
    AddShort(&sAltAmount);
    AddInt(&dTurnFactor, 2);
    if (version >= 162) AddByte(&bOwnAnime);
    if (version >= 767) AddByte(&byOpt12);
}

void cEdMove::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.LoadVersion() >= 818) return;
    // Fields the file lacks would keep their constructor defaults; old files mean 0.
    if (file.LoadVersion() < 158) bMirrorAngle = 0;
    if (file.LoadVersion() < 159) bDotUnit = 0;
    if (file.LoadVersion() < 162) {
        bKeepFacing = 0;
        bOwnAnime = 0;
    }
}
