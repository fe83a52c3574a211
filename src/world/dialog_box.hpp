// The tutorial dialog box: a three-piece frame at the bottom of the screen with up to four
// lines of text, paged from the tutorial file. A left click shows the next page; after the
// last page the box closes.
#pragma once

#include "world/world_phase.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <string>

inline constexpr const char* kTutorialTextPath = "Assets/DialogBox/Texts/Tuto.txt";
inline constexpr const char* kDialogLeftPath = "Assets/DialogBox/Sprites/Left.png";
inline constexpr const char* kDialogMidPath = "Assets/DialogBox/Sprites/Mid.png";
inline constexpr const char* kDialogRightPath = "Assets/DialogBox/Sprites/Right.png";

constexpr int kDialogLineSlots = 4;
// A line read holds at most this many bytes, its terminator included: 51 characters.
constexpr int kDialogLineBytes = 52;
constexpr unsigned kDialogTextSize = 15;
constexpr float kDialogMidScaleX = 6.5f;
constexpr float kDialogPieceScale = 2.f;
constexpr float kDialogFightLift = 190.f; // in a fight the box sits this much higher
// Text layout inside the middle piece.
constexpr float kDialogTextLeft = 2.f;
constexpr float kDialogTextTop = 9.f;
constexpr float kDialogLineSpacing = 20.f;

// The tutorial's pages: 0 to 1 over the map at a new game, 3 to 7 at the first fight.
constexpr std::int32_t kTutorialSection = 0;
constexpr std::int32_t kMapTutorialFirstPage = 0;
constexpr std::int32_t kMapTutorialLastPage = 1;
constexpr std::int32_t kFightTutorialFirstPage = 3;
constexpr std::int32_t kFightTutorialLastPage = 7;

// The page file is opened, read and closed inside loadDialogPage; the record keeps only
// which file a section reads.
struct DialogBox {
    std::string textPath = kTutorialTextPath; // the file of section 0
    const sf::Font* font = nullptr;
    std::array<sf::Text, kDialogLineSlots> lines;
    const sf::Texture* leftTexture = nullptr;
    const sf::Texture* midTexture = nullptr;
    const sf::Texture* rightTexture = nullptr;
    sf::Sprite leftSprite;
    sf::Sprite midSprite;
    sf::Sprite rightSprite;
    std::int32_t section = -1;
    std::int32_t visible = 0;
    std::uint32_t lineCount = 0;
    std::int32_t lastPage = -1;
    std::int32_t page = -1;
};

// Font, the four "DEBUG" placeholder lines and the frame at the bottom of the screen; closed.
void initDialogBox(DialogBox* box);
// Opens pages firstPage..lastPage of `section`, the frame placed for `phase` (bottom of the
// screen on the map, 190 pixels higher in a fight; any other phase leaves it where it is),
// offset by `topLeft`, the top-left of the view it is drawn in.
void openDialog(DialogBox* box, std::int32_t section, std::int32_t firstPage, std::int32_t lastPage, WorldPhase phase,
                sf::Vector2f topLeft = {0.f, 0.f});
// The next page, or closed after the last one.
void nextPage(DialogBox* box);
void closeDialog(DialogBox* box);
void drawDialogBox(const DialogBox* box, sf::RenderTarget& target);
// Moves the frame and the lines by the camera's last scroll, keeping them put on screen.
void followCameraDialog(DialogBox* box, const sf::Vector2i* scrollStep);
// Reads page `page` of `section` into the lines. Returns 0 when the section's file was
// read, 1 when there is none or it cannot be opened (nothing changes then). A page the
// file does not hold leaves the previous lines.
std::int32_t loadDialogPage(DialogBox* box, std::int32_t section, std::int32_t page);
// Sets line slot `index` (0 to 3; others are ignored) and lines up the shown lines.
void setDialogLine(DialogBox* box, const char* text, std::int32_t index);
