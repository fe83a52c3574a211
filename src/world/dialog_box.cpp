#include "world/dialog_box.hpp"

#include "core/asset_cache.hpp"
#include "core/data_dir.hpp"
#include "core/fonts.hpp"
#include "core/resources.hpp"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr float kScreenWidth = 1920.f;
constexpr float kScreenHeight = 1080.f;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
// The page file has one owner, and it is closed on every way out of a read.
using PageFile = std::unique_ptr<std::FILE, FileCloser>;

// The file a section reads; null for a section that has none.
const char* sectionFile(const DialogBox* box, std::int32_t section) {
    return section == kTutorialSection ? box->textPath.c_str() : nullptr;
}

// Every line slot sits under the previous one inside the middle piece.
void placeLines(DialogBox* box) {
    const sf::Vector2f mid = box->midSprite.getPosition();
    for (std::size_t j = 0; j < box->lines.size(); ++j)
        box->lines[j].setPosition(mid.x + kDialogTextLeft, mid.y + kDialogTextTop + kDialogLineSpacing * static_cast<float>(j));
}

// The middle piece centred across the screen at height `middleTop` (screen pixels), the ends
// on either side of it, all offset by the view's top-left.
void placeFrame(DialogBox* box, float middleTop, sf::Vector2f topLeft) {
    const sf::FloatRect mid = box->midSprite.getGlobalBounds();
    const sf::Vector2f midAt{(kScreenWidth - mid.width) / 2.f + topLeft.x, middleTop + topLeft.y};
    box->midSprite.setPosition(midAt);
    box->leftSprite.setPosition(midAt.x - box->leftSprite.getGlobalBounds().width, midAt.y);
    box->rightSprite.setPosition(midAt.x + mid.width, midAt.y);
    placeLines(box);
}

// Height of the middle piece on the map: as far from the screen's bottom as it is high.
float mapMiddleTop(const DialogBox* box) { return kScreenHeight - 2.f * box->midSprite.getGlobalBounds().height; }

// A line as read, without its line end (which draws nothing).
void trimLineEnd(char* line) {
    std::size_t length = std::strlen(line);
    while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r')) line[--length] = '\0';
}

} // namespace

void initDialogBox(DialogBox* box) {
    box->font = &cachedFont(kPixelFontPath);
    for (sf::Text& line : box->lines) {
        line = sf::Text();
        line.setFont(*box->font);
        line.setCharacterSize(kDialogTextSize);
        line.setFillColor(sf::Color::White);
        line.setString("DEBUG");
        line.setPosition(0.f, 0.f);
    }
    box->leftTexture = &createTexture(kDialogLeftPath);
    box->midTexture = &createTexture(kDialogMidPath);
    box->rightTexture = &createTexture(kDialogRightPath);
    box->midSprite = createSprite(*box->midTexture);
    box->midSprite.setScale(kDialogMidScaleX, kDialogPieceScale);
    box->leftSprite = createSprite(*box->leftTexture);
    box->leftSprite.setScale(kDialogPieceScale, kDialogPieceScale);
    box->rightSprite = createSprite(*box->rightTexture);
    box->rightSprite.setScale(kDialogPieceScale, kDialogPieceScale);
    placeFrame(box, mapMiddleTop(box), {0.f, 0.f});
    box->section = -1;
    box->visible = 0;
    box->lineCount = 0;
    box->lastPage = -1;
    box->page = -1;
}

void openDialog(DialogBox* box, std::int32_t section, std::int32_t firstPage, std::int32_t lastPage, WorldPhase phase,
                sf::Vector2f topLeft) {
    if (phase == WORLD_PHASE_MAP)
        placeFrame(box, mapMiddleTop(box), topLeft);
    else if (phase == WORLD_PHASE_FIGHT)
        placeFrame(box, mapMiddleTop(box) - kDialogFightLift, topLeft);
    box->page = firstPage;
    box->lastPage = lastPage;
    box->section = section;
    loadDialogPage(box, section, firstPage);
    box->visible = 1;
}

void nextPage(DialogBox* box) {
    if (!box->visible) return;
    box->page += 1;
    if (box->page > box->lastPage) {
        box->visible = 0;
        box->section = -1;
        box->page = -1;
        box->lastPage = -1;
        return;
    }
    loadDialogPage(box, box->section, box->page);
}

void closeDialog(DialogBox* box) { box->visible = 0; }

void drawDialogBox(const DialogBox* box, sf::RenderTarget& target) {
    if (!box->visible) return;
    target.draw(box->leftSprite);
    target.draw(box->midSprite);
    target.draw(box->rightSprite);
    for (std::uint32_t i = 0; i < box->lineCount && i < box->lines.size(); ++i) target.draw(box->lines[i]);
}

void followCameraDialog(DialogBox* box, const sf::Vector2i* scrollStep) {
    const sf::Vector2f step{static_cast<float>(scrollStep->x), static_cast<float>(scrollStep->y)};
    box->leftSprite.move(step);
    box->midSprite.move(step);
    box->rightSprite.move(step);
    for (sf::Text& line : box->lines) line.move(step);
}

namespace {
// Skips to the next line, however long the current one is: the rest of a long line
// is never read as words (its first word could be taken for a page header).
bool skipRestOfLine(std::FILE* file) {
    int c = std::fgetc(file);
    while (c != EOF && c != '\n') c = std::fgetc(file);
    return c != EOF;
}
} // namespace

std::int32_t loadDialogPage(DialogBox* box, std::int32_t section, std::int32_t page) {
    const char* path = sectionFile(box, section);
    if (!path) return 1;
    PageFile file(std::fopen(dataPath(path).c_str(), "r"));
    if (!file) return 1;

    char key[16];
    std::snprintf(key, sizeof key, "%d", page);
    // Lines whose first word is not the page number are skipped, a line read at a time.
    char word[kDialogLineBytes];
    char line[kDialogLineBytes];
    for (;;) {
        if (std::fscanf(file.get(), "%51s", word) != 1) return 0; // no such page: the previous lines stay
        if (std::strcmp(word, key) == 0) break;
        if (!skipRestOfLine(file.get())) return 0;
    }
    // The header: the page number (read), one word and the line count; then its line end.
    int count = 0;
    if (std::fscanf(file.get(), "%51s %9d", word, &count) != 2) return 0;
    skipRestOfLine(file.get());

    // The box has four slots: a longer page shows its first four lines.
    std::uint32_t shown = count < 0 ? 0u : static_cast<std::uint32_t>(count);
    if (shown > static_cast<std::uint32_t>(kDialogLineSlots)) shown = kDialogLineSlots;
    box->lineCount = shown;
    for (std::uint32_t i = 0; i < shown; ++i) {
        if (!std::fgets(line, sizeof line, file.get())) {
            box->lineCount = i; // the file ends early: only the lines read are shown
            break;
        }
        trimLineEnd(line);
        setDialogLine(box, line, static_cast<std::int32_t>(i));
    }
    return 0;
}

void setDialogLine(DialogBox* box, const char* text, std::int32_t index) {
    if (index < 0 || index >= kDialogLineSlots) return;
    box->lines[static_cast<std::size_t>(index)].setString(text);
    placeLines(box);
}
