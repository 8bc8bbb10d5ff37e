// cStageObj: the base of every object on the stage (characters, items, shots
// and swords). It keeps the position in stage pixels as doubles, the integer
// screen and block rectangles, the sizes at the current unit scale with their
// scale-1 base values, the speeds of the sub-step, the animation state, and
// the movement and test operations all objects share.
#pragma once

#include "foundation/Containers.h"
#include "graphics/AnimeState.h"
#include "records/AnimeFrame.h"

#include <cstdint>

class cChara;

// Which sides retire an object that leaves the view, and by how many blocks
// beyond the view each side reaches (left, right, top, bottom).
struct cOutArea {
    std::int32_t bSide[4] = {};
    std::int32_t nMargin[4] = {};
};

class cStageObj {
public:
    cStageObj() = default;
    cStageObj(const cStageObj&) = default;
    cStageObj& operator=(const cStageObj&) = default;

    // Virtual operations, in slot order.
    virtual ~cStageObj() = default;
    // Copies kind, position, animation state, rectangles, sizes and movement mode.
    virtual void Assign(const cStageObj& other);
    // Sizes to base x scale; the result is RescaleParts'.
    virtual int SetUnitScale(std::int32_t newScale, std::int32_t oldScale);
    virtual int RescaleParts(std::int32_t scale);
    virtual void RescaleOffsets(std::int32_t newScale, std::int32_t oldScale);
    virtual void UpdatePartsX();
    virtual void UpdatePartsY();
    virtual void SetPosition(double x, double y);
    virtual void MoveTo(double x, double y);
    virtual void SetCenterX(double x);
    virtual void MoveToX(double x);
    virtual void SetCenterY(double y);
    virtual void MoveToY(double y);

    // Sets every field of the base: sizes and their base values alike, speeds
    // cleared. `anime` may be null (no animations).
    void Setup(std::int32_t id, std::int32_t control, std::int32_t userWord, std::int32_t group,
               std::int32_t graphic, const cVector<cVector<ANIMEFRAME>>* anime, std::int32_t startAnime,
               std::int32_t offsetX, std::int32_t offsetY, std::int32_t width, std::int32_t height,
               std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t facing,
               std::int32_t moveMode, std::int16_t index, std::int32_t blockTestMode);
    // Selector 0 (0, 1), 1 (1, 0), 2 (1, 1), 3 (1, 2): the flying flag and the block mode.
    void SetMoveMode(std::int32_t selector);

    // Keep the edge inside the limits of the mode; the limit code (see StageObj.cpp).
    int ClampX(int mode);
    int ClampY(int mode);
    // vx limited to the stage's speed step, x += vx, ClampX(mode): 1, 2, 3 or 0.
    int MoveStepX(int mode);
    // The same vertically; the code of ClampY (0..6).
    int FallStep(int mode);
    // While not flying, vy += the stage's acceleration per sub-step.
    void ApplyGravity();

    void UpdateScreenRect();
    bool IsOnScreen() const;
    bool IsOnScreenAxes(bool skipX, bool skipY) const;
    bool IsInStage(int selector) const;
    bool HitsBlockAtCorners() const;
    bool HitsBlockAtCorners2(int ignored) const;
    bool Overlaps(double left, double top, double right, double bottom) const;
    bool IsOutOfArea(const cOutArea& area) const;
    // The character of the list nearest to the centre of this object's screen rectangle.
    cChara* FindNearestChara(const cList<cChara*>& list) const;

    // Far edges and block rectangle from x (y).
    void RecomputeX();
    void RecomputeY();

    // The animation state (graphics layer).
    void SetAnimeTable(const cVector<cVector<ANIMEFRAME>>& table) { Anime.SetAnimeTable(table); }
    int SetAnime(int n, int force) { return Anime.SetAnime(n, force); }
    int ChangeAnime(int n, int force) { return Anime.ChangeAnime(n, force); }
    int StepAnime() { return Anime.StepAnime(); }
    int GetAnimeCell() { return Anime.GetAnimeCell(); }

    std::int32_t nId = 0;                 // object id: the serial given at set-up
    std::int32_t nLifeTimer = 2147483647; // sub-steps left; 2147483647 = unlimited
    std::int32_t nUserWord = 0;           // a word of the creating user
    std::int16_t sIndex = 0;              // place in a summoned group or volley
    std::int32_t nGraphic = 0;            // meaning belongs to the owner class
    cAnimeState Anime;

    // Screen rectangle (view pixels).
    std::int32_t nScrLeft = 0, nScrTop = 0, nScrRight = 0, nScrBottom = 0;
    // Draw offsets (position to screen rectangle), screen and position sizes,
    // each with its value at unit scale 1.
    std::int32_t nOffsetX = 0, nOffsetY = 0, nScrWidth = 0, nScrHeight = 0, nWidth = 0, nHeight = 0;
    std::int32_t nBaseOffsetX = 0, nBaseOffsetY = 0, nBaseScrWidth = 0, nBaseScrHeight = 0;
    std::int32_t nBaseWidth = 0, nBaseHeight = 0;

    // 0: driven by the player's input, 1: computer-controlled.
    std::int32_t nControl = 0;
    std::int32_t nGroup = 0;         // faction 0..7
    std::int32_t nBlockTestMode = 0; // passed to the block grid's solidity test

    // Position: left and top edge, right and bottom edge (x + width - 1).
    double dX = 0, dY = 0, dRight = 0, dBottom = 0;
    // First and last block column and row covered.
    std::int32_t nBlockLeft = 0, nBlockTop = 0, nBlockRight = 0, nBlockBottom = 0;
    // The move of the sub-step, pixels.
    double dVX = 0, dVY = 0;
    // Movement mode pair: flying flag (gravity only while 0) and block mode.
    std::int32_t nFlying = 0, nBlockMode = 1;
    std::int32_t nWord12 = 0;
    std::int32_t bAreaExempt = 0; // never retired by IsOutOfArea
    std::int32_t nWord14 = 0;

    std::int32_t nFacing = 0;    // 0 left, 1 right
    std::int32_t nUnitScale = 1; // current unit scale
    std::int32_t bPresent = 0;   // kept by stage play
    std::int32_t bOnScreen = 0;  // kept by stage play
};

// A copy of an object's stage-object part: members copied, containers as containers.
void CopyConstruct(cStageObj& target, const cStageObj& source);
