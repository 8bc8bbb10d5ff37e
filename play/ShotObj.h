// Shot and sword objects in play: the set-up of one object from its user and
// a spawn description, the spawn step that puts what a firing pattern lays
// out into the world (shots, block changes, summoned characters and items),
// the block test, the movers, a sword's swing, and one sub-step of motion.
#pragma once

#include "foundation/Containers.h"
#include "play/ShotPatterns.h"

#include <cstdint>

class cChara;
class cEdShot;
class cItemObj;
class cShotObj;

enum : std::int32_t {
    kCmdShot = 11,
    kCmdSword = 12,
    kCmdSummonBlocks = 13,
    kCmdSummonCharas = 14,
    kCmdSummonItems = 15
};

// Sets a shot (kind 11) or sword (kind 12) up from its record (already in
// shot.Shot), its user and the spawn description.
void SetupShotObj(cShotObj& shot, cChara& user, std::int32_t kind, const SHOTSPAWN& spawn,
                  std::int32_t number);

// Copies a shot into the live list and its group's list; the new object.
cShotObj& AddShot(const cShotObj& shot);

// The spawn step of a shot command: one shot per call, linked to its user
// and, when it flies at the target, to the target.
class cShotSpawner : public cSpawnSink {
public:
    cShotSpawner(cChara& user, const cEdShot& record) : user_(user), record_(record) {}
    void Spawn(const SHOTSPAWN& spawn) override;

private:
    cChara& user_;
    const cEdShot& record_;
};

// The spawn steps of the three summon commands.
class cBlockSummoner : public cSpawnSink {
public:
    explicit cBlockSummoner(const cEdShot& record) : record_(record) {}
    void Spawn(const SHOTSPAWN& spawn) override;

private:
    const cEdShot& record_;
};

class cCharaSummoner : public cSpawnSink {
public:
    cCharaSummoner(cChara& user, const cEdShot& record) : user_(user), record_(record) {}
    void Spawn(const SHOTSPAWN& spawn) override;

private:
    cChara& user_;
    const cEdShot& record_;
};

class cItemSummoner : public cSpawnSink {
public:
    cItemSummoner(cList<cItemObj>& items, const cEdShot& record) : items_(items), record_(record) {}
    void Spawn(const SHOTSPAWN& spawn) override;

private:
    cList<cItemObj>& items_;
    const cEdShot& record_;
};

// The four spawners of the commands (one volley for the summons).
void SpawnShotObjects(cChara& user, const cEdShot& record);
void SpawnBlockObjects(cChara& user, const cEdShot& record);
void SpawnCharaObjects(cChara& user, const cEdShot& record);
void SpawnItemObjects(cChara& user, const cEdShot& record, cList<cItemObj>& items);

// 1 when the shot overlaps a block solid for it.
int ShotHitsBlock(const cShotObj& shot);
// The movers: the sub-step's displacement applied, kept inside the map.
int ShotStepX(cShotObj& shot);
int ShotStepY(cShotObj& shot);
// One sub-step of a sword: 1 when it has ended.
int SwordStep(cShotObj& sword);
// One sub-step of motion: 1 when the shot has ended.
int MoveShot(cShotObj& shot);
// A shot's whole sub-step: its motion, gravity unless it flies, the vertical
// and horizontal steps and the block test; 1 when it is to be erased.
int StepShot(cShotObj& shot);
// Aims the acceleration of an inertial shot toward velocity (vx, vy).
void SetShotInertia(cShotObj& shot, double vx, double vy);
