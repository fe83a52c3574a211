#include "world/world_assets.hpp"
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
