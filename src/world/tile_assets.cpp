#include "world/world_assets.hpp"
#include "world/ground_looks.hpp"
#include "world/level_file.hpp"
#include "world/tile_catalogue.hpp"

#include <algorithm>

// Every catalogue picture (64x64, drawn at scale 2 to fill a 128-pixel cell), listed from
// the same table the game loads, and the two authored level files.
std::vector<AssetRequirement> tileAssetRequirements() {
    std::vector<AssetRequirement> rows;
    for (int code = kFirstTileCode; code <= kLastTileCode; ++code) {
        const std::string path = tilePicturePath(code);
        if (path.empty()) continue;
        const bool listed =
            std::any_of(rows.begin(), rows.end(), [&path](const AssetRequirement& row) { return row.path == path; });
        if (!listed) rows.push_back({path, 64, 64});
    }
    rows.push_back({levelFilePath(kLevelFolder, 1)});
    rows.push_back({levelFilePath(kLevelFolder, 2)});
    return rows;
}

// The sheets of the ground looks: shores 8 x 6 cells, bridge banks two blocks of 8 x 6
// across and five down, decorated sand 4 x 4, road ends 16 x 2.
std::vector<AssetRequirement> groundLookAssetRequirements() {
    const unsigned cell = shore::kCellPixels;
    const unsigned bridgeBlocksDown =
        (static_cast<unsigned>(shore::kBridgeCodes.size()) + shore::kBridgeBlocksAcross - 1) / shore::kBridgeBlocksAcross;
    return {
        {kGroundSheetPaths[GROUND_SHEET_SHORE], cell * shore::kSheetColumns, cell * shore::kSheetRows},
        {kGroundSheetPaths[GROUND_SHEET_BRIDGES], cell * shore::kSheetColumns * shore::kBridgeBlocksAcross,
         cell * shore::kSheetRows * bridgeBlocksDown},
        {kGroundSheetPaths[GROUND_SHEET_DECOR], cell * shore::kDecorColumns,
         cell * ((shore::kDecorCount + shore::kDecorColumns - 1) / shore::kDecorColumns)},
        {kGroundSheetPaths[GROUND_SHEET_ROAD_ENDS], cell * shore::kArmPatterns, cell * shore::kRoadEndRows},
    };
}
