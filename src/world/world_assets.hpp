// The files the world map opens (ground tiles, units, board pictures, HUD).
#pragma once

#include "core/asset_contract.hpp"

std::vector<AssetRequirement> tileAssetRequirements();
std::vector<AssetRequirement> groundLookAssetRequirements();
std::vector<AssetRequirement> boardAssetRequirements();
std::vector<AssetRequirement> worldAssetRequirements();
