// The ordered upgrade steps of the system data, as a table.
#pragma once

#include <cstdint>
#include <span>

class cSystemData;

struct SystemDataUpgradeStep {
    std::uint32_t below; // applies to files older than this version
    void (*apply)(cSystemData& data, std::uint32_t fileVersion);
};

// In ascending order of `below`.
std::span<const SystemDataUpgradeStep> SystemDataUpgradeSteps();
