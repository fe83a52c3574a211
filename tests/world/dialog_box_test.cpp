// The tutorial box: when it opens, how clicks page through it, and how it reads its file.
#include "app/game.hpp"
#include "core/display.hpp"
#include "core/random.hpp"
#include "support/test_window.hpp"
#include "world/board_test_support.hpp"
#include "world/dialog_box.hpp"
#include "world/encounters.hpp"

#include <SFML/Window/Mouse.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr float kFrame = 1.f / 60.f;

struct BoardWindow {
    sf::RenderWindow& window = testWindow();
    BoardWindow() { sf::Mouse::setPosition({960, 540}, window); }
    ~BoardWindow() {
        Camera camera;
        initCamera(&camera);
        setWindowView(&window, &camera.view);
    }
};

// A tutorial file of its own, removed at the end of the test.
struct PageFileFixture {
    std::filesystem::path path;
    explicit PageFileFixture(const std::string& text) {
        path = std::filesystem::temp_directory_path() / ("ostrevald-dialog-" + std::to_string(getpid()) + "-" +
                                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::ofstream(path) << text;
    }
    ~PageFileFixture() { std::filesystem::remove(path); }
};

DialogBox boxReading(const std::filesystem::path& path) {
    DialogBox box;
    initDialogBox(&box);
    box.textPath = path.string();
    return box;
}

std::string lineText(const DialogBox& box, int i) { return box.lines[static_cast<std::size_t>(i)].getString().toAnsiString(); }

void press(WorldGame* world, BoardWindow& w, sf::Vector2i screen) {
    mousePressedWorldGame(world, sf::Event::MouseButtonEvent{sf::Mouse::Left, screen.x, screen.y}, &w.window);
}

sf::Vector2i screenOfCell(const WorldGame* world, GridPos cell) {
    const sf::Vector2f t = world->camera.topLeft;
    return {cell.x * kCellSize + 64 - static_cast<int>(t.x), cell.y * kCellSize + 64 - static_cast<int>(t.y)};
}

int openFileCount() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

} // namespace

TEST(DialogBox, ANewGameOpensTheMapTutorialOnPageZeroAndTwoClicksCloseIt) {
    BoardWindow w;
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    resetCamera(&world->camera, &w.window);
    seedRandom(4);
    const std::int32_t team[4] = {1, 2, 3, 1};
    initWorldGame(world.get(), team);
    const DialogBox& box = world->dialog;
    ASSERT_EQ(box.visible, 1);
    EXPECT_EQ(box.page, 0);
    EXPECT_EQ(box.lastPage, 1);
    EXPECT_GT(box.lineCount, 0u);
    EXPECT_NE(lineText(box, 0), "DEBUG");
    // At the bottom of the screen, as far above its edge as it is high.
    const sf::FloatRect mid = box.midSprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(mid.top + 2.f * mid.height, 1080.f);
    EXPECT_FLOAT_EQ(mid.left + mid.width / 2.f, 960.f);
    EXPECT_EQ(box.leftSprite.getGlobalBounds().left + box.leftSprite.getGlobalBounds().width, mid.left);
    EXPECT_EQ(box.rightSprite.getPosition().x, mid.left + mid.width);
    drawWorldGame(world.get(), w.window, 0);
    saveScreenshot(w.window, "screenshots/tutorial_box_map.png");

    // The clicks land on the leader: they only turn the pages.
    const sf::Vector2i leader = screenOfCell(world.get(), playerCell(&world->party.players[0]));
    const std::string firstLine = lineText(box, 0);
    press(world.get(), w, leader);
    EXPECT_EQ(box.visible, 1);
    EXPECT_EQ(box.page, 1);
    EXPECT_NE(lineText(box, 0), firstLine);
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
    press(world.get(), w, leader);
    EXPECT_EQ(box.visible, 0);
    EXPECT_EQ(box.page, -1);
    EXPECT_EQ(box.section, -1);
    EXPECT_EQ(visibleSquareCount(world.get()), 0);
    // The next click is the map's again.
    press(world.get(), w, leader);
    EXPECT_GT(visibleSquareCount(world.get()), 0);

    // The map's tutorial is told once: another game on the same board starts without it.
    initWorldGame(world.get(), team);
    EXPECT_EQ(world->dialog.visible, 0);
}

