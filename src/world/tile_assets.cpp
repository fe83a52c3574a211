#include "core/asset_contract.hpp"

std::vector<AssetRequirement> tileAssetRequirements() { return {}; }
