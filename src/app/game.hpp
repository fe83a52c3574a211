// The game-wide record, the frame loop and the routing of events, updates and draws
// to the scene that sceneState selects.
#pragma once

#include "core/audio.hpp"
#include "core/scene_state.hpp"
#include "menus/end_screens.hpp"
#include "menus/main_menu.hpp"
#include "menus/pause_menu.hpp"
#include "menus/settings_menu.hpp"
#include "menus/shop.hpp"
#include "menus/team_select.hpp"
#include "world/level_transition.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <array>
#include <cstdint>
#include <memory>

inline constexpr const char* kCursorTexturePath = "Assets/Sprites/HUD/mouse_menu.png";
constexpr float kTransitionHoldSeconds = 1.2f;

struct MainData {
    sf::RenderWindow window;
    sf::Event event{};
    sf::Clock clock;
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
    // The last mouse position, in game pixels; the cursor is placed from it through the view
    // the frame is drawn in.
    sf::Vector2f mousePosition;
    std::int32_t debugMode = 0;
    float transitionTimer = 0.f;
    // Keys held, as told by the window's key events (cleared when focus is lost).
    std::array<bool, sf::Keyboard::KeyCount> keysDown{};
};

// Opens the game window (see display.hpp) and sets every scene up.
void initGame(MainData* data);
// Everything initGame does after the window exists (tests bring their own window).
void initGameInWindow(MainData* data);
void handleEvents(MainData* data);
// Routes one event, whose mouse coordinates are already in game pixels.
void dispatchEvent(MainData* data, const sf::Event& event);
// Advances the game by the frame clock's elapsed time.
void updateGame(MainData* data);
// Advances the game by exactly dt seconds: the one path every update takes.
void stepGame(MainData* data, float dt);
// Clears, draws the scene and the cursor, and presents the frame.
void drawGame(MainData* data);
// Draws the frame without presenting it (screenshots read it back).
void renderGame(MainData* data);
void destroyGame(MainData* data);

void keyPressedGame(const sf::Event& event, MainData* data);
void keyReleasedGame(const sf::Event& event, MainData* data);
void mousePressedGame(const sf::Event& event, MainData* data);
void mouseReleasedGame(const sf::Event& event, MainData* data);
void mouseMovedGame(MainData* data);

// End-of-level rules, after every world update: no enemy left wins the game at level 10
// and otherwise moves to the next level through the shop; a fallen leader loses it.
void checkLevelComplete(MainData* data);
void checkDefeat(MainData* data);
// The next level and the shop (the level-complete rule and the debug Right arrow).
void goToNextLevel(MainData* data);
// What the party bought in the shop, as the board takes it.
ShopPurchases shopPurchases(const Shop* shop);

// Remembers the mouse position and places the cursor there.
// The top-left of what the window shows now: the scrolled world view on the map, the plain
// screen view over a fight or a menu. Screen-fixed menus drawn over the world sit there.
sf::Vector2f viewTopLeft(const MainData* data);
void updateCursor(MainData* data, sf::Event::MouseMoveEvent move);
// Places the cursor under the last mouse position in the view the window draws with now
// (scrolled, half-size overview, or the plain screen view of menus, fights and transitions),
// so it follows every scroll and every change of camera mode at once.
void followCameraCursor(MainData* data);

// True while left Control, left Shift, F and J are all held.
bool debugChordHeld(const MainData* data);
// Once the level transition has finished, waits 1.2 s and returns to the world view.
void applyTransitionEndRule(MainData* data, std::int32_t* transitionFinished, float dt);
