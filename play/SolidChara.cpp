#include "play/SolidChara.h"

#include "engine/EngineScene.h"
#include "engine/NpcChara.h"
#include "foundation/ErrorLog.h"
#include "play/BlockContacts.h"
#include "play/BlockGrid.h"
#include "play/PlaySettings.h"

#include <algorithm>
#include <optional>

namespace {

bool IsSolidOther(const cNpcChara& s, std::int32_t ownSerial) {
    return s.Def.BlockChara != 0 && s.bPresent && !s.bDying && s.nId != ownSerial;
}

bool Meets(const cRectD& a, const cRectD& b) {
    return a.IsOverlap(b);
}

double DepthX(const cRectD& a, const cRectD& s) {
    if (!Meets(a, s)) return 0;
    return a.right >= s.left && s.left > a.left ? a.right - s.left + 1.0 : s.right - a.left + 1.0;
}

double DepthY(const cRectD& a, const cRectD& s) {
    if (!Meets(a, s)) return 0;
    return a.bottom >= s.top && s.top > a.top ? a.bottom - s.top + 1.0 : s.bottom - a.top + 1.0;
}

// A corner cell of the block rectangle is solid for the object's group.
bool CornersSolid(const cStageObj& o, std::int32_t colL, std::int32_t rowT, std::int32_t colR,
                  std::int32_t rowB) {
    for (std::int32_t row : {rowT, rowB})
        for (std::int32_t col : {colL, colR})
            if (BlockGrid.Solidity(BlockGrid.CellOf(col, row), o.nGroup) != 0) return true;
    return false;
}

bool CornersSolid(const cStageObj& o) {
    return CornersSolid(o, o.nBlockLeft, o.nBlockTop, o.nBlockRight, o.nBlockBottom);
}

std::int32_t BlockOf(double v) {
    return static_cast<std::int32_t>(v) >> 5;
}

cNpcChara* FindBySerial(cList<cNpcChara>& list, std::int32_t serial) {
    for (cNpcChara& s : list)
        if (s.nId == serial) return &s;
    return nullptr;
}

// The solid characters of `list` in list order, through the index when one
// lives for it; the first for which `visit` answers true, or none.
template <class Visit> cNpcChara* FindSolid(cList<cNpcChara>& list, Visit visit) {
    if (const cVector<cNpcChara*>* solids = cSolidCharaIndex::SolidsOf(list)) {
        // By place: a visit never adds to the index, but a walk must not
        // trust an iterator across a call it does not control.
        for (std::size_t i = 0; i < solids->size(); ++i)
            if (visit(*(*solids)[i])) return (*solids)[i];
        return nullptr;
    }
    for (cNpcChara& s : list)
        if (s.Def.BlockChara != 0 && visit(s)) return &s;
    return nullptr;
}

template <class Visit> void ForEachSolid(cList<cNpcChara>& list, std::int32_t ownSerial, Visit visit) {
    FindSolid(list, [&](cNpcChara& s) {
        if (IsSolidOther(s, ownSerial)) visit(s);
        return false;
    });
}

// The first solid character meeting `rect`.
cNpcChara* FirstSolidMeeting(cList<cNpcChara>& list, std::int32_t ownSerial, const cRectD& rect) {
    return FindSolid(list,
                     [&](cNpcChara& s) { return IsSolidOther(s, ownSerial) && Meets(rect, PositionOf(s)); });
}

void PutX(cChara& c, double x) {
    c.dX = x;
    c.RecomputeX();
    c.AfterMoveX();
}

void PutY(cChara& c, double y) {
    c.dY = y;
    c.RecomputeY();
    c.AfterMoveY();
}

void HeadBump(cChara& c, double ceilingMove, double top) {
    c.dKnockVY = 0;
    c.bJumping = c.bAirborne = 1;
    c.bJumpStop = 1;
    if (!play_settings::KeepOwnVerticalSpeed()) c.dOwnVY = 0;
    c.dVY = ceilingMove;
    PutY(c, top);
}

// The head bump goes ahead only when the place the character would be
// pushed into is free: its cells there and the other solid characters.
bool HeadBumpPlaceFree(cChara& c, double top, std::int32_t ceilingSerial, cList<cNpcChara>& list) {
    const cRectD moved{c.dX, top, c.dRight, top + c.nHeight - 1};
    if (CornersSolid(c, BlockOf(moved.left), BlockOf(moved.top), BlockOf(moved.right), BlockOf(moved.bottom)))
        return false;
    return !FindSolid(list, [&](cNpcChara& s) {
        return IsSolidOther(s, c.nId) && s.nId != ceilingSerial && Meets(moved, PositionOf(s));
    });
}

void KeepSupport(cChara& c, const cNpcChara& s) {
    c.nFallCount = 0;
    c.bKnockedBack = 0;
    c.nRiddenId = s.nId;
    c.RiddenRect = PositionOf(s);
}

cRectD FootBand(const cChara& c) {
    return {c.dX, c.dBottom, c.dRight, c.dBottom + 5};
}

struct cCandidate {
    std::optional<double> value;
    double move = 0;
    std::int32_t serial = 0;
    // Held when none is held yet or it is nearer by `better`.
    template <class Better> void Offer(double v, double m, std::int32_t s, Better better) {
        if (!value || better(v, *value)) {
            value = v;
            move = m;
            serial = s;
        }
    }
};

const auto Greater = [](double a, double b) { return a > b; };
const auto Less = [](double a, double b) { return a < b; };

// A character that moves as a block (mode 1 or 2) against the solid characters.
int BlockMoverContacts(cChara& c, cList<cNpcChara>& list) {
    const cRectD p = PositionOf(c);
    const double w = c.nWidth, h = c.nHeight;
    cCandidate side[4]; // left, right, top, bottom
    bool touched = false;
    ForEachSolid(list, c.nId, [&](cNpcChara& s) {
        const cRectD r = PositionOf(s);
        if (!Meets(p, r)) return;
        touched = true;
        if (DepthX(p, r) <= DepthY(p, r)) {
            if (Meets({p.left, p.top + 1, p.left, p.bottom - 1}, r)) {
                c.bContact[0] = 1;
                side[0].Offer(r.right + 1.0, s.dVX, s.nId, Greater);
            }
            if (Meets({p.right, p.top + 1, p.right, p.bottom - 1}, r)) {
                c.bContact[1] = 1;
                side[1].Offer(r.left - w, s.dVX, s.nId, Less);
            }
        } else {
            if (Meets({p.left + 1, p.top, p.right - 1, p.top}, r)) {
                c.bContact[2] = 1;
                side[2].Offer(r.bottom + 1.0, s.dVY, s.nId, Greater);
            }
            if (Meets({p.left + 1, p.bottom, p.right - 1, p.bottom}, r)) {
                c.bContact[3] = 1;
                side[3].Offer(r.top - h, s.dVY, s.nId, Less);
            }
        }
    });
    if (touched) c.TriggerFlows(5);
    const bool any = side[0].value || side[1].value || side[2].value || side[3].value;
    if (c.nBlockMode == 2) return any ? 2 : 0;
    for (int i = 0; i < 4; ++i) {
        if (!side[i].value) continue;
        const bool horizontal = i < 2;
        (horizontal ? c.dKnockVX : c.dKnockVY) = 0;
        const double own = horizontal ? c.dVX : c.dVY;
        // The solid character moves away from this side and the character does not follow it.
        const bool away = (i % 2 == 0) ? side[i].move < 0 : side[i].move > 0;
        const bool follows = (i % 2 == 0) ? own < 0 : own > 0;
        if (away && !follows) {
            c.bContact[i] = 0;
            ResolveSolidCharaAxis(c, horizontal ? 1 : 0);
        } else if (horizontal) {
            c.bObjectBump = 1;
            PutX(c, *side[i].value);
        } else {
            PutY(c, *side[i].value);
        }
    }
    return 0;
}

} // namespace

