// Which scene the frame loop routes to. Only the shell changes it, acting on what the
// player chose in a menu or on the rules that end a level.
#pragma once

#include <cstdint>

enum SceneState : std::uint32_t {
    SCENE_MAIN_MENU,
    SCENE_WORLD,
    SCENE_PAUSE,
    SCENE_SETTINGS, // the settings panel over the world (opened from the pause menu)
    SCENE_LEVEL_TRANSITION,
    SCENE_TEAM_SELECT,
    SCENE_SHOP,
    SCENE_WIN,
    SCENE_DEFEAT,
    SCENE_CREDITS,
    SCENE_MENU_SETTINGS, // the settings panel over the main menu
    kSceneCount,
};
