// Every file the whole game opens: the shell's own, then each subsystem's list.
#pragma once

#include "core/asset_contract.hpp"

std::vector<AssetRequirement> allAssetRequirements();
