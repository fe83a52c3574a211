#include "core/asset_contract.hpp"

std::vector<AssetRequirement> boardAssetRequirements() { return {}; }
