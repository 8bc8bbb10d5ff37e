#include "play/ShotPatterns.h"

#include "engine/Chara.h"
#include "engine/EngineScene.h"
#include "engine/HeroChara.h"
#include "engine/Motion.h"
#include "graphics/RandRange.h"
#include "play/ShotRecord.h"
#include "project/SystemData.h"

#include <cmath>

namespace {

constexpr double kRad = 0.017453292519943278;
constexpr double kDeg = 57.29577951308232;

enum : std::int32_t {
    kLeft = 2,
    kRight = 3,
    kUp = 6,
    kDown = 7,
    kUpLeft = 8,
    kDownLeft = 9,
    kUpRight = 10,
    kDownRight = 11,
};

std::int32_t Trunc(double v) {
    return static_cast<std::int32_t>(v);
}

bool IsDiagonal(std::int32_t dir) {
    return dir >= kUpLeft && dir <= kDownRight;
}

// The velocity of angle a (degrees) at speed s.
void VelocityOfAngle(double a, double s, SHOTSPAWN& sp) {
    sp.dVX = -std::cos(a * kRad) * s;
    sp.dVY = -std::sin(a * kRad) * s;
}

// An object's rectangle on the screen: left, top, right, bottom, width, height.
struct cScreenRect {
    std::int32_t l, t, r, b, w, h;
};

cScreenRect RectOf(cStageObj& o) {
    o.UpdateScreenRect();
    return {o.nScrLeft, o.nScrTop, o.nScrRight, o.nScrBottom, o.nScrWidth, o.nScrHeight};
}

// What every pattern routine works with.
struct cPatternRun {
    cChara& user;
    const cEdShot& rec;
    SHOTSPAWN& sp;
    cSpawnSink& sink;
    cScreenRect u;
    double sx, sy; // the scroll position

