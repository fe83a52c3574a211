#include "app/autosave.hpp"

#include "world/party_focus.hpp"
#include "world/save_file.hpp"

std::string saveFileOf(const MainData* data) { return saveFilePath(data->folders.levels); }

void autosaveWorld(MainData* data) {
    if (!data->world.autosaveDue) return;
    data->world.autosaveDue = 0;
    // Only a world still being played is saved (not one the frame's rules just ended).
    if (data->sceneState != SCENE_WORLD) return;
    const SaveData save = captureSave(&data->world);
    if (writeSaveFile(saveFileOf(data), &save)) {
        data->saveFailed = 0;
        data->autosavesWritten += 1;
        return;
    }
    data->saveFailed = 1;
    setMainMenuMessage(&data->mainMenu, "This game cannot be saved: its folder cannot be written");
}

void refreshSavedGame(MainData* data) {
    const SaveLoadResult result = readSaveFile(saveFileOf(data), &data->savedGame);
    const bool readable = result.status == SaveLoad::Loaded || result.status == SaveLoad::LoadedBackup;
    showMainMenuContinue(&data->mainMenu, readable ? 1 : 0);
    if (!result.message.empty()) setMainMenuMessage(&data->mainMenu, result.message.c_str());
    else if (data->saveFailed) setMainMenuMessage(&data->mainMenu, "This game cannot be saved: its folder cannot be written");
    else setMainMenuMessage(&data->mainMenu, "");
}

void continueSavedGame(MainData* data) {
    destroyWorldGame(&data->world);
    resetCamera(&data->world.camera, &data->window);
    restoreSave(&data->world, &data->savedGame, &data->window, data->folders.levels);
    if (data->world.phase == WORLD_PHASE_MAP) focusCameraOnParty(&data->world);
    data->sceneState = SCENE_WORLD;
}

void endSavedGame(MainData* data) {
    removeSaveFile(saveFileOf(data));
    showMainMenuContinue(&data->mainMenu, 0);
}
