// The body every unit on the map has, hero or enemy: its sprite on a 64-pixel sheet
// drawn at scale 2, the idle and walking animations, and the walk from cell corner to
// cell corner. Heroes and enemies hold one each and differ only in what they carry.
#pragma once

#include "core/animation.hpp"
#include "core/grid.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

constexpr int kAnimationSlots = 5; // 0 idle, 2 walking right, 4 walking left
constexpr float kMapUnitScale = 2.f;
constexpr int kMapUnitFrameSize = 64;
constexpr std::int32_t kMapUnitSpeed = 200; // pixels per second
constexpr int kMaxPathCells = 5;                // the longest walk of one turn

// Animation slots; they equal the horizontal direction codes.
enum : std::int32_t { ANIM_IDLE = 0, ANIM_WALK_RIGHT = 2, ANIM_WALK_LEFT = 4 };

// Frame counts and rates of a sheet's idle row (top) and walking rows (left, then right).
struct UnitSheetLayout {
    std::uint32_t idleFrames;
    std::uint32_t idleRate;
    std::uint32_t walkFrames;
    std::uint32_t walkRate;
};

// The body holds no pointer into itself: the slot in use is `animationIndex`, so a record
// copied down its array when another is removed stays whole.
struct MapUnitBody {
    sf::Sprite sprite; // one 64x64 frame at scale 2 covers one cell
    std::array<Animation, kAnimationSlots> animations{};
    std::int32_t animationIndex = ANIM_IDLE;
    std::int32_t moving = 0;
    std::int32_t speed = kMapUnitSpeed;
};

// A still body at `position` showing its first idle frame at once; `sheet` may be null
// (draws nothing). The idle cycle starts on a cosmetic random frame so that units
// standing side by side do not breathe in step.
void initMapUnitBody(MapUnitBody* body, const sf::Texture* sheet, UnitSheetLayout layout, sf::Vector2f position);
void setBodyAnimation(MapUnitBody* body, std::int32_t slot);
Animation* bodyAnimation(MapUnitBody* body);
void updateBodyAnimation(MapUnitBody* body, float dt);
GridPos bodyCell(const MapUnitBody* body);

// A planned walk, heroes' and enemies' alike: the cells in walking order (cells[0] is the
// first step), the direction of the move into each, and the cell being walked to.
struct MapWalk {
    std::array<GridPos, kMaxPathCells> cells{};
    std::array<std::int32_t, kMaxPathCells> dirs{}; // dirs[k]: direction of the move into cells[k]
    std::int32_t length = 0;
    std::int32_t step = 0; // index of the cell being walked to
    friend bool operator==(const MapWalk&, const MapWalk&) = default;
};

// Stores the first `count` of `cells` (walking order, from the successor of `start`); a
// count outside 1 to kMaxPathCells stores an empty walk.
void setWalk(MapWalk* walk, GridPos start, const GridPos* cells, std::int32_t count);
void clearWalk(MapWalk* walk);
// The last cell of the walk (meaningful only when length > 0).
GridPos walkEnd(const MapWalk* walk);
// Cells not reached yet.
std::int32_t walkCellsLeft(const MapWalk* walk);
// One frame of `body` walking `walk`: returns true when a cell was reached this frame.
// Once the last cell is reached (or for a walk with nothing left) the walk is cleared and
// the body stops.
bool stepWalk(MapUnitBody* body, MapWalk* walk, float dt);

// One frame of walking toward the corner of `cell`, entered in `direction`; the walking
// animation faces the step (a vertical first step faces `destinationLeft`'s side). Returns
// true when the corner was reached: the body then stands exactly on it.
bool walkBodyToward(MapUnitBody* body, GridPos cell, std::int32_t direction, bool destinationLeft, float dt);
// Back to the idle animation, standing still.
void stopBody(MapUnitBody* body);

// The walk's two rules, exposed for tests.
struct WalkStep {
    sf::Vector2f move;    // how far to move this frame when not arrived
    bool arrived = false; // the corner is reached (or passed): snap onto it
};
// Moving `distance` pixels from `position` in `direction` (DIR_UP..DIR_LEFT) toward `corner`.
WalkStep walkTowardCorner(sf::Vector2f position, sf::Vector2f corner, std::int32_t direction, float distance);
// The animation slot for a step in `direction`: sideways steps face their way, vertical steps
// keep the current walk, and a vertical first step (from idle) faces the side the destination
// lies on. Returns `currentSlot` when nothing changes.
std::int32_t walkSlotFor(std::int32_t currentSlot, std::int32_t direction, bool destinationLeft);
