#include "world/world_assets.hpp"

#include "world/level_transition.hpp"

std::vector<AssetRequirement> worldAssetRequirements() {
    std::vector<AssetRequirement> all = tileAssetRequirements();
    appendAssetRequirements(all, groundLookAssetRequirements());
    appendAssetRequirements(all, boardAssetRequirements());
    appendAssetRequirements(all, transitionAssetRequirements());
    return all;
}