cRectD PositionOf(const cStageObj& obj) {
    return {obj.dX, obj.dY, obj.dRight, obj.dBottom};
}

int SolidCharaContacts(cChara& c, cList<cNpcChara>& list) {
    if (PassesBlocks(c)) return 0;
    if (c.nFlying) return BlockMoverContacts(c, list);

    const cRectD p = PositionOf(c);
    const cRectD q = c.PrevPos;
    const std::int32_t h = c.nHeight, w = c.nWidth;
    const cRectD upper{p.left, p.top, p.right, p.top + h / 2};
    const cRectD foot{p.left + 1, p.bottom - h / 3, p.right - 1, p.bottom};
    const cRectD swept{q.left, p.top, q.right, p.bottom};
    const double subSteps = play_settings::SubStepsDivisor();
    const double a = 2.0 / subSteps, b = 0.4 / subSteps;
    cCandidate land, ceiling, left, right;
    cNpcChara* support = nullptr;
    bool touched = false, landed = false;

    const auto offerLanding = [&](cNpcChara& s, const cRectD& r) {
        if (s.dVY < 0) c.bContact[3] = 1;
        const double top = r.top - h;
        if (!land.value || top < *land.value) {
            land.value = top;
            land.move = s.dVY;
            land.serial = s.nId;
            c.nRiddenId = s.nId;
            c.RiddenRect = r;
            support = &s;
        }
    };
    const auto offerLeft = [&](cNpcChara& s, const cRectD& r) {
        c.bContact[0] = 1;
        left.Offer(r.right + 1.5, s.dVX, s.nId, Greater);
    };
    const auto offerRight = [&](cNpcChara& s, const cRectD& r) {
        c.bContact[1] = 1;
        right.Offer(r.left - w - 0.5, s.dVX, s.nId, Less);
    };

    ForEachSolid(list, c.nId, [&](cNpcChara& s) {
        const cRectD r = PositionOf(s);
        if (!Meets(p, r)) return;
        touched = true;
        const cRectD& sPrev = s.PrevPos;
        if (Meets(upper, r)) {
            if (c.dVY > a && Meets(swept, sPrev) && q.top < sPrev.top) {
                // Fell so fast that its upper half already reaches the platform.
                ErrorLogPrintf("D Hit");
                offerLanding(s, r);
            } else if ((DepthX(upper, r) - DepthY(upper, r) > b && p.bottom > r.bottom) ||
                       (Meets(swept, sPrev) && q.top > sPrev.top && !Meets(q, r))) {
                if (s.dVY > 0) c.bContact[2] = 1;
                ceiling.Offer(r.bottom + 1.0, s.dVY, s.nId, Greater);
                if (c.bOnObject && c.dVY < 0) c.bContact[3] = 1;
            } else {
                const cRectD leftEdge{p.left, p.top, p.left, upper.bottom};
                const cRectD rightEdge{p.right, p.top, p.right, upper.bottom};
                if (c.dVX < 0) {
                    if (Meets(leftEdge, r))
                        offerLeft(s, r);
                    else if (Meets(rightEdge, r))
                        offerRight(s, r);
                } else {
                    if (Meets(rightEdge, r))
                        offerRight(s, r);
                    else if (Meets(leftEdge, r))
                        offerLeft(s, r);
                }
            }
        } else if (DepthY(p, r) > DepthX(p, r)) {
            if (Meets({p.right, p.top, p.right, p.bottom}, r)) offerRight(s, r);
            if (Meets({p.left, p.top, p.left, p.bottom}, r)) offerLeft(s, r);
        } else if (Meets(foot, r)) {
            offerLanding(s, r);
        }
    });

    bool sidesDone = false;
    if (ceiling.value && !land.value) {
        // A rising ceiling pushes the character down only into a free place.
        const bool go = ceiling.move >= 0 || HeadBumpPlaceFree(c, *ceiling.value, ceiling.serial, list);
        if (go) {
            HeadBump(c, ceiling.move, *ceiling.value);
            RecheckBlockVertical(c);
        }
    } else if (left.value && right.value) {
        if (!land.value) {
            if (cNpcChara* s = FirstSolidMeeting(list, c.nId, upper)) HeadBump(c, s->dVY, s->dBottom + 1.0);
            c.bContact[0] = c.bContact[1] = 0;
            left.value.reset();
            right.value.reset();
            sidesDone = true;
        }
    } else if (land.value) {
        if (land.move > 0 && CornersSolid(c)) {
            // Sinking would pull the rider into the map.
            c.bOnObject = 0;
        } else {
            c.dKnockVY = 0;
            landed = true;
            if (!c.bOnObject) {
                c.bOnObject = 1;
                if (support) {
                    if (c.nControl == 0) support->TriggerFlowsFrom(16, &c, 0);
                    support->TriggerFlowsFrom(17, &c, 0);
                }
            }
            PutY(c, *land.value);
            c.dVY = 0;
            c.nFallCount = 0;
            c.bJumping = c.bAirborne = 0;
            c.bOffGround = 0;
            c.bKnockedBack = 0;
            if (c.nControl == 1)
                c.bJumpStop = 0;
            else
                c.bMarkerFloor = 0;
        }
    }

    if (!sidesDone) {
        for (cCandidate* side : {&left, &right}) {
            if (!side->value) continue;
            c.dKnockVX = 0;
            if (side->serial != c.nRiddenId || !c.bOnObject) c.bObjectBump = 1;
            PutX(c, *side->value);
        }
        if (left.value && right.value && !land.value) {
            PutX(c, p.left);
            if (cNpcChara* s = FirstSolidMeeting(list, c.nId, upper)) {
                if (s->dVY > 0) c.bContact[2] = 1;
                HeadBump(c, s->dVY, s->dBottom + 1.0);
                c.bContact[0] = c.bContact[1] = 0;
            }
        }
    }

    // Flows of touching and standing on solid characters.
    if (touched) {
        c.TriggerFlows(5);
        if (c.bOnObject) {
            if (c.nControl == 0) c.bMarkerFloor = 0;
            c.TriggerFlows(6);
        }
    } else if (c.bOnObject) {
        if (c.nControl == 0) c.bMarkerFloor = 0;
        c.TriggerFlows(5);
        c.TriggerFlows(6);
    }

    const int result = (c.bContact[0] && c.bContact[1]) || (c.bContact[2] && c.bContact[3]) ||
                               IsSqueezedBySolidChara(c, PositionOf(c))
                           ? 2
                           : 0;

    // Out of map blocks, at most 1.5 pixels per side, toward the solid character of that side.
    const bool byFlags = play_settings::PushOutByContactFlags();
    const bool sides[4] = {byFlags ? c.bContact[0] != 0 : left.value.has_value(),
                           byFlags ? c.bContact[1] != 0 : right.value.has_value(),
                           byFlags ? c.bContact[2] != 0 : ceiling.value.has_value(),
                           byFlags ? c.bContact[3] != 0 : land.value.has_value()};
    for (int i = 0; i < 4; ++i) {
        if (!sides[i]) continue;
        for (int k = 0; k < 15 && CornersSolid(c); ++k) {
            if (i < 2)
                PutX(c, c.dX + (i == 0 ? -0.1 : 0.1));
            else
                PutY(c, c.dY + (i == 2 ? -0.1 : 0.1));
        }
    }

    if (c.bOnObject && !landed) {
        if (c.dOwnVY < 0) {
            c.LeaveObject(1);
        } else if (IsOnSolidChara(c)) {
            if (cNpcChara* s = FindBySerial(list, c.nRiddenId)) KeepSupport(c, *s);
        } else if (cNpcChara* s = FindSupportingChara(c)) {
            KeepSupport(c, *s);
        } else {
            c.LeaveObject(1);
        }
    }
    return result;
}

