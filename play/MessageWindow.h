// A message window of stage play: a text, a graphic or the small picture,
// placed on the screen, at a character or at a map cell, shown for a time or
// until its command ends it. Text windows may show the current values of
// variables and refresh them while shown.
#pragma once

#include <cstdint>
#include <string>

struct cMessageArgs;
struct cSceneState;

// The measures of the message font.
class cMessageFont {
public:
    virtual ~cMessageFont() = default;
    virtual std::int32_t LineWidth(const std::string& line) const = 0;
    virtual std::int32_t LineHeight() const = 0;
};

// The font stage play measures and draws message text with.
const cMessageFont& MessageFont();

enum : std::int32_t { MSG_TEXT = 1, MSG_GRAPHIC = 2, MSG_PICTURE = 3 };

struct cMessageWindow {
    std::int32_t nKind = MSG_TEXT;
    std::string strText;     // as shown, codes replaced
    std::string strTemplate; // before replacement, kept for refreshing
    std::int32_t nGraphicKind = 0, nGraphicIndex = 0, nGraphicSub = 0;
    std::int32_t bEmbed = 0, bRefresh = 0, nRefreshInterval = 0;
    std::int32_t nStyle = 0;
    std::int32_t nAnchor = 0; // 0 screen centre, 1-6 a character, 7 a screen cell, 8 a map cell
    std::int32_t nCellX = 0, nCellY = 0;
    std::int32_t nOffsetX = 0, nOffsetY = 0;
    std::int32_t nWidth = 0, nHeight = 0;
    std::int32_t bClamp = 0;
    std::int32_t nDisplay = 0; // 2: shown for nTime frames
    std::int32_t bStay = 0;
    std::int32_t bPlaced = 0, nKeptX = 0, nKeptY = 0;
    std::int32_t bIdSwitch = 0, nId = 0;
    std::int32_t nAnchorChara = 0;
    std::int32_t nTime = 0;
    std::int32_t bCountWhileHeld = 0;
    std::int32_t bOpening = 0;
    double dOpening = 0;
    // Where this frame shows it (screen pixels).
    std::int32_t nX = 0, nY = 0;
};

// Replaces the codes of the template (when the window embeds them) and
// measures the text; graphic and picture windows are 16 x 16.
void MeasureMessage(cMessageWindow& w, const cMessageFont& font);

// A text window from the message command's arguments.
cMessageWindow TextMessage(const cMessageArgs& args, const cMessageFont& font);

// This frame's position; 1 when a text window's character is gone (it ends).
int PlaceMessage(cMessageWindow& w, const cSceneState& scene);

// One frame of a timed window; 1 when its time has run out.
int TickMessage(cMessageWindow& w, bool held);

// A text window that opens grows for its first frames: a boxed one is drawn
// scaled by counter / 10 about its centre, a plain one not at all; from this
// frame on it is drawn whole.
constexpr std::int32_t kMessageOpeningFrames = 10;

struct cMessageRect {
    std::int32_t x = 0, y = 0, w = 0, h = 0;
};

// Where the rectangle `r` is drawn at opening frame `counter` (1 to 9): its
// size times counter / 10 (truncated), with the same centre (rounded toward
// the top-left).
cMessageRect OpeningRect(const cMessageRect& r, double counter);

// One drawn frame of a text window's opening; true while it is still opening
// (the frame is drawn scaled or not at all), false once it is drawn whole.
bool StepOpening(cMessageWindow& w);

// Re-reads the variables of a refreshing text window when the frame counter
// is a multiple of its interval; 1 when its text changed.
int RefreshMessage(cMessageWindow& w, std::int32_t frameCounter, const cMessageFont& font);
