// The play scene's message windows and effect objects: what the commands and
// the hero's item pickup ask for.
#include "engine/HeroChara.h"
#include "graphics/Font.h"
#include "play/PlayScene.h"

namespace {

// The message font: fixed cells of the second system font.
class cSysMessageFont : public cMessageFont {
public:
    std::int32_t LineWidth(const std::string& line) const override {
        int w = 0, h = 0;
        Font().MeasureText(line.c_str(), &w, &h);
        return line.empty() ? 0 : w;
    }
    std::int32_t LineHeight() const override { return Font().nLinePitch; }
    static cFont& Font() { return SysFont[1]; }
};

const cSysMessageFont kMessageFont;

bool Holds(const cList<cMessageWindow>& list, std::int64_t k) {
    return k >= 0 && static_cast<std::uint64_t>(k) < list.size();
}

} // namespace

const cMessageFont& MessageFont() {
    return kMessageFont;
}

std::int64_t cPlayScene::FindMessage(std::int32_t id) {
    std::int64_t i = 0;
    for (const cMessageWindow& w : Messages) {
        if (w.bIdSwitch && w.nId == id) return i;
        ++i;
    }
    return -1;
}

int cPlayScene::MessageFits(std::int64_t k, const std::string& text, std::int32_t controlCodes) {
    if (!Holds(Messages, k)) return 0;
    const cMessageWindow& old = *Messages.IterAt(k);
    cMessageWindow probe;
    probe.strTemplate = text;
    probe.bEmbed = controlCodes;
    MeasureMessage(probe, MessageFont());
    return probe.nWidth == old.nWidth && probe.nHeight == old.nHeight ? 1 : 0;
}

std::int64_t cPlayScene::PutMessage(const cMessageArgs& args, std::int64_t k, int reuse) {
    cMessageWindow w = TextMessage(args, MessageFont());
    if (reuse && Holds(Messages, k)) {
        *Messages.IterAt(k) = std::move(w);
        return k;
    }
    if (!Holds(Messages, k)) {
        Messages.push_back(std::move(w));
        return static_cast<std::int64_t>(Messages.size()) - 1;
    }
    Messages.insert(Messages.IterAt(k), std::move(w));
    return k;
}

void cPlayScene::EraseMessageAt(std::int64_t n) {
    if (Holds(Messages, n)) Messages.erase(Messages.IterAt(n));
}

void cPlayScene::ShowItemMessage(const cEdItem& item, std::int32_t messageNumber) {
    cMessageWindow w;
    w.nKind = MSG_GRAPHIC;
    w.nGraphicKind = item.GraphicKind;
    w.nGraphicIndex = item.GraphicIndex;
    w.nGraphicSub = messageNumber;
    w.nAnchor = item.MessagePlace;
    if (cHeroChara* hero = Hero()) w.nAnchorChara = hero->nId;
    w.nDisplay = item.MessageTimeMode;
    w.nTime = item.MessageTime * 6;
    MeasureMessage(w, MessageFont());
    Messages.push_back(std::move(w));
}

void cPlayScene::StartHitEffect(std::int32_t effect, const cRectD& a, const cRectD& b, std::int32_t count) {
    ::StartHitEffect(Effects.emplace_back(), effect, a, b, count);
}

void cPlayScene::AddEffect(const cEffectPlacement& effect) {
    SetupEffectAt(Effects.emplace_back(), effect);
}

void cPlayScene::ClearEffects() {
    Effects.clear();
}