void RideSolidChara(cChara& c, cList<cNpcChara>& list) {
    if (c.nFlying) return;
    cNpcChara* s = FindBySerial(list, c.nRiddenId);
    if (!s) return;
    c.dVX += s->dX - c.RiddenRect.left;
    if (s->nFlying || s->bOffGround) c.dVY = s->dY - c.RiddenRect.top;
    if (c.nControl == 0) s->TriggerFlowsFrom(16, &c, 0);
    s->TriggerFlowsFrom(17, &c, 0);
}

bool IsTouchingSolidChara(const cStageObj& obj) {
    return IsOverlapSolidChara(obj, obj.nId);
}

bool IsOverlapSolidChara(const cStageObj& obj, std::int32_t excludedSerial) {
    if (PassesBlocks(obj)) return false;
    const cRectD r = PositionOf(obj);
    return FindSolid(Scene().CharaList, [&](cNpcChara& s) {
        return IsSolidOther(s, obj.nId) && s.nId != excludedSerial && Meets(r, PositionOf(s));
    });
}

bool IsOnSolidChara(const cChara& c) {
    if (PassesBlocks(c)) return false;
    const cRectD band = FootBand(c);
    return FindSolid(Scene().CharaList, [&](cNpcChara& s) {
        return IsSolidOther(s, c.nId) && s.nId == c.nRiddenId && Meets(band, PositionOf(s));
    });
}

