#include "menus/main_menu.hpp"

#include "core/asset_cache.hpp"
#include "core/backdrop_strips.hpp"
#include "core/fonts.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/visible_area.hpp"

namespace {

constexpr int kWalkerFrames = 6;
constexpr int kWalkerFps = 12;
constexpr float kWalkerScale = 2.f;
constexpr float kBackgroundScale = 4.f;

// Buttons in click and drop order: Play, Settings, Credits, Exit.
std::array<MenuButton*, 4> buttonsOf(MainMenu* menu) {
    return {&menu->play, &menu->settings, &menu->credits, &menu->exit};
}

float columnOffset(const MainMenu* menu) { return menu->continueShown ? kMainMenuContinueShift : 0.f; }

void centreMessage(MainMenu* menu) {
    const sf::FloatRect bounds = menu->message.getLocalBounds();
    menu->message.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    menu->message.setPosition(kMainMenuButtonX, kMainMenuMessageY);
}

// A walker waits at the right edge, somewhere between y = 509 and y = 952, for a whole
// number of seconds (0 to 11) before it starts walking.
void placeWalker(MainMenu* menu, int i) {
    menu->walkers[i].setPosition(kWalkerStartX, static_cast<float>(952 - cosmeticRandomInt() % 444));
}

void drawWalkerDelay(MainMenu* menu, int i) { menu->walkDelay[i] = static_cast<float>((cosmeticRandomInt() % 120) / 10); }

} // namespace

void initMainMenu(MainMenu* menu) {
    menu->buttonsArrived = 0;

    menu->backgroundTexture = &createTexture(kMainMenuBackgroundPath);
    menu->background = createSprite(*menu->backgroundTexture);
    menu->background.setScale(kBackgroundScale, kBackgroundScale);
    menu->background.setPosition(0.f, 0.f);
    menu->backgroundOpaque = pictureIsOpaque(kMainMenuBackgroundPath) ? 1 : 0;

    menu->titleTexture = &createTexture(kMainMenuTitlePath);
    menu->title = createSprite(*menu->titleTexture);
    menu->title.setOrigin(menu->title.getLocalBounds().width / 2.f, 0.f);
    menu->title.setPosition(kMainMenuButtonX, 0.f);
    showVisibleFramePart(&menu->title, kMainMenuTitlePath); // only the lettering, where the whole picture put it
    // The title never moves: the backdrop under its opaque middle is never seen.
    menu->backgroundStrips = BackdropStrips{};
    if (menu->backgroundOpaque)
        menu->backgroundStrips =
            cutBackdropStrips(menu->background, coveredArea(menu->title, opaquePictureCore(kMainMenuTitlePath)));

    initMenuButton(&menu->play, kMainMenuPlayPath, kMainMenuPlayHoverPath);
    initMenuButton(&menu->settings, kMainMenuSettingsPath, kMainMenuSettingsHoverPath);
    initMenuButton(&menu->credits, kMainMenuCreditsPath, kMainMenuCreditsHoverPath);
    initMenuButton(&menu->exit, kMainMenuExitPath, kMainMenuExitHoverPath);
    initMenuButton(&menu->continueButton, kMainMenuContinuePath, kMainMenuContinueHoverPath);
    const sf::Vector2f start(kMainMenuButtonX, kMainMenuButtonStartY);
    for (MenuButton* button : buttonsOf(menu)) button->sprite.setPosition(start);
    menu->continueButton.sprite.setPosition(start);

    menu->chainTexture = &createTexture(kMainMenuChainPath);
    for (sf::Sprite& chain : menu->chains) chain = createChainSprite(*menu->chainTexture, start);
    menu->continueChain[0] = createChainSprite(*menu->chainTexture, start);
    menu->continueShown = 0;
    menu->message = sf::Text();
    menu->message.setFont(cachedFont(kPixelFontPath));
    menu->message.setCharacterSize(kMainMenuMessageSize);
    menu->message.setFillColor(sf::Color::White);
    menu->message.setOutlineColor(sf::Color::Black);
    menu->message.setOutlineThickness(2.f);

    const sf::IntRect firstFrame(0, 64, 64, 64);
    for (int i = 0; i < kMenuHeroCount; ++i) {
        menu->walkers[i] = createSprite(createTexture(kMenuHeroSheetPaths[i]));
        menu->walkers[i].setTextureRect(firstFrame);
    }
    for (int i = 0; i < kMenuHeroCount; ++i) {
        placeWalker(menu, i);
        menu->walkers[i].setScale(kWalkerScale, kWalkerScale);
    }
    for (int i = 0; i < kMenuHeroCount; ++i)
        menu->walkerAnimations[i] = createAnimation(kWalkerFrames, kWalkerFps, &firstFrame, 1);
    menu->walkTimer.fill(0.f);
    for (int i = 0; i < kMenuHeroCount; ++i) drawWalkerDelay(menu, i);
}

