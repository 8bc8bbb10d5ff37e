#include "project/WorldMap.h"

#include "foundation/FileNames.h"
#include "foundation/MessageBox.h"
#include "project/StageName.h"

#include <algorithm>

cWorldMap WorldMap;

std::int32_t PitchShiftForWidth(std::int32_t width) {
    std::int32_t shift = 0;
    for (std::int32_t rest = width - 1; rest > 0; rest /= 2) ++shift;
    return shift;
}

cWorldMap::cWorldMap() {
    RegisterFields(dwDataVersion);
    SetDefaults();
}

void cWorldMap::SetDefaults() {
    Reset();
    strName = "ワールド";
    nStartX = 9;
    nStartY = 7;
    nBackColour = 16;
    bBackPicture = 0;
    Cells.clear();
    SetSize(20, 15);
    Events.clear();
    EventList2.clear();
    EventList2.emplace_back();
    EventList2.At(0).strEventName = "デフォルト";
}

void cWorldMap::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nWidth);
    AddInt(&nHeight);
    AddInt(&nPitch);
    AddInt(&nPitch_Shift);
    AddInt(&nStartX);
    AddInt(&nStartY);
    AddInt(&nBackColour);
    AddInt(&bBackPicture);
    AddString(&strName);
    AddString(&strText2);
}

int cWorldMap::SetSize(std::int32_t width, std::int32_t height) {
    if (width == 0 || height == 0) {
        DebugErrorBoxPrintf("SetSize()で 0 を指定しました！");
        return 0;
    }
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) {
        DebugErrorBoxPrintf("SetSize(%d, %d) is out of range", width, height);
        return 0;
    }
    cVector<std::int32_t> oldCells;
    std::int32_t oldWidth = nWidth, oldHeight = nHeight, oldShift = nPitch_Shift;
    if (!Cells.empty()) {
        DebugErrorBoxPrintf("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", nWidth, nPitch,
                            nPitch_Shift);
        oldCells.swap(Cells);
    }
    nWidth = width;
    nHeight = height;
    nPitch_Shift = PitchShiftForWidth(width);
    nPitch = 1 << nPitch_Shift;
    Cells.assign(static_cast<std::size_t>(nHeight) << nPitch_Shift, 0);
    if (oldShift < 0 || oldShift > 30) return 1;
    std::int32_t keepW = std::min(oldWidth, nWidth), keepH = std::min(oldHeight, nHeight);
    for (std::int32_t y = 0; y < keepH; ++y) {
        for (std::int32_t x = 0; x < keepW; ++x) {
            std::size_t from = (static_cast<std::size_t>(y) << oldShift) + static_cast<std::size_t>(x);
            if (from >= oldCells.size()) continue;
            Cells[(static_cast<std::size_t>(y) << nPitch_Shift) + static_cast<std::size_t>(x)] =
                oldCells[from];
        }
    }
    return 1;
}

void cWorldMap::FitCells() {
    // A file's pitch, shift and cell count are not trusted: the grid is laid
    // out again from the width, reading each cell where that layout puts it.
    nWidth = std::clamp(nWidth, 1, kMaxSide);
    nHeight = std::clamp(nHeight, 1, kMaxSide);
    cVector<std::int32_t> stored;
    stored.swap(Cells);
    std::int32_t shift = PitchShiftForWidth(nWidth);
    nPitch_Shift = shift;
    nPitch = 1 << shift;
    Cells.assign(static_cast<std::size_t>(nHeight) << shift, 0);
    std::size_t n = std::min(stored.size(), Cells.size());
    std::copy(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(n), Cells.begin());
}

void cWorldMap::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSide || nHeight > kMaxSide) {
        file.MarkDamaged();
        return;
    }
    LoadRecordVector(file, Chips);
    LoadValueVector(file, Cells);
    LoadRecordVector(file, Events);
    LoadRecordVector(file, EventList2);
    if (file.Damaged()) return;
    if (file.LoadVersion() < 812) {
        Chips.resize(10);
        for (std::size_t i = 0; i < Chips.size(); ++i) {
            cWorldChip& chip = Chips[i];
            chip.nChipIndex = static_cast<std::int32_t>(i);
            chip.bBlocked = i < 5 ? 1 : 0;
            chip.strChipName = i < 5 ? "移動不可" : "移動可";
            chip.strText2.clear();
        }
    }
    Normalize();
}

void cWorldMap::Save(cRecordFile& file) {
    Normalize();
    cSaveData::Save(file);
    SaveRecordVector(file, Chips);
    SaveValueVector(file, Cells);
    SaveRecordVector(file, Events);
    SaveRecordVector(file, EventList2);
}

void cWorldMap::Normalize() {
    FitCells();
    nStartX = std::clamp(nStartX, 0, nWidth - 1);
    nStartY = std::clamp(nStartY, 0, nHeight - 1);
    const auto chipCount = static_cast<std::int32_t>(Chips.size());
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            std::int32_t& cell =
                Cells[(static_cast<std::size_t>(y) << nPitch_Shift) + static_cast<std::size_t>(x)];
            if (cell < 0 || cell >= chipCount) cell = 0;
        }
    }
    std::erase_if(Events, [this](const cWorldEvent& e) {
        return e.nX < 0 || e.nY < 0 || e.nX >= nWidth || e.nY >= nHeight;
    });
}

std::int32_t cWorldMap::CellIndex(std::int32_t x, std::int32_t y) const {
    x = std::clamp(x, 0, std::max(nWidth - 1, 0));
    y = std::clamp(y, 0, std::max(nHeight - 1, 0));
    return (y << nPitch_Shift) + x;
}

std::int32_t cWorldMap::GetCell(std::int32_t x, std::int32_t y) const {
    return Cells.At(CellIndex(x, y));
}

cWorldEvent* cWorldMap::FindEventAt(const std::int32_t* position) {
    if (!position) return nullptr;
    return FindEventAtXY(position[0], position[1]);
}

cWorldEvent* cWorldMap::FindEventAtXY(std::int32_t x, std::int32_t y) {
    for (auto& e : Events)
        if (e.nX == x && e.nY == y) return &e;
    return nullptr;
}

int cWorldMap::FindEventEntry(const std::string& name, int mode, std::int32_t a, std::int32_t b) const {
    for (const auto& event : Events) {
        for (const auto& entry : event.Entries) {
            if (entry.nKind != 0) continue;
            if (SeriesStageName(entry.strFile) != name) continue;
            if (mode == 0) {
                if (entry.bLinked == 0) return 1;
            } else if (entry.bLinked && entry.nLinkA == a && entry.nLinkB == b) {
                return 1;
            }
        }
    }
    return 0;
}
