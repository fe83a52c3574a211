#include "app/menu_keys.hpp"

#include "app/scene_changes.hpp"

bool pressMenuKey(MainData* data, sf::Keyboard::Key key, bool repeated) {
    if (key != sf::Keyboard::Escape) return false;
    switch (data->sceneState) {
    case SCENE_PAUSE:
        // A held Escape must not flicker between the map and the menu it just opened.
        if (!repeated) applyPauseChoice(data, escapePauseMenu(&data->pauseMenu));
        return true;
    case SCENE_SETTINGS:
    case SCENE_MENU_SETTINGS:
        if (!repeated) {
            applySettingsChoice(data, escapeSettingsMenu(&data->settingsMenu));
            applyMusicSettings(&data->settingsMenu, data->music.get());
        }
        return true;
    case SCENE_WORLD:
        // Only a fresh press opens the pause menu: the repeats of the Escape that just
        // closed it must not open it again.
        return repeated;
    default:
        return false;
    }
}
