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
