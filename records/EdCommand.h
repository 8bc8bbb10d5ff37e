// cEdCommand: one command of a flow or of an item's command list. Its move,
// shot and condition-list parts are held by shared pointers, one command's
// each: a copy of a command gets freshly made parts, never a second reference.
#pragma once

#include "records/CondList.h"
#include "records/EdMove.h"
#include "records/EdShot.h"

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>

class cEdFlow;

// Puts a new default record into the holder, releasing what it held.
template <class T> void ResetShared(boost::shared_ptr<T>& holder) {
    holder.reset(new T());
}

class cEdCommand : public cRecord<cEdCommand> {
public:
    cEdCommand();
    cEdCommand(const cEdCommand& other);
    cEdCommand(cEdCommand&& other) noexcept;
    cEdCommand& operator=(const cEdCommand& other);
    cEdCommand& operator=(cEdCommand&& other) noexcept;
    ~cEdCommand() override;

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    // Registered fields zeroed, text emptied, no parts, sounds for visible
    // characters only; the parameters and nested flows stay.
    void Reset();
    // Parameter count of the kind and database references, here and in every nested flow.
    void FixParams();
    // Palette references, here and in every nested flow.
    void ClampRefs();

    bool IsFlow() const { return bFlow != 0; }
    // Parameter i, or 0 when the command has fewer parameters.
    std::int32_t Param(std::size_t i) const { return i < vParam.size() ? vParam[i] : 0; }
    // The kind in the character numbering (flow kinds 2 and more under their
    // twins); -1 for flow kind 1, which has no twin.
    int CharaKind() const;

    std::uint8_t bFlow = 0;
    std::int8_t cKind = 0;
    cVector<std::int32_t> vParam;
    std::string strText;
    boost::shared_ptr<cEdMove> pMove;
    boost::shared_ptr<cEdShot> pShot;
    std::int16_t sWait = 0;    // tenths of a second
    std::int16_t sWaitAdd = 0; // per summon index
    std::uint8_t bParallel = 0;
    std::int16_t sSe = 0; // Sound database
    std::uint8_t bSeVisibleOnly = 1;
    std::int16_t sAnime = 0; // Anime database
    boost::shared_ptr<cCondList> pCondList;
    cVector<cEdFlow> vFlow;

private:
    void CopyParts(const cEdCommand& other);
};

// Upgrades a command read from a file of `version` (below the current one) to
// the current kinds and parameters.
void UpgradeCommand(cEdCommand& command, std::uint32_t version);

// A command's direction code as a direction value: facing right gives 3, left
// 2. `replayVersion` is the data version of the replay being played back
// (read only during replay playback).
int ConvertDirCode(int code, bool flag, bool facingRight, std::uint32_t replayVersion);

// The least bytes one stored command takes (its counts and presence words).
constexpr std::size_t kMinCommandBytes = 24;
void LoadCommands(cRecordFile& file, cVector<cEdCommand>& out);
void SaveCommands(cRecordFile& file, cVector<cEdCommand>& commands);
