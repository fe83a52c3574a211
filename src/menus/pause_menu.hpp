// The pause menu over the frozen world: a title and three buttons (Resume, Settings,
// Exit to menu) dropping in on chains. It lives in world coordinates, placed from the
// camera's top-left corner so that it shows in the middle of the screen.
#pragma once

#include "menus/menu_button.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kPauseTitlePath = "Assets/Sprites/MenuPause/PauseMenu.png";
inline constexpr const char* kPauseResumePath = "Assets/Sprites/MenuPause/ButtonResume.png";
inline constexpr const char* kPauseResumeHoverPath = "Assets/Sprites/MenuPause/ButtonResumeSelect.png";
inline constexpr const char* kPauseSettingsPath = "Assets/Sprites/MenuPause/ButtonSettings.png";
inline constexpr const char* kPauseSettingsHoverPath = "Assets/Sprites/MenuPause/ButtonSettingsSelect.png";
inline constexpr const char* kExitToMenuPath = "Assets/Sprites/MenuPause/ExitToMenu.png";
inline constexpr const char* kExitToMenuHoverPath = "Assets/Sprites/MenuPause/ExitToMenuSelect.png";
inline constexpr const char* kPauseChainPath = "Assets/Sprites/MenuPause/Chaine.png";

constexpr float kPauseButtonX = 960.f;
constexpr float kPauseButtonStartY = 170.f;
// Rest y of Resume, Settings and Exit to menu, before the camera offset is added.
inline constexpr std::array<float, 3> kPauseRestY = {278.f, 428.f, 578.f};

// The veil over the game under the menu: the palette's Ink, two thirds opaque.
inline const sf::Color kPauseShadeColor{20, 16, 24, 170};

// What a press on the pause menu asks for; the shell acts on it.
enum class PauseChoice { None, Resume, Settings, ExitToMenu };

struct PauseMenu {
    const sf::Texture* titleTexture = nullptr;
    MenuButton resume;
    MenuButton settings;
    MenuButton exitToMenu;
    const sf::Texture* chainTexture = nullptr;
    sf::Sprite title;
    // Chains of Resume, Settings and Exit to menu.
    std::array<sf::Sprite, 3> chains;
    std::uint32_t buttonsArrived = 0;
};

void initPauseMenu(PauseMenu* menu);
// offset: the camera's top-left corner in world coordinates.
void openPauseMenu(PauseMenu* menu, sf::Vector2f offset);
void updatePauseMenu(PauseMenu* menu, float dt, sf::Vector2f offset);
void drawPauseMenu(PauseMenu* menu, sf::RenderTarget& target);
// The event's position already includes the camera offset.
void mouseMovedPauseMenu(PauseMenu* menu, sf::Event::MouseMoveEvent move);
// x and y already include the camera offset. Any choice puts the drop-in back for the
// next opening.
PauseChoice mousePressedPauseMenu(PauseMenu* menu, float x, float y);
// Escape: the same as a press on Resume.
PauseChoice escapePauseMenu(PauseMenu* menu);
// The veil laid over the frozen game before the menu, so the menu stands out from it.
void drawPauseShade(sf::RenderTarget& target);

void movePauseMenuButtons(PauseMenu* menu, float dt, sf::Vector2f offset);
