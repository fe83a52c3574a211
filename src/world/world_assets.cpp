#include "world/world_assets.hpp"

std::vector<AssetRequirement> worldAssetRequirements() {
    std::vector<AssetRequirement> all = tileAssetRequirements();
    appendAssetRequirements(all, boardAssetRequirements());
    return all;
}
