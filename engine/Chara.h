// cChara: a character on the stage, the base of the hero (cHeroChara) and of
// every other character (cNpcChara). It keeps its own copy of its definition,
// its statuses, its targets and the links others hold to it, its runtime
// flows, its invincibility, queued animations and chara effect, and the rules
// of damage, knockback, defeat and score. Stage play calls it on contacts;
// command handlers call it while a flow runs.
//
// The member functions live in files by topic: CharaMotion.cpp (placement,
// gravity, blocks), CharaHits.cpp (hp, sp, invincibility, hits, defeat),
// CharaTargets.cpp, CharaFlows.cpp (building and removing flows),
// CharaTrigger.cpp (starting flows), CharaConds.cpp (status, state and
// distance conditions), KeyMatch.cpp, CharaJump.cpp, CharaGauge.cpp, and the
// drawing in CharaDraw.cpp.
#pragma once

#include "engine/CharaParts.h"
#include "engine/Flow.h"
#include "engine/StageObj.h"
#include "engine/StageObjects.h"
#include "foundation/Rect.h"
#include "records/EdChara.h"

#include <array>
#include <cstdint>

class cCond;
class cEdKeyCond;
class cInput;
struct DDSURFACEDATA;
struct GraphicDesc;

// Start timings of flows (the flow definition's cTrigger).
enum : std::int32_t {
    TIMING_ALWAYS = 0,
    TIMING_DAMAGED = 1,
    TIMING_IMPACTED = 2,
    TIMING_DEFEATED = 3,
    TIMING_BLOCK_HIT = 9,
    TIMING_BLOCK_ABOVE_BELOW = 13,
    TIMING_BLOCK_ABOVE = 14,
    TIMING_BLOCK_BELOW = 15,
    TIMING_GAVE_DAMAGE = 18,
    TIMING_GAVE_IMPACT = 19,
    TIMING_BEFORE_STAGE = 21,
};

constexpr int kKeyGroups = 27; // key group 0 (none) and A to Z
constexpr int kCharaVars = 9;  // entry 0 and v1 to v8

// The fields of a character (cChara holds them through this base, so that a
// copy can be made member by member and then relinked).
struct cCharaData {
    // The definition: the character's own copy; the statuses and status flags
    // it holds (mhp, msp, cid, z, MarkNumber, sight, power, imp, def, impd,
    // stop, getsc, Transparent, FixedFacing, Flying, Invincible, CharaScale,
    // ScrollSync) change there.
    cEdChara Def;

    std::int32_t nBlockHitSide = -1; // side a block last hit: 0 left, 1 right
    double dPlaceX = 0, dPlaceY = 0; // where it was placed or summoned

    // Motion (pixels per sub-step). dVX and dVY of the base are the move of the sub-step.
    double dOwnVX = 0, dOwnVY = 0;     // own (inertial) speeds, kept between sub-steps
    double dKnockVX = 0, dKnockVY = 0; // knockback speeds
    double dPrevKnockVY = 0;
    double dForcedVX = 0, dForcedVY = 0; // replace the own speed while not 0
    double dCarryVX = 0, dCarryVY = 0;   // carried by the auto-scroll this sub-step
    double dDecel = 0;                   // from the status stop
    std::int32_t bDecel = 0;             // the own speeds decelerate
    std::int32_t bOnObject = 0;          // standing on another object
    std::int32_t bJumping = 0;
    std::int32_t bAirborne = 0;
    std::int32_t bKnockedBack = 0;
    std::int32_t bMoved = 0; // a move command ran in this run of the flows
    std::int32_t bMoveCancelled = 0;
    std::int32_t bDying = 0;      // defeated
    std::int32_t bUnlinked = 0;   // references cleared at defeat
    std::int32_t bRemoveMark = 0; // leaves the live list after the current walk
    std::int32_t bLanding = 0;
    std::int32_t bJumpStop = 0;
    std::int32_t bHitAbove = 0;
    std::int32_t nKeepRunning1 = 0; // keep running off screen
    std::int32_t nKeepRunning2 = 0; // keep running once activated
    std::int32_t nTimerWord = 0;
    std::int32_t nCountdown = 0;      // counted down once per run of the flows
    std::int32_t nRunWords[2] = {};   // cleared at the start of each run
    std::int32_t bEnable[2] = {1, 1}; // set at the start of each run

    // The floor block the character stands on (kind 3 multiplies speeds).
    std::int32_t nFloorKind = 0;
    double dFloorSpeed = 0; // per second
    double dFloorFactor = 1;

    // Ground contacts kept by stage play.
    std::int32_t nBlockUnder = -1; // block-grid cell it last landed on; -1 none
    std::int32_t nRiddenId = 0;    // id of the object it stands on
    cRectD RiddenRect;             // that object's position rectangle at the contact
    std::int32_t bObjectBump = 0;
    std::int32_t bContact[4] = {}; // left, right, top, bottom
    cRectD PrevPos;                // the position kept by SavePosition
    // Hit ranges relative to the graphic: 0 the hit box (SetHitBox), 1 and 2
    // further ranges (an NPC uses 0 and 1, the hero all three).
    cSubRect SubRect[3];

