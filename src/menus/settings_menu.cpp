#include "menus/settings_menu.hpp"

#include "core/atomic_write.hpp"

#include "core/asset_cache.hpp"
#include "core/audio.hpp"
#include "core/data_dir.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <string_view>

namespace {

constexpr float kPanelScale = 1.4f;
constexpr float kBarScale = 1.2f;
constexpr float kButtonScale = 1.8f;
constexpr unsigned kPercentSize = 40;
const sf::Color kPercentColour(112, 114, 110, 255);
constexpr float kMusicRowY = 340.f;
constexpr float kSoundRowY = 490.f;
// The enemy-turn speed sits between Back and Apply, a little smaller than the rows above.
constexpr float kSpeedRowY = 790.f;
constexpr float kSpeedScale = 1.2f;
constexpr float kSpeedLabelX = 614.f;
constexpr float kSpeedTagX = 994.f;
// The volume track starts this far into the bar and is this much shorter than it.
constexpr float kTrackInset = 10.f;
constexpr float kTrackShortening = 19.f;

void setLeftMiddleOrigin(sf::Sprite* sprite) { sprite->setOrigin(0.f, sprite->getLocalBounds().height / 2.f); }

void setCentreOrigin(sf::Sprite* sprite) {
    const sf::FloatRect local = sprite->getLocalBounds();
    sprite->setOrigin(local.width / 2.f, local.height / 2.f);
}

sf::Sprite makePanelSprite(const sf::Texture& texture, float scale, sf::Vector2f position) {
    sf::Sprite sprite = createSprite(texture);
    setLeftMiddleOrigin(&sprite);
    sprite.setScale(scale, scale);
    sprite.setPosition(position);
    return sprite;
}

struct Track {
    float left;
    float length;
};

Track trackOf(const sf::Sprite& bar) {
    const sf::FloatRect bounds = bar.getGlobalBounds();
    return {bounds.left + kTrackInset, bounds.width - kTrackShortening};
}

void placeCursorOnBar(sf::Sprite* cursor, const sf::Sprite& bar, std::int32_t volume) {
    const Track track = trackOf(bar);
    const sf::FloatRect bounds = bar.getGlobalBounds();
    cursor->setPosition(track.left + track.length / 100.f * static_cast<float>(volume),
                        bounds.top + bounds.height / 2.f);
}

// Moves a held cursor to the mouse's x, clamped to the track, and returns the volume there.
std::int32_t dragCursor(sf::Sprite* cursor, const sf::Sprite& bar, float mouseX) {
    const Track track = trackOf(bar);
    float x = mouseX;
    if (mouseX < track.left) x = track.left;
    if (mouseX > track.left + track.length) x = track.left + track.length;
    cursor->setPosition(x, cursor->getPosition().y);
    const float volume = (x - track.left) / (track.length / 100.f);
    return static_cast<std::int32_t>(volume);
}

void setPercentText(sf::Text* text, std::int32_t volume, float rowOffset) {
    char buffer[51];
    std::snprintf(buffer, sizeof buffer, "%d%%", static_cast<int>(volume));
    text->setString(buffer);
    const sf::FloatRect bounds = text->getGlobalBounds();
    text->setPosition((1920.f - bounds.width) / 2.f + 100.f, (1080.f - bounds.height) / 2.f - rowOffset);
}

void toggleSpeaker(SettingsMenu* menu, std::int32_t* enable, sf::Sprite* speaker) {
    if (*enable != 0) {
        *enable = 0;
        setSpriteTexture(speaker, *menu->mutedSpeakerTexture, true);
    } else {
        *enable = 1;
        setSpriteTexture(speaker, *menu->speakerTexture, true);
    }
}

// The settings file's whitespace, as the C locale has it.
bool isSettingsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads the settings text word by word. A word longer than kSettingsWordMax characters
// is read whole and reported as too long, so that no piece of it is mistaken for a key.
struct WordReader {
    const std::string& text;
    std::size_t pos = 0;
    std::string_view word;
    bool tooLong = false;

    explicit WordReader(const std::string& source) : text(source) {}

