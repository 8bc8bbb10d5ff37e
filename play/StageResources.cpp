#include "play/StageResources.h"

#include "engine/GraphicSource.h"
#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "graphics/Effects.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsGlobals.h"
#include "project/Database.h"
#include "project/SystemBmp.h"
#include "project/SystemData.h"

#include <algorithm>
#include <string>

cVector<BMPFILEDATA> CharaExcBmp;
cVector<DDSURFACEDATA> SwordSD;
cVector<BMPFILEDATA> SwordBmp;
cVector<DDSURFACEDATA> EffectSD;
cVector<BMPFILEDATA> EffectBmp;
cList<DDSURFACEDATA> PictureSD;
cList<BMPFILEDATA> PictureBmp;

namespace {

// One member of a record's group: its file, memory kind, mirror width, the
// member it is linked to (-1 none) and whether a failed load is tolerated.
struct cMember {
    std::string file;
    int ddMemory = 0;
    int mirrorWidth = 0;
    int link = -1;
    int optional = 0;
};

template <class Record, class Members>
void LoadGroup(cVector<DDSURFACEDATA>& surfaces, cVector<BMPFILEDATA>& records, const cVector<Record>& db,
               std::size_t k, const char* failure, Members membersOf) {
    DDReleaseSurfaceVec(surfaces);
    surfaces.clear();
    records.clear();
    if (db.size() > 1) {
        surfaces.reserve((db.size() - 1) * k);
        records.reserve((db.size() - 1) * k);
    }
    const bool direct3D = DDIsDirect3D();
    for (std::size_t r = 1; r < db.size(); ++r) {
        const std::vector<cMember> members = membersOf(db[r]);
        const std::size_t base = surfaces.size();
        for (const cMember& m : members) {
            BMPFILEDATA b;
            const int noTexture = direct3D && m.link >= 0 ? 1 : 0;
            b.Set(m.file.c_str(), 1, m.ddMemory, 0, noTexture, 0, m.optional, m.mirrorWidth, 0, 0, 0);
            records.push_back(b);
            surfaces.emplace_back();
        }
        // Created from the last member to the first, so that linked members find theirs.
        for (std::size_t i = members.size(); i-- > 0;) {
            const BMPFILEDATA& b = records[base + i];
            const int code = DDCreateSurfaceFromFile(&surfaces[base + i], b.szFile, b.nSet1, DDScreenBpp(),
                                                     b.nSet2, b.nSet3, b.nSet4, b.nSet5, b.nSet7, b.nSet8, 0);
            if (!DDCheckSurfaceResult(code)) ErrorLogPrintf(failure, b.szFile);
        }
        for (std::size_t i = 0; i < members.size(); ++i)
            if (members[i].link >= 0) surfaces[base + i].lpAlias = &surfaces[base + members[i].link];
    }
}

} // namespace

void LoadCharaExcBitmaps() {
    LoadGroup(CharaExcSD, CharaExcBmp, Database.Bmp_CharaExc, 4, "専用bmp %s 読み込み失敗！",
              [](const cBmp_CharaExc& r) {
                  const int cell = r.bLargeCell ? std::max(r.nCellMultiple, 1) * 32 : 32;
                  return std::vector<cMember>{{r.strFile, 0, 0, -1, 0},
                                              {r.strFile, 0, cell, 0, 0},
                                              {r.strFile, 1, 0, 0, 0},
                                              {r.strFile, 1, cell, 0, 0}};
              });
}

void LoadSwordPictures() {
    LoadGroup(SwordSD, SwordBmp, Database.SwordType, 4, "ソード %s 読み込み失敗！", [](const cSwordType& r) {
        return std::vector<cMember>{{r.strFile1, 0, 0, -1, 0},
                                    {r.strFile2, 0, 0, -1, 0},
                                    {r.strFile1, 1, 0, 0, 0},
                                    {r.strFile2, 1, 0, 1, 0}};
    });
}

void LoadEffectPictures() {
    LoadGroup(EffectSD, EffectBmp, Database.Effect, 2, "エフェクト %s 読み込み失敗！", [](const cEffect& r) {
        return std::vector<cMember>{{r.strFile, 0, 0, -1, 1}, {r.strFile, 1, 0, 0, 1}};
    });
}

void ReleaseDatabasePictures() {
    for (cVector<DDSURFACEDATA>* surfaces : {&CharaExcSD, &SwordSD, &EffectSD}) {
        DDReleaseSurfaceVec(*surfaces);
        surfaces->clear();
    }
    CharaExcBmp.clear();
    SwordBmp.clear();
    EffectBmp.clear();
}

void ReleasePictureList(cList<DDSURFACEDATA>& surfaces, cList<BMPFILEDATA>& records) {
    DDReleaseSurfaceList(surfaces);
    surfaces.clear();
    records.clear();
}

bool CreateSightMask(DDSURFACEDATA& dark, DDSURFACEDATA& circle, std::int32_t radius, std::int32_t shape) {
    DDReleaseSurface(&dark);
    DDReleaseSurface(&circle);
    const int r = std::clamp(radius, 0, kMaxSightRadius);
    if (!DDCreateSurface(&dark, 1280 + 2 * r, 960 + 2 * r, 1, 0, 0, 0, 0)) {
        OutOfMemoryQuit();
        return false;
    }
    DDFillSurfacePal(&dark, 16);
    if (r == 0) return true;
    const int cx = 640 + r, cy = 480 + r;
    if (shape != 1 && shape != 2) {
        DDFillRectPal(&dark, cx - r, cy - r, 2 * r, 2 * r, 0);
        return true;
    }
    if (!DDCreateSurface(&circle, 2 * r, 2 * r, 1, 0, 0, 0, 0)) {
        OutOfMemoryQuit();
        return false;
    }
    if (SystemData.bColourMode)
        DDFillSurfaceColor(&circle, dwTransmit);
    else
        DDFillSurfacePal(&circle, 0);
    // An opaque copy of the transparent circle cuts the hole.
    DDBltCircle(&dark, cx, cy, r, r, r, 1, &circle, r, r, 0);
    return true;
}
