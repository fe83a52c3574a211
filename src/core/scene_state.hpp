// Which scene the frame loop routes to.
#pragma once

#include <cstdint>

using SceneState = std::uint32_t;

enum : SceneState {
    SCENE_MAIN_MENU = 0,
    SCENE_WORLD = 1,
    SCENE_PAUSE = 2,
    SCENE_UNUSED = 3, // no scene: draws black and the cursor, ignores input
    SCENE_SETTINGS = 4,
    SCENE_LEVEL_TRANSITION = 5,
    SCENE_TEAM_SELECT = 6,
    SCENE_SHOP = 7,
    SCENE_WIN = 8,
    SCENE_DEFEAT = 9,
    SCENE_CREDITS = 10,
    SCENE_MENU_SETTINGS = 11,
};

inline void initSceneState(SceneState* state) { *state = SCENE_MAIN_MENU; }
inline void setSceneState(SceneState* state, SceneState value) { *state = value; }