    bool next() {
        while (pos < text.size() && isSettingsSpace(text[pos])) ++pos;
        if (pos == text.size()) return false;
        const std::size_t start = pos;
        while (pos < text.size() && !isSettingsSpace(text[pos])) ++pos;
        word = std::string_view(text).substr(start, pos - start);
        tooLong = word.size() > static_cast<std::size_t>(kSettingsWordMax);
        return true;
    }
};

constexpr long long kPastInt32 = 10000000000LL;

// A whole word that is a decimal integer (optional sign), clamped to low..high: a number of
// any length stands for the end of the range it lies beyond.
bool parseClampedInteger(const WordReader& reader, std::int32_t low, std::int32_t high, std::int32_t* value) {
    if (reader.tooLong) return false;
    std::string_view digits = reader.word;
    const bool negative = !digits.empty() && digits[0] == '-';
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
    if (digits.empty()) return false;
    long long parsed = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        // Stops growing once far past any range, so fifty digits cannot overflow it.
        if (parsed < kPastInt32) parsed = parsed * 10 + (c - '0');
    }
    if (negative) parsed = -parsed;
    *value = static_cast<std::int32_t>(std::clamp<long long>(parsed, low, high));
    return true;
}

struct SettingsField {
    std::int32_t* value = nullptr;
    std::int32_t high = 0;
};

SettingsField fieldOfKey(SettingsValues* values, const WordReader& reader) {
    if (reader.tooLong) return {};
    const std::string_view word = reader.word;
    if (word == "Music_Enable") return {&values->musicEnable, 1};
    if (word == "Music_Volume") return {&values->musicVolume, kSettingsVolumeMax};
    if (word == "Sound_Enable") return {&values->soundEnable, 1};
    if (word == "Sound_Volume") return {&values->soundVolume, kSettingsVolumeMax};
    if (word == "Enemy_Speed") return {&values->enemySpeed, kEnemySpeedCount - 1};
    return {};
}

} // namespace

void parseSettingsText(const std::string& text, SettingsValues* values) {
    WordReader reader{text};
    bool haveWord = reader.next();
    while (haveWord) {
        const SettingsField field = fieldOfKey(values, reader);
        if (!field.value) {
            haveWord = reader.next();
            continue;
        }
        if (!reader.next()) break;
        std::int32_t value = 0;
        if (parseClampedInteger(reader, 0, field.high, &value)) {
            *field.value = value;
            haveWord = reader.next();
        }
        // Otherwise the field keeps its value and the word just read is looked at again
        // as an ordinary word (it may be the next key).
    }
}

void loadSettings(SettingsMenu* menu, const std::string& path) {
    std::FILE* file = std::fopen(dataPath(path).c_str(), "r");
    if (!file) return;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, got);
    std::fclose(file);
    SettingsValues values{menu->musicEnable, menu->musicVolume, menu->soundEnable, menu->soundVolume, menu->enemySpeed};
    parseSettingsText(text, &values);
    menu->musicEnable = values.musicEnable;
    menu->musicVolume = values.musicVolume;
    menu->soundEnable = values.soundEnable;
    menu->soundVolume = values.soundVolume;
    menu->enemySpeed = values.enemySpeed;
}

std::string formatSettingsText(const SettingsValues& values) {
    char text[200];
    std::snprintf(text, sizeof(text),
                  "Music_Enable %d\nMusic_Volume %d\nSound_Enable %d\nSound_Volume %d\nEnemy_Speed %d\n",
                  static_cast<int>(values.musicEnable), static_cast<int>(values.musicVolume),
                  static_cast<int>(values.soundEnable), static_cast<int>(values.soundVolume),
                  static_cast<int>(values.enemySpeed));
    return text;
}

bool saveSettings(const SettingsMenu* menu, const std::string& path) {
    const SettingsValues values{menu->musicEnable, menu->musicVolume, menu->soundEnable, menu->soundVolume,
                                menu->enemySpeed};
    return writeFileAtomically(path, formatSettingsText(values)) == WriteResult::Written;
}

