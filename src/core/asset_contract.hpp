// Every file the game opens under Assets/, with the smallest picture size its texture
// areas need. Each subsystem lists its own files from the same path constants its code
// opens, so the list cannot drift from the game; a test checks every row on disk.
#pragma once

#include <string>
#include <vector>

struct AssetRequirement {
    std::string path;
    unsigned minWidth = 0;  // pictures only; 0 = any size
    unsigned minHeight = 0;
};

// The fonts, the music and the sound effects (the files core itself opens).
std::vector<AssetRequirement> coreAssetRequirements();
// Appends `more` to `all`.
void appendAssetRequirements(std::vector<AssetRequirement>& all, const std::vector<AssetRequirement>& more);
