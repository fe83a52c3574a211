// The world-map record: everything the map scene needs, held by value, and the board:
// turns, placement of the units, clicks on the map, walking, and the turn banners.
#pragma once

#include "core/camera.hpp"
#include "core/scene_state.hpp"
#include "world/hud.hpp"
#include "world/party.hpp"
#include "world/tile_map.hpp"
#include "world/world_enemy.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kAllyBannerPath = "Assets/Sprites/Fight/AllyTurn.png";
inline constexpr const char* kEnemyBannerPath = "Assets/Sprites/Fight/EnemyTurn.png";

constexpr std::int32_t kStartingGold = 100;
constexpr float kAllyBannerGrowth = 0.75f;  // scale per second
constexpr float kEnemyBannerGrowth = 1.5f;
constexpr float kAllyBannerScale = 1.f;
constexpr float kEnemyBannerScale = 2.f;    // the enemies' banner shows over the half-size overview
constexpr float kBannerHoldSeconds = 1.f;
// Spawn bands: heroes start in the five left columns, enemies in the five right ones.
constexpr int kSpawnBandWidth = 5;
// Random draws a placement makes before it scans its band for the first free cell.
constexpr int kSpawnDraws = 200;

struct WorldGame {
    // Tile map
    std::array<Tile, kCellCount> tiles{};
    std::array<std::int32_t, kCellCount> tileCodes{};
    std::array<const sf::Texture*, kTileCatalogueSize> tileTextures{};
    std::array<sf::RectangleShape, kCellCount> tileOverlays;
    std::int32_t level = 1;

    Party party;
    EnemyList enemies;
    Camera camera;
    Hud hud;

    WorldPhase phase = WORLD_PHASE_MAP;
    std::int32_t playerTurn = 1;
    const sf::Font* font = nullptr;

    // Turn banners
    const sf::Texture* allyBannerTexture = nullptr;
    const sf::Texture* enemyBannerTexture = nullptr;
    sf::Sprite allyBanner;
    sf::Sprite enemyBanner;
    std::int32_t allyBannerHidden = 1;
    std::int32_t enemyBannerHidden = 1;
    float bannerTimer = 0.f;

    std::int32_t partyChanged = 0;
    std::int32_t cursorHidden = 0;
    std::int32_t gold = 0;
};

// Starts a new game with the team chosen in team selection: chosenTeam[0] is the leader
// pick (1 Irina, 2 Rem, 3 Tungstene), chosenTeam[1..3] the companions (1 Light, 2 Heavy, 3 Shield).
void initWorldGame(WorldGame* world, const std::int32_t chosenTeam[4]);
void destroyWorldGame(WorldGame* world);
void updateWorldGame(float dt, WorldGame* world, sf::RenderWindow* window);
void drawWorldGame(WorldGame* world, sf::RenderWindow* window, std::int32_t debugMode);
// Mouse positions are in game pixels (screen); the board adds the camera's top-left.
void mousePressedWorldGame(WorldGame* world, sf::Event::MouseButtonEvent press, sf::RenderWindow* window);
void mouseMovedWorldGame(WorldGame* world, sf::Event::MouseMoveEvent move);
// A left click at world pixel (x, y): selects a hero, orders a move or dismisses the range.
void clickBoard(WorldGame* world, std::int32_t x, std::int32_t y);
void toggleTurn(WorldGame* world, sf::RenderWindow* window);
void updateTurnBanners(WorldGame* world, float dt);
void updatePlayerMoves(WorldGame* world, float dt);
void updateEnemyMoves(WorldGame* world, sf::RenderWindow* window, float dt);
// Plans the walk of enemy `index` toward the nearest hero, claims its end cell and sets
// it acting (and walking when it has somewhere to go).
void planEnemyMove(WorldGame* world, std::int32_t index);

// Placement. Each returns 1 when the unit was placed, 0 when no cell qualified (the
// reason is written to standard error and nothing is placed).
std::int32_t spawnLeader(WorldGame* world, std::int32_t pick);
std::int32_t spawnPlayer(WorldGame* world, std::int32_t pick);
std::int32_t spawnFirstEnemy(WorldGame* world);
std::int32_t spawnEnemy(WorldGame* world);
void spawnParty(WorldGame* world, const std::int32_t chosenTeam[4]);
void spawnEnemies(WorldGame* world, std::int32_t count);

// Frees the board cell held by hero `index` (before it leaves the party).
void releasePlayerCell(WorldGame* world, std::int32_t index);
std::int32_t anyPlayerMoving(const WorldGame* world);
