// The recruit shop between two levels. The front page offers Hire and Next; the hire page
// shows a carousel of the three companion types with a preview, a stat sheet, the shop's
// gold and the party size, a Hire button that buys the type on show and a Return button.
// The shop never touches the party: it keeps its own gold and a list of hires, which the
// world board takes over when the next level starts.
#pragma once

#include "core/animation.hpp"
#include "core/backdrop_strips.hpp"
#include "menus/menu_button.hpp"
#include "menus/shop_refusal.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kShopHirePath = "Assets/Sprites/InterMenu/hire.png";
inline constexpr const char* kShopNextPath = "Assets/Sprites/InterMenu/Next.png";
inline constexpr const char* kShopReturnPath = "Assets/Sprites/InterMenu/return.png";
inline constexpr const char* kShopTablePath = "Assets/Sprites/InterMenu/table.png";
inline constexpr const char* kShopNotePadPath = "Assets/Sprites/InterMenu/bloc-note.png";
inline constexpr const char* kShopLeftArrowPath = "Assets/Sprites/InterMenu/arrow_left.png";
inline constexpr const char* kShopRightArrowPath = "Assets/Sprites/InterMenu/arrow_right.png";

// Every companion costs the same.
constexpr std::int32_t kHirePrice = 200;
// Heroes in the party and hired together.
constexpr std::int32_t kShopPartyLimit = 4;

// Carousel values, which are also the values of the list of hires.
enum : std::int32_t { SHOP_LIGHT = 1, SHOP_HEAVY = 2, SHOP_SHIELD = 3 };
constexpr int kShopTypeCount = 3;

// Stat sheets of the three types, each formatted with the price.
inline constexpr std::array<const char*, kShopTypeCount> kShopSheetFormats = {
    "\t\tLight\nPv : 30\nStrengt : 5\nDefense : 2\nAlloy Defense : 4\nBoost : 2\nMove : 7\nPierce defense :3\nStamina "
    ": 5\nPrice : %d Golds",
    "\t\tHeavy\nPv : 45\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 2\nMove : 3\nPierce defense :3\nStamina "
    ": 3\nPrice : %d Golds",
    "\t\tShield\nPv : 55\nStrengt : 5\nDefense : 6\nAlloy Defense : 12\nBoost : 2\nMove : 3\nPierce defense "
    ":2\nStamina : 3\nPrice : %d Golds",
};
inline constexpr const char* kShopGoldFormat = "Golds : %d";
inline constexpr const char* kShopPartyFormat = "Player : %d/4";

// What a press in the shop asks for; the shell acts on it (Next: on to the level transition).
enum class ShopChoice { None, Next };

struct Shop {
    MenuButton frontHire; // front page: opens the hire page
    MenuButton next;      // front page: leaves for the level transition
    sf::Sprite table;
    std::int32_t tableOpaque = 0; // no see-through pixel: written without blending ...
    BackdropStrips tableStrips;   // ... and only around the note pad's opaque middle
    sf::Sprite notePad;           // its visible area only: the rest of the picture is transparent
    MenuButton hire;         // hire page: buys the type on show
    MenuButton returnButton; // hire page: back to the front page
    std::uint32_t hirePageOpen = 0;
    sf::Sprite preview;
    Animation previewAnimation{};
    MenuButton leftArrow;
    MenuButton rightArrow;
    std::int32_t carouselIndex = SHOP_LIGHT;
    std::int32_t partySize = 0; // heroes in the party when the shop opened
    sf::Text statSheet;
    const sf::Font* font = nullptr;
    sf::Text goldText;
    sf::Text partySizeText;
    // Carousel value of each hire, in the order bought; the first hiredCount entries count.
    std::array<std::int32_t, kShopPartyLimit> recruitList{};
    std::int32_t hiredCount = 0;
    std::int32_t shopGold = 0;
    // Light, Heavy and Shield map sheets, shown by the preview.
    std::array<const sf::Texture*, kShopTypeCount> heroTextures{};
    // Why the last press on Hire bought nothing, while it shows.
    HireRefusalNote refusal;
};

// Starts a visit over: front page, Light on show, no hires, the party's size and gold.
void openShop(Shop* shop, std::int32_t partySize, std::int32_t gold);
void updateShop(Shop* shop, float dt);
void drawShop(Shop* shop, sf::RenderTarget& target);
void mouseMovedShop(Shop* shop, sf::Event::MouseMoveEvent move);
// Left-button presses (others are ignored): the pages' own buttons act here; Next is
// returned to the shell.
ShopChoice mousePressedShop(Shop* shop, sf::Event::MouseButtonEvent press);