TEST(DialogBox, TheFirstFightOpensPagesThreeToSevenFiveClicksCloseItAndLaterFightsDoNot) {
    BoardWindow w;
    auto world = makeOpenBoard();
    resetCamera(&world->camera, &w.window);
    initHud(&world->hud, &world->party, world->camera.topLeft);
    toggleHud(&world->hud);
    initDialogBox(&world->dialog);
    world->party.leaderAlive = 1;
    putPlayer(world.get(), PLAYER_IRINA, {6, 6});
    putPlayer(world.get(), PLAYER_LIGHT, {6, 9});
    putEnemy(world.get(), ENEMY_LIGHT, {6, 6});
    putEnemy(world.get(), ENEMY_HEAVY, {6, 9});

    testing::internal::CaptureStdout();
    checkFightStart(world.get(), &w.window);
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);
    const DialogBox& box = world->dialog;
    ASSERT_EQ(box.visible, 1);
    EXPECT_EQ(box.page, 3);
    EXPECT_EQ(box.lastPage, 7);
    const sf::FloatRect mid = box.midSprite.getGlobalBounds();
    EXPECT_FLOAT_EQ(mid.top + 2.f * mid.height, 1080.f - 190.f) << "190 pixels higher than on the map";

    // The clicks fall on the fight's end-turn button, under the mouse: only the pages turn.
    const sf::FloatRect button = world->fight.turnButton.sprite.getGlobalBounds();
    const sf::Vector2i onButton{static_cast<int>(button.left + button.width / 2.f), static_cast<int>(button.top + button.height / 2.f)};
    mouseMovedWorldGame(world.get(), sf::Event::MouseMoveEvent{onButton.x, onButton.y});
    ASSERT_EQ(world->fight.turnButton.hovered, 1);
    for (int click = 0; click < 5; ++click) {
        EXPECT_EQ(box.visible, 1) << "click " << click;
        EXPECT_EQ(box.page, 3 + click);
        press(world.get(), w, onButton);
        EXPECT_EQ(world->fight.turnButton.isAllyTurn, 1) << "the fight took click " << click;
    }
    EXPECT_EQ(box.visible, 0);
    press(world.get(), w, onButton);
    EXPECT_EQ(world->fight.turnButton.isAllyTurn, 0) << "with the box closed the click is the fight's";

    // The fight ends; the next one opens without the tutorial.
    world->fight.enemies.enemies[0].fighter.stats.life = 0;
    world->fight.turnButton.fightOver = 1;
    for (int frame = 0; frame < 90 && world->phase == WORLD_PHASE_FIGHT; ++frame)
        updateWorldGame(kFrame, world.get(), &w.window); // past the end banner's second
    ASSERT_EQ(world->phase, WORLD_PHASE_MAP);
    EXPECT_EQ(world->fightTutorialShown, 1);
    checkFightStart(world.get(), &w.window);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(world->phase, WORLD_PHASE_FIGHT);
    EXPECT_EQ(world->dialog.visible, 0);
}

TEST(DialogBox, TheBoxStaysPutOnTheScreenWhileTheViewScrolls) {
    auto game = makeTestGame();
    resetCamera(&game->world.camera, &game->window);
    seedRandom(8);
    const std::int32_t team[4] = {2, 1, 1, 2};
    initWorldGame(&game->world, team);
    game->sceneState = SCENE_WORLD;
    const WorldGame& world = game->world;
    ASSERT_EQ(world.dialog.visible, 1);
    const sf::Vector2f midOnScreen = world.dialog.midSprite.getPosition() - world.camera.topLeft;
    const sf::Vector2f lineOnScreen = world.dialog.lines[2].getPosition() - world.camera.topLeft;

    // The pointer at the bottom-right corner scrolls the view.
    sf::Mouse::setPosition({1919, 1079}, game->window);
    dispatchEvent(game.get(), mouseMoveEvent(1919, 1079));
    stepFrames(game.get(), 30);
    sf::Mouse::setPosition({960, 540}, game->window);
    dispatchEvent(game.get(), mouseMoveEvent(960, 540));
    stepFrames(game.get(), 1);
    ASSERT_GT(world.camera.topLeft.x, 0.f) << "the view did not scroll";
    ASSERT_GT(world.camera.topLeft.y, 0.f);
    EXPECT_EQ(world.dialog.visible, 1);
    EXPECT_EQ(world.dialog.midSprite.getPosition() - world.camera.topLeft, midOnScreen);
    EXPECT_EQ(world.dialog.lines[2].getPosition() - world.camera.topLeft, lineOnScreen);
    EXPECT_EQ(world.dialog.leftSprite.getPosition().y, world.dialog.midSprite.getPosition().y);
    EXPECT_TRUE(saveGameScreenshot(game.get(), "tutorial_box_scrolled"));
}

