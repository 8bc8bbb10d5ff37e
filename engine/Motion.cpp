#include "engine/Motion.h"

#include "engine/EngineScene.h"
#include "project/Stage.h"
#include "project/SystemData.h"

#include <cmath>
#include <numbers>

namespace {

double WrapPhase(double& phase, double step) {
    const double r = Stage.dSubSteps;
    phase += step;
    if (phase >= r * 360) phase -= r * 360;
    return phase;
}

double Sign(double v) {
    return v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0;
}

} // namespace

double WaveOffsetCos(double a, double period, double& phase, double step, double start) {
    const double r = Stage.dSubSteps;
    const double u = period * kDegree;
    const double v = u * a * std::cos((phase / r + start) * u) / r;
    WrapPhase(phase, step);
    return v;
}

double WaveOffsetSin(double a, double period, double& phase, double step, double start) {
    const double r = Stage.dSubSteps;
    const double u = period * kDegree;
    const double v = -(u * u) * a * std::sin((phase / r + start) * u) / (r * r);
    WrapPhase(phase, step);
    return v;
}

void VelocityToward(double x0, double y0, double x1, double y1, double speed, bool straight,
                    bool followScroll, double& vx, double& vy, std::int32_t& facing) {
    const double dx = x1 - x0, dy = y1 - y0;
    if (!straight && speed < 0) {
        const double s = std::abs(speed) * kInvSqrt2;
        vx = -Sign(dx) * s;
        vy = -Sign(dy) * s;
    } else {
        double d = std::sqrt(dx * dx + dy * dy);
        if (d == 0) d = 1;
        vx = dx / d * speed;
        vy = dy / d * speed;
    }
    facing = vx < 0 ? 1 : vx > 0 ? 2 : 0;
    const cSceneState& s = Scene();
    if (SystemData.bMovement) {
        vx += s.ScrollX.CarrySpeed();
        vy += s.ScrollY.CarrySpeed();
    } else if (followScroll) {
        // The object is also carried by the scroll (c): choose the own velocity
        // v with |v| = |speed| so that v + c points along the goal direction u.
        // v = k u - c with k^2 - 2k (u.c) + |c|^2 - speed^2 = 0.
        const double cx = s.ScrollX.CarrySpeed(), cy = s.ScrollY.CarrySpeed();
        const double len = std::sqrt(vx * vx + vy * vy);
        if (len > 0 && (cx != 0 || cy != 0)) {
            const double ux = vx / len, uy = vy / len;
            const double uc = ux * cx + uy * cy;
            const double disc = uc * uc - (cx * cx + cy * cy) + len * len;
            if (disc >= 0) {
                const double k = uc + std::sqrt(disc);
                vx = k * ux - cx;
                vy = k * uy - cy;
            }
        }
    }
}

void SpeedForDistance(double n, double dx, double dy, double& vx, double& vy) {
    if (n == 0) return;
    const double sum = std::abs(dx) + std::abs(dy);
    const double cx = sum == 0 ? 0 : n * dx / sum;
    const double cy = sum == 0 ? 0 : n * dy / sum;
    const double r = Stage.dSubSteps;
    auto one = [r](double c) {
        if (c > 0) return (std::sqrt(1 + 128 * r * c) - 1) / (2 * r);
        if (c < 0) return -(std::sqrt(1 - 128 * r * c) - 1) / (2 * r);
        return 0.0;
    };
    vx = one(cx);
    vy = one(cy);
}

void ExtentInterval(double position, std::int32_t size, double before, double after, bool whole, double& low,
                    double& high) {
    const std::int32_t half = size / 2;
    const double centre = position + half;
    low = high = centre;
    if (before != 0) low = position - before;
    if (after != 0) high = position + 2 * half + after;
    if (before == 0 && after == 0 && whole) {
        low = position;
        high = position + 2 * half;
    }
}

double PerSecondToPerFrame(double value) {
    return value / Stage.dSubSteps / 60;
}
