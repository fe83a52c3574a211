// The game-wide record: the window, the world, every menu and the shell's own state.
#pragma once

#include "app/save_writer.hpp"
#include "app/scene.hpp"
#include "core/audio.hpp"
#include "core/user_folders.hpp"
#include "menus/end_screens.hpp"
#include "menus/main_menu.hpp"
#include "menus/pause_menu.hpp"
#include "menus/settings_menu.hpp"
#include "menus/shop.hpp"
#include "menus/team_select.hpp"
#include "world/level_transition.hpp"
#include "world/save_game.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <array>
#include <cstdint>
#include <memory>

inline constexpr const char* kCursorTexturePath = "Assets/Sprites/HUD/mouse_menu.png";
constexpr float kTransitionHoldSeconds = 1.2f;
// The longest time one frame hands to animations and timers: a slower frame slows the game
// down instead of skipping part of it.
constexpr float kMaxFrameSeconds = 1.f / 20.f;

struct MainData {
    sf::RenderWindow window;
    sf::Clock clock;
    // Where the game writes its files; filled at start-up unless the caller filled it.
    UserFolders folders;
    // Settings read before the player's file: the start-up names the shipped ones when the
    // player's folder could not take their copy, so the run still starts from them; "" when
    // the player's file alone is read.
    std::string startingSettingsFile;
    WorldGame world;
    SceneState sceneState = SCENE_MAIN_MENU;
    MainMenu mainMenu;
    SettingsMenu settingsMenu;
    PauseMenu pauseMenu;
    TeamSelect teamSelect;
    WinScreen winScreen;
    DefeatScreen defeatScreen;
    Credits credits;
    Shop shop;
    LevelTransition levelTransition;
    std::unique_ptr<MusicRecord> music;
    const sf::Texture* cursorTexture = nullptr;
    sf::Sprite cursorSprite;
    // 1 while the system's pointer shows, standing in for a pointer whose picture is missing.
    std::int32_t systemCursorShown = 0;
    // The last mouse position, in game pixels; the cursor is placed from it through the view
    // the frame is drawn in.
    sf::Vector2f mousePosition;
    // The scene the pointer was last handed to (pointSceneAtCursor).
    SceneState pointedScene = SCENE_MAIN_MENU;
    std::int32_t debugMode = 0;
    float transitionTimer = 0.f;
    // Keys held, as told by the window's key events (cleared when focus is lost).
    std::array<bool, sf::Keyboard::KeyCount> keysDown{};
    // The right mouse button is held (pressed in the window, not released yet).
    bool rightButtonDown = false;
    // The save Continue resumes, as read when the main menu was last shown.
    SaveData savedGame;
    // 1 after an autosave could not be written (until one is).
    std::int32_t saveFailed = 0;
    // Autosaves made since start-up (handed to the writer).
    std::int32_t autosavesWritten = 0;
    // Last, so that it is the first to go: what it still holds reaches the disk first.
    SaveWriter saveWriter;
};
