#include "app/scenes.hpp"

#include "app/autosave.hpp"
#include "app/cursor.hpp"
#include "app/enemy_speed_hold.hpp"
#include "app/scene_changes.hpp"

#include <array>

namespace {

bool leftButton(sf::Event::MouseButtonEvent press) { return press.button == sf::Mouse::Left; }

// The world as it stands under the pause menu, the settings panel and the defeat screen.
void drawWorldUnder(MainData* data, sf::RenderTarget& target) { drawWorldGame(&data->world, target, data->debugMode); }

// What the party bought in the shop, as the board takes it.
ShopPurchases shopPurchases(const Shop& shop) {
    ShopPurchases purchases;
    purchases.hiredCount = shop.hiredCount;
    for (std::size_t i = 0; i < purchases.recruitList.size() && i < shop.recruitList.size(); ++i)
        purchases.recruitList[i] = shop.recruitList[i];
    purchases.shopGold = shop.shopGold;
    return purchases;
}

// Main menu

void updateMainMenuScene(MainData* data, float dt) { updateMainMenu(&data->mainMenu, dt); }
void drawMainMenuScene(MainData* data, sf::RenderTarget& target) { drawMainMenu(&data->mainMenu, target); }
void pressMainMenuScene(MainData* data, sf::Event::MouseButtonEvent press) {
    if (leftButton(press))
        applyMainMenuChoice(data, mousePressedMainMenu(&data->mainMenu, static_cast<float>(press.x),
                                                       static_cast<float>(press.y)));
}
void moveMainMenuScene(MainData* data, sf::Event::MouseMoveEvent move) { mouseMovedMainMenu(&data->mainMenu, move); }

// World

void updateWorldScene(MainData* data, float dt) {
    const ShopPurchases purchases = shopPurchases(data->shop);
    data->world.enemySpeed = enemySpeedInForce(data);
    updateWorldGame(dt, &data->world, &data->window, &purchases);
    checkLevelComplete(data);
    checkDefeat(data);
    autosaveWorld(data);
}
void drawWorldScene(MainData* data, sf::RenderTarget& target) { drawWorldUnder(data, target); }
void pressWorldScene(MainData* data, sf::Event::MouseButtonEvent press) {
    mousePressedWorldGame(&data->world, press, &data->window);
}
void moveWorldScene(MainData* data, sf::Event::MouseMoveEvent move) { mouseMovedWorldGame(&data->world, move); }

// Pause menu: it lies over the world as the window shows it (scrolled map, or the screen
// view of a fight), so the mouse is moved into that view's coordinates.

void updatePauseScene(MainData* data, float dt) { updatePauseMenu(&data->pauseMenu, dt, viewTopLeft(data)); }
void drawPauseScene(MainData* data, sf::RenderTarget& target) {
    drawWorldUnder(data, target);
    drawPauseMenu(&data->pauseMenu, target);
}
void pressPauseScene(MainData* data, sf::Event::MouseButtonEvent press) {
    if (!leftButton(press)) return;
    const sf::Vector2f origin = viewTopLeft(data);
    applyPauseChoice(data, mousePressedPauseMenu(&data->pauseMenu, static_cast<float>(press.x) + origin.x,
                                                 static_cast<float>(press.y) + origin.y));
}
void movePauseScene(MainData* data, sf::Event::MouseMoveEvent move) {
    const sf::Vector2f origin = viewTopLeft(data);
    move.x = static_cast<int>(static_cast<float>(move.x) + origin.x);
    move.y = static_cast<int>(static_cast<float>(move.y) + origin.y);
    mouseMovedPauseMenu(&data->pauseMenu, move);
}

// Settings panel, over the world or over the main menu; the music follows it live.

void drawSettingsScene(MainData* data, sf::RenderTarget& target) {
    drawWorldUnder(data, target);
    drawPauseShade(target); // opened from the pause menu: the game stays veiled behind it
    drawSettingsMenu(&data->settingsMenu, target);
}
void drawMenuSettingsScene(MainData* data, sf::RenderTarget& target) {
    drawMainMenu(&data->mainMenu, target);
    drawSettingsMenu(&data->settingsMenu, target);
}
void pressSettingsScene(MainData* data, sf::Event::MouseButtonEvent press) {
    if (!leftButton(press)) return;
    const SettingsChoice choice = mousePressedSettingsMenu(&data->settingsMenu, press);
    applyMusicSettings(&data->settingsMenu, data->music.get());
    applySettingsChoice(data, choice);
}
void moveSettingsScene(MainData* data, sf::Event::MouseMoveEvent move) {
    mouseMovedSettingsMenu(&data->settingsMenu, move);
    applyMusicSettings(&data->settingsMenu, data->music.get());
}

// Level transition: clicks and moves do nothing.

void updateTransitionScene(MainData* data, float dt) {
    updateLevelTransition(&data->levelTransition, dt);
    applyTransitionEndRule(data, &data->levelTransition.finished, dt);
}
void drawTransitionScene(MainData* data, sf::RenderTarget& target) {
    drawLevelTransition(&data->levelTransition, target);
}

// Team selection

void updateTeamSelectScene(MainData* data, float dt) { updateTeamSelect(&data->teamSelect, dt); }
void drawTeamSelectScene(MainData* data, sf::RenderTarget& target) { drawTeamSelect(&data->teamSelect, target); }
void pressTeamSelectScene(MainData* data, sf::Event::MouseButtonEvent press) {
    if (leftButton(press))
        applyTeamSelectChoice(data, mousePressedTeamSelect(&data->teamSelect, static_cast<float>(press.x),
                                                           static_cast<float>(press.y)));
}
void moveTeamSelectScene(MainData* data, sf::Event::MouseMoveEvent move) {
    mouseMovedTeamSelect(&data->teamSelect, move);
}

// Shop

void updateShopScene(MainData* data, float dt) { updateShop(&data->shop, dt); }
void drawShopScene(MainData* data, sf::RenderTarget& target) { drawShop(&data->shop, target); }
void pressShopScene(MainData* data, sf::Event::MouseButtonEvent press) {
    applyShopChoice(data, mousePressedShop(&data->shop, press));
}
void moveShopScene(MainData* data, sf::Event::MouseMoveEvent move) { mouseMovedShop(&data->shop, move); }

// End screens: any mouse button works their exit.

void updateWinScene(MainData* data, float dt) { updateWinScreen(&data->winScreen, dt); }
void drawWinScene(MainData* data, sf::RenderTarget& target) { drawWinScreen(&data->winScreen, target); }
void pressWinScene(MainData* data, sf::Event::MouseButtonEvent press) {
    applyEndScreenChoice(data, mousePressedWinScreen(&data->winScreen, static_cast<float>(press.x),
                                                     static_cast<float>(press.y)));
}
void moveWinScene(MainData* data, sf::Event::MouseMoveEvent move) { mouseMovedWinScreen(&data->winScreen, move); }

void drawDefeatScene(MainData* data, sf::RenderTarget& target) {
    drawWorldUnder(data, target);
    drawDefeatScreen(&data->defeatScreen, target);
}
void pressDefeatScene(MainData* data, sf::Event::MouseButtonEvent press) {
    applyEndScreenChoice(data, mousePressedDefeatScreen(&data->defeatScreen, static_cast<float>(press.x),
                                                        static_cast<float>(press.y)));
}
void moveDefeatScene(MainData* data, sf::Event::MouseMoveEvent move) {
    mouseMovedDefeatScreen(&data->defeatScreen, move);
}

void updateCreditsScene(MainData* data, float dt) { updateCredits(&data->credits, dt); }
void drawCreditsScene(MainData* data, sf::RenderTarget& target) { drawCredits(&data->credits, target); }
void pressCreditsScene(MainData* data, sf::Event::MouseButtonEvent press) {
    applyEndScreenChoice(data, mousePressedCredits(&data->credits, static_cast<float>(press.x),
                                                   static_cast<float>(press.y)));
}
void moveCreditsScene(MainData* data, sf::Event::MouseMoveEvent move) { mouseMovedCredits(&data->credits, move); }

// In SceneState order.
const std::array<Scene, kSceneCount> kScenes = {{
    {updateMainMenuScene, drawMainMenuScene, pressMainMenuScene, moveMainMenuScene},       // SCENE_MAIN_MENU
    {updateWorldScene, drawWorldScene, pressWorldScene, moveWorldScene},                   // SCENE_WORLD
    {updatePauseScene, drawPauseScene, pressPauseScene, movePauseScene},                   // SCENE_PAUSE
    {nullptr, drawSettingsScene, pressSettingsScene, moveSettingsScene},                   // SCENE_SETTINGS
    {updateTransitionScene, drawTransitionScene, nullptr, nullptr},                        // SCENE_LEVEL_TRANSITION
    {updateTeamSelectScene, drawTeamSelectScene, pressTeamSelectScene, moveTeamSelectScene}, // SCENE_TEAM_SELECT
    {updateShopScene, drawShopScene, pressShopScene, moveShopScene},                       // SCENE_SHOP
    {updateWinScene, drawWinScene, pressWinScene, moveWinScene},                           // SCENE_WIN
    {nullptr, drawDefeatScene, pressDefeatScene, moveDefeatScene},                         // SCENE_DEFEAT
    {updateCreditsScene, drawCreditsScene, pressCreditsScene, moveCreditsScene},           // SCENE_CREDITS
    // The main menu keeps running under its settings panel but takes no mouse.
    {updateMainMenuScene, drawMenuSettingsScene, pressSettingsScene, moveSettingsScene}, // SCENE_MENU_SETTINGS
}};

} // namespace

const Scene& sceneOf(SceneState state) { return kScenes[state < kSceneCount ? state : SCENE_MAIN_MENU]; }
