#include "fuzz_inputs.hpp"

#include "menus/settings_menu.hpp"
#include "world/dialog_box.hpp"
#include "world/level_file.hpp"
#include "world/save_game.hpp"
#include "world/tile_catalogue.hpp"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

std::string textOf(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

// A file of this process, removed when the process ends. It lives in memory (/dev/shm)
// where the system has such a folder: a fuzzer writes it for every input.
struct ScratchFile {
    std::string path;
    explicit ScratchFile(const char* name) {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", ec)
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        path = (folder / ("ostrevald_fuzz_" + std::to_string(getpid()) + "_" + name)).string();
    }
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
};

bool writeScratch(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// A valid map that no text of the format spells by accident in a few bytes.
LevelCodes previousLevel() {
    LevelCodes codes{};
    for (int i = 0; i < kCellCount; ++i) codes[static_cast<std::size_t>(i)] = 1 + (i * 37) % 144;
    return codes;
}

bool sameValues(const SettingsValues& a, const SettingsValues& b) {
    return a.musicEnable == b.musicEnable && a.musicVolume == b.musicVolume && a.soundEnable == b.soundEnable &&
           a.soundVolume == b.soundVolume && a.enemySpeed == b.enemySpeed;
}

// In-range values a settings file rarely holds, so that a change shows.
constexpr SettingsValues kStartValues{1, 37, 0, 73, 1};

bool valuesInRange(const SettingsValues& v) {
    const auto in = [](std::int32_t value, std::int32_t high) { return value >= 0 && value <= high; };
    return in(v.musicEnable, 1) && in(v.soundEnable, 1) && in(v.musicVolume, kSettingsVolumeMax) &&
           in(v.soundVolume, kSettingsVolumeMax) && in(v.enemySpeed, kEnemySpeedCount - 1);
}

} // namespace

std::string fuzzLevelText(const std::uint8_t* data, std::size_t size) {
    const std::string text = textOf(data, size);
    const LevelCodes previous = previousLevel();
    LevelCodes codes = previous;
    std::string error;
    if (!parseLevelText(text, &codes, &error)) {
        if (codes != previous) return "a rejected level text changed the map";
        if (error.empty()) return "a rejected level text gave no reason";
        return "";
    }
    for (const std::int32_t code : codes)
        if (!isValidTileCode(code)) return "an accepted level text holds the code " + std::to_string(code);
    for (const bool padded : {true, false}) {
        LevelCodes again = previous;
        if (!parseLevelText(formatLevelText(codes, padded), &again, &error) || again != codes)
            return padded ? "the padded text written for a level does not read back the same"
                          : "the unpadded text written for a level does not read back the same";
    }
    return "";
}

std::string fuzzSettingsText(const std::uint8_t* data, std::size_t size) {
    const std::string text = textOf(data, size);
    SettingsValues values = kStartValues;
    parseSettingsText(text, &values);

    const struct {
        const char* key;
        std::int32_t before;
        std::int32_t after;
    } fields[] = {{"Music_Enable", kStartValues.musicEnable, values.musicEnable},
                  {"Music_Volume", kStartValues.musicVolume, values.musicVolume},
                  {"Sound_Enable", kStartValues.soundEnable, values.soundEnable},
                  {"Sound_Volume", kStartValues.soundVolume, values.soundVolume},
                  {"Enemy_Speed", kStartValues.enemySpeed, values.enemySpeed}};
    for (const auto& field : fields)
        if (field.after != field.before && text.find(field.key) == std::string::npos)
            return std::string(field.key) + " changed though the text never names it";

    if (!valuesInRange(values)) return "a settings value was read out of its range";

    SettingsValues again = values;
    parseSettingsText(text, &again);
    if (!sameValues(again, values)) return "reading the same settings text twice gave other values";

    SettingsValues written = kStartValues;
    parseSettingsText(formatSettingsText(values), &written);
    if (!sameValues(written, values)) return "the settings written by the game read back as other values";
    return "";
}

std::int32_t tutorialPageOfInput(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? 0 : static_cast<std::int32_t>(data[0] % 12) - 1;
}

std::string fuzzTutorialPage(const std::uint8_t* data, std::size_t size) {
    const std::int32_t page = tutorialPageOfInput(data, size);
    const std::string text = size == 0 ? std::string() : textOf(data + 1, size - 1);
    static const ScratchFile file("Tuto.txt");
    if (!writeScratch(file.path, text)) return "the tutorial text could not be written to " + file.path;

    DialogBox box;
    box.textPath = file.path;
    const char* const kept[kDialogLineSlots] = {"kept line 0", "kept line 1", "kept line 2", "kept line 3"};
    for (std::int32_t i = 0; i < kDialogLineSlots; ++i) setDialogLine(&box, kept[i], i);
    box.lineCount = 2;

    if (loadDialogPage(&box, kTutorialSection, page) != 0) return "a readable tutorial file was reported unreadable";
    if (box.lineCount > static_cast<std::uint32_t>(kDialogLineSlots))
        return "the page shows " + std::to_string(box.lineCount) + " lines";

    // The page number's digits appear nowhere: the page cannot be there, and the box stays.
    if (text.find(std::to_string(page)) == std::string::npos) {
        if (box.lineCount != 2) return "a page the file lacks changed the line count";
        for (std::size_t i = 0; i < box.lines.size(); ++i)
            if (box.lines[i].getString() != kept[i]) return "a page the file lacks changed a line";
    }
    for (std::uint32_t i = 0; i < box.lineCount; ++i) {
        const sf::String line = box.lines[i].getString();
        if (line.getSize() > static_cast<std::size_t>(kDialogLineBytes - 1))
            return "line " + std::to_string(i) + " is longer than a read line";
        if (!line.isEmpty() && (line[line.getSize() - 1] == '\n' || line[line.getSize() - 1] == '\r'))
            return "line " + std::to_string(i) + " keeps its line end";
    }
    return "";
}

namespace {

// A small valid save, built by hand: one leader on the first cell, one enemy on the last.
SaveData baselineSave() {
    SaveData save;
    save.level = 2;
    save.gold = 100;
    save.randomState = "";
    save.tileCodes.fill(1);
    save.cellFlags.fill(CELL_WALKABLE);
    save.cellFlags[0] = CELL_HERO;
    save.cellFlags[kCellCount - 1] = CELL_ENEMY;
    for (std::int32_t level = 3; level <= kLastLevel; ++level) {
        SavedLevel& saved = save.futureLevels[static_cast<std::size_t>(save.futureLevelCount++)];
        saved.level = level;
        saved.codes.fill(1);
    }
    save.heroes[0].type = PLAYER_IRINA;
    save.heroes[0].stats = initialUnitStats(PLAYER_IRINA);
    save.heroCount = 1;
    save.enemies[0].type = ENEMY_LIGHT;
    save.enemies[0].stats = initialUnitStats(ENEMY_LIGHT);
    save.enemies[0].position = cellCorner({kMapColumns - 1, kMapRows - 1});
    save.enemyCount = 1;
    return save;
}

} // namespace

std::string fuzzSaveText(const std::uint8_t* data, std::size_t size) {
    static const SaveData baseline = baselineSave();
    SaveData save = baseline;
    std::string error;
    const SaveParse result = saveFromJson(textOf(data, size), &save, &error);
    if (result != SaveParse::Ok) {
        if (!(save == baseline)) return "a refused save changed the record";
        if (result == SaveParse::Invalid && error.empty()) return "a refused save without a reason";
        return "";
    }
    SaveData again = baseline;
    const std::string written = saveToJson(&save);
    if (saveFromJson(written, &again, &error) != SaveParse::Ok) return "an accepted save wrote a text it refuses: " + error;
    if (!(again == save)) return "an accepted save read back differently";
    return "";
}
