#include "app/scene_changes.hpp"

#include "app/autosave.hpp"
#include "app/cursor.hpp"
#include "core/sound.hpp"
#include "world/level_change.hpp"

namespace {

// The shop and the transition are drawn in screen pixels: the scrolled view is left while
// they show (the transition's end brings the world view back).
void enterScreenView(MainData* data) {
    Camera& camera = data->world.camera;
    if (camera.mode == CAMERA_OVERVIEW) toggleCameraMode(&camera, &data->window);
    applyCamera(&camera, &data->window, 1);
}

// The screens that end a game are shown in the plain screen view, which stands still.
void showScreenView(MainData* data) {
    enterScreenView(data);
    data->world.camera.scrollStep = {0, 0};
}

} // namespace

void applyMainMenuChoice(MainData* data, MainMenuChoice choice) {
    switch (choice) {
    case MainMenuChoice::Play:
        // A new game starts from nothing: the last one (if any) is released here.
        destroyWorldGame(&data->world);
        resetCamera(&data->world.camera, &data->window);
        initTeamSelect(&data->teamSelect);
        data->sceneState = SCENE_TEAM_SELECT;
        break;
    case MainMenuChoice::Continue:
        continueSavedGame(data);
        break;
    case MainMenuChoice::Settings:
        data->sceneState = SCENE_MENU_SETTINGS;
        break;
    case MainMenuChoice::Credits:
        data->sceneState = SCENE_CREDITS;
        break;
    case MainMenuChoice::Quit:
        data->window.close();
        break;
    case MainMenuChoice::None:
        break;
    }
}

void applyPauseChoice(MainData* data, PauseChoice choice) {
    switch (choice) {
    case PauseChoice::Resume:
        data->sceneState = SCENE_WORLD;
        break;
    case PauseChoice::Settings:
        data->sceneState = SCENE_SETTINGS;
        break;
    case PauseChoice::ExitToMenu:
        data->sceneState = SCENE_MAIN_MENU;
        applyCamera(&data->world.camera, &data->window, 1);
        // Leaving the game ends it: a fight left open is released with it, so nothing of it
        // reaches the next game.
        destroyWorldGame(&data->world);
        // The last autosave stays: Continue picks the game up from it.
        refreshSavedGame(data);
        break;
    case PauseChoice::None:
        break;
    }
}

void applySettingsChoice(MainData* data, SettingsChoice choice) {
    if (choice != SettingsChoice::Back) return;
    data->sceneState = data->sceneState == SCENE_MENU_SETTINGS ? SCENE_MAIN_MENU : SCENE_WORLD;
}

void applyTeamSelectChoice(MainData* data, const TeamSelectChoice& choice) {
    if (!choice.started) return;
    // Levels 3 to 10 are read from where this run generated them.
    data->world.generatedLevelFolder = data->folders.levels;
    initWorldGame(&data->world, choice.team.data());
    data->sceneState = SCENE_WORLD;
}

void applyShopChoice(MainData* data, ShopChoice choice) {
    // The road shown leads from the level just cleared to the one about to be played.
    if (choice == ShopChoice::Next) startLevelTransitionScene(data, data->world.level - 1);
}

void applyEndScreenChoice(MainData* data, EndScreenChoice choice) {
    if (choice != EndScreenChoice::ExitToMenu) return;
    data->sceneState = SCENE_MAIN_MENU;
    refreshSavedGame(data);
}

void openPauseMenuScene(MainData* data) {
    Camera& camera = data->world.camera;
    if (camera.mode == CAMERA_OVERVIEW) {
        toggleCameraMode(&camera, &data->window);
        data->world.hud.visible = 1; // the HUD belongs to the close view
    }
    // The view stands still under the pause menu: no scroll step may move the cursor.
    camera.scrollStep = {0, 0};
    data->sceneState = SCENE_PAUSE;
    openPauseMenu(&data->pauseMenu, viewTopLeft(data));
}

void openShopScene(MainData* data) {
    enterScreenView(data);
    data->world.partyChanged = 1;
    openShop(&data->shop, static_cast<std::int32_t>(data->world.party.count), data->world.gold);
    data->sceneState = SCENE_SHOP;
}

void startLevelTransitionScene(MainData* data, std::int32_t sheetNumber) {
    enterScreenView(data);
    startLevelTransition(&data->levelTransition, sheetNumber);
    data->sceneState = SCENE_LEVEL_TRANSITION;
}

void checkLevelComplete(MainData* data) {
    if (data->world.enemies.count != 0) return;
    // A fight still being closed, or a hero still walking onto the last enemy, finishes first.
    if (data->world.phase != WORLD_PHASE_MAP) return;
    if (data->world.level >= 10) {
        playSound(Sound::WinScreen);
        initWinScreen(&data->winScreen);
        data->sceneState = SCENE_WIN;
        showScreenView(data);
        endSavedGame(data); // the game is won: nothing is left to continue
        return;
    }
    goToNextLevel(data);
}

void goToNextLevel(MainData* data) {
    playSound(Sound::LevelCleared);
    startNextLevel(&data->world, &data->window);
    openShopScene(data);
}

void checkDefeat(MainData* data) {
    if (data->world.party.leaderAlive != 0) return;
    showScreenView(data);
    data->world.hud.visible = 0;
    playSound(Sound::DefeatScreen);
    initDefeatScreen(&data->defeatScreen);
    data->sceneState = SCENE_DEFEAT;
    endSavedGame(data); // the game is lost: nothing is left to continue
}

void applyTransitionEndRule(MainData* data, std::int32_t* transitionFinished, float dt) {
    if (*transitionFinished != 1) return;
    data->transitionTimer += dt;
    if (data->transitionTimer >= kTransitionHoldSeconds) {
        *transitionFinished = 0;
        data->sceneState = SCENE_WORLD;
        applyCamera(&data->world.camera, &data->window, 0);
        data->transitionTimer = 0.f;
    }
}
