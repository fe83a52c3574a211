// Where the enemies can walk next turn: pointing at an enemy on the map marks its reach
// (its move range as the board stands), and holding Alt marks every enemy's at once. The
// marks are drawn over the ground in one batch of SquareReach pictures.
#pragma once

#include "core/grid.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <array>
#include <cstdint>

struct WorldGame;

inline constexpr const char* kSquareReachPath = "Assets/Sprites/WorldPlayerSprite/SquareReach.png";

struct EnemyReach {
    // The cell under the mouse in the close view; off the board when the mouse is elsewhere.
    GridPos pointedCell{-1, -1};
    std::int32_t allShown = 0; // Alt held
    const sf::Texture* texture = nullptr;
    std::array<sf::Vertex, kCellCount * 6> vertices{};
    std::int32_t vertexCount = 0;
};

// One cell per entry, in cell-index order: 1 where a mark is drawn.
using ReachCells = std::array<std::uint8_t, kCellCount>;

// The cells enemy `index` reaches next turn, from where it stands, with its move points
// (nothing for an index outside the list).
GridFill enemyReach(const WorldGame* world, std::int32_t index);
// The enemy standing on `cell`, or -1.
std::int32_t enemyOnCell(const WorldGame* world, GridPos cell);
// The cells marked now: the reach of the enemy pointed at, or with Alt held the union of
// every enemy's; none outside the player's turn on the map, or while the camp screen is open.
ReachCells shownEnemyReach(const WorldGame* world);
// The mouse at world pixel (x, y) of the close view.
void pointEnemyReach(WorldGame* world, std::int32_t x, std::int32_t y);
// The mouse left the board's close view (overview, fight, another screen).
void stopPointingEnemyReach(WorldGame* world);
void showAllEnemyReach(WorldGame* world, bool held);
void drawEnemyReach(WorldGame* world, sf::RenderTarget& target);