    std::int32_t Count() const { return shot_record::Count(rec); }
    std::int32_t Gap() const { return shot_record::Spacing(rec) * 16; }
    bool Aimed() const { return shot_record::Aimed(rec); }
    bool Straight() const { return sp.nAngle == 0 && !Aimed(); }
    double AimFrom(double x, double y) const { return GetAimAngle(x, y, user, rec); }
    // The base angle of the pattern from its reference point.
    double BaseAngle(double x, double y) const {
        return (Aimed() ? AimFrom(x, y) : DirectionAngle(sp.nDir)) + sp.nAngle;
    }
    // The base angle aimed from the centre of the first object.
    double BaseAngleFromStart() const {
        return BaseAngle(sp.nStartX + sp.nWidth / 2.0, sp.nStartY + sp.nHeight / 2.0);
    }
    void AddOffsets() {
        sp.nStartX += sp.nOffsetX;
        sp.nStartY += sp.nOffsetY;
    }
    // The objects of a row or column, one step apart.
    void SpawnLine() {
        sp.nX = sp.nStartX;
        sp.nY = sp.nStartY;
        for (std::int32_t i = 0; i < Count(); ++i) {
            sink.Spawn(sp);
            sp.nX += sp.nStepX;
            sp.nY += sp.nStepY;
        }
    }
};

// The start point beside the user on the side of the direction, before the offsets.
void FanStart(const cPatternRun& p, std::int32_t dir, std::int32_t& x, std::int32_t& y) {
    const cScreenRect& u = p.u;
    const std::int32_t w = p.sp.nWidth, h = p.sp.nHeight;
    const std::int32_t sx = Trunc(p.sx), sy = Trunc(p.sy);
    const std::int32_t cx = sx + u.l + u.w / 2, cy = sy + u.t + u.h / 2;
    const double leftX = cx - (u.w / 2 + w / 2 - 1) * kInvSqrt2 - w / 2;
    const double rightX = cx + (u.w - u.w / 2 + w / 2) * kInvSqrt2 - w / 2;
    const double upY = cy - (u.h / 2 + h / 2) * kInvSqrt2 - h / 2;
    const double downY = cy + (u.h - u.h / 2 + h / 2) * kInvSqrt2 - h / 2;
    switch (dir) {
    case kLeft:
        x = sx + u.l + 1 - w, y = cy - h / 2;
        break;
    case kRight:
        x = sx + u.r + 1, y = cy - h / 2;
        break;
    case kUp:
        x = cx - w / 2, y = sy + u.t - h;
        break;
    case kDown:
        x = cx - w / 2, y = sy + u.b + 1;
        break;
    case kUpLeft:
        x = Trunc(leftX), y = Trunc(upY);
        break;
    case kDownLeft:
        x = Trunc(leftX), y = Trunc(downY);
        break;
    case kUpRight:
        x = Trunc(rightX), y = Trunc(upY);
        break;
    case kDownRight:
        x = Trunc(rightX), y = Trunc(downY);
        break;
    default:
        break;
    }
}

void PlaceFanStraight(cPatternRun& p) {
    FanStart(p, p.sp.nDir, p.sp.nStartX, p.sp.nStartY);
}

// The first object just outside the user in the direction of angle a.
void PlaceByAngle(cPatternRun& p, double a) {
    const cScreenRect& u = p.u;
    const std::int32_t w = p.sp.nWidth, h = p.sp.nHeight;
    const double dx = (w / 2 + (u.r - u.l) - u.w / 2 + 1) * kInvSqrt2;
    const double dy = (h / 2 + (u.b - u.t) - u.h / 2 + 1) * kInvSqrt2;
    const double t = (a + 225) * kRad;
    p.sp.nStartX = Trunc(u.l + u.w / 2 + p.sx + std::sin(t) * dy + std::cos(t) * dx - w / 2);
    p.sp.nStartY = Trunc(u.t + u.h / 2 + p.sy + std::sin(t) * dx - std::cos(t) * dy - h / 2);
}

void PlaceRowStraight(cPatternRun& p) {
    SHOTSPAWN& sp = p.sp;
    const cScreenRect& u = p.u;
    const std::int32_t n = p.Count(), g = p.Gap(), w = sp.nWidth, h = sp.nHeight;
    const double s = sp.dSpeed, k = kInvSqrt2;
    const double cx = u.l + u.w / 2 + p.sx, cy = u.t + u.h / 2 + p.sy;
    const std::int32_t acrossY = Trunc(cy - (n - 1) * g / 2 - (h / 2) * n);
    const std::int32_t acrossX = Trunc(cx - (n - 1) * g / 2 - (w / 2) * n);
    std::int32_t tx = 0, ty = 0;
    if (IsDiagonal(sp.nDir)) FanStart(p, sp.nDir, tx, ty);
    const double diagX = tx - (n - 1) * (w / 2 + g / 2) * k;
    const double upY = ty + (n - 1) * (h / 2 + g / 2) * k, downY = ty - (n - 1) * (h / 2 + g / 2) * k;
    const std::int32_t stepW = Trunc((w + g) * k), stepH = Trunc((h + g) * k);
    switch (sp.nDir) {
    case kLeft:
    case kRight:
        sp.nStartX = Trunc(sp.nDir == kLeft ? u.l + p.sx + 1 - w : u.r + p.sx + 1);
        sp.nStartY = acrossY;
        sp.nStepX = 0, sp.nStepY = h + g;
        sp.dVX = sp.nDir == kLeft ? -s : s, sp.dVY = 0;
        break;
    case kUp:
    case kDown:
        sp.nStartX = acrossX;
        sp.nStartY = Trunc(sp.nDir == kUp ? u.t + p.sy - h : u.b + p.sy + 1);
        sp.nStepX = w + g, sp.nStepY = 0;
        sp.dVX = 0, sp.dVY = sp.nDir == kUp ? -s : s;
        break;
    case kUpLeft:
        sp.nStartX = Trunc(diagX), sp.nStartY = Trunc(upY);
        sp.nStepX = stepW, sp.nStepY = -stepH;
        sp.dVX = -s * k, sp.dVY = -s * k;
        break;
    case kDownLeft:
        sp.nStartX = Trunc(diagX), sp.nStartY = Trunc(downY);
        sp.nStepX = stepW, sp.nStepY = stepH;
        sp.dVX = -s * k, sp.dVY = s * k;
        break;
    case kUpRight:
        sp.nStartX = Trunc(diagX), sp.nStartY = Trunc(downY);
        sp.nStepX = stepW, sp.nStepY = stepH;
        sp.dVX = s * k, sp.dVY = -s * k;
        break;
    case kDownRight:
        sp.nStartX = Trunc(diagX), sp.nStartY = Trunc(upY);
        sp.nStepX = stepW, sp.nStepY = -stepH;
        sp.dVX = s * k, sp.dVY = s * k;
        break;
    default:
        break;
    }
    p.AddOffsets();
}

void PlaceRowAngled(cPatternRun& p) {
    SHOTSPAWN& sp = p.sp;
    if (!shot_record::FreeStart(p.rec)) {
        PlaceRowStraight(p);
        VelocityOfAngle(p.BaseAngleFromStart(), sp.dSpeed, sp);
        return;
    }
    const double ux = p.u.l + p.u.w / 2 + p.sx, uy = p.u.t + p.u.h / 2 + p.sy;
    double a = p.BaseAngle(ux, uy);
    PlaceByAngle(p, a);
    if (p.Aimed()) a = p.BaseAngleFromStart();
    const std::int32_t n = p.Count(), g = p.Gap(), w = sp.nWidth, h = sp.nHeight;
    const double c = std::cos(a * kRad), s = std::sin(a * kRad);
    const bool opposite = (s < 0) != (c < 0);
    const double sign = opposite ? 1 : -1;
    sp.nStartX += Trunc(sign * (w / 2 + g / 2) * (n - 1) * s);
    sp.nStepX = Trunc(-sign * (w + g) * s);
    sp.nStartY -= Trunc(sign * (g / 2 + h / 2) * (n - 1) * c);
    sp.nStepY = Trunc(sign * (h + g) * c);
    p.AddOffsets();
    VelocityOfAngle(a, sp.dSpeed, sp);
}

void PatternRow(cPatternRun& p) {
    if (p.Straight())
        PlaceRowStraight(p);
    else
        PlaceRowAngled(p);
    p.SpawnLine();
}

void PlaceColumnStraight(cPatternRun& p) {
    SHOTSPAWN& sp = p.sp;
    const cScreenRect& u = p.u;
    const std::int32_t dir = sp.nDir;
    const bool vertical = dir == kUp || dir == kDown;
    const bool left = dir == kLeft || dir == kUpLeft || dir == kDownLeft || (vertical && p.user.nFacing == 0);
    sp.nStartX = Trunc(left ? u.l + p.sx + 1 - sp.nWidth : u.r + p.sx + 1);
    sp.nStartY = Trunc(u.b + p.sy - sp.nHeight + 1);
    sp.nStepX = 0;
    sp.nStepY = -(sp.nHeight + p.Gap());
    const double s = sp.dSpeed, d = s * kInvSqrt2;
    switch (dir) {
    case kLeft:
        sp.dVX = -s, sp.dVY = 0;
        break;
    case kRight:
        sp.dVX = s, sp.dVY = 0;
        break;
    case kUp:
        sp.dVX = 0, sp.dVY = -s;
        break;
    case kDown:
        sp.dVX = 0, sp.dVY = s;
        break;
    case kUpLeft:
        sp.dVX = -d, sp.dVY = -d;
        break;
    case kDownLeft:
        sp.dVX = -d, sp.dVY = d;
        break;
    case kUpRight:
        sp.dVX = d, sp.dVY = -d;
        break;
    case kDownRight:
        sp.dVX = d, sp.dVY = d;
        break;
    default:
        break;
    }
    p.AddOffsets();
}

void PatternColumn(cPatternRun& p) {
    PlaceColumnStraight(p);
    if (!p.Straight()) VelocityOfAngle(p.BaseAngleFromStart(), p.sp.dSpeed, p.sp);
    p.SpawnLine();
}

void PatternFan(cPatternRun& p) {
    SHOTSPAWN& sp = p.sp;
    if (p.Straight() || !shot_record::FreeStart(p.rec)) {
        PlaceFanStraight(p);
    } else {
        const double ux = p.u.l + p.u.w / 2 + p.sx + sp.nOffsetX, uy = p.u.t + p.u.h / 2 + p.sy + sp.nOffsetY;
        PlaceByAngle(p, p.BaseAngle(ux, uy));
    }
    p.AddOffsets();
    const std::int32_t n = p.Count();
    const double d = shot_record::Spacing(p.rec);
    const double base = p.BaseAngleFromStart();
    double angle = n % 2 == 0 ? base - (n / 2 - 0.5) * d : base - (n / 2) * d;
    sp.nX = sp.nStartX;
    sp.nY = sp.nStartY;
    for (std::int32_t i = 0; i < n; ++i) {
        VelocityOfAngle(angle, sp.dSpeed, sp);
        p.sink.Spawn(sp);
        angle += d;
    }
}

// The origin object of the sweeping and converging patterns, or none.
cStageObj* OriginObject(const cPatternRun& p) {
    switch (shot_record::Origin(p.rec)) {
    case 0:
        return p.user.TargetAt(shot_record::TargetSlot(p.rec));
    case 1: {
        const cVector<cHeroChara*>& heroes = Scene().HeroList;
        return heroes.empty() ? nullptr : heroes.front();
    }
    case 2:
        return &p.user;
    default:
        return nullptr; // no origin: nothing can be placed
    }
}

void PlaceGridStraight(cPatternRun& p, cStageObj& origin) {
    SHOTSPAWN& sp = p.sp;
    const cScreenRect o = RectOf(origin);
    const std::int32_t ox = o.l + o.w / 2, oy = o.t + o.h / 2;
    const std::int32_t w = sp.nWidth, h = sp.nHeight;
    const std::int32_t g = SystemData.bShotSwitch ? 0 : p.Gap();
    const std::int32_t pitch = shot_record::SecondSpacing(p.rec) * 16;
    const std::int32_t n = shot_record::InnerCount(p.rec);
    const double k = kInvSqrt2, SX = p.sx, SY = p.sy, s = sp.dSpeed;
    auto set = [&](double x, double y, std::int32_t stepX, std::int32_t stepY, double vx, double vy,
                   std::int32_t rowX, std::int32_t rowY) {
        sp.nStartX = Trunc(x), sp.nStartY = Trunc(y);
        sp.nStepX = stepX, sp.nStepY = stepY;
        sp.dVX = vx, sp.dVY = vy;
        sp.nRowStepX = rowX, sp.nRowStepY = rowY;
    };
    const std::int32_t dW = Trunc((w + g) * k), dH = Trunc((h + g) * k), dP = Trunc(pitch * k);
    switch (sp.nDir) {
    case kLeft:
        set(SX + 640 - w, SY + oy - h / 2, -(w + g), 0, -s, 0, 0, pitch);
        break;
    case kRight:
        set(SX, SY + oy - h / 2, w + g, 0, s, 0, 0, pitch);
        break;
    case kUp:
        set(SX + ox - w / 2, SY + 480 - h, 0, -(h + g), 0, -s, pitch, 0);
        break;
    case kDown:
        set(SX + ox - w / 2, SY, 0, h + g, 0, s, pitch, 0);
        break;
    case kUpLeft: {
        const std::int32_t a = 640 - ox, b = 480 - oy;
        if (a < b)
            set(SX + 640 - w, SY + oy + a - h, -dW, -dH, -s * k, -s * k, dP, -dP);
        else
            set(SX + ox + b - w, SY + 480 - h, -dW, -dH, -s * k, -s * k, dP, -dP);
        break;
    }
    case kDownLeft: {
        const std::int32_t a = 640 - ox, b = oy;
        if (a < b)
            set(SX + 640 - w, SY + oy - a, -dW, dH, -s * k, s * k, dP, dP);
        else
            set(SX + ox + b - w, SY, -dW, dH, -s * k, s * k, dP, dP);
        break;
    }
    case kUpRight: {
        const std::int32_t a = ox, b = 480 - oy;
        if (a < b)
            set(SX, SY + oy + a - h, dW, -dH, s * k, -s * k, dP, dP);
        else
            set(SX + ox - b, SY + 480 - h, dW, -dH, s * k, -s * k, dP, dP);
        break;
    }
    case kDownRight: {
        const std::int32_t a = ox, b = oy;
        if (a < b)
            set(SX, SY + oy - a, dW, dH, s * k, s * k, dP, -dP);
        else
            set(SX + ox - b, SY, dW, dH, s * k, s * k, dP, -dP);
        break;
    }
    default:
        break;
    }
    if (n >= 2) {
        const std::int32_t q = ((n - 1) / 2) * pitch + (n % 2 == 0 ? pitch / 2 : 0);
        const std::int32_t d = Trunc(q * k);
        switch (sp.nDir) {
        case kLeft:
        case kRight:
            sp.nStartY -= q;
            break;
        case kUp:
        case kDown:
            sp.nStartX -= q;
            break;
        case kUpLeft:
        case kDownRight:
            sp.nStartX -= d, sp.nStartY += d;
            break;
        case kDownLeft:
        case kUpRight:
            sp.nStartX -= d, sp.nStartY -= d;
            break;
        default:
            break;
        }
    }
    p.AddOffsets();
}

void PatternFromObject(cPatternRun& p) {
    cStageObj* origin = OriginObject(p);
    if (!origin) return;
    SHOTSPAWN& sp = p.sp;
    PlaceGridStraight(p, *origin);
    // An angle offset turns only the velocity; the grid keeps its direction.
    if (sp.nAngle != 0) VelocityOfAngle(DirectionAngle(sp.nDir) + sp.nAngle, sp.dSpeed, sp);
    sp.nX = sp.nStartX;
    sp.nY = sp.nStartY;
    const std::int32_t inner = shot_record::InnerCount(p.rec);
    for (std::int32_t c = 0; c < p.Count(); ++c) {
        SHOTSPAWN column = sp;
        for (std::int32_t i = 0; i < inner; ++i) {
            p.sink.Spawn(column);
            column.nX += column.nRowStepX;
            column.nY += column.nRowStepY;
        }
        sp.nX += sp.nStepX;
        sp.nY += sp.nStepY;
    }
}

void PatternRing(cPatternRun& p) {
    SHOTSPAWN& sp = p.sp;
    const std::int32_t n = p.Count();
    if (n <= 0) return;
    sp.nX = sp.nStartX = Trunc(p.u.l + p.u.w / 2 + p.sx - sp.nWidth / 2) + sp.nOffsetX;
    sp.nY = sp.nStartY = Trunc(p.u.t + p.u.h / 2 + p.sy - sp.nHeight / 2) + sp.nOffsetY;
    double angle = DirectionAngle(sp.nDir) + sp.nAngle;
    const double step = 360.0 / n;
    for (std::int32_t i = 0; i < n; ++i) {
        VelocityOfAngle(angle, sp.dSpeed, sp);
        p.sink.Spawn(sp);
        angle += step;
    }
}

void PatternConvergingRing(cPatternRun& p) {
    cStageObj* origin = OriginObject(p);
    const std::int32_t n = p.Count();
    if (!origin || n <= 0) return;
    SHOTSPAWN& sp = p.sp;
    const cScreenRect o = RectOf(*origin);
    const std::int32_t cx = Trunc(o.l + o.w / 2 + p.sx - sp.nWidth / 2) + sp.nOffsetX;
    const std::int32_t cy = Trunc(o.t + o.h / 2 + p.sy - sp.nHeight / 2) + sp.nOffsetY;
    const double r = shot_record::Spacing(p.rec) * 16.0;
    double angle = DirectionAngle(sp.nDir) + sp.nAngle;
    const double step = 360.0 / n;
    for (std::int32_t i = 0; i < n; ++i) {
        const double c = std::cos(angle * kRad), s = std::sin(angle * kRad);
        sp.nX = cx + Trunc(c * r + 0.5);
        sp.nY = cy + Trunc(s * r + 0.5);
        VelocityOfAngle(angle, sp.dSpeed, sp);
        p.sink.Spawn(sp);
        angle += step;
    }
}

using PatternFn = void (*)(cPatternRun&);
constexpr PatternFn kShotPatternTable[] = {PatternRow,        PatternColumn, PatternFan,
                                           PatternFromObject, PatternRing,   PatternConvergingRing};

// Runs the record's pattern once; a pattern outside the table lays out nothing.
void RunPattern(cChara& user, const cEdShot& rec, SHOTSPAWN& sp, cSpawnSink& sink) {
    const std::int32_t pattern = shot_record::Pattern(rec);
    if (pattern < 0 || pattern >= static_cast<std::int32_t>(std::size(kShotPatternTable))) return;
    const cSceneState& s = Scene();
    cPatternRun run{user, rec, sp, sink, RectOf(user), s.ScrollX.dPos, s.ScrollY.dPos};
    kShotPatternTable[pattern](run);
}

void SetVolleyOffsets(const cChara& user, const cEdShot& rec, SHOTSPAWN& sp) {
    sp.nOffsetX = Trunc(rec.GetOffsetX(sp.sVolley, user.nFacing));
    sp.nOffsetY = Trunc(rec.GetOffsetY(sp.sVolley, user.nFacing));
}

// The angle of a volley with the mirror and random rules.
std::int32_t VolleyAngle(const cChara& user, const cEdShot& rec, std::int32_t angle) {
    if (rec.bMirrorAngle && user.nFacing == 1) angle = 360 - angle;
    if (rec.sSpread != 0) angle += RandRange(-rec.sSpread, rec.sSpread);
    return angle;
}

} // namespace

