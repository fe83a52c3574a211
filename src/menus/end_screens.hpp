// The screens that close or frame a game: win, defeat and credits. Each is left only
// through its exit-to-menu button in the bottom-right corner; any mouse button counts.
#pragma once

#include "core/animation.hpp"
#include "menus/menu_button.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <array>

inline constexpr const char* kWinPicturePath = "Assets/Sprites/WinScreen/Win.png";
inline constexpr const char* kWinBlackPath = "Assets/Sprites/WinScreen/Black.png";
inline constexpr const char* kCreditsPicturePath = "Assets/Sprites/WinScreen/win.png";
inline constexpr const char* kCreditsBlackPath = "Assets/Sprites/WinScreen/black.png";
inline constexpr const char* kDefeatPicturePath = "Assets/Sprites/LooseScreen/Defeat.png";

// The exit button sits this far from the bottom-right corner of the screen.
constexpr float kExitButtonMargin = 32.f;

inline constexpr const char* kWinTitle = "Congratulation";
inline constexpr const char* kWinMessage =
    "You are the king now, you conquered the badlands\n \t everyone is standing under your feet";

inline constexpr const char* kProgrammerHeading = "Programmeur :";
inline constexpr const char* kArtistHeading = "Graphist :";
constexpr int kProgrammerNameCount = 5;
constexpr int kArtistNameCount = 4;
// Who made the game and the third-party works it ships, as their licences name them.
inline constexpr std::array<const char*, kProgrammerNameCount> kProgrammerNames = {
    "Ostrevald team", "SFML: Laurent Gomila", "Font DotGothic16:", "The DotGothic16", "Project Authors",
};
inline constexpr std::array<const char*, kArtistNameCount> kArtistNames = {
    "Ostrevald team", "Font Quattrocento:", "Pablo Impallari", "Igino Marini",
};

// What a press on an end screen asks for; the shell acts on it. The world is left as it
// is: Play on the main menu releases it.
enum class EndScreenChoice { None, ExitToMenu };

struct WinScreen {
    sf::Sprite picture;
    sf::Sprite black;
    sf::Text message;
    sf::Text title;
    const sf::Font* font = nullptr;
    Animation animation{};
    MenuButton exit; // exit normal texture, exit hover texture, exit sprite
};

struct DefeatScreen {
    sf::Sprite picture;
    MenuButton exit;
};

struct Credits {
    const sf::Font* font = nullptr;
    sf::Text programmerHeading;
    std::array<sf::Text, kProgrammerNameCount> programmerNames;
    sf::Text artistHeading;
    std::array<sf::Text, kArtistNameCount> artistNames;
    sf::Sprite picture;
    Animation animation{};
    sf::Sprite black; // no texture until the credits are first shown
    MenuButton exit;
};

// The shared exit-to-menu button, placed in the bottom-right corner from its picture's size.
void initExitToMenuButton(MenuButton* button);

void initWinScreen(WinScreen* screen);
void updateWinScreen(WinScreen* screen, float dt);
void drawWinScreen(WinScreen* screen, sf::RenderTarget& target);
void mouseMovedWinScreen(WinScreen* screen, sf::Event::MouseMoveEvent move);
EndScreenChoice mousePressedWinScreen(const WinScreen* screen, float x, float y);

void initDefeatScreen(DefeatScreen* screen);
void drawDefeatScreen(DefeatScreen* screen, sf::RenderTarget& target);
void mouseMovedDefeatScreen(DefeatScreen* screen, sf::Event::MouseMoveEvent move);
EndScreenChoice mousePressedDefeatScreen(const DefeatScreen* screen, float x, float y);

// Builds the credits at start-up, all but the full-screen veil: that picture is read by
// openCredits, which the credits' first update or draw calls.
void initCredits(Credits* credits);
// Loads the veil once (later calls do nothing).
void openCredits(Credits* credits);
void updateCredits(Credits* credits, float dt);
void drawCredits(Credits* credits, sf::RenderTarget& target);
void mouseMovedCredits(Credits* credits, sf::Event::MouseMoveEvent move);
EndScreenChoice mousePressedCredits(const Credits* credits, float x, float y);
