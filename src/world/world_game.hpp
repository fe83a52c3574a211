// The world-map record: everything the map scene needs, held by value.
#pragma once

#include "core/camera.hpp"
#include "core/scene_state.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

struct WorldGame {
    // Tile map
    std::array<Tile, kCellCount> tiles{};
    std::array<std::int32_t, kCellCount> tileCodes{};
    std::array<const sf::Texture*, kTileCatalogueSize> tileTextures{};
    std::array<sf::RectangleShape, kCellCount> tileOverlays;
    std::int32_t level = 1;

    Camera camera;

    WorldPhase phase = WORLD_PHASE_MAP;
    std::int32_t playerTurn = 1;
    std::int32_t cursorHidden = 0;
    std::int32_t gold = 0;
};

// Starts a new game with the team chosen in team selection: chosenTeam[0] is the leader
// pick (1 Irina, 2 Rem, 3 Tungstene), chosenTeam[1..3] the companions (1 Light, 2 Heavy, 3 Shield).
void initWorldGame(WorldGame* world, const std::int32_t chosenTeam[4]);
void destroyWorldGame(WorldGame* world);
