#include "world/level_file.hpp"

#include "core/atomic_write.hpp"
#include "core/data_dir.hpp"

#include "world/tile_catalogue.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Splits off the next whitespace-separated word; returns false at the end of the text.
bool nextWord(const std::string& text, std::size_t* pos, std::string* word) {
    std::size_t i = *pos;
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i == text.size()) {
        *pos = i;
        return false;
    }
    const std::size_t start = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    word->assign(text, start, i - start);
    *pos = i;
    return true;
}

void describeCell(char* buffer, std::size_t size, int index, const char* problem, const std::string& word) {
    std::snprintf(buffer, size, "code %d (row %d, column %d) %s: \"%.20s\"", index + 1, index / kMapColumns,
                  index % kMapColumns, problem, word.c_str());
}

} // namespace

std::string levelFilePath(const std::string& folder, int level) {
    char number[4];
    std::snprintf(number, sizeof(number), "%02d", level);
    char path[250];
    std::snprintf(path, sizeof(path), "%s/Level%s.txt", folder.c_str(), number);
    return path;
}

std::string levelFileFor(const std::string& generatedFolder, int level) {
    return levelFilePath(level >= kFirstGeneratedLevel ? generatedFolder : kLevelFolder, level);
}

bool parseLevelText(const std::string& text, LevelCodes* codes, std::string* error) {
    std::size_t pos = 0;
    std::string word;
    if (!nextWord(text, &pos, &word) || word != "TileType") {
        *error = "does not begin with the keyword \"TileType\"";
        return false;
    }
    LevelCodes parsed{};
    char message[160];
    for (int index = 0; index < kCellCount; ++index) {
        if (!nextWord(text, &pos, &word)) {
            std::snprintf(message, sizeof(message), "holds %d tile codes instead of %d", index, kCellCount);
            *error = message;
            return false;
        }
        // A decimal integer as "%d" reads it: an optional sign, then digits (leading zeros allowed).
        const std::size_t first = (word[0] == '-' || word[0] == '+') ? 1 : 0;
        bool digits = first < word.size();
        long value = 0;
        for (std::size_t i = first; i < word.size() && digits; ++i) {
            digits = word[i] >= '0' && word[i] <= '9';
            if (value < 100000) value = value * 10 + (word[i] - '0'); // stays far above 144 once past it
        }
        if (!digits) {
            describeCell(message, sizeof(message), index, "is not a number", word);
            *error = message;
            return false;
        }
        if (word[0] == '-') value = -value;
        if (!isValidTileCode(static_cast<int>(value))) {
            describeCell(message, sizeof(message), index, "is outside 1 to 144", word);
            *error = message;
            return false;
        }
        parsed[static_cast<std::size_t>(index)] = static_cast<std::int32_t>(value);
    }
    if (nextWord(text, &pos, &word)) {
        std::snprintf(message, sizeof(message), "holds more than %d tile codes (extra \"%.20s\")", kCellCount,
                      word.c_str());
        *error = message;
        return false;
    }
    *codes = parsed;
    return true;
}

LevelReadStatus readLevelFile(const std::string& path, LevelCodes* codes) {
    std::FILE* file = std::fopen(dataPath(path).c_str(), "r");
    if (!file) {
        std::printf("%s\n", kOpenFileError);
        std::fflush(stdout);
        return LEVEL_READ_OPEN_FAILED;
    }
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, got);
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    std::string error;
    if (readFailed) error = "could not be read";
    if (readFailed || !parseLevelText(text, codes, &error)) {
        std::fprintf(stderr, "Level file %s rejected: %s; the previous map stays in place\n", path.c_str(),
                     error.c_str());
        return LEVEL_READ_INVALID;
    }
    return LEVEL_READ_OK;
}

std::string formatLevelText(const LevelCodes& codes, bool padded) {
    std::string text = "TileType\n";
    text.reserve(10 + kCellCount * 4);
    char number[16];
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            std::snprintf(number, sizeof(number), padded ? "%02d " : "%d ",
                          codes[static_cast<std::size_t>(row * kMapColumns + column)]);
            text += number;
        }
        text += '\n';
    }
    return text;
}

bool writeLevelText(const std::string& path, const std::string& text) {
    switch (writeFileAtomically(path, text)) {
    case WriteResult::Written:
        return true;
    case WriteResult::CannotCreate:
        std::printf("%s\n", kOpenFileError);
        std::fflush(stdout);
        return false;
    case WriteResult::WriteFailed:
        std::fprintf(stderr, "Level file %s not written: %s; the previous file stays in place\n", path.c_str(),
                     std::strerror(errno));
        return false;
    case WriteResult::RenameFailed:
        std::fprintf(stderr, "Level file %s not replaced: %s; the previous file stays in place\n", path.c_str(),
                     std::strerror(errno));
        return false;
    }
    return false;
}
