// The player's side on the world map: up to four heroes ("players"), the move-range
// squares, the move-points digits and the path arrow, and the UnitStats block that every
// unit, hero or enemy, carries into a fight.
#pragma once

#include "core/animation.hpp"
#include "core/path_list.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

// Direction of one step on the grid (paths and walking animations).
enum : std::int32_t { DIR_UP = 1, DIR_RIGHT = 2, DIR_DOWN = 3, DIR_LEFT = 4 };

constexpr int kMaxPlayers = 4;
constexpr int kPlayerTypeCount = 6;
constexpr int kMaxPathCells = 5;                    // the longest walk of one turn
constexpr int kArrowPieceCount = kMaxPathCells + 1; // one piece per path cell plus the start
constexpr int kAnimationSlots = 5;                  // 0 idle, 2 walking right, 4 walking left
constexpr int kArrowTextureCount = 14;
constexpr int kDigitCount = 10;

// Animation slots; they equal the horizontal direction codes.
enum : std::int32_t { ANIM_IDLE = 0, ANIM_WALK_RIGHT = 2, ANIM_WALK_LEFT = 4 };

enum : std::int32_t { PLAYER_IRINA = 0, PLAYER_REM = 1, PLAYER_TUNGSTENE = 2, PLAYER_LIGHT = 3, PLAYER_HEAVY = 4,
                      PLAYER_SHIELD = 5 };

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

// Nineteen 32-bit values copied by value into and out of a fight. Only maxLife, life,
// type and unitIndex are used on the map; the fight gives the named values their meaning
// and the unnamed ones simply travel with the unit.
struct UnitStats {
    std::int32_t reserved0 = 0;
    std::int32_t reserved1 = 0;
    float maxLife = 100.f;
    std::int32_t life = 100;
    std::int32_t type = 0;
    std::int32_t attack = 20;
    std::int32_t reserved6 = 10;
    std::int32_t armorGift = 10;
    std::int32_t reserved8 = 5;
    std::int32_t armorGiftAll = 20;
    std::int32_t reserved10 = 10;
    std::int32_t reserved11 = 5;
    std::int32_t armorBreak = 30;
    std::int32_t reserved13 = 20;
    std::int32_t attackGift = 0;
    std::int32_t defenseGift = 0;
    std::int32_t actionPoints = 3;
    std::int32_t reserved17 = 0;
    std::int32_t unitIndex = -1;
};
static_assert(sizeof(UnitStats) == 19 * 4, "UnitStats is nineteen 32-bit values");

// The stats every new unit starts with (players and enemies alike).
UnitStats initialUnitStats(std::int32_t type);

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
    sf::Sprite sprite;   // body: 64x64 frames at scale 2, one cell
    sf::Sprite mpSprite; // move-points digit, drawn under the body
    std::array<PathArrowPiece, kArrowPieceCount> arrow;
    std::int32_t type = -1;
    std::array<GridPos, kMaxPathCells> path{};         // destination first
    std::array<std::int32_t, kMaxPathCells> pathDirs{}; // pathDirs[k]: direction of the move into path[k]
    std::int32_t pathLength = 0;                         // cells still to walk
    std::array<Animation, kAnimationSlots> animations{};
    std::int32_t animationIndex = ANIM_IDLE;
    std::int32_t moving = 0;
    std::int32_t interactPending = 0;
    UnitStats stats;
    std::int32_t maxMovePoints = kMaxPathCells;
    std::int32_t movePoints = 0;
    std::int32_t speed = 200; // pixels per second
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
    std::uint32_t count = 0;
    std::int32_t leaderAlive = 0;
};

void initParty(Party* party);
// Builds players[index] (its type already set) standing at `position`; the caller then
// increments count.
void addWorldPlayer(Party* party, std::int32_t index, sf::Vector2f position);
void initPlayerAnimations(WorldPlayer* player);
void setPlayerAnimation(WorldPlayer* player, std::int32_t slot);
Animation* currentAnimation(WorldPlayer* player);
void updatePartyAnimations(Party* party, float dt);
// Visible range squares, then for each player its digit and its body.
void drawParty(Party* party, sf::RenderWindow* window);
void drawPartyArrows(Party* party, sf::RenderWindow* window);
void hideRange(Party* party);
void hidePath(WorldPlayer* player);
void showPath(Party* party, WorldPlayer* player);
void updateMpSprite(Party* party, std::int32_t index);
void resetPartyTurn(Party* party);
void stepPlayer(Party* party, WorldPlayer* player, float dt);
void killHero(Party* party, std::int32_t index);
void destroyParty(Party* party);

// The cell a unit at pixel position `position` stands on (truncated).
GridPos cellOfPosition(sf::Vector2f position);
GridPos playerCell(const WorldPlayer* player);
// The cell the player holds on the board: where it stands, or where it is heading.
GridPos playerClaimedCell(const WorldPlayer* player);
// The body's bounds: the area that selects the player.
sf::FloatRect playerHitbox(const WorldPlayer* player);
// Direction of one step from `from` to the adjacent `to` (column compared first).
std::int32_t stepDirection(GridPos from, GridPos to);
std::int32_t isLeaderType(std::int32_t type);
