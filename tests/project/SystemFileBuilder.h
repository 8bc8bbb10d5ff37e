// Writes data\System.dat bytes of any data version, field by field, as the
// files of that version lay them out. Tests set the values they care about.
#pragma once

#include "fixtures/ByteBuilder.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct OldGauge {
    std::int32_t enabled = 1, second = 1;
    std::string label;
    std::int32_t count = 0, third = 0, threshold = 0, percent = 0;
};

struct OldFlagList {
    std::int32_t on = 1;
    std::vector<std::uint8_t> flags{1, 1, 1, 1, 1};
};

struct OldCmd {
    std::int32_t enabled = 1;
    std::string text;
};

struct OldKey {
    std::int32_t kind = 0;
    std::string name;
    std::int32_t value = 0;
    std::string text;
};

class SystemFileBuilder {
public:
    explicit SystemFileBuilder(std::uint32_t version) : version_(version) {}

    // The registered fields in file order: name, first version, last version, bytes.
    struct Field {
        const char* name;
        std::uint32_t since, until;
        int bytes;
    };
    static const std::vector<Field>& Fields() {
        static const std::vector<Field> fields = {
            {"bExtraLife", 185, 9999, 4},
            {"nExtraLifeStep", 0, 9999, 4},
            {"bDrawWorldSwitch", 0, 9999, 4},
            {"nTextSettingA", 0, 9999, 4},
            {"nFontNumber", 205, 9999, 4},
            {"nTextSettingB", 170, 9999, 4},
            {"bKeepFlows", 113, 9999, 4},
            {"bReplay", 184, 9999, 4},
            {"bTitleSwitch", 157, 9999, 4},
            {"bWorldMapSwitchA", 0, 9999, 4},
            {"bContinue", 191, 9999, 4},
            {"bWorldMapSwitchB", 191, 9999, 4},
            {"nChallengeStages", 0, 9999, 4},
            {"bChallengeCount", 0, 9999, 4},
            {"bWorldMapSwitchC", 167, 9999, 4},
            {"bSaveScreenSwitch", 167, 9999, 4},
            {"bRestoreA", 188, 9999, 4},
            {"bPauseMenuA", 224, 9999, 4},
            {"bChallengeSwitchA", 167, 9999, 4},
            {"bChallengeSwitchB", 167, 9999, 4},
            {"bRestoreB", 188, 9999, 4},
            {"bPauseMenuB", 224, 9999, 4},
            {"bRestoreC", 188, 9999, 4},
            {"bRestoreD", 192, 9999, 4},
            {"bColourMode", 187, 9999, 4},
            // The transparent colour is three fields of one byte each.
            {"TransparentColour0", 187, 9999, 1},
            {"TransparentColour1", 187, 9999, 1},
            {"TransparentColour2", 187, 9999, 1},
            {"bMovement", 214, 9999, 4},
            {"retired", 221, 259, 4},
            {"bRescaleOffsets", 261, 9999, 4},
            {"bStagePlaySwitchA", 272, 9999, 4},
            {"bCharaDrawSwitch", 287, 9999, 4},
            {"nFlashPeriod", 515, 9999, 4},
            {"bDrawingSwitch", 289, 9999, 4},
            {"bPauseMenuC", 757, 9999, 4},
            {"bFlowStartA", 525, 9999, 4},
            {"bShotSwitch", 555, 9999, 4},
            {"bStagePlaySwitchB", 637, 9999, 4},
            {"bCharaEngineSwitch", 669, 9999, 4},
            {"bStagePlaySwitchC", 677, 9999, 4},
            {"bNegativeMoveTime", 695, 9999, 4},
            {"bStoredSwitch", 696, 9999, 4},
            {"bStageSetUp", 697, 9999, 4},
            {"bWarp", 721, 9999, 4},
            {"bChargeMove", 728, 9999, 4},
            {"bNpcSwitch", 733, 9999, 4},
            {"bFlowStartB", 744, 9999, 4},
            {"bJump", 749, 9999, 4},
            {"bCodeStatement", 752, 9999, 4},
            {"bGroupCollisionA", 763, 9999, 4},
            {"bGroupCollisionB", 763, 9999, 4},
            {"bPlacement", 768, 9999, 4},
            {"bStraightMoveA", 773, 9999, 4},
            {"bKeepKnockbackAbove", 781, 9999, 4},
            {"bDistanceCond", 782, 9999, 4},
            {"bStraightMoveB", 783, 9999, 4},
            {"bStagePlaySwitchD", 793, 9999, 4},
            {"bGroundTurn", 805, 9999, 4},
            {"bSolidCharaA", 808, 9999, 4},
            {"bSolidCharaB", 818, 9999, 4},
            {"bHeroSwitch", 818, 9999, 4},
            {"nDepthSecond", 670, 9999, 4},
            {"nDepthFirst", 670, 9999, 4},
        };
        return fields;
    }

