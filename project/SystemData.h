// cSystemData: the project's game-wide settings, data\System.dat. One global
// instance, SystemData, holds them for the whole run: built with the defaults
// of a new project, loaded once at start-up, read-only afterwards.
//
// Besides the play rules and display settings it carries the words of the
// menus and screens, the System.ini key table and about forty compatibility
// switches. A switch is 0 in a new project and becomes 1 when a file older
// than the version that changed a behaviour is loaded, so that older projects
// keep playing the way they were made; the code that reads a switch keeps the
// older behaviour while it is 1.
#pragma once

#include "foundation/SaveData.h"
#include "project/Gauge.h"
#include "project/IniKey.h"
#include "records/Cmd.h"

#include <cstdint>
#include <string>

constexpr std::size_t kCarryItemCount = 25;
constexpr std::size_t kGaugeCount = 5;
constexpr std::size_t kGameModeCount = 4;
constexpr std::size_t kSystemSoundCount = 17;
constexpr std::size_t kScreenMusicCount = 4;

class cSystemData : public cRecord<cSystemData> {
public:
    std::string GameTitle; // the main window's and the start-up dialog's caption

    cVector<std::uint8_t> CarryFlags;      // hero carry items kept between stages
    cVector<std::uint8_t> ClearCarryFlags; // carry flags a lost life clears

    std::int32_t bExtraLife = 0;     // a life each time the score passes a multiple of nExtraLifeStep
    std::int32_t nExtraLifeStep = 0; // 0 gives no extra lives
    std::int32_t bDrawWorldSwitch = 0;
    std::int32_t nTextSettingA = 0; // copied into a font before the digit surfaces are made
    std::int32_t nFontNumber = 0;   // index into the font face names
    std::int32_t nTextSettingB = 0;
    std::int32_t bReplay = 0;    // replay recording and the replay keys
    std::int32_t bKeepFlows = 0; // loading keeps flows marked to be dropped

    cVector<cGauge> Gauges; // 0 and 1 scores, 2 HP, 3 SP, 4 lives

    std::int32_t bTitleSwitch = 0;

    cVector<cCmd> TitleMenu;
    cVector<cCmd> SaveMenu;
    cVector<cCmd> OptionMenu;
    cVector<std::string> RankingModeNames;

    std::int32_t bWorldMapSwitchA = 0;
    std::int32_t bContinue = 0; // a lost life in story play offers the continue menu
    std::int32_t bWorldMapSwitchB = 0;
    std::int32_t nChallengeStages = 0;
    std::int32_t bChallengeCount = 0; // the challenge screen counts nChallengeStages stages

    // Per game mode: 0 story, 1 challenge, 2 free play, 3 the fourth mode.
    cVector<std::int32_t> StartLives;
    cVector<std::int32_t> UnlimitedLives; // non-zero: 999999 lives
    cVector<cFlagList> RankingFlags;

    std::int32_t bWorldMapSwitchC = 0;
    std::int32_t bSaveScreenSwitch = 0;
    std::int32_t bRestoreA = 0; // the four stage-restore switches
    std::int32_t bPauseMenuA = 0;
    std::int32_t bPauseMenuC = 0;
    std::int32_t bChallengeSwitchA = 0;
    std::int32_t bChallengeSwitchB = 0;
    std::int32_t bRestoreB = 0;
    std::int32_t bPauseMenuB = 0;
    std::int32_t bRestoreC = 0;
    std::int32_t bRestoreD = 0;
    std::int32_t bColourMode = 0; // also: a fixed transparent colour
    std::uint8_t TransparentColour[3] = {};

    cVector<std::string> SystemSounds;      // file names of the system sound effects
    cVector<std::int32_t> ScreenMusic;      // Bgm number: title, save and world map, challenge, options
    cVector<std::uint8_t> ScreenMusicFlags; // handed over with the music of the same screen
    cVector<std::string> Words;             // the screen word table
    cVector<cIniKey> IniKeys;               // the System.ini key table

    // Compatibility switches and later settings.
    std::int32_t bMovement = 0;
    std::int32_t bRescaleOffsets = 0;
    std::int32_t bStagePlaySwitchA = 0;
    std::int32_t bCharaDrawSwitch = 0;
    std::int32_t nFlashPeriod = 0;
    std::int32_t bDrawingSwitch = 0;
    std::int32_t bFlowStartA = 0; // with bFlowStartB: repeated starts and early marking of started flows
    std::int32_t bShotSwitch = 0; // a firing pattern leaves out the gap between its columns
    std::int32_t bStagePlaySwitchB = 0;
    std::int32_t bCharaEngineSwitch = 0;
    std::int32_t bStagePlaySwitchC = 0;
    std::int32_t bNegativeMoveTime = 0;
    std::int32_t bStoredSwitch = 0; // kept and upgraded only
    std::int32_t bStageSetUp = 0;
    std::int32_t bWarp = 0;
    std::int32_t bChargeMove = 0;
    std::int32_t bNpcSwitch = 0;
    std::int32_t bFlowStartB = 0;
    std::int32_t bJump = 0;
    std::int32_t bCodeStatement = 0;
    std::int32_t bGroupCollisionA = 0;
    std::int32_t bGroupCollisionB = 0;
    std::int32_t bPlacement = 0;
    std::int32_t bStraightMoveA = 0; // with bStraightMoveB: reversing and keeping motion on a turn
    std::int32_t bKeepKnockbackAbove = 0;
    std::int32_t bDistanceCond = 0;
    std::int32_t bStraightMoveB = 0;
    std::int32_t bStagePlaySwitchD = 0;
    std::int32_t bGroundTurn = 0;
    std::int32_t bSolidCharaA = 0;
    std::int32_t bSolidCharaB = 0;
    std::int32_t bHeroSwitch = 0;
    std::int32_t nDepthSecond = 0; // colour-depth choice of the second display mode
    std::int32_t nDepthFirst = 0;  // colour-depth choice of the first display mode

    cSystemData();

    void SetDefaults();
    void RegisterFields(std::uint32_t version) override;
    // Reads a System.dat of any version up to the program's and upgrades it.
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    // Set non-zero ranking flags of game mode n; 0 while that mode's switch is off.
    std::int32_t CountSetFlags(std::int32_t n) const;
    // 1 when status display k shows `value` of `max` at its warning level.
    std::int32_t IsGaugeLow(std::int32_t k, std::int32_t value, std::int32_t max) const;

    // Screen music numbers outside the Bgm database (Database.Bgm) become 0.
    void CheckMusicNumbers();

private:
    // Present only in files of versions 221 to 259: read and dropped.
    std::int32_t m_nRetired = 0;

    void LoadSections(cRecordFile& file);
    void UpgradeFrom(std::uint32_t version);
    void PadSections();
};

extern cSystemData SystemData;

// The global system data's IsGaugeLow: the HP (2) and SP (3) bars ask it.
std::int32_t IsGaugeLow(std::int32_t k, std::int32_t value, std::int32_t max);