std::int32_t DirectionIndex(std::int32_t code, const cChara& user) {
    const bool right = user.nFacing == 1;
    switch (code) {
    case 0:
        return right ? kRight : kLeft;
    case 1:
        return right ? kLeft : kRight;
    case 4:
        return right ? kDown : kUp;
    case 5:
        return right ? kUp : kDown;
    case 12: {
        // Toward the player's character: ahead when it stands level with the user.
        const cVector<cHeroChara*>& heroes = Scene().HeroList;
        const cChara* hero = heroes.empty() ? nullptr : heroes.front();
        if (hero && hero != &user) {
            const double hx = hero->dX + hero->nWidth / 2.0, ux = user.dX + user.nWidth / 2.0;
            if (hx < ux) return kLeft;
            if (hx > ux) return kRight;
        }
        return right ? kRight : kLeft;
    }
    case kLeft:
    case kRight:
    case kUp:
    case kDown:
    case kUpLeft:
    case kDownLeft:
    case kUpRight:
    case kDownRight:
        return code;
    default:
        return -1;
    }
}

std::int32_t DirectionAngle(std::int32_t index) {
    static constexpr std::int32_t kAngles[12] = {0, 0, 0, 180, 0, 0, 90, 270, 45, 315, 135, 225};
    return index >= 0 && index < 12 ? kAngles[index] : 0;
}