    // Statuses.
    std::int32_t hp = 0;
    std::int32_t sp = 0;
    cVector<std::int32_t> Vars;    // v1..v8 at 1..8
    std::int32_t nSightPixels = 0; // sight radius in pixels (Def.sight * 16)
    std::int32_t bVanish = 0;

    cCharaGauge HpGauge;
    cCharaGauge SpGauge;

    // Targets 1..4 (slots 0..3), the parent, and the links others hold to this one.
    cVector<cChara*> Targets;
    cChara* lpParent = nullptr;
    std::int32_t bReportToParent = 0;
    std::int32_t nParentFlowId = 0; // flow id a parent's flows are restricted to
    cVector<cCharaLink> BackLinks;
    cVector<SHOTLINK> ShotLinks;

    // Flows: each with its own copy of its definition flow.
    cFlowList Flows;
    std::int32_t nFlowCounter = 0;
    std::int32_t nFlowWalk = 0;                     // the flows are being walked: removals only mark
    std::array<cVector<std::uint8_t>, 3> KeyGroups; // 27 bytes each
    std::int32_t bKeyGroupsChanged = 0;
    std::int32_t bFlowsChanged = 0;
    std::int32_t nCondCache = 0; // the definition's conditions have held

    // Invincibility.
    std::int32_t nInvincible = 0; // sub-steps
    cVector<cImmunity> Immunity;

    // Queued animations and drawing.
    cList<cQueuedAnime> AnimeQueue;
    cCharaDrawState DrawState;

    // Map-block contact state kept by stage play's block contacts.
    std::int32_t nSqueezeGrace = 0;    // frames a squeeze between blocks does not kill; lowered per frame
    std::int32_t bMarkerFloor = 0;     // stands on a marker floor (read by the hero's jump)
    std::int32_t nFallCount = 0;       // sub-steps without a floor
    std::int32_t bOffGround = 0;       // without a floor for longer than the stage's fall allowance
    std::int32_t bOffGroundMarker = 0; // the hero's: set with bOffGround, cleared by a spring
    std::int32_t nLandingBlock = -1;   // cell it last landed on; -1 none
    std::int32_t nPrevLandingBlock = -1;
    std::int32_t nFloorEffect = 0;     // running floor effect: 3 speed change, 4 and 5 conveyors
    double dFloorEffect = 0;           // its amount
    std::int32_t nFloorEffectLeft = 0; // sub-steps it still runs
    std::int32_t nBlockItemPause = 0;  // sub-steps before a block hands out its item again
    std::int32_t nJumpFrames = 0;      // length of a jump a spring started
};

class cChara : public cStageObj, public cCharaData {
public:
    cChara();
    // Copies are member by member, each flow with its own definition copy.
    // The copy's own targets and parent learn of it (so that none of them is
    // left pointing at a character that has gone); nobody else points at the
    // copy and it owns no shots. Assignment first lets go of the old links.
    cChara(const cChara& other);
    cChara& operator=(const cChara& other);
    // Clears every reference between this character and others.
    ~cChara() override;

    // Virtual operations after those of cStageObj.
    void RescaleOffsets(std::int32_t newScale, std::int32_t oldScale) override;
    void SetPosition(double x, double y) override;
    void MoveTo(double x, double y) override;
    void SetCenterX(double x) override;
    void MoveToX(double x) override;
    void SetCenterY(double y) override;
    void MoveToY(double y) override;
    // Copies every field of another character.
    virtual void CopyFrom(const cChara& other);
    virtual cItemObj* GetCarriedItem() { return nullptr; }
    virtual void AfterMoveX() {}
    virtual void AfterMoveY() {}
    virtual int StepX() { return 0; }
    virtual int StepY() { return 0; }
    // dying 0 runs every running flow, non-zero only the flows of timing 3;
    // true when the character's hp is below 1 afterwards.
    virtual int RunFlows(int /*dying*/) { return 0; }
    virtual void Jump(cFlowCommand& /*entry*/) {}

    // Placement and motion.
    // The placement part of a set-up: the definition copied, statuses from it,
    // flows built, facing and position words cleared.
    void InitPlacement(const cEdChara& def, std::int32_t id, std::int16_t summonIndex);
    void SetBlockPosition(std::int32_t column, std::int32_t row);
    void SetBlockX(std::int32_t column);
    void SetBlockY(std::int32_t row);
    void SavePosition();
    void RestorePosition();
    void ApplyGravity();
    void ApplyKnockbackY();
    // The vertical preparation of a step: knockback into the vertical speed.
    void PrepareStepY();
    void SetHitBox(bool bottomAligned, std::int32_t width, std::int32_t height);
    void DecayKnockbackX();
    void DecayKnockbackY();
    void OnBlockBelow();
    void OnBlockAbove();
    void LeaveObject(int bump);
    int IsOnGround() const;
    // The own speed moved toward 0 by the deceleration from the status stop.
    void DecelerateOwn(double& speed) const;
    // The deceleration of the own speeds derived from the status stop.
    void UpdateDecel();

