// The story-mode world map (data\WorldMap.dat): a grid of chips, the chip
// kinds, a start position and the events placed on the grid.
#pragma once

#include "foundation/SaveData.h"
#include "project/WorldMapRecords.h"

#include <cstdint>
#include <string>

class cWorldMap : public cRecord<cWorldMap> {
public:
    // The largest width or height a map may have; larger sizes are refused
    // (a map file claiming more is damaged), so a grid never grows huge.
    static constexpr std::int32_t kMaxSide = 1024;

    // The grid part. Cells has nHeight rows of nPitch cells; cell (x, y) is
    // entry (y << nPitch_Shift) + x. Pitch and shift always follow nWidth.
    std::int32_t nWidth = 20;
    std::int32_t nHeight = 15;
    std::int32_t nPitch = 32;
    std::int32_t nPitch_Shift = 5;
    std::int32_t nStartX = 9;
    std::int32_t nStartY = 7;
    std::int32_t nBackColour = 16; // background colour of the world-map screen
    std::int32_t bBackPicture = 0; // 1: a background picture (strText2) instead
    std::string strName;
    std::string strText2; // the background picture's file name

    cVector<cWorldChip> Chips;
    cVector<std::int32_t> Cells;
    cVector<cWorldEvent> Events;
    cVector<cWorldEvent> EventList2; // events not tied to a position

    cWorldMap();
    void SetDefaults();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
    // Keeps the start position, the cells and the events inside the grid.
    void Normalize();

    // New size; cells inside both the old and the new size keep their value,
    // the rest are 0. Returns 0 (grid unchanged) for a size outside 1..kMaxSide.
    int SetSize(std::int32_t width, std::int32_t height);

    // Index into Cells of (x, y), each clamped into the grid.
    std::int32_t CellIndex(std::int32_t x, std::int32_t y) const;
    std::int32_t GetCell(std::int32_t x, std::int32_t y) const;

    // The first event of Events at the (x, y) pair pointed to; null when none.
    cWorldEvent* FindEventAt(const std::int32_t* position);
    cWorldEvent* FindEventAtXY(std::int32_t x, std::int32_t y);

    // 1 when some stage entry of Events names the stage `name` ("stage." for
    // the file stage-1.stg4_818): in mode 0 an unlinked entry, in other modes
    // a linked entry with the stage numbers a and b.
    int FindEventEntry(const std::string& name, int mode, std::int32_t a, std::int32_t b) const;

private:
    // Re-lays Cells for the current size: pitch and shift derived from nWidth.
    void FitCells();
};

// The pitch shift of a grid `width` cells wide: how often width - 1 halves to 0.
std::int32_t PitchShiftForWidth(std::int32_t width);

extern cWorldMap WorldMap;
