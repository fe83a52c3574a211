#include "menus/menu_assets.hpp"

#include "core/fonts.hpp"
#include "menus/end_screens.hpp"
#include "menus/main_menu.hpp"
#include "menus/pause_menu.hpp"
#include "menus/settings_menu.hpp"
#include "menus/shop.hpp"
#include "menus/team_select.hpp"

std::vector<AssetRequirement> menuAssetRequirements() {
    std::vector<AssetRequirement> rows = {
        // Main menu
        {kMainMenuBackgroundPath},
        {kMainMenuTitlePath},
        {kMainMenuPlayPath},
        {kMainMenuPlayHoverPath},
        {kMainMenuSettingsPath},
        {kMainMenuSettingsHoverPath},
        {kMainMenuCreditsPath},
        {kMainMenuCreditsHoverPath},
        {kMainMenuExitPath},
        {kMainMenuExitHoverPath},
        {kMainMenuContinuePath},
        {kMainMenuContinueHoverPath},
        {kMainMenuChainPath},
        // Pause menu (Exit to menu is also the end screens' exit button)
        {kPauseTitlePath},
        {kPauseResumePath},
        {kPauseResumeHoverPath},
        {kPauseSettingsPath},
        {kPauseSettingsHoverPath},
        {kExitToMenuPath},
        {kExitToMenuHoverPath},
        {kPauseChainPath},
        // Settings panel and its file
        {kShippedSettingsFilePath},
        {kSettingsBackgroundPath},
        {kSettingsTitlePath},
        {kSettingsMusicLabelPath},
        {kSettingsSoundLabelPath},
        {kSettingsLanguageLabelPath},
        {kSettingsEnglishPath},
        {kSettingsSpeedLabelPath},
        {kSettingsSpeedPaths[0]},
        {kSettingsSpeedPaths[1]},
        {kSettingsSpeedPaths[2]},
        {kSettingsSpeakerPath},
        {kSettingsMutedSpeakerPath},
        {kSettingsBarPath, 17, 1},
        {kSettingsCursorPath},
        {kSettingsBackPath},
        {kSettingsBackHoverPath},
        {kSettingsApplyPath},
        {kSettingsApplyHoverPath},
        // Team selection: two-row button sheets
        {kTeamRightArrowPath, 39, 78},
        {kTeamLeftArrowPath, 39, 78},
        {kTeamSelectButtonPath, 146, 80},
        {kTeamStartButtonPath, 123, 80},
        {kTeamNotePadPath},
        {kTeamTablePath},
        {kTeamTitlePath},
        // Shop: two-row button sheets (the arrows are the case-only twins of team selection's)
        {kShopHirePath, 80, 74},
        {kShopNextPath, 90, 76},
        {kShopReturnPath, 182, 88},
        {kShopLeftArrowPath, 39, 78},
        {kShopRightArrowPath, 39, 78},
        {kShopTablePath},
        {kShopNotePadPath},
        // End screens: ten frames of 240x135 side by side
        {kWinPicturePath, 2400, 135},
        {kWinBlackPath},
        {kCreditsPicturePath, 2400, 135},
        {kCreditsBlackPath},
        {kDefeatPicturePath},
        // Fonts of the settings texts, team sheets, win texts and credits
        {kPixelFontPath},
        {kDisplayFontPath},
    };
    // Hero sheets walked on the main menu (row 1) and shown in team selection and the shop (row 0).
    for (int i = 0; i < kMenuHeroCount; ++i) rows.push_back({kMenuHeroSheetPaths[i], i == 0 ? 896u : 704u, 192u});
    return rows;
}
