// The main menu: painted backdrop, title art, four buttons dropping in on chains and
// the six heroes walking across the lower half of the screen.
#pragma once

#include "core/animation.hpp"
#include "core/backdrop_strips.hpp"
#include "menus/menu_button.hpp"
#include "world/party.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kMainMenuBackgroundPath = "Assets/Sprites/MenuPrincipal/Background.png";
inline constexpr const char* kMainMenuTitlePath = "Assets/Sprites/MenuPrincipal/Ostrevald.png";
inline constexpr const char* kMainMenuPlayPath = "Assets/Sprites/MenuPrincipal/ButtonPlay.png";
inline constexpr const char* kMainMenuPlayHoverPath = "Assets/Sprites/MenuPrincipal/ButtonPlaySelect.png";
inline constexpr const char* kMainMenuSettingsPath = "Assets/Sprites/MenuPrincipal/ButtonSettings.png";
inline constexpr const char* kMainMenuSettingsHoverPath = "Assets/Sprites/MenuPrincipal/ButtonSettingsSelect.png";
inline constexpr const char* kMainMenuCreditsPath = "Assets/Sprites/MenuPrincipal/ButtonCredits.png";
inline constexpr const char* kMainMenuCreditsHoverPath = "Assets/Sprites/MenuPrincipal/ButtonCreditsSelect.png";
inline constexpr const char* kMainMenuExitPath = "Assets/Sprites/MenuPrincipal/ButtonExit.png";
inline constexpr const char* kMainMenuExitHoverPath = "Assets/Sprites/MenuPrincipal/ButtonExitSelect.png";
inline constexpr const char* kMainMenuContinuePath = "Assets/Sprites/MenuPrincipal/ButtonContinue.png";
inline constexpr const char* kMainMenuContinueHoverPath = "Assets/Sprites/MenuPrincipal/ButtonContinueSelect.png";
inline constexpr const char* kMainMenuChainPath = "Assets/Sprites/MenuPrincipal/Chaine.png";

// The six hero map sheets, in hero order Irina, Rem, Tungstene, Light, Heavy, Shield: the
// same pictures the party walks with on the map.
inline constexpr int kMenuHeroCount = kPlayerTypeCount;
inline constexpr const std::array<const char*, kMenuHeroCount>& kMenuHeroSheetPaths = kPlayerSheetPaths;

constexpr float kMainMenuButtonX = 960.f;
constexpr float kMainMenuButtonStartY = 170.f;
// Rest y of Play, Settings, Credits and Exit.
inline constexpr std::array<float, 4> kMainMenuRestY = {278.f, 428.f, 578.f, 728.f};
// With a saved game, Continue takes Play's place at the top and the column moves down a row.
constexpr float kMainMenuContinueRestY = 278.f;
constexpr float kMainMenuContinueShift = 150.f;
// The line that tells the player what became of a save, centred near the bottom.
constexpr float kMainMenuMessageY = 1030.f;
constexpr unsigned kMainMenuMessageSize = 22;
constexpr float kWalkerStartX = 2000.f;
constexpr float kWalkerRespawnX = -100.f;
constexpr float kWalkerSpeed = 100.f;

// What a press on the main menu asks for; the shell acts on it.
enum class MainMenuChoice { None, Continue, Play, Settings, Credits, Quit };

struct MainMenu {
    const sf::Texture* backgroundTexture = nullptr;
    const sf::Texture* titleTexture = nullptr;
    // Each button holds its normal and hover textures and its sprite.
    MenuButton play;
    MenuButton settings;
    MenuButton credits;
    MenuButton exit;
    // Shown only while a saved game can be continued.
    MenuButton continueButton;
    std::array<sf::Sprite, 1> continueChain;
    std::int32_t continueShown = 0;
    sf::Text message;
    const sf::Texture* chainTexture = nullptr;
    sf::Sprite title;
    sf::Sprite background;
    std::int32_t backgroundOpaque = 0; // no see-through pixel: written without blending ...
    BackdropStrips backgroundStrips;    // ... and only around the title's opaque middle
    // Chains of Play, Settings, Credits and Exit, in that order.
    std::array<sf::Sprite, 4> chains;
    std::uint32_t buttonsArrived = 0;
    std::array<sf::Sprite, kMenuHeroCount> walkers;
    std::array<Animation, kMenuHeroCount> walkerAnimations{};
    std::array<float, kMenuHeroCount> walkTimer{};
    std::array<float, kMenuHeroCount> walkDelay{};
};

void initMainMenu(MainMenu* menu);
void updateMainMenu(MainMenu* menu, float dt);
void drawMainMenu(MainMenu* menu, sf::RenderTarget& target);
void mouseMovedMainMenu(MainMenu* menu, sf::Event::MouseMoveEvent move);
// Play also puts the buttons back at the top, so the next visit drops them in again.
MainMenuChoice mousePressedMainMenu(MainMenu* menu, float x, float y);

// Shows or hides Continue; the buttons drop in again in their new places.
void showMainMenuContinue(MainMenu* menu, std::int32_t shown);
// The line under the buttons (empty: none).
void setMainMenuMessage(MainMenu* menu, const char* text);

void moveMainMenuButtons(MainMenu* menu, float dt);
void respawnMenuWalkers(MainMenu* menu);
void resetMainMenuButtons(MainMenu* menu);
