#include "world/world_assets.hpp"

#include "core/fonts.hpp"
#include "world/camp.hpp"
#include "world/crates.hpp"
#include "world/dialog_box.hpp"
#include "world/enemy_reach.hpp"
#include "world/hud.hpp"
#include "world/move_undo.hpp"
#include "world/party.hpp"
#include "world/world_enemy.hpp"
#include "world/turn_banners.hpp"

#include <string>

// Every file the board, the party, the enemies, the HUD, the crates, the camp screen and
// the tutorial box open, with the smallest size their frames and texture areas need (0
// where the whole picture is drawn).
std::vector<AssetRequirement> boardAssetRequirements() {
    std::vector<AssetRequirement> rows;
    // Hero sheets: three rows of 64x64 frames; Irina idles over 14 frames, the others over 11.
    for (int type = 0; type < kPlayerTypeCount; ++type)
        rows.push_back({kPlayerSheetPaths[static_cast<std::size_t>(type)], type == PLAYER_IRINA ? 896u : 704u, 192u});
    // Enemy sheets: as wide as the longer of the idle and walking rows.
    for (int type = 0; type < kEnemyTypeCount; ++type) {
        const UnitSheetLayout layout = kEnemySheetLayouts[static_cast<std::size_t>(type)];
        const unsigned frames = layout.idleFrames > layout.walkFrames ? layout.idleFrames : layout.walkFrames;
        rows.push_back({kEnemySheetPaths[static_cast<std::size_t>(type)], 64u * frames, 192u});
    }
    rows.push_back({kSquareFreePath});
    rows.push_back({kSquareEnemyPath});
    rows.push_back({kMoveDigitsPath, 150u, 15u});
    for (const char* name : kArrowPieceNames) rows.push_back({std::string(kMoveArrowFolder) + name + ".png"});
    rows.push_back({kAllyBannerPath});
    rows.push_back({kEnemyBannerPath});
    rows.push_back({kHudBarPath});
    rows.push_back({kHudLeaderFramePath});
    rows.push_back({kHudFramePath});
    rows.push_back({kHudGoldIconPath});
    rows.push_back({kHudSheetPath});
    rows.push_back({kHudEndTurnPath, 63u, 34u});
    rows.push_back({kUndoButtonPath, 17u, 51u});
    rows.push_back({kSquareReachPath});
    // Crates, the camp heal screen and the tutorial box with its text.
    rows.push_back({kCrateClosedPath});
    rows.push_back({kCrateOpenedPath});
    rows.push_back({kCampBackgroundPath});
    rows.push_back({kHealButtonPath});
    rows.push_back({kCampCrossPath});
    rows.push_back({kCampLifeBarPath, static_cast<unsigned>(kCampLifeBarWidth), static_cast<unsigned>(kCampLifeBarHeight)});
    rows.push_back({kHealEffectPath, kHealEffectFrames * static_cast<unsigned>(kHealEffectFirstFrame.width),
                    static_cast<unsigned>(kHealEffectFirstFrame.height)});
    rows.push_back({kDialogLeftPath});
    rows.push_back({kDialogMidPath});
    rows.push_back({kDialogRightPath});
    rows.push_back({kTutorialTextPath});
    rows.push_back({kPixelFontPath});
    rows.push_back({kDisplayFontPath});
    return rows;
}
