#include "records/EdCommand.h"

#include "records/EdFlow.h"
#include "records/Labels/CommandKinds.h"
#include "records/RecordContext.h"
#include "records/RecordVector.h"

cEdCommand::cEdCommand() {
    Reset();
}

cEdCommand::cEdCommand(const cEdCommand& other)
    : cRecord<cEdCommand>(other), bFlow(other.bFlow), cKind(other.cKind), vParam(other.vParam),
      strText(other.strText), sWait(other.sWait), sWaitAdd(other.sWaitAdd), bParallel(other.bParallel),
      sSe(other.sSe), bSeVisibleOnly(other.bSeVisibleOnly), sAnime(other.sAnime), vFlow(other.vFlow) {
    CopyParts(other);
}

cEdCommand::cEdCommand(cEdCommand&& other) noexcept = default;
cEdCommand& cEdCommand::operator=(cEdCommand&& other) noexcept = default;
cEdCommand::~cEdCommand() = default;

cEdCommand& cEdCommand::operator=(const cEdCommand& other) {
    if (this == &other) return *this;
    bFlow = other.bFlow;
    cKind = other.cKind;
    vParam = other.vParam;
    strText = other.strText;
    CopyParts(other);
    sWait = other.sWait;
    sWaitAdd = other.sWaitAdd;
    bParallel = other.bParallel;
    sSe = other.sSe;
    bSeVisibleOnly = other.bSeVisibleOnly;
    sAnime = other.sAnime;
    vFlow = other.vFlow;
    return *this;
}

namespace {
template <class T> void CopyPart(boost::shared_ptr<T>& target, const boost::shared_ptr<T>& source) {
    if (!source) {
        target.reset();
        return;
    }
    ResetShared(target);
    *target = *source;
}
} // namespace

void cEdCommand::CopyParts(const cEdCommand& other) {
    CopyPart(pMove, other.pMove);
    CopyPart(pShot, other.pShot);
    CopyPart(pCondList, other.pCondList);
}

void cEdCommand::RegisterFields(std::uint32_t) {
    ClearFields();
    AddByte(&bFlow);
    AddByte(&cKind);
    AddShort(&sWait);
    AddShort(&sWaitAdd);
    AddByte(&bParallel);
    AddShort(&sSe);
    AddByte(&bSeVisibleOnly);
    AddShort(&sAnime);
    AddString(&strText);
}

void cEdCommand::Reset() {
    cSaveData::Reset();
    pMove.reset();
    pShot.reset();
    pCondList.reset();
    bSeVisibleOnly = 1;
}

int cEdCommand::CharaKind() const {
    return IsFlow() ? CharaTwinOfFlowKind(cKind) : cKind;
}

namespace {

// A part stored as a presence word and, when it is 1, the part's record.
template <class T> void LoadPart(cRecordFile& file, boost::shared_ptr<T>& part) {
    std::uint32_t present = 0;
    if (!file.ReadU32(present)) return;
    if (present) {
        ResetShared(part);
        part->Load(file);
    } else {
        part.reset();
    }
}

template <class T> void SavePart(cRecordFile& file, const boost::shared_ptr<T>& part) {
    file.WriteU32(part ? 1 : 0);
    if (part) part->Save(file);
}

} // namespace

void cEdCommand::Load(cRecordFile& file) {
    cNestingGuard guard(file);
    if (!guard.Ok()) return;
    cSaveData::Load(file);
    LoadPart(file, pMove);
    LoadPart(file, pShot);
    if (file.LoadVersion() >= 764)
        LoadPart(file, pCondList);
    else
        pCondList.reset();
    LoadFlows(file, vFlow);
    LoadValueVector(file, vParam);
    if (file.Damaged()) return;
    if (file.LoadVersion() < 818) UpgradeCommand(*this, file.LoadVersion());
    if (!RecordContext().EditorStarted() && !RecordContext().KeepFlows()) DropFlagged(vFlow);
    FixParams();
}

void cEdCommand::Save(cRecordFile& file) {
    FixParams();
    cSaveData::Save(file);
    SavePart(file, pMove);
    SavePart(file, pShot);
    SavePart(file, pCondList);
    SaveFlows(file, vFlow);
    SaveValueVector(file, vParam);
}

void LoadCommands(cRecordFile& file, cVector<cEdCommand>& out) {
    LoadRecords(file, out, kMinCommandBytes);
}

void SaveCommands(cRecordFile& file, cVector<cEdCommand>& commands) {
    SaveRecordVector(file, commands);
}
