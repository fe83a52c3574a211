// The files the card battle opens.
#pragma once

#include "core/asset_contract.hpp"

std::vector<AssetRequirement> fightAssetRequirements();
