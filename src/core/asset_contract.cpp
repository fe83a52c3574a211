#include "core/asset_contract.hpp"

#include "core/audio.hpp"
#include "core/fonts.hpp"
#include "core/game.hpp"

std::vector<AssetRequirement> coreAssetRequirements() {
    return {
        {kCursorTexturePath, 8, 8},
        {kMenuMusicPath},
        {kPixelFontPath},
        {kDisplayFontPath},
    };
}

std::vector<AssetRequirement> allAssetRequirements() {
    std::vector<AssetRequirement> all = coreAssetRequirements();
    for (auto&& list : {worldAssetRequirements(), menuAssetRequirements()}) all.insert(all.end(), list.begin(), list.end());
    return all;
}
