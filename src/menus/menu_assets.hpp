// The files the menus and screens open.
#pragma once

#include "core/asset_contract.hpp"

std::vector<AssetRequirement> menuAssetRequirements();