std::int32_t GetAimAngle(double x, double y, const cChara& user, const cEdShot& record) {
    cChara* target = user.TargetAt(shot_record::TargetSlot(record));
    if (!target) return user.nFacing == 0 ? 0 : 180;
    const cScreenRect t = RectOf(*target);
    const cSceneState& s = Scene();
    const double tx = t.l + t.w / 2.0 + s.ScrollX.dPos, ty = t.t + t.h / 2.0 + s.ScrollY.dPos;
    return Trunc(std::atan2(ty - y, tx - x) * kDeg + 180 + 0.5);
}

void FireVolleys(cChara& user, const cEdShot& rec, cSpawnSink& sink) {
    SHOTSPAWN sp;
    sp.nWidth = sp.nHeight = shot_record::Scale(rec) * 16;
    sp.nDir = DirectionIndex(shot_record::DirCode(rec), user);
    if (sp.nDir < 0) return;
    sp.nAngle = VolleyAngle(user, rec, rec.sAngleOfs);
    sp.dSpeed = rec.sSpeed / 10.0;
    const double speedStep = rec.sSpeedAdd / 10.0;
    sp.nValueA = rec.sRange;
    sp.nValueB = rec.sLife;
    const std::int32_t volleys = shot_record::Volleys(rec);
    for (std::int32_t v = 0; v < volleys; ++v) {
        sp.sVolley = static_cast<std::int16_t>(v);
        SetVolleyOffsets(user, rec, sp);
        RunPattern(user, rec, sp, sink);
        sp.dSpeed += speedStep;
        sp.nAngle = VolleyAngle(user, rec, rec.sAngleOfsAdd * (v + 1) + rec.sAngleOfs);
        sp.nValueA += rec.sRangeAdd;
        sp.nValueB += rec.sLifeAdd;
    }
}

void FireSummon(cChara& user, const cEdShot& rec, std::int32_t width, std::int32_t height, cSpawnSink& sink) {
    SHOTSPAWN sp;
    sp.nWidth = width;
    sp.nHeight = height;
    sp.nDir = DirectionIndex(shot_record::DirCode(rec), user);
    if (sp.nDir < 0) return;
    sp.dSpeed = 1.0;
    sp.sVolley = 0;
    SetVolleyOffsets(user, rec, sp);
    RunPattern(user, rec, sp, sink);
}
