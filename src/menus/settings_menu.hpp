// The settings panel (music and sound rows with speaker toggles and volume cursors, a
// language row, Back and Apply) and the settings file it reads at start-up and writes
// on Apply. The panel is laid out and hit-tested in screen coordinates.
#pragma once

#include "core/enemy_speed.hpp"
#include "menus/menu_button.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <string>

struct MusicRecord;

// The settings file, in the folder the shell keeps it in.
// The settings file shipped with the game's data.
inline constexpr const char* kShippedSettingsFilePath = "Assets/SettingsMenu/Settings.txt";
inline constexpr const char* kSettingsBackgroundPath = "Assets/SettingsMenu/Sprites/FondSetting.png";
inline constexpr const char* kSettingsTitlePath = "Assets/SettingsMenu/Sprites/SETTINGS.png";
inline constexpr const char* kSettingsMusicLabelPath = "Assets/SettingsMenu/Sprites/Music.png";
inline constexpr const char* kSettingsSoundLabelPath = "Assets/SettingsMenu/Sprites/Sound_Effect.png";
inline constexpr const char* kSettingsLanguageLabelPath = "Assets/SettingsMenu/Sprites/Language.png";
inline constexpr const char* kSettingsEnglishPath = "Assets/SettingsMenu/Sprites/English.png";
inline constexpr const char* kSettingsSpeakerPath = "Assets/SettingsMenu/Sprites/HautParleur.png";
inline constexpr const char* kSettingsMutedSpeakerPath = "Assets/SettingsMenu/Sprites/HautParleurmuet.png";
inline constexpr const char* kSettingsBarPath = "Assets/SettingsMenu/Sprites/BarreDeSons.png";
inline constexpr const char* kSettingsCursorPath = "Assets/SettingsMenu/Sprites/CercleBlanc.png";
inline constexpr const char* kSettingsBackPath = "Assets/SettingsMenu/Sprites/ButtonBack.png";
inline constexpr const char* kSettingsBackHoverPath = "Assets/SettingsMenu/Sprites/ButtonBackSelect.png";
inline constexpr const char* kSettingsApplyPath = "Assets/SettingsMenu/Sprites/ButtonApply.png";
inline constexpr const char* kSettingsApplyHoverPath = "Assets/SettingsMenu/Sprites/ButtonApplySelect.png";
// The enemy-turn speed row: its label and one picture per speed (Normal, Fast, Instant).
inline constexpr const char* kSettingsSpeedLabelPath = "Assets/SettingsMenu/Sprites/Enemy_Speed.png";
inline constexpr const char* kSettingsSpeedPaths[kEnemySpeedCount] = {
    "Assets/SettingsMenu/Sprites/Speed_Normal.png", "Assets/SettingsMenu/Sprites/Speed_Fast.png",
    "Assets/SettingsMenu/Sprites/Speed_Instant.png"};

// A word of the settings file has at most this many characters.
constexpr int kSettingsWordMax = 50;
// The range each value is read into: the toggles are 0 or 1, the volumes 0 to 100.
constexpr std::int32_t kSettingsVolumeMax = 100;

// What a press on the panel asks for; the shell acts on it. Back leaves the panel for
// whatever it was opened over.
enum class SettingsChoice { None, Back };