TEST(DialogFile, AHeaderIsTheFirstLineWhoseFirstWordIsThePageAndAMissingPageKeepsTheLines) {
    PageFileFixture file("0 Start 2\n"
                         "first page, line one\n"
                         "first page, line two\n"
                         "notes between pages are skipped\n"
                         "1 Next 1\n"
                         "second page\n"
                         "3 apples 2 are taken for page three's header\n"
                         "4 Four 1\n"
                         "page four\n");
    DialogBox box = boxReading(file.path);
    EXPECT_EQ(loadDialogPage(&box, kTutorialSection, 0), 0);
    ASSERT_EQ(box.lineCount, 2u);
    EXPECT_EQ(lineText(box, 0), "first page, line one");
    EXPECT_EQ(lineText(box, 1), "first page, line two");

    loadDialogPage(&box, kTutorialSection, 1);
    ASSERT_EQ(box.lineCount, 1u);
    EXPECT_EQ(lineText(box, 0), "second page");

    // "3 apples 2 ...": its first word is 3, so it is page three's header, with two lines.
    loadDialogPage(&box, kTutorialSection, 3);
    ASSERT_EQ(box.lineCount, 2u);
    EXPECT_EQ(lineText(box, 0), "4 Four 1");
    EXPECT_EQ(lineText(box, 1), "page four");

    // A page the file does not hold leaves the lines as they were.
    EXPECT_EQ(loadDialogPage(&box, kTutorialSection, 9), 0);
    EXPECT_EQ(box.lineCount, 2u);
    EXPECT_EQ(lineText(box, 1), "page four");

    // Lines stack 20 pixels apart from the middle piece's corner.
    const sf::Vector2f corner = box.midSprite.getPosition();
    EXPECT_EQ(box.lines[0].getPosition(), corner + sf::Vector2f(2.f, 9.f));
    EXPECT_EQ(box.lines[1].getPosition(), corner + sf::Vector2f(2.f, 29.f));
}

TEST(DialogFile, AMissingFileOrASectionWithoutOneChangesNothingAndClicksStillClose) {
    DialogBox box = boxReading(std::filesystem::temp_directory_path() / "ostrevald-no-such-tutorial.txt");
    openDialog(&box, kTutorialSection, 0, 1, WORLD_PHASE_MAP);
    EXPECT_EQ(box.visible, 1);
    EXPECT_EQ(box.lineCount, 0u) << "only the frame the first time";
    EXPECT_EQ(lineText(box, 0), "DEBUG");
    nextPage(&box);
    EXPECT_EQ(box.visible, 1);
    nextPage(&box);
    EXPECT_EQ(box.visible, 0);

    // With the real file: a section other than the tutorial's reads nothing.
    DialogBox real = boxReading(kTutorialTextPath);
    ASSERT_EQ(loadDialogPage(&real, kTutorialSection, 3), 0);
    const std::uint32_t count = real.lineCount;
    const std::string first = lineText(real, 0);
    ASSERT_GT(count, 0u);
    EXPECT_EQ(loadDialogPage(&real, 1, 0), 1);
    EXPECT_EQ(loadDialogPage(&real, -1, 0), 1);
    EXPECT_EQ(real.lineCount, count);
    EXPECT_EQ(lineText(real, 0), first);
}

