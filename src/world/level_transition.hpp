// The screen between the shop and the next level: on a table, a map unrolls in a frame
// and shows the road to the next level. One sheet of 15 frames per road, sheet N after
// level N. Clicks and mouse moves do nothing here; once the last frame shows, `finished`
// is raised and the shell holds that frame a little before going back to the world.
#pragma once

#include "core/animation.hpp"
#include "core/asset_contract.hpp"
#include "core/backdrop_strips.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

inline constexpr const char* kTransitionFramePath = "Assets/Sprites/ChangeMapTile/mapChangeLevel.png";
inline constexpr const char* kTransitionTablePath = "Assets/Sprites/ChangeMapTile/table.png";
// Formatted with the sheet number, no zero padding.
inline constexpr const char* kTransitionSheetFormat = "Assets/Sprites/ChangeMapTile/map-Sheet%d.png";

constexpr int kTransitionFrameWidth = 360;
constexpr int kTransitionFrameHeight = 202;
constexpr int kTransitionFrames = 15;
constexpr int kTransitionFps = 8;
// The sheets drawn for the roads between the ten levels: 1 (after level 1) to 9.
constexpr int kTransitionFirstSheet = 1;
constexpr int kTransitionLastSheet = 9;
constexpr std::size_t kTransitionPathSize = 250;

struct LevelTransition {
    const sf::Texture* frameTexture = nullptr;
    const sf::Texture* sheetTexture = nullptr;
    const sf::Texture* tableTexture = nullptr;
    sf::Sprite frameSprite;
    sf::Sprite tableSprite;
    // The opaque table is written without blending, and only around the frame's opaque
    // middle, which hides the rest of it (not cut when the table lets anything through).
    BackdropStrips tableStrips;
    std::int32_t tableOpaque = 0;
    sf::Sprite sheetSprite;
    Animation sheetAnimation{};
    // 1 once the animation has reached its last frame; the shell reads and clears it.
    std::int32_t finished = 0;
    // The sheet on show and the file it came from.
    std::int32_t sheetNumber = 0;
    std::array<char, kTransitionPathSize> sheetPath{};
};

// Loads the frame and the table and places their sprites (once, at start-up).
void initLevelTransition(LevelTransition* transition);
// Shows sheet `sheetNumber` from its first frame. The shop's Next passes the new level - 1.
void startLevelTransition(LevelTransition* transition, std::int32_t sheetNumber);
void updateLevelTransition(LevelTransition* transition, float dt);
// Table, frame, then the unrolling map, in screen coordinates.
void drawLevelTransition(LevelTransition* transition, sf::RenderTarget& target);
// The path of sheet `sheetNumber`.
std::array<char, kTransitionPathSize> transitionSheetPath(std::int32_t sheetNumber);
// The files above, for the asset contract.
std::vector<AssetRequirement> transitionAssetRequirements();