void initSettingsMenu(SettingsMenu* menu, const std::string& filePath) {
    menu->font = &cachedFont(kPixelFontPath);
    menu->filePath = filePath;
    loadSettings(menu, menu->filePath);

    menu->backgroundTexture = &createTexture(kSettingsBackgroundPath);
    menu->background = createSprite(*menu->backgroundTexture);
    {
        const sf::FloatRect local = menu->background.getLocalBounds();
        menu->background.setOrigin(local.width / 2.f, local.height / 2.f + 50.f);
    }
    menu->background.setScale(kPanelScale, kPanelScale);
    menu->background.setPosition(960.f, 540.f);

    menu->titleTexture = &createTexture(kSettingsTitlePath);
    menu->title = createSprite(*menu->titleTexture);
    setCentreOrigin(&menu->title);
    menu->title.setScale(kPanelScale, kPanelScale);
    menu->title.setPosition(960.f, 230.f);

    menu->musicLabelTexture = &createTexture(kSettingsMusicLabelPath);
    menu->musicLabel = makePanelSprite(*menu->musicLabelTexture, kPanelScale, {260.f, kMusicRowY});
    menu->soundLabelTexture = &createTexture(kSettingsSoundLabelPath);
    menu->soundLabel = makePanelSprite(*menu->soundLabelTexture, kPanelScale, {260.f, kSoundRowY});
    menu->languageLabelTexture = &createTexture(kSettingsLanguageLabelPath);
    menu->languageLabel = makePanelSprite(*menu->languageLabelTexture, kPanelScale, {260.f, 640.f});

    menu->speakerTexture = &createTexture(kSettingsSpeakerPath);
    menu->mutedSpeakerTexture = &createTexture(kSettingsMutedSpeakerPath);
    menu->musicSpeaker = makePanelSprite(menu->musicEnable ? *menu->speakerTexture : *menu->mutedSpeakerTexture,
                                         kPanelScale, {880.f, kMusicRowY});
    menu->soundSpeaker = makePanelSprite(menu->soundEnable ? *menu->speakerTexture : *menu->mutedSpeakerTexture,
                                         kPanelScale, {880.f, kSoundRowY});

    menu->musicText.setFont(*menu->font);
    menu->musicText.setCharacterSize(kPercentSize);
    menu->musicText.setFillColor(kPercentColour);
    updateMusicVolumeText(menu);
    menu->soundText.setFont(*menu->font);
    menu->soundText.setCharacterSize(kPercentSize);
    menu->soundText.setFillColor(kPercentColour);
    updateSoundVolumeText(menu);

    menu->barTexture = &createTexture(kSettingsBarPath);
    menu->musicBar = makePanelSprite(*menu->barTexture, kBarScale, {1160.f, kMusicRowY});
    menu->soundBar = makePanelSprite(*menu->barTexture, kBarScale, {1160.f, kSoundRowY});

    menu->cursorTexture = &createTexture(kSettingsCursorPath);
    menu->musicCursor = createSprite(*menu->cursorTexture);
    setCentreOrigin(&menu->musicCursor);
    menu->musicCursor.setScale(kBarScale, kBarScale);
    placeCursorOnBar(&menu->musicCursor, menu->musicBar, menu->musicVolume);
    menu->soundCursor = createSprite(*menu->cursorTexture);
    setCentreOrigin(&menu->soundCursor);
    menu->soundCursor.setScale(kBarScale, kBarScale);
    placeCursorOnBar(&menu->soundCursor, menu->soundBar, menu->soundVolume);

    menu->englishTexture = &createTexture(kSettingsEnglishPath);
    menu->english = makePanelSprite(*menu->englishTexture, kPanelScale, {1175.f, 645.f});

    menu->speedLabelTexture = &createTexture(kSettingsSpeedLabelPath);
    menu->speedLabel = makePanelSprite(*menu->speedLabelTexture, kSpeedScale, {kSpeedLabelX, kSpeedRowY});
    for (std::int32_t i = 0; i < kEnemySpeedCount; ++i) menu->speedTextures[i] = &createTexture(kSettingsSpeedPaths[i]);
    menu->speedTag = makePanelSprite(*menu->speedTextures[std::clamp(menu->enemySpeed, 0, kEnemySpeedCount - 1)],
                                     kSpeedScale, {kSpeedTagX, kSpeedRowY + 4.f});

    initMenuButton(&menu->back, kSettingsBackPath, kSettingsBackHoverPath);
    setLeftMiddleOrigin(&menu->back.sprite);
    menu->back.sprite.setScale(kButtonScale, kButtonScale);
    menu->back.sprite.setPosition(260.f, 790.f);
    initMenuButton(&menu->apply, kSettingsApplyPath, kSettingsApplyHoverPath);
    setLeftMiddleOrigin(&menu->apply.sprite);
    menu->apply.sprite.setScale(kButtonScale, kButtonScale);
    menu->apply.sprite.setPosition(1410.f, 790.f);
}

void updateMusicVolumeText(SettingsMenu* menu) { setPercentText(&menu->musicText, menu->musicVolume, 205.f); }
void updateSoundVolumeText(SettingsMenu* menu) { setPercentText(&menu->soundText, menu->soundVolume, 55.f); }

