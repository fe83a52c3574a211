#include "core/asset_contract.hpp"

#include "core/audio.hpp"
#include "core/fonts.hpp"
#include "core/sound.hpp"

std::vector<AssetRequirement> coreAssetRequirements() {
    std::vector<AssetRequirement> all{
        {kMenuMusicPath},
        {kPixelFontPath},
        {kDisplayFontPath},
    };
    for (const char* path : kSoundPaths) all.push_back({path});
    return all;
}

void appendAssetRequirements(std::vector<AssetRequirement>& all, const std::vector<AssetRequirement>& more) {
    all.insert(all.end(), more.begin(), more.end());
}
