// Motion arithmetic shared by objects and commands: wave steps, velocity
// toward a point, speed for a distance, extents on one axis and unit
// conversions. Sub-step values come from the playing stage.
#pragma once

#include <cstdint>
#include <numbers>

class cStageObj;

constexpr double kInvSqrt2 = 0.70710678118654752440;
constexpr double kDegree = std::numbers::pi / 180; // one degree in radians

// One step of wave motion: amplitude, period in degrees, the phase
// accumulator (advanced by `step` and wrapped at dSubSteps * 360) and the
// start phase.
double WaveOffsetCos(double amplitude, double period, double& phase, double step, double startPhase);
double WaveOffsetSin(double amplitude, double period, double& phase, double step, double startPhase);

// Velocity from (x0, y0) toward (x1, y1) at `speed` pixels per sub-step.
// With `straight` clear and a negative speed both components have
// |speed| / sqrt(2) and point away from the goal. `followScroll` selects the
// correction for objects carried by the auto-scroll. `facing` gets 0 for no
// horizontal motion, 1 left, 2 right.
void VelocityToward(double x0, double y0, double x1, double y1, double speed, bool straight,
                    bool followScroll, double& vx, double& vy, std::int32_t& facing);

// Initial speeds that cover `count` steps of distance in direction (dx, dy).
void SpeedForDistance(double count, double dx, double dy, double& vx, double& vy);

// The interval [low, high] on one axis around an object's position and size.
void ExtentInterval(double position, std::int32_t size, double before, double after, bool whole, double& low,
                    double& high);

// A value per second as per sub-step.
double PerSecondToPerFrame(double value);

// Sub-steps of a jump that starts at vertical speed v (negative up) until it
// falls back: dSubSteps - v / gravity, finite also without gravity.
std::int32_t JumpFramesFromSpeed(double v);
