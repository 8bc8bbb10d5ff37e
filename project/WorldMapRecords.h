// The stored pieces of the story-mode world map: chip kinds, events placed on
// the grid and the entries of an event (an entry may name a stage file).
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

// One chip kind; a grid cell holds an index into the chip table.
class cWorldChip : public cRecord<cWorldChip> {
public:
    std::int32_t nChipValue = 0; // picture number in the chip sheet
    std::int32_t bBlocked = 0;   // 1: the marker can't enter a cell of this chip
    std::int32_t nChipIndex = 0; // its own place in the table
    std::string strChipName;
    std::string strText2;

    cWorldChip();
    void RegisterFields(std::uint32_t version) override;
};

// One entry of an event. Kind 0 is a stage, whose file is `strFile`.
class cWorldEntry : public cRecord<cWorldEntry> {
public:
    std::int32_t nKind = 0;
    // The values behind the kind, read by the world-map screen: a block of
    // eight stored as one field, then one more.
    std::int32_t nParams[8] = {};
    std::int32_t nParam9 = 0;
    std::int32_t nParam209 = 0; // stored from version 209; 0 in older files
    // From version 758: whether the entry names a linked stage, and its numbers.
    std::int32_t bLinked = 0;
    std::int32_t nLinkA = 1;
    std::int32_t nLinkB = 0;
    std::string strCaption;
    std::string strFile;

    cWorldEntry();
    void Init();
    void RegisterFields(std::uint32_t version) override;
};

// An event placed on a grid cell, holding its entries in order.
class cWorldEvent : public cRecord<cWorldEvent> {
public:
    std::int32_t nX = 0;
    std::int32_t nY = 0;
    std::string strEventName;
    cVector<cWorldEntry> Entries;

    cWorldEvent();
    // Back to a new event: one default entry.
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};
