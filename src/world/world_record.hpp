// The world-map record alone: everything the map scene holds, by value. The board's
// verbs live in world_game.hpp; the other world files include this record, not each other.
#pragma once

#include "core/camera.hpp"
#include "core/scene_state.hpp"
#include "core/unit_stats.hpp"
#include "fight/fight_scene.hpp"
#include "core/animation.hpp"
#include "world/dialog_box.hpp"
#include "world/hud.hpp"
#include "world/level_file.hpp"
#include "world/party.hpp"
#include "world/tile_map.hpp"
#include "world/world_enemy.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <string>

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
// Crates lying on every level.
constexpr int kCrateCount = 3;

// What the party bought in the shop, handed to the board's first update after it: the
// hired companions in buying order (1 Light, 2 Heavy, 3 Shield) and the gold left.
struct ShopPurchases {
    std::array<std::int32_t, kMaxPlayers> recruitList{};
    std::int32_t hiredCount = 0;
    std::int32_t shopGold = 0;
};

struct WorldGame {
    TileMap tileMap;
    std::int32_t level = 1;
    FightScene fight;

    Party party;
    EnemyList enemies;
    Camera camera;
    DialogBox dialog;
    // The tutorial's two dialogs, each shown once: the map's at a new game, the battle's at
    // the first fight.
    std::int32_t startTutorialShown = 0;
    std::int32_t fightTutorialShown = 0;
    Hud hud;

    WorldPhase phase = WORLD_PHASE_MAP;
    // The fighters handed to the current fight, in gathering order.
    std::int32_t fightPlayerCount = 0;
    std::int32_t fightEnemyCount = 0;
    std::array<UnitStats, kMaxFighters> fightPlayers{};
    std::array<UnitStats, kMaxFighters> fightEnemies{};
    std::int32_t playerTurn = 1;
    const sf::Font* font = nullptr;

    // Camp heal screen
    std::int32_t campOpen = 0;
    std::int32_t campPlayer = -1; // party index of the hero being healed
    const sf::Texture* campBackgroundTexture = nullptr;
    const sf::Texture* healButtonTexture = nullptr;
    const sf::Texture* campCrossTexture = nullptr;
    const sf::Texture* campLifeBarTexture = nullptr;
    const sf::Texture* healEffectTexture = nullptr;
    sf::Sprite campBackground;
    sf::Sprite healButton;
    sf::Sprite campCross;
    sf::Sprite campLifeBar;
    sf::Sprite healEffect;
    Animation healAnimation;
    sf::Text healCostText;
    sf::Sprite campPortrait;

    // Crates: the first crateCount sprites lie on this level.
    const sf::Texture* crateOpenedTexture = nullptr;
    const sf::Texture* crateClosedTexture = nullptr;
    std::array<sf::Sprite, kCrateCount> crates;
    std::int32_t crateCount = 0;
    sf::Text goldText;
    float goldTextTimer = 2.f; // seconds since the last crate's gold showed; hidden from 2 on

    // Turn banners
    const sf::Texture* allyBannerTexture = nullptr;
    const sf::Texture* enemyBannerTexture = nullptr;
    sf::Sprite allyBanner;
    sf::Sprite enemyBanner;
    std::int32_t allyBannerHidden = 1;
    std::int32_t enemyBannerHidden = 1;
    float bannerTimer = 0.f;

    // Where levels 3 to 10 are read from: the folder the shell generated them into.
    std::string generatedLevelFolder = kLevelFolder;

    std::int32_t partyChanged = 0;
    std::int32_t cursorHidden = 0;
    std::int32_t gold = 0;
};

