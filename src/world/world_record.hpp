// The world-map record alone: everything the map scene holds, by value. The board's
// verbs live in world_game.hpp; the other world files include this record, not each other.
#pragma once

#include "core/camera.hpp"
#include "core/scene_state.hpp"
#include "world/hud.hpp"
#include "world/party.hpp"
#include "world/tile_map.hpp"
#include "world/world_enemy.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

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
    TileMap tileMap;
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

