#include "fight/fight_assets.hpp"

std::vector<AssetRequirement> fightAssetRequirements() {
    return {};
}
