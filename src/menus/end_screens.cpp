#include "menus/end_screens.hpp"

#include "core/asset_cache.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "menus/pause_menu.hpp"

#include <cstdio>

namespace {

constexpr int kEndFrames = 10;
constexpr int kWinFps = 10;
constexpr int kCreditsFps = 5;
constexpr float kEndPictureScale = 8.f;
constexpr float kDefeatScale = 4.f;
const sf::IntRect kEndFirstFrame(0, 0, 240, 135);
constexpr unsigned kHeadingSize = 50;
constexpr unsigned kNameSize = 25;
// A thin dark rim keeps the white texts readable over the bright parts of the pictures.
const sf::Color kTextRim(18, 14, 28, 200);
constexpr float kTextRimThickness = 2.f;

void addRim(sf::Text* text) {
    text->setOutlineColor(kTextRim);
    text->setOutlineThickness(kTextRimThickness);
}

// Every credit line is formatted into a buffer of this size: at most 24 characters.
constexpr std::size_t kCreditBuffer = 25;

sf::Text makeText(const sf::Font& font, std::size_t bufferSize, const char* content) {
    char buffer[256];
    std::snprintf(buffer, bufferSize < sizeof buffer ? bufferSize : sizeof buffer, "%s", content);
    sf::Text text;
    text.setFont(font);
    text.setString(buffer);
    text.setFillColor(sf::Color::White);
    return text;
}

sf::Sprite makeEndPicture(const char* path) {
    sf::Sprite picture = createSprite(createTexture(path));
    picture.setTextureRect(kEndFirstFrame);
    picture.setScale(kEndPictureScale, kEndPictureScale);
    picture.setPosition(0.f, 0.f);
    return picture;
}

void hoverExit(MenuButton* exit, sf::Event::MouseMoveEvent move) {
    hoverMenuButton(exit, static_cast<float>(move.x), static_cast<float>(move.y));
}

EndScreenChoice pressExit(const MenuButton* exit, float x, float y) {
    return menuButtonHit(exit, x, y) ? EndScreenChoice::ExitToMenu : EndScreenChoice::None;
}

} // namespace

void initExitToMenuButton(MenuButton* button) {
    initMenuButtonTopLeft(button, kExitToMenuPath, kExitToMenuHoverPath);
    const sf::FloatRect bounds = button->sprite.getGlobalBounds();
    button->sprite.setPosition(1920.f - bounds.width - kExitButtonMargin, 1080.f - bounds.height - kExitButtonMargin);
}

// Win screen

void initWinScreen(WinScreen* screen) {
    screen->font = &cachedFont(kDisplayFontPath);
    initExitToMenuButton(&screen->exit);
    screen->picture = makeEndPicture(kWinPicturePath);
    screen->black = createSprite(createTexture(kWinBlackPath));
    screen->title = makeText(*screen->font, 25, kWinTitle);
    screen->title.setCharacterSize(140);
    screen->title.setPosition(600.f, 100.f);
    screen->message = makeText(*screen->font, 250, kWinMessage);
    screen->message.setCharacterSize(60);
    screen->message.setPosition(460.f, 390.f);
    addRim(&screen->title);
    addRim(&screen->message);
    screen->animation = createAnimation(kEndFrames, kWinFps, &kEndFirstFrame, 1);
}

void updateWinScreen(WinScreen* screen, float dt) { updateAnimation(&screen->animation, &screen->picture, dt); }

void drawWinScreen(WinScreen* screen, sf::RenderTarget& target) {
    drawAnimation(&screen->picture, target);
    target.draw(screen->black);
    target.draw(screen->title);
    target.draw(screen->message);
    target.draw(screen->black);
    target.draw(screen->exit.sprite);
}

void mouseMovedWinScreen(WinScreen* screen, sf::Event::MouseMoveEvent move) { hoverExit(&screen->exit, move); }

EndScreenChoice mousePressedWinScreen(const WinScreen* screen, float x, float y) {
    return pressExit(&screen->exit, x, y);
}

// Defeat screen