bool IsSqueezedBySolidChara(const cChara& c, const cRectD& rect) {
    if (PassesBlocks(c)) return false;
    cRectD own = PositionOf(c), given = rect;
    own.bottom -= 1;
    given.bottom -= 1;
    return FindSolid(Scene().CharaList, [&](cNpcChara& s) {
        if (!IsSolidOther(s, c.nId)) return false;
        const cRectD r = PositionOf(s);
        return Meets(own, r) || Meets(given, r);
    });
}

cNpcChara* FindSupportingChara(const cChara& c) {
    if (PassesBlocks(c)) return nullptr;
    return FirstSolidMeeting(Scene().CharaList, c.nId, FootBand(c));
}

void ResolveSolidCharaAxis(cChara& c, int axis) {
    if (PassesBlocks(c)) return;
    const cRectD p = PositionOf(c);
    std::optional<double> first, second; // top (left), bottom (right)
    std::int32_t firstSerial = 0, secondSerial = 0;
    ForEachSolid(Scene().CharaList, c.nId, [&](cNpcChara& s) {
        const cRectD r = PositionOf(s);
        if (!Meets(p, r)) return;
        if (axis != 0) {
            if (DepthY(p, r) == 0) return;
            if (Meets({p.left + 1, p.top, p.right - 1, p.top}, r)) {
                c.bContact[2] = 1;
                if (!first || r.bottom + 1 > *first) first = r.bottom + 1;
            }
            if (Meets({p.left + 1, p.bottom, p.right - 1, p.bottom}, r)) {
                c.bContact[3] = 1;
                if (!second || r.top - c.nHeight < *second) second = r.top - c.nHeight;
            }
        } else {
            if (DepthX(p, r) == 0) return;
            if (Meets({p.left, p.top + 1, p.left, p.bottom - 1}, r)) {
                c.bContact[0] = 1;
                if (!first || r.right + 1.0 > *first) first = r.right + 1.0, firstSerial = s.nId;
            }
            if (Meets({p.right, p.top + 1, p.right, p.bottom - 1}, r)) {
                c.bContact[1] = 1;
                if (!second || r.left - c.nWidth < *second) second = r.left - c.nWidth, secondSerial = s.nId;
            }
        }
    });
    if (axis != 0) {
        if (first) PutY(c, *first);
        if (second) PutY(c, *second);
        return;
    }
    if (first) {
        if (!(firstSerial == c.nRiddenId && c.bOnObject)) c.bObjectBump = 1;
        PutX(c, *first);
    }
    if (second) {
        if (!(secondSerial == c.nRiddenId && c.bOnObject)) c.bObjectBump = 1;
        PutX(c, *second);
    }
}

namespace {
thread_local cSolidCharaIndex* activeIndex = nullptr;
} // namespace

cSolidCharaIndex::cSolidCharaIndex(cList<cNpcChara>& list) : list_(list), previous_(activeIndex) {
    Update();
    activeIndex = this;
}

cSolidCharaIndex::~cSolidCharaIndex() {
    activeIndex = previous_;
}

void cSolidCharaIndex::Update() {
    const cNpcChara* last = list_.empty() ? nullptr : &list_.back();
    if (list_.size() == seen_ && last == lastSeen_) return;
    solids_.clear();
    for (cNpcChara& c : list_)
        if (c.Def.BlockChara != 0) solids_.push_back(&c);
    seen_ = list_.size();
    lastSeen_ = last;
}

const cVector<cNpcChara*>* cSolidCharaIndex::SolidsOf(const cList<cNpcChara>& list) {
    for (cSolidCharaIndex* i = activeIndex; i; i = i->previous_) {
        if (&i->list_ != &list) continue;
        i->Update();
        return &i->solids_;
    }
    return nullptr;
}
