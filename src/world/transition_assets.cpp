#include "core/asset_contract.hpp"
#include "world/level_transition.hpp"

// The table, the frame and the nine roads of the level transition: each road is a strip of
// 15 frames of 360x202.
std::vector<AssetRequirement> transitionAssetRequirements() {
    std::vector<AssetRequirement> rows = {{kTransitionTablePath}, {kTransitionFramePath, 360u, 202u}};
    for (int sheet = kTransitionFirstSheet; sheet <= kTransitionLastSheet; ++sheet)
        rows.push_back({transitionSheetPath(sheet).data(), static_cast<unsigned>(kTransitionFrameWidth * kTransitionFrames),
                        static_cast<unsigned>(kTransitionFrameHeight)});
    return rows;
}