    // Hit points and skill points: 1 when nothing is left.
    int ChangeHp(std::int32_t delta, int force, int show);
    void ShowHpChange(std::int32_t delta);
    int ChangeSp(std::int32_t delta, int show);
    void ShowSpChange(std::int32_t delta);

    // Invincibility.
    void StartInvincibility();
    void StartInvincibilityFrom(std::int32_t attackerId);
    bool IsInvincible() const { return nInvincible > 0; }
    bool IsInvincibleTo(std::int32_t attackerId) const;
    void TickInvincibility();

    // Hits, knockback, defeat.
    int HitByChara(cChara& attacker);
    int HitByShot(cShotObj& shot);
    void TriggerHitByCharaFlows(cChara& attacker);
    void TriggerHitByShotFlows(cShotObj& shot);
    void Knockback(std::int8_t impact, double attackerVX, double attackerVY);
    void KnockbackFromChara(const cChara& attacker);
    void KnockbackFromShot(const cShotObj& shot);
    // 1 when stage play must end now.
    int Defeat();

    // Targets and the links others hold.
    void InitTargets(cChara* parent);
    void UnlinkTargets();
    void AddBackLink(cChara& holder, std::int32_t slot);
    void RemoveBackLink(cChara& holder, std::int32_t slot);
    // Slot 0..3 of the targets, 4 the parent; none for any other slot.
    cChara* TargetAt(std::int32_t slot) const;
    // Points slot 0..3 (4 the parent) at `chara`, keeping the back-links in step.
    void SetTarget(std::int32_t slot, cChara* chara);

    // Flows.
    void TriggerFlows(std::int32_t timing) { TriggerFlowsFrom(timing, nullptr, 0); }
    void TriggerFlowsFrom(std::int32_t timing, cChara* other, std::int32_t flowId);
    void ResetFlowMarks();
    void BuildFlows(const cVector<cEdFlow>& flows, int append, std::int32_t position);
    void RemoveFlow(std::int32_t index);
    std::int32_t RemoveFlows(std::int32_t id);
    void CopyFlows(const cChara& other);
    void RemoveAnimesOfFlow(std::int32_t tag);
    void PauseAnimesOfFlow(std::int32_t tag);
    void ResumeAnimesOfFlow(std::int32_t tag);
    void RunScheduledAnimes();
    // Removes the flows marked for deletion (after the flows have run).
    void RemoveMarkedFlows();

protected:
    // After a copy: the targets and parent learn of this character; no
    // back-links and no shots are taken over.
    void RelinkAsCopy();
    // Shots that still name this character forget it.
    void ReleaseShots();
    // The parts of a run of the flows that both character classes share.
    void BeginFlowRun();
    // Runs each running flow once: true when the run ends the character
    // (hp below 1, or for an NPC vanishing).
    bool WalkFlows(int dying, bool endsOnVanish);
    // Clears the play scene's current character, flow and command.
    void EndFlowRun();
    // Removes the marked flows, frees the key groups of stopped flows and
    // returns to the standing animation when nothing moved.
    void FinishFlowRun();
    // The speeds carried by the auto-scroll this sub-step.
    void CarryScroll(bool hero);
    // One sub-step of the own speed with its deceleration (and the knockback)
    // into the move of the sub-step.
    void AddOwnSpeedX();
    void AddOwnSpeedY();

public:
    // Conditions.
    bool TestStatusCond(const cCond& cond) const;
    bool TestStateCond(const cCond& cond) const;
    bool TestDistanceCond(const cCond& cond, cStageObj* other);
    // Shows the reach of a distance condition over the picture (Indicators.cpp):
    // 1 when it was drawn, 0 when the condition is not shown now.
    int DrawDistanceRange(DDSURFACEDATA* target, const cCond& cond, int counter);

    // Key conditions of a flow against the input history.
    bool MatchKeyConds(const cFlow& flow) const;
    bool TestKeyConds(cFlow& flow);
    bool TestKeyCondNow(const cEdKeyCond& cond) const;
    // The input record this character's flows read: for the hero the one its
    // definition names, for others record 0; none when there is none.
    const cInput* InputRecord() const;
    // The first of the 10 direction entries pressed now, 0 when none.
    std::int32_t InputSnapshot() const;

    // Base animations from animation set n of the database.
    void SetBaseAnimeSet(std::int16_t n, int force);

    // Jump physics.
    double JumpSpeedFromHeight(double height) const;
    double JumpSpeedFromHbl(double hbl) const { return JumpSpeedFromHeight(hbl * 16); }
    std::int32_t JumpTenthsFromHbl(double hbl) const;

    // Drawing.
    int Draw(DDSURFACEDATA* target, int frozen);
    int UpdateEffects(int frozen);
    int DrawDefeated(DDSURFACEDATA* target, int frozen);
    int RunCharaEffect(int frozen);
    void GetDrawCell(GraphicDesc& desc, std::int32_t& cell) const;
    void DrawHpGauge(DDSURFACEDATA* target);
    void DrawSpGauge(DDSURFACEDATA* target);
    void DrawGauge(DDSURFACEDATA* target, cCharaGauge& gauge, int kind);
};
