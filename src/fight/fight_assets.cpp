#include "fight/fight_assets.hpp"

#include "fight/fight_paths.hpp"
#include "fight/key_hints.hpp"

std::vector<AssetRequirement> fightAssetRequirements() {
    std::vector<AssetRequirement> rows = {
        // Scene furniture.
        {kAllyTurnPath, 0, 0},
        {kEnemyTurnPath, 0, 0},
        {kTurnButtonPath, 63, 34},
        {kCardBackPath, 1280, 169},
        {kCardSheetPath, 1024, 1014},
        {kDeckCasePath, 0, 0},
        {kHudBattlePath, 0, 0},
        {kActionPointIconPath, 0, 0},
        {kFightCursorPath, 32, 32},
        {kKeyHintsPath, 104, 26},
        // Cards.
        {kCardContourPath, 414, 179},
        // Allies.
        {kFightAllySheetPaths[0], 1215, 288},
        {kFightAllySheetPaths[1], 1800, 330},
        {kFightAllySheetPaths[2], 1410, 288},
        {kFightAllySheetPaths[3], 1215, 288},
        {kFightAllySheetPaths[4], 1140, 204},
        {kFightAllySheetPaths[5], 1500, 330},
        {kAllyMarkerPath, 45, 20},
        {kShadowPath, 0, 0},
        // Enemies.
        {kFightEnemySheetPaths[0], 1296, 283},
        {kFightEnemySheetPaths[1], 1216, 204},
        {kFightEnemySheetPaths[2], 1800, 330},
        {kFightEnemySheetPaths[3], 10192, 618},
        {kFightEnemySheetPaths[4], 1600, 354},
        {kEnemyMarkerPath, 45, 20},
        {kAttackIconPath, 0, 0},
        {kShieldIconPath, 0, 0},
        {kStatusBadgesPath, 48, 16},
        {kFightEndBannerPath, 120, 88},
        // Effects.
        {kArrowDotPath, 0, 0},
        {kArrowHeadPath, 0, 0},
        {kNumberSheetPath, 560, 432},
        {kExplosionPath, 480, 64},
        {kImpactPath, 560, 65},
        {kBoostDefensePath, 486, 100},
        {kBoostAttackPath, 486, 100},
        {kLifeBarBackPath, 128, 11},
        {kLifeBarPath, 1920, 11},
        {kLifeBarFramePath, 128, 29},
        {kFightBackgroundPath, 480, 270},
    };
    return rows;
}
