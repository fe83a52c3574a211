// The player's side on the world map: up to four heroes ("players"), the move-range
// squares, the move-points digits and the path arrow.
#pragma once

#include "core/grid.hpp"
#include "core/sprite_batch.hpp"
#include "core/unit_stats.hpp"
#include "world/map_unit.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>


constexpr int kMaxPlayers = 4;
constexpr int kArrowPieceCount = kMaxPathCells + 1; // one piece per path cell plus the start
constexpr int kArrowTextureCount = 14;
constexpr int kDigitCount = 10;



inline constexpr std::array<const char*, kPlayerTypeCount> kPlayerSheetPaths = {
    "Assets/Sprites/WorldPlayerSprite/Irina/Irina_Sprite_Sheet.png",
    "Assets/Sprites/WorldPlayerSprite/Rem/Rem_Sprite_Sheet.png",
    "Assets/Sprites/WorldPlayerSprite/Tungsthene/Tungsthene_Sprite_Sheet.png",
    "Assets/Sprites/WorldPlayerSprite/Light/Light_Sprite_Sheet.png",
    "Assets/Sprites/WorldPlayerSprite/Heavy/Heavy_Sprite_Sheet.png",
    "Assets/Sprites/WorldPlayerSprite/Shield/Shield_Sprite_Sheet.png",
};
inline constexpr const char* kSquareFreePath = "Assets/Sprites/WorldPlayerSprite/SquareFree.png";
inline constexpr const char* kSquareEnemyPath = "Assets/Sprites/WorldPlayerSprite/SquareEnemy.png";
inline constexpr const char* kMoveDigitsPath = "Assets/Sprites/WorldPlayerSprite/MP-Sheet.png";
inline constexpr const char* kMoveArrowFolder = "Assets/Sprites/WorldPlayerSprite/Move_arrow/";

// Arrow pieces, in the order of Party::arrowTextures.
enum : std::int32_t {
    ARROW_START_TOP, ARROW_START_RIGHT, ARROW_START_DOWN, ARROW_START_LEFT,
    ARROW_WAY_TOP_DOWN, ARROW_WAY_LEFT_RIGHT, ARROW_WAY_TOP_RIGHT, ARROW_WAY_DOWN_RIGHT, ARROW_WAY_LEFT_DOWN,
    ARROW_WAY_LEFT_TOP,
    ARROW_END_DOWN, ARROW_END_LEFT, ARROW_END_TOP, ARROW_END_RIGHT,
};
inline constexpr std::array<const char*, kArrowTextureCount> kArrowPieceNames = {
    "StartTop", "StartRight", "StartDown", "StartLeft", "WayTopDown", "WayLeftRight", "WayTopRight",
    "WayDownRight", "WayLeftDown", "WayLeftTop", "EndDown", "EndLeft", "EndTop", "EndRight",
};



struct PathArrowPiece {
    sf::Sprite sprite;
    std::int32_t visible = 0;
};

struct RangeSquare {
    sf::Sprite sprite;
    std::int32_t visible = 0;
};

// The records hold no pointer into themselves: the slot in use is `animationIndex`, so a
// record copied down the array when another is removed stays whole.
struct WorldPlayer {
    MapUnitBody body;
    sf::Sprite mpSprite; // move-points digit, drawn under the body
    std::array<PathArrowPiece, kArrowPieceCount> arrow;
    std::int32_t type = -1;
    MapWalk walk;
    std::int32_t interactPending = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
    std::int32_t movePoints = 0;
};

struct Party {
    std::array<const sf::Texture*, kPlayerTypeCount> types{};
    std::array<WorldPlayer, kMaxPlayers> players;
    const sf::Texture* squareFreeTexture = nullptr;
    const sf::Texture* squareEnemyTexture = nullptr;
    // One square per cell, in cell-index order. Held by value: the board always has one.
    std::array<RangeSquare, kCellCount> rangeSquares;
    // The digit strip and the area of each digit: mpRects[m] shows the digit m.
    const sf::Texture* mpSheet = nullptr;
    std::array<sf::IntRect, kDigitCount> mpRects{};
    std::array<const sf::Texture*, kArrowTextureCount> arrowTextures{};
    GridPos selectedCell;
    std::int32_t selectedIndex = 0;
    // The hero whose arrow shows the walk to the pointed square (-1: none), and that square.
    std::int32_t previewIndex = -1;
    GridPos previewCell{-1, -1};
    std::uint32_t count = 0;
    std::int32_t leaderAlive = 0;
};

void initParty(Party* party);
// Builds players[index] (its type already set) standing at `position`; the caller then
// increments count.
void addWorldPlayer(Party* party, std::int32_t index, sf::Vector2f position);
// The idle and walking rows of a hero type's map sheet.
UnitSheetLayout playerSheetLayout(std::int32_t type);
void updatePartyAnimations(Party* party, float dt);
// Visible range squares, then for each player its digit and its body, gathered into `batch`
// (drawn when it is flushed; a batch without storage draws each sprite at once).
void drawParty(const Party* party, SpriteBatch* batch, sf::RenderTarget& target);
void drawPartyArrows(const Party* party, SpriteBatch* batch, sf::RenderTarget& target);
void hideRange(Party* party);
void hidePath(WorldPlayer* player);
// The arrow from the hero's cell along the part of its walk still ahead.
void showPath(Party* party, WorldPlayer* player);
// The same along any walk starting from the hero's cell (a walk not ordered yet).
void showArrowAlong(Party* party, WorldPlayer* player, const MapWalk* walk);
void updateMpSprite(Party* party, std::int32_t index);
void resetPartyTurn(Party* party);
// One frame of the hero's walk; the digit follows the body and the arrow shortens.
void stepPlayer(Party* party, WorldPlayer* player, float dt);
void killHero(Party* party, std::int32_t index);
void destroyParty(Party* party);

GridPos playerCell(const WorldPlayer* player);
// The cell the player holds on the board: where it stands, or where it is heading.
GridPos playerClaimedCell(const WorldPlayer* player);
// The body's bounds: the area that selects the player.
sf::FloatRect playerHitbox(const WorldPlayer* player);
std::int32_t isLeaderType(std::int32_t type);