void moveMainMenuButtons(MainMenu* menu, float dt) {
    // The flag is raised on the frame after Exit, the last button, has settled.
    if (menu->continueShown) dropMenuButton(&menu->continueButton, &menu->continueChain[0], kMainMenuContinueRestY, dt);
    if (dropMenuButtons(buttonsOf(menu), menu->chains, kMainMenuRestY, columnOffset(menu), dt)) menu->buttonsArrived = 1;
}

void respawnMenuWalkers(MainMenu* menu) {
    for (int i = 0; i < kMenuHeroCount; ++i) {
        if (menu->walkers[i].getPosition().x >= kWalkerRespawnX) continue;
        placeWalker(menu, i);
        drawWalkerDelay(menu, i);
        menu->walkTimer[i] = 0.f;
    }
}

void resetMainMenuButtons(MainMenu* menu) {
    const std::array<MenuButton*, 4> buttons = buttonsOf(menu);
    for (int i = 0; i < 4; ++i)
        placeMenuButton(buttons[i], &menu->chains[i], {kMainMenuButtonX, kMainMenuButtonStartY});
    placeMenuButton(&menu->continueButton, &menu->continueChain[0], {kMainMenuButtonX, kMainMenuButtonStartY});
}

void showMainMenuContinue(MainMenu* menu, std::int32_t shown) {
    if ((menu->continueShown != 0) == (shown != 0)) return;
    menu->continueShown = shown ? 1 : 0;
    resetMainMenuButtons(menu);
    menu->buttonsArrived = 0;
}

void setMainMenuMessage(MainMenu* menu, const char* text) {
    menu->message.setString(text ? text : "");
    centreMessage(menu);
}

void updateMainMenu(MainMenu* menu, float dt) {
    if (menu->buttonsArrived == 0) moveMainMenuButtons(menu, dt);
    for (float& timer : menu->walkTimer) timer += dt;
    for (int i = 0; i < kMenuHeroCount; ++i) updateAnimation(&menu->walkerAnimations[i], &menu->walkers[i], dt);
    for (int i = 0; i < kMenuHeroCount; ++i)
        if (menu->walkTimer[i] > menu->walkDelay[i]) menu->walkers[i].move(-kWalkerSpeed * dt, 0.f);
    respawnMenuWalkers(menu);
}

void drawMainMenu(MainMenu* menu, sf::RenderTarget& target) {
    // An opaque backdrop covers whatever lay under it: written straight, without blending,
    // and not where the title's opaque middle will cover it.
    drawBackdrop(menu->background, menu->backgroundStrips, menu->backgroundOpaque != 0, target);
    for (const sf::Sprite& walker : menu->walkers) drawAnimation(&walker, target);
    drawChainedMenuButtons(buttonsOf(menu), menu->chains, target);
    if (menu->continueShown) {
        MenuButton* const continueButton[1] = {&menu->continueButton};
        drawChainedMenuButtons(continueButton, menu->continueChain, target);
    }
    target.draw(menu->title);
    if (!menu->message.getString().isEmpty()) target.draw(menu->message);
}

void mouseMovedMainMenu(MainMenu* menu, sf::Event::MouseMoveEvent move) {
    hoverMenuButtons(buttonsOf(menu), move);
    if (menu->continueShown) hoverMenuButton(&menu->continueButton, static_cast<float>(move.x), static_cast<float>(move.y));
}

MainMenuChoice mousePressedMainMenu(MainMenu* menu, float x, float y) {
    // While the buttons drop in they overlap; the first hit in this order acts.
    if (menu->continueShown && menuButtonHit(&menu->continueButton, x, y)) {
        resetMainMenuButtons(menu);
        menu->buttonsArrived = 0;
        return MainMenuChoice::Continue;
    }
    if (menuButtonHit(&menu->play, x, y)) {
        resetMainMenuButtons(menu);
        menu->buttonsArrived = 0;
        return MainMenuChoice::Play;
    }
    if (menuButtonHit(&menu->settings, x, y)) return MainMenuChoice::Settings;
    if (menuButtonHit(&menu->credits, x, y)) return MainMenuChoice::Credits;
    if (menuButtonHit(&menu->exit, x, y)) return MainMenuChoice::Quit;
    return MainMenuChoice::None;
}