struct SettingsMenu {
    const sf::Font* font = nullptr;
    sf::Text musicText;
    sf::Text soundText;
    const sf::Texture* backgroundTexture = nullptr;
    sf::Sprite background;
    const sf::Texture* titleTexture = nullptr;
    sf::Sprite title;
    const sf::Texture* musicLabelTexture = nullptr;
    sf::Sprite musicLabel;
    const sf::Texture* soundLabelTexture = nullptr;
    sf::Sprite soundLabel;
    const sf::Texture* languageLabelTexture = nullptr;
    sf::Sprite languageLabel;
    const sf::Texture* speakerTexture = nullptr;
    const sf::Texture* mutedSpeakerTexture = nullptr;
    sf::Sprite musicSpeaker;
    sf::Sprite soundSpeaker;
    const sf::Texture* barTexture = nullptr;
    sf::Sprite musicBar;
    sf::Sprite soundBar;
    const sf::Texture* cursorTexture = nullptr;
    sf::Sprite musicCursor;
    sf::Sprite soundCursor;
    const sf::Texture* englishTexture = nullptr;
    sf::Sprite english;
    const sf::Texture* speedLabelTexture = nullptr;
    sf::Sprite speedLabel;
    const sf::Texture* speedTextures[kEnemySpeedCount] = {};
    sf::Sprite speedTag; // the speed chosen; a press on it steps to the next one
    MenuButton back;  // Back normal texture, hover texture, sprite
    MenuButton apply; // Apply normal texture, hover texture, sprite
    std::int32_t soundEnable = 0;
    std::int32_t soundVolume = 0;
    std::int32_t musicEnable = 0;
    std::int32_t musicVolume = 0;
    std::int32_t enemySpeed = 0; // EnemySpeed: 0 Normal, 1 Fast, 2 Instant
    std::uint32_t soundDragging = 0;
    std::uint32_t musicDragging = 0;
    // The file read at start-up and written by Apply.
    std::string filePath;
};

// Reads the settings file at `filePath` (kept for Apply), then builds the panel.
void initSettingsMenu(SettingsMenu* menu, const std::string& filePath);
void drawSettingsMenu(SettingsMenu* menu, sf::RenderTarget& target);
SettingsChoice mousePressedSettingsMenu(SettingsMenu* menu, sf::Event::MouseButtonEvent press);
void mouseReleasedSettingsMenu(SettingsMenu* menu);
// Escape: the same as a press on Back (a cursor being dragged is let go).
SettingsChoice escapeSettingsMenu(SettingsMenu* menu);
void mouseMovedSettingsMenu(SettingsMenu* menu, sf::Event::MouseMoveEvent move);

// The values of the settings file. A file written before the enemy-turn speed existed has
// no Enemy_Speed key and reads as Normal.
struct SettingsValues {
    std::int32_t musicEnable = 0;
    std::int32_t musicVolume = 0;
    std::int32_t soundEnable = 0;
    std::int32_t soundVolume = 0;
    std::int32_t enemySpeed = 0;
};

// Reads the text of a settings file over `values`: whitespace-separated words, a key
// ("Music_Enable", "Music_Volume", "Sound_Enable", "Sound_Volume", "Enemy_Speed",
// case-sensitive) followed by a decimal integer sets that value, clamped to its range (0..1
// for the toggles, 0..100 for the volumes, 0..2 for the speed, whatever the number's size); a later key wins; any other word is skipped. A value word that is not such an integer leaves the value and is
// looked at again as an ordinary word. Words longer than kSettingsWordMax characters, or
// holding a NUL byte, are neither keys nor values.
void parseSettingsText(const std::string& text, SettingsValues* values);

// The text Apply writes: "Music_Enable %d", "Music_Volume %d", "Sound_Enable %d",
// "Sound_Volume %d" and "Enemy_Speed %d", in that order, each line ending in a newline.
std::string formatSettingsText(const SettingsValues& values);

// Reads the values from `path` (parseSettingsText); a file that cannot be opened
// changes nothing.
void loadSettings(SettingsMenu* menu, const std::string& path);
// Writes the values (formatSettingsText) to `path` through a temporary file renamed
// over it, so that a failed write never leaves a truncated file behind. Returns false when
// nothing was written.
bool saveSettings(const SettingsMenu* menu, const std::string& path);
void dragMusicCursor(SettingsMenu* menu, float mouseX);
void dragSoundCursor(SettingsMenu* menu, float mouseX);
void updateMusicVolumeText(SettingsMenu* menu);
void updateSoundVolumeText(SettingsMenu* menu);

// The music plays at the panel's music volume (clamped to 0..100), or silent when the
// music is switched off.
void applyMusicSettings(const SettingsMenu* menu, MusicRecord* music);
// The sound effects play at the panel's sound volume, or not at all when switched off.
void applySoundSettings(const SettingsMenu* menu);
EnemySpeed chosenEnemySpeed(const SettingsMenu* menu);