void dragMusicCursor(SettingsMenu* menu, float mouseX) {
    if (!menu->musicDragging) return;
    menu->musicVolume = dragCursor(&menu->musicCursor, menu->musicBar, mouseX);
    updateMusicVolumeText(menu);
}

void dragSoundCursor(SettingsMenu* menu, float mouseX) {
    if (!menu->soundDragging) return;
    menu->soundVolume = dragCursor(&menu->soundCursor, menu->soundBar, mouseX);
    updateSoundVolumeText(menu);
    applySoundSettings(menu);
}

void drawSettingsMenu(SettingsMenu* menu, sf::RenderTarget& target) {
    // The panel sits at the same place on screen whatever the camera shows underneath.
    const sf::View under = target.getView();
    target.setView(screenViewOf(under));

    target.draw(menu->background);
    target.draw(menu->title);
    target.draw(menu->musicLabel);
    target.draw(menu->soundLabel);
    target.draw(menu->languageLabel);
    target.draw(menu->musicSpeaker);
    target.draw(menu->soundSpeaker);
    target.draw(menu->musicText);
    target.draw(menu->soundText);
    target.draw(menu->musicBar);
    target.draw(menu->soundBar);
    target.draw(menu->musicCursor);
    target.draw(menu->soundCursor);
    target.draw(menu->english);
    target.draw(menu->speedLabel);
    target.draw(menu->speedTag);
    target.draw(menu->back.sprite);
    target.draw(menu->apply.sprite);

    target.setView(under);
}

SettingsChoice mousePressedSettingsMenu(SettingsMenu* menu, sf::Event::MouseButtonEvent press) {
    const float x = static_cast<float>(press.x), y = static_cast<float>(press.y);
    if (menu->soundCursor.getGlobalBounds().contains(x, y)) {
        menu->soundDragging = 1;
    } else if (menu->musicCursor.getGlobalBounds().contains(x, y)) {
        menu->musicDragging = 1;
    } else if (menuButtonHit(&menu->back, x, y)) {
        return SettingsChoice::Back;
    } else if (menu->musicSpeaker.getGlobalBounds().contains(x, y)) {
        toggleSpeaker(menu, &menu->musicEnable, &menu->musicSpeaker);
    } else if (menu->soundSpeaker.getGlobalBounds().contains(x, y)) {
        toggleSpeaker(menu, &menu->soundEnable, &menu->soundSpeaker);
        applySoundSettings(menu);
        playSound(Sound::ButtonClick);
    } else if (menu->speedTag.getGlobalBounds().contains(x, y)) {
        menu->enemySpeed = (std::clamp(menu->enemySpeed, 0, kEnemySpeedCount - 1) + 1) % kEnemySpeedCount;
        setSpriteTexture(&menu->speedTag, *menu->speedTextures[menu->enemySpeed], true);
        playSound(Sound::ButtonClick);
    } else if (menuButtonHit(&menu->apply, x, y)) {
        saveSettings(menu, menu->filePath);
    }
    return SettingsChoice::None;
}

void mouseReleasedSettingsMenu(SettingsMenu* menu) {
    // Letting go of the sound cursor plays a sample at the volume just chosen.
    if (menu->soundDragging) {
        applySoundSettings(menu);
        playSound(Sound::ButtonClick);
    }
    menu->soundDragging = 0;
    menu->musicDragging = 0;
}

SettingsChoice escapeSettingsMenu(SettingsMenu* menu) {
    mouseReleasedSettingsMenu(menu);
    return SettingsChoice::Back;
}

void mouseMovedSettingsMenu(SettingsMenu* menu, sf::Event::MouseMoveEvent move) {
    const float x = static_cast<float>(move.x), y = static_cast<float>(move.y);
    hoverMenuButton(&menu->back, x, y);
    hoverMenuButton(&menu->apply, x, y);
    dragSoundCursor(menu, x);
    dragMusicCursor(menu, x);
}

void applyMusicSettings(const SettingsMenu* menu, MusicRecord* music) {
    if (!music) return;
    const float volume = menu->musicEnable ? static_cast<float>(std::clamp(menu->musicVolume, 0, 100)) : 0.f;
    setMusicVolume(music, volume);
}

void applySoundSettings(const SettingsMenu* menu) {
    setSoundVolume(menu->soundEnable ? static_cast<float>(std::clamp(menu->soundVolume, 0, 100)) : 0.f);
}

EnemySpeed chosenEnemySpeed(const SettingsMenu* menu) {
    return static_cast<EnemySpeed>(std::clamp(menu->enemySpeed, 0, kEnemySpeedCount - 1));
}