    std::map<std::string, std::int32_t> values; // missing fields are written as 0
    std::uint8_t colour[3] = {0, 0, 0};
    bool extraField = false; // one more 32-bit field than the version has
    std::string title = "Game";
    std::vector<std::uint8_t> carry = std::vector<std::uint8_t>(25, 0);
    std::vector<std::uint8_t> secondCarry = std::vector<std::uint8_t>(25, 0);
    std::vector<OldGauge> gauges = std::vector<OldGauge>(5);
    std::vector<std::int32_t> startLives{5, 5, 5, 99};
    std::vector<std::int32_t> unlimitedLives{1, 1, 1, 1};
    std::vector<OldFlagList> rankingFlags = std::vector<OldFlagList>(4);
    std::vector<std::string> words = std::vector<std::string>(29, "w");
    std::vector<std::string> sounds = std::vector<std::string>(17);
    std::vector<std::int32_t> music{0, 0, 0, 0};
    std::vector<std::uint8_t> musicFlags{1, 1, 1, 1};
    std::vector<OldCmd> titleMenu = std::vector<OldCmd>(7), saveMenu = std::vector<OldCmd>(4),
                        optionMenu = std::vector<OldCmd>(6);
    std::vector<std::string> modeNames = std::vector<std::string>(4, "m");
    std::vector<OldKey> keys = std::vector<OldKey>(10);

    std::vector<std::uint8_t> bytes() const {
        ByteBuilder b;
        b.u32(version_);
        std::uint32_t n = 0;
        for (const Field& f : Fields())
            if (Has(f)) ++n;
        b.u32(n + (extraField ? 1 : 0));
        for (const Field& f : Fields()) {
            if (!Has(f)) continue;
            if (f.bytes == 1)
                b.u8(colour[std::string(f.name).back() - '0']);
            else
                b.i32(Value(f.name));
        }
        if (extraField) b.i32(0x5EEDBEEF);
        b.u32(1).str(title);
        ValueVector(b, carry);
        if (version_ >= 501) ValueVector(b, secondCarry);
        b.u32(static_cast<std::uint32_t>(gauges.size()));
        for (const OldGauge& g : gauges) {
            std::uint32_t fields = version_ >= 587 ? 6 : version_ >= 204 ? 4 : 3;
            b.u32(fields).i32(g.enabled).i32(g.second).i32(g.count);
            if (version_ >= 204) b.i32(g.third);
            if (version_ >= 587) b.i32(g.threshold).i32(g.percent);
            b.u32(1).str(g.label);
        }
        ValueVector(b, startLives);
        if (version_ >= 191) ValueVector(b, unlimitedLives);
        if (version_ >= 186) {
            b.u32(static_cast<std::uint32_t>(rankingFlags.size()));
            for (const OldFlagList& l : rankingFlags) {
                b.u32(1).i32(l.on).u32(0);
                ValueVector(b, l.flags);
            }
        }
        Strings(b, words);
        Strings(b, sounds);
        ValueVector(b, music);
        if (version_ >= 202) ValueVector(b, musicFlags);
        for (const auto* menu : {&titleMenu, &saveMenu, &optionMenu}) {
            b.u32(static_cast<std::uint32_t>(menu->size()));
            for (const OldCmd& c : *menu) b.u32(1).i32(c.enabled).u32(1).str(c.text);
        }
        if (version_ >= 674) Strings(b, modeNames);
        b.u32(static_cast<std::uint32_t>(keys.size()));
        for (const OldKey& k : keys) b.u32(2).i32(k.kind).i32(k.value).u32(2).str(k.name).str(k.text);
        return b.get();
    }

private:
    bool Has(const Field& f) const { return version_ >= f.since && version_ <= f.until; }
    std::int32_t Value(const std::string& name) const {
        auto it = values.find(name);
        return it == values.end() ? 0 : it->second;
    }
    template <class T> static void ValueVector(ByteBuilder& b, const std::vector<T>& v) {
        b.u32(static_cast<std::uint32_t>(v.size()));
        if (!v.empty()) b.raw(v.data(), v.size() * sizeof(T));
    }
    static void Strings(ByteBuilder& b, const std::vector<std::string>& v) {
        b.u32(static_cast<std::uint32_t>(v.size()));
        for (const auto& s : v) b.str(s);
    }

    std::uint32_t version_;
};
