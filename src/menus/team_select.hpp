// Team selection: a carousel of heroes with left and right arrows and a stat sheet;
// Select picks the leader, then two companions; after the third pick the button becomes
// Start, which adds the companion on show as the fourth hero and hands the team over.
#pragma once

#include "core/animation.hpp"
#include "core/backdrop_strips.hpp"
#include "core/visible_area.hpp" // pictureIsOpaque
#include "menus/main_menu.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kTeamRightArrowPath = "Assets/Sprites/InterMenu/Arrow_right.png";
inline constexpr const char* kTeamLeftArrowPath = "Assets/Sprites/InterMenu/Arrow_left.png";
inline constexpr const char* kTeamSelectButtonPath = "Assets/Sprites/InterMenu/Select.png";
inline constexpr const char* kTeamStartButtonPath = "Assets/Sprites/InterMenu/Start.png";
inline constexpr const char* kTeamNotePadPath = "Assets/Sprites/MenuPrincipal/bloc-note.png";
inline constexpr const char* kTeamTablePath = "Assets/Sprites/MenuPrincipal/table.png";
inline constexpr const char* kTeamTitlePath = "Assets/Sprites/MenuPrincipal/Select_your_team.png";

constexpr int kTeamSize = 4;
// Party slots drawn on the note pad (the fourth hero, added by Start, has none on screen).
constexpr int kTeamShownSlots = 3;

// Stat sheets shown under the carousel (display text only).
inline constexpr const char* kIrinaSheet =
    "\t\tIrina\nPv : 100\nStrengt : 10\nDefense : 2\nAlloy Defense : 4\nBoost : 4\nMove : 5\nPierce defense : "
    "10\nStamina : 3";
inline constexpr const char* kRemSheetFromLeft =
    "\t\tRem\nPv : 100\nStrengt : 7\nDefense : 8\nAlloy Defense : 16\nBoost : 4\nMove : 4\nPierce defense : "
    "6\nStamina : 3";
inline constexpr const char* kRemSheetFromRight =
    "\t\tRem\nPv : 100\nStrengt : 7\nDefense : 8\nAlloy Defense : 16\nBoost : 4\nMove : 3\nPierce defense : "
    "6\nStamina : 3";
inline constexpr const char* kTungsteneSheet =
    "\t\tTungstene\nPv : 100\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 4\nMove : 6\nPierce defense : "
    "5\nStamina : 3";
inline constexpr const char* kLightSheet =
    "\t\tLight\nPv : 100\nStrengt : 5\nDefense : 2\nAlloy Defense : 4\nBoost : 2\nMove : 7\nPierce defense "
    ":3\nStamina : 5";
inline constexpr const char* kHeavySheet =
    "\t\tHeavy\nPv : 100\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 2\nMove : 3\nPierce defense "
    ":3\nStamina : 3";
inline constexpr const char* kShieldSheet =
    "\t\tShield\nPv : 100\nStrengt : 5\nDefense : 6\nAlloy Defense : 12\nBoost : 2\nMove : 3\nPierce defense "
    ":2\nStamina : 3";

// What a press in team selection asks for: `started` is 1 once Start was pressed, and
// `team` then holds the four picks (see chosenTeam) the game starts with.
struct TeamSelectChoice {
    std::int32_t started = 0;
    std::array<std::int32_t, kTeamSize> team{};
};

struct TeamSlot {
    sf::Sprite sprite;
    Animation animation{};
    std::int32_t filled = 0; // drawn and animated only once a hero was picked into it
};

struct TeamSelect {
    const sf::Texture* rightArrowTexture = nullptr;
    const sf::Texture* leftArrowTexture = nullptr;
    const sf::Texture* selectTexture = nullptr;
    const sf::Texture* startTexture = nullptr;
    const sf::Texture* notePadTexture = nullptr;
    const sf::Texture* tableTexture = nullptr;
    sf::Sprite rightArrow;
    sf::Sprite leftArrow;
    sf::Sprite preview;
    sf::Sprite button; // Select, then Start after three picks
    sf::Sprite notePad; // its visible area only: the rest of the picture is transparent
    sf::Sprite table;
    std::int32_t tableOpaque = 0; // no transparent pixel: drawn without blending ...
    BackdropStrips tableStrips;   // ... and only around the note pad's opaque middle
    // Irina, Rem, Tungstene, Light, Heavy, Shield.
    std::array<const sf::Texture*, kMenuHeroCount> heroTextures{};
    Animation previewAnimation{};
    // Carousel value (1 to 3) picked at each step, -1 while empty: entry 0 the leader
    // (Irina, Rem, Tungstene), entries 1 to 3 the companions (Light, Heavy, Shield).
    std::array<std::int32_t, kTeamSize> chosenTeam{};
    std::int32_t carouselIndex = 1;
    std::int32_t pickCount = 0;
    std::int32_t companionPhase = 0;
    const sf::Font* font = nullptr;
    sf::Text statSheet;
    sf::Sprite title;
    std::array<TeamSlot, kTeamSize> slots;
    std::uint32_t teamReady = 0;
};

void initTeamSelect(TeamSelect* teamSelect);
void updateTeamSelect(TeamSelect* teamSelect, float dt);
void drawTeamSelect(TeamSelect* teamSelect, sf::RenderTarget& target);
void mouseMovedTeamSelect(TeamSelect* teamSelect, sf::Event::MouseMoveEvent move);
TeamSelectChoice mousePressedTeamSelect(TeamSelect* teamSelect, float x, float y);

// Index into heroTextures (0 Irina .. 5 Shield) of the hero the carousel shows.
int shownHeroIndex(const TeamSelect* teamSelect);
