#include "core/asset_contract.hpp"

#include "core/audio.hpp"
#include "core/fonts.hpp"

std::vector<AssetRequirement> coreAssetRequirements() {
    return {
        {kMenuMusicPath},
        {kPixelFontPath},
        {kDisplayFontPath},
    };
}

void appendAssetRequirements(std::vector<AssetRequirement>& all, const std::vector<AssetRequirement>& more) {
    all.insert(all.end(), more.begin(), more.end());
}
