// The database records that have no playback of their own: extra character
// bitmaps, sword types with their swing frames, pictures, sounds and music.
// Each stores a number from version 151 (152 for the extra bitmaps) that is
// cleared when the file is older than 153.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cBmp_CharaExc : public cRecord<cBmp_CharaExc> {
public:
    std::string strName;
    std::string strFile;
    std::int32_t nNumber = 0;    // from 152
    std::int32_t bLargeCell = 0; // from 172: cells are nCellMultiple * 32 pixels square
    std::int32_t nCellMultiple = 2;

    cBmp_CharaExc() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
};

// One frame of a sword swing.
class cSwordTypeEntry : public cRecord<cSwordTypeEntry> {
public:
    std::int32_t nOffsetX = 0;
    std::int32_t nOffsetY = 0;
    std::int32_t bMirrorX = 1; // from 138: facing left subtracts the offset
    std::int32_t bMirrorY = 0; // from 138
    std::int32_t nAnchor = 0;  // 0 to 3: the edge of the owner the frame is placed against
    std::int32_t nSrcX = 0;
    std::int32_t nSrcY = 0;
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
    std::int32_t nDuration = 0; // tenths of a second

    cSwordTypeEntry() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};

class cSwordType : public cRecord<cSwordType> {
public:
    std::string strName;
    std::string strFile1;
    std::string strFile2;
    std::int32_t nNumber = 0; // from 151
    cVector<cSwordTypeEntry> Entries;

    cSwordType(); // as Init makes it
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

// A name, a file name and the from-151 number: pictures and sounds.
class cNamedFileRecord : public cSaveData {
public:
    std::string strName;
    std::string strFile;
    std::int32_t nNumber = 0;

    cNamedFileRecord() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
};

class cPicture : public cRecord<cPicture, cNamedFileRecord> {};
class cSound : public cRecord<cSound, cNamedFileRecord> {};

class cBgm : public cRecord<cBgm, cNamedFileRecord> {
public:
    std::int32_t nTrackValue = 100; // from 814: volume in percent, passed when the track is registered

    cBgm() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};
