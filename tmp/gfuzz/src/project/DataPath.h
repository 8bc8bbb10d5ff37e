// The relative paths of every project and user file, the file extensions and
// the colour names. Most project files have a twin under "default\", the seed
// copy of the project.
#pragma once

#include "foundation/Containers.h"

#include <string>

// Positions in DataPath.
enum DataPathIndex : int {
    DP_DATA,
    DP_DEFAULT,
    DP_OLD_STAGES,
    DP_WORK,
    DP_EDIT_CONFIG,
    DP_PRJ_OPTION,
    DP_PRJ_OPTION_DEFAULT,
    DP_COMMON_PALETTE,
    DP_COMMON_PALETTE_DEFAULT,
    DP_GVAL_INFO,
    DP_GVAL_INFO_DEFAULT,
    DP_DEFAULT_STAGE,
    DP_DEFAULT_STAGE_DEFAULT,
    DP_WORLD_MAP,
    DP_WORLD_MAP_DEFAULT,
    DP_ANIME_SET,
    DP_ANIME_SET_DEFAULT,
    DP_ANIME,
    DP_ANIME_DEFAULT,
    DP_BMP_CHARA_EXC,
    DP_BMP_CHARA_EXC_DEFAULT,
    DP_SWORD_TYPE,
    DP_SWORD_TYPE_DEFAULT,
    DP_EFFECT,
    DP_EFFECT_DEFAULT,
    DP_CHARA_EFFECT,
    DP_CHARA_EFFECT_DEFAULT,
    DP_SCR_EFFECT,
    DP_SCR_EFFECT_DEFAULT,
    DP_PICTURE,
    DP_PICTURE_DEFAULT,
    DP_SOUND,
    DP_SOUND_DEFAULT,
    DP_BGM,
    DP_BGM_DEFAULT,
    DP_SYSTEM,
    DP_SYSTEM_DEFAULT,
    DP_STAGE_PREFIX,
    DP_USER_STORY,
    DP_USER_CHALLENGE,
    DP_USER_FREE,
    DP_STORY_SAVE_PREFIX,
    DP_CHALLENGE_SAVE,
    DP_OPTION,
    DP_USER_DATA,
    DP_KEY_CONFIG,
    DP_BOOT,
    DP_WINDOW,
    DP_COUNT
};

enum FileExtensionIndex : int { FE_COMMON_PALETTE, FE_STAGE, FE_PALETTE, FE_RANKING, FE_COUNT };

extern const cVector<std::string> DataPath;      // DP_COUNT (48) paths
extern const cVector<std::string> FileExtension; // "cplt4", "stg4", "plt4", "rkg"
extern const cVector<std::string> ColorName;     // eleven names, the last one empty
