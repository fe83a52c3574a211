#include "app/app_assets.hpp"

#include "app/main_data.hpp"
#include "fight/fight_assets.hpp"
#include "menus/menu_assets.hpp"
#include "world/world_assets.hpp"

std::vector<AssetRequirement> allAssetRequirements() {
    std::vector<AssetRequirement> all = {{kCursorTexturePath, 8, 8}};
    appendAssetRequirements(all, coreAssetRequirements());
    appendAssetRequirements(all, worldAssetRequirements());
    appendAssetRequirements(all, fightAssetRequirements());
    appendAssetRequirements(all, menuAssetRequirements());
    return all;
}
