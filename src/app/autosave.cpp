#include "app/autosave.hpp"

#include "world/party_focus.hpp"
#include "world/save_file.hpp"

namespace {

constexpr const char* kCannotSave = "This game cannot be saved: its folder cannot be written";

// What the writer said about the last save, told to the main menu.
void noteSaveResult(MainData* data) {
    switch (takeSaveResult(&data->saveWriter)) {
    case SaveWriteResult::None:
        return;
    case SaveWriteResult::Written:
        data->saveFailed = 0;
        return;
    case SaveWriteResult::Failed:
        data->saveFailed = 1;
        setMainMenuMessage(&data->mainMenu, kCannotSave);
        return;
    }
}

} // namespace

std::string saveFileOf(const MainData* data) { return saveFilePath(data->folders.levels); }

void autosaveWorld(MainData* data) {
    noteSaveResult(data);
    if (!data->world.autosaveDue) return;
    data->world.autosaveDue = 0;
    // Only a world still being played is saved (not one the frame's rules just ended).
    if (data->sceneState != SCENE_WORLD) return;
    const SaveData save = captureSave(&data->world);
    queueSave(&data->saveWriter, saveFileOf(data), saveToJson(&save));
    data->autosavesWritten += 1;
}

void settleSaves(MainData* data) {
    finishSaves(&data->saveWriter);
    noteSaveResult(data);
}

void refreshSavedGame(MainData* data) {
    settleSaves(data);
    const SaveLoadResult result = readSaveFile(saveFileOf(data), &data->savedGame);
    const bool readable = result.status == SaveLoad::Loaded || result.status == SaveLoad::LoadedBackup;
    showMainMenuContinue(&data->mainMenu, readable ? 1 : 0);
    if (!result.message.empty()) setMainMenuMessage(&data->mainMenu, result.message.c_str());
    else if (data->saveFailed) setMainMenuMessage(&data->mainMenu, kCannotSave);
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
    settleSaves(data); // a save still being written would bring the game back
    removeSaveFile(saveFileOf(data));
    showMainMenuContinue(&data->mainMenu, 0);
}
