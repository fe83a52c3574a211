#include "core/asset_contract.hpp"

std::vector<AssetRequirement> tileAssetRequirements();
std::vector<AssetRequirement> boardAssetRequirements();

std::vector<AssetRequirement> worldAssetRequirements() {
    std::vector<AssetRequirement> all = tileAssetRequirements();
    const std::vector<AssetRequirement> board = boardAssetRequirements();
    all.insert(all.end(), board.begin(), board.end());
    return all;
}
