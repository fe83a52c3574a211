// The world-map record alone: everything the map scene holds, by value, each part in the
// record of its own file (camp.hpp, crates.hpp, turn_banners.hpp, fight_handoff.hpp, hud.hpp,
// dialog_box.hpp, party.hpp ...). The board's verbs live in world_game.hpp; the files whose
// verbs need the whole board include this record.
#pragma once

#include "core/camera.hpp"
#include "core/enemy_speed.hpp"
#include "fight/fight_scene.hpp"
#include "world/camp.hpp"
#include "world/crates.hpp"
#include "world/dialog_box.hpp"
#include "world/enemy_reach.hpp"
#include "world/fight_handoff.hpp"
#include "world/hud.hpp"
#include "world/level_file.hpp"
#include "world/move_undo.hpp"
#include "world/map_batch.hpp"
#include "world/party.hpp"
#include "world/tile_map.hpp"
#include "world/turn_banners.hpp"
#include "world/world_enemy.hpp"
#include "world/world_phase.hpp"

#include <array>
#include <cstdint>
#include <string>

constexpr std::int32_t kStartingGold = 100;
// Spawn bands: heroes start in the five left columns, enemies in the five right ones.
constexpr int kSpawnBandWidth = 5;
// Random draws a placement makes before it scans its band for the first free cell.
constexpr int kSpawnDraws = 200;

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
    Encounter encounter;
    std::int32_t playerTurn = 1;
    // End Turn was pressed while a hero walked: the turn ends once the walks are over.
    std::int32_t endTurnQueued = 0;
    // How fast the enemies' turns play, set by the shell every frame (enemy_pace).
    EnemySpeed enemySpeed = EnemySpeed::Normal;

    CampScreen camp;
    CrateSet crates;
    TurnBanners banners;
    EnemyReach enemyReach;
    MoveUndo moveUndo;
    MapBatch mapBatch; // the units' and the HUD's pictures in one atlas

    // Where levels 3 to 10 are read from: the folder the shell generated them into.
    std::string generatedLevelFolder = kLevelFolder;

    std::int32_t partyChanged = 0;
    std::int32_t cursorHidden = 0;
    std::int32_t gold = 0;
    // Raised where the game reaches a point it is saved at (a level's or a player turn's
    // start, a fight opening); the shell saves after the frame and lowers it.
    std::int32_t autosaveDue = 0;
    // The gameplay generator as it stood before the open fight drew its hands.
    std::string fightRandomState;
};