TEST(DialogFile, LongPagesAndLongLinesStayInTheFourSlots) {
    const std::string longLine(120, 'x');
    PageFileFixture file("0 Many 9\n"
                         "one\ntwo\nthree\nfour\nfive\nsix\nseven\neight\nnine\n"
                         "1 Long 1\n" +
                         longLine + "\n" +
                         "2 Negative -3\n"
                         "never shown\n"
                         "5 Short 3\n"
                         "only line\n");
    DialogBox box = boxReading(file.path);
    loadDialogPage(&box, kTutorialSection, 0);
    ASSERT_EQ(box.lineCount, 4u);
    EXPECT_EQ(lineText(box, 0), "one");
    EXPECT_EQ(lineText(box, 3), "four");

    // A 120-character line is read in pieces of at most 51; the page shows its first piece.
    loadDialogPage(&box, kTutorialSection, 1);
    ASSERT_EQ(box.lineCount, 1u);
    EXPECT_EQ(lineText(box, 0), std::string(51, 'x'));

    loadDialogPage(&box, kTutorialSection, 2);
    EXPECT_EQ(box.lineCount, 0u);

    // A page that announces more lines than the file holds shows those it has.
    loadDialogPage(&box, kTutorialSection, 5);
    ASSERT_EQ(box.lineCount, 1u);
    EXPECT_EQ(lineText(box, 0), "only line");
}

TEST(DialogFile, TheRestOfALongSkippedLineIsNeverTakenForAPageHeader) {
    // The tail of the long line starts with "3": a reader that took the tail as words would
    // show "from the middle of a line" for page 3.
    PageFileFixture file("0 One 1\nx " + std::string(50, 'y') + " 3 Wrong 1\nfrom the middle of a line\n"
                         "3 Right 1\nthe real page three\n");
    DialogBox box = boxReading(file.path);
    ASSERT_EQ(loadDialogPage(&box, kTutorialSection, 3), 0);
    ASSERT_EQ(box.lineCount, 1u);
    EXPECT_EQ(lineText(box, 0), "the real page three");
}

TEST(DialogFile, EveryReadClosesItsFile) {
    PageFileFixture file("0 A 1\nalpha\n1 B 2\nbeta\ngamma\n");
    DialogBox box = boxReading(file.path);
    const int before = openFileCount();
    for (int i = 0; i < 300; ++i) {
        loadDialogPage(&box, kTutorialSection, 0);  // found
        loadDialogPage(&box, kTutorialSection, 1);  // found, last page of the file
        loadDialogPage(&box, kTutorialSection, 42); // not there: read to the end
        loadDialogPage(&box, 3, 0);                 // no file for the section
    }
    EXPECT_EQ(openFileCount(), before);
    EXPECT_EQ(lineText(box, 1), "gamma");
}

TEST(DialogFile, EveryTutorialLineTheGameShowsFitsInsideTheFrame) {
    DialogBox box = boxReading(kTutorialTextPath);
    const sf::FloatRect left = box.leftSprite.getGlobalBounds();
    const sf::FloatRect right = box.rightSprite.getGlobalBounds();
    const sf::FloatRect mid = box.midSprite.getGlobalBounds();
    for (const std::int32_t page : {0, 1, 3, 4, 5, 6, 7}) {
        box.lineCount = 0;
        ASSERT_EQ(loadDialogPage(&box, kTutorialSection, page), 0);
        ASSERT_GT(box.lineCount, 0u) << "page " << page;
        for (std::uint32_t i = 0; i < box.lineCount; ++i) {
            const sf::FloatRect text = box.lines[i].getGlobalBounds();
            EXPECT_LE(lineText(box, static_cast<int>(i)).size(), 50u) << "page " << page << " line " << i;
            EXPECT_GE(text.left, left.left) << "page " << page << " line " << i;
            EXPECT_LE(text.left + text.width, right.left + right.width) << "page " << page << " line " << i;
            EXPECT_LE(text.top + text.height, mid.top + mid.height) << "page " << page << " line " << i;
        }
    }
}