void initDefeatScreen(DefeatScreen* screen) {
    const sf::Texture& texture = createTexture(kDefeatPicturePath);
    initExitToMenuButton(&screen->exit);
    screen->picture = createSprite(texture);
    screen->picture.setScale(kDefeatScale, kDefeatScale);
    screen->picture.setPosition(0.f, 0.f);
}

void drawDefeatScreen(DefeatScreen* screen, sf::RenderTarget& target) {
    // Drawn over the world, at a fixed place on screen.
    const sf::View under = target.getView();
    target.setView(screenViewOf(under));
    target.draw(screen->picture);
    target.draw(screen->exit.sprite);
    target.setView(under);
}

void mouseMovedDefeatScreen(DefeatScreen* screen, sf::Event::MouseMoveEvent move) { hoverExit(&screen->exit, move); }

EndScreenChoice mousePressedDefeatScreen(const DefeatScreen* screen, float x, float y) {
    return pressExit(&screen->exit, x, y);
}

// Credits

void initCredits(Credits* credits) {
    credits->font = &cachedFont(kPixelFontPath);
    const sf::Font& font = *credits->font;

    // The columns are placed from the headings' widths at the default character size.
    credits->programmerHeading = makeText(font, kCreditBuffer, kProgrammerHeading);
    const float programmerWidth = credits->programmerHeading.getGlobalBounds().width;
    credits->programmerHeading.setCharacterSize(kHeadingSize);
    const float p = (960.f + programmerWidth) / 4.f;
    credits->programmerHeading.setPosition(p, 200.f);

    credits->artistHeading = makeText(font, kCreditBuffer, kArtistHeading);
    const float artistWidth = credits->artistHeading.getGlobalBounds().width;
    credits->artistHeading.setCharacterSize(kHeadingSize);
    const float g = 960.f + artistWidth;
    credits->artistHeading.setPosition(g, 200.f);

    for (int i = 0; i < kProgrammerNameCount; ++i) {
        credits->programmerNames[i] = makeText(font, kCreditBuffer, kProgrammerNames[i]);
        credits->programmerNames[i].setCharacterSize(kNameSize);
        credits->programmerNames[i].setPosition(p, 300.f + 100.f * static_cast<float>(i));
    }
    for (int i = 0; i < kArtistNameCount; ++i) {
        credits->artistNames[i] = makeText(font, kCreditBuffer, kArtistNames[i]);
        credits->artistNames[i].setCharacterSize(kNameSize);
        credits->artistNames[i].setPosition(g, 300.f + 100.f * static_cast<float>(i));
    }

    // Rims are added once every column is placed (they would widen the measured headings).
    addRim(&credits->programmerHeading);
    addRim(&credits->artistHeading);
    for (sf::Text& name : credits->programmerNames) addRim(&name);
    for (sf::Text& name : credits->artistNames) addRim(&name);

    initExitToMenuButton(&credits->exit);
    credits->picture = makeEndPicture(kCreditsPicturePath);
    credits->animation = createAnimation(kEndFrames, kCreditsFps, &kEndFirstFrame, 1);
    // The full-screen veil is read when the credits are first shown, not at start-up.
    credits->black = sf::Sprite();
}

void openCredits(Credits* credits) {
    if (!credits->black.getTexture()) credits->black = createSprite(createTexture(kCreditsBlackPath));
}

void updateCredits(Credits* credits, float dt) {
    openCredits(credits);
    updateAnimation(&credits->animation, &credits->picture, dt);
}

void drawCredits(Credits* credits, sf::RenderTarget& target) {
    openCredits(credits);
    drawAnimation(&credits->picture, target);
    target.draw(credits->black);
    target.draw(credits->artistHeading);
    target.draw(credits->programmerHeading);
    for (const sf::Text& name : credits->programmerNames) target.draw(name);
    for (const sf::Text& name : credits->artistNames) target.draw(name);
    target.draw(credits->exit.sprite);
}

void mouseMovedCredits(Credits* credits, sf::Event::MouseMoveEvent move) { hoverExit(&credits->exit, move); }

EndScreenChoice mousePressedCredits(const Credits* credits, float x, float y) {
    return pressExit(&credits->exit, x, y);
}
