#include "play/MessageWindow.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/Search.h"
#include "play/MessageText.h"
#include "project/PlayData.h"

namespace {

std::int32_t Trunc(double v) {
    return static_cast<std::int32_t>(v);
}

} // namespace

void MeasureMessage(cMessageWindow& w, const cMessageFont& font) {
    if (w.nKind != MSG_TEXT) {
        w.nWidth = w.nHeight = 16;
        return;
    }
    w.strText = w.bEmbed ? ReplaceVariableCodes(w.strTemplate, PlayData.CommonVars, Scene().StageVars)
                         : w.strTemplate;
    MeasureTextBlock(
        w.strText, font.LineHeight(), [&font](const std::string& line) { return font.LineWidth(line); },
        w.nWidth, w.nHeight);
}

cMessageWindow TextMessage(const cMessageArgs& a, const cMessageFont& font) {
    cMessageWindow w;
    w.nKind = MSG_TEXT;
    w.strTemplate = a.strText;
    w.bEmbed = a.bControlCodes;
    w.bRefresh = a.bRefresh;
    w.nRefreshInterval = a.nRefreshInterval;
    w.nStyle = a.bBox;
    w.nAnchor = a.nPlace;
    w.nCellX = a.nX, w.nCellY = a.nY;
    w.nOffsetX = a.nOffsetX, w.nOffsetY = a.nOffsetY;
    w.bClamp = a.bKeepOnScreen;
    w.bStay = a.bFixed;
    w.nDisplay = a.nTimeMode;
    w.nTime = a.nFrames;
    // A window that holds the game runs its time while the game is held.
    w.bCountWhileHeld = a.bStop;
    w.nAnchorChara = a.nAnchor;
    w.bIdSwitch = a.bIdSwitch, w.nId = a.nId;
    // A window that follows on an earlier one shows at once.
    w.bOpening = w.nDisplay == 0 && !a.bContinues ? 1 : 0;
    MeasureMessage(w, font);
    return w;
}

int PlaceMessage(cMessageWindow& w, const cSceneState& s) {
    const std::int32_t mw = w.nWidth, mh = w.nHeight;
    const double sx = s.ScrollX.dPos, sy = s.ScrollY.dPos;
    std::int32_t x = w.nX, y = w.nY;
    const bool onChara = w.nAnchor >= 1 && w.nAnchor <= 6;
    if (onChara && w.bStay && w.bPlaced) {
        x = w.nKeptX, y = w.nKeptY;
    } else if (onChara) {
        cChara* c = FindCharaById(w.nAnchorChara);
        if (!c) {
            if (w.nKind == MSG_TEXT) return 1;
            // A graphic stays where it was last shown.
            return 0;
        }
        c->UpdateScreenRect();
        const std::int32_t cx = c->nScrLeft + c->nScrWidth / 2;
        x = cx - mw / 2 + w.nOffsetX;
        switch ((w.nAnchor - 1) % 3) {
        case 0:
            y = c->nScrTop - mh + w.nOffsetY;
            break;
        case 1:
            y = c->nScrBottom + 1 + w.nOffsetY;
            break;
        default:
            y = c->nScrTop + c->nScrHeight / 2 - mh / 2 + w.nOffsetY;
            break;
        }
        if (w.bStay) {
            w.bPlaced = 1;
            w.nKeptX = x, w.nKeptY = y;
        }
    } else if (w.nAnchor == 8) {
        x = Trunc((static_cast<double>(s.nViewCol) + w.nCellX) * 32 + w.nOffsetX - sx);
        y = Trunc((static_cast<double>(s.nViewRow) + w.nCellY) * 32 + w.nOffsetY - sy);
    } else {
        if (w.nAnchor == 7) {
            x = w.nCellX * 32 + w.nOffsetX;
            y = w.nCellY * 32 + w.nOffsetY;
        } else {
            x = 320 - mw / 2 + w.nOffsetX;
            y = 240 - mh / 2 + w.nOffsetY;
        }
        // Without stay the window is pinned to the map where it first showed.
        if (!w.bStay) {
            if (!w.bPlaced) {
                w.bPlaced = 1;
                w.nKeptX = Trunc(x + sx + 0.5);
                w.nKeptY = Trunc(y + sy + 0.5);
            }
            x = Trunc(w.nKeptX - (sx - 0.5));
            y = Trunc(w.nKeptY - (sy - 0.5));
        }
    }
    if (w.bClamp) {
        if (x < 0) x = 0;
        if (x + mw > 638) x = 640 - mw;
        if (y < 20) y = 20;
        if (y + mh > 478) y = 480 - mh;
    }
    w.nX = x, w.nY = y;
    return 0;
}

int TickMessage(cMessageWindow& w, bool held) {
    if (w.nDisplay != 2) return 0;
    if (held && !w.bCountWhileHeld) return 0;
    return --w.nTime < 0 ? 1 : 0;
}

int RefreshMessage(cMessageWindow& w, std::int32_t frameCounter, const cMessageFont& font) {
    if (!w.bRefresh || w.nRefreshInterval <= 0 || w.nKind != MSG_TEXT || !w.bEmbed) return 0;
    if (frameCounter % w.nRefreshInterval != 0) return 0;
    const std::string before = w.strText;
    MeasureMessage(w, font);
    return w.strText != before ? 1 : 0;
}

cMessageRect OpeningRect(const cMessageRect& r, double counter) {
    // Whole numbers times the counter are exact in a double, so only the
    // division rounds and a size that should be whole stays whole.
    cMessageRect out;
    out.w = Trunc(r.w * counter / kMessageOpeningFrames);
    out.h = Trunc(r.h * counter / kMessageOpeningFrames);
    out.x = r.x + (r.w - out.w) / 2;
    out.y = r.y + (r.h - out.h) / 2;
    return out;
}

bool StepOpening(cMessageWindow& w) {
    if (!w.bOpening) return false;
    w.dOpening += 1;
    return w.dOpening < kMessageOpeningFrames;
}
