#include "menus/menu_test_support.hpp"

#include "core/resources.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

using namespace menutest;

namespace {

std::unique_ptr<MainData> teamSelectGame() {
    auto game = makeTestGame();
    game->sceneState = SCENE_TEAM_SELECT;
    return game;
}

void left(MainData* g) { clickSprite(g, g->teamSelect.leftArrow); }
void right(MainData* g) { clickSprite(g, g->teamSelect.rightArrow); }
void press(MainData* g) { clickSprite(g, g->teamSelect.button); }

std::string sheet(const MainData* g) { return g->teamSelect.statSheet.getString().toAnsiString(); }

bool sheetShows(const MainData* g, const std::string& name) { return sheet(g).rfind("\t\t" + name + "\n", 0) == 0; }

} // namespace

TEST(TeamSelect, ThreeArrowClicksComeBackInBothPhases) {
    auto game = teamSelectGame();
    right(game.get());
    EXPECT_TRUE(sheetShows(game.get(), "Rem"));
    right(game.get());
    EXPECT_TRUE(sheetShows(game.get(), "Tungstene"));
    right(game.get());
    EXPECT_TRUE(sheetShows(game.get(), "Irina"));
    EXPECT_EQ(game->teamSelect.carouselIndex, 1);

    press(game.get()); // Irina leads; the companions follow, starting on Light
    EXPECT_EQ(game->teamSelect.companionPhase, 1);
    EXPECT_EQ(sheet(game.get()), kLightSheet);
    left(game.get());
    EXPECT_EQ(sheet(game.get()), kShieldSheet);
    left(game.get());
    EXPECT_EQ(sheet(game.get()), kHeavySheet);
    left(game.get());
    EXPECT_EQ(sheet(game.get()), kLightSheet);
}

TEST(TeamSelect, RemSheetDependsOnTheArrowThatReachedHim) {
    auto game = teamSelectGame();
    right(game.get()); // from Irina
    EXPECT_EQ(sheet(game.get()), kRemSheetFromRight);
    EXPECT_NE(sheet(game.get()).find("Move : 3\n"), std::string::npos);
    right(game.get()); // Tungstene
    left(game.get());  // back to Rem from Tungstene
    EXPECT_EQ(sheet(game.get()), kRemSheetFromLeft);
    EXPECT_NE(sheet(game.get()).find("Move : 4\n"), std::string::npos);
    // The preview follows the carousel.
    EXPECT_EQ(game->teamSelect.preview.getTexture(), game->teamSelect.heroTextures[1]);
}

TEST(TeamSelect, SelectFillsSlotsAndBecomesStartAfterThreePicks) {
    auto game = teamSelectGame();
    TeamSelect& t = game->teamSelect;
    right(game.get());
    right(game.get());
    press(game.get()); // Tungstene
    ASSERT_EQ(t.pickCount, 1);
    EXPECT_EQ(t.chosenTeam[0], 3);
    EXPECT_EQ(t.slots[0].filled, 1);
    EXPECT_EQ(t.slots[0].sprite.getTexture(), t.heroTextures[2]);
    EXPECT_EQ(t.slots[1].filled, 0);

    press(game.get()); // Light
    EXPECT_EQ(t.button.getTexture(), t.selectTexture);
    right(game.get());
    press(game.get()); // Heavy
    EXPECT_EQ(t.pickCount, 3);
    EXPECT_EQ(t.slots[2].sprite.getTexture(), t.heroTextures[4]);
    EXPECT_EQ(t.button.getTexture(), t.startTexture);
    EXPECT_EQ(game->sceneState, SCENE_TEAM_SELECT);

    // The hover rows are now Start's: the lower row under the mouse, the upper one elsewhere.
    const sf::Vector2i c = centreOf(t.button);
    moveTo(game.get(), c.x, c.y);
    const sf::IntRect hover = t.button.getTextureRect();
    moveTo(game.get(), 1, 1);
    const sf::IntRect normal = t.button.getTextureRect();
    EXPECT_EQ(hover.top, normal.height);
    EXPECT_EQ(hover.width, normal.width);
    EXPECT_EQ(normal.width, static_cast<int>(t.startTexture->getSize().x));
}

// Only Start returns a team: the shell starts the game with it.
TEST(TeamSelect, OnlyStartReturnsTheChosenTeam) {
    auto game = teamSelectGame();
    TeamSelect& t = game->teamSelect;
    const auto pressOn = [&](const sf::Sprite& sprite) {
        const sf::Vector2i c = centreOf(sprite);
        return mousePressedTeamSelect(&t, static_cast<float>(c.x), static_cast<float>(c.y));
    };
    EXPECT_EQ(pressOn(t.rightArrow).started, 0); // Rem
    for (int pick = 0; pick < 3; ++pick) EXPECT_EQ(pressOn(t.button).started, 0) << pick;
    EXPECT_EQ(pressOn(t.leftArrow).started, 0); // Shield
    const TeamSelectChoice start = pressOn(t.button);
    EXPECT_EQ(start.started, 1);
    EXPECT_EQ(start.team, (std::array<std::int32_t, 4>{2, 1, 1, 3}));
    EXPECT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    EXPECT_EQ(game->world.party.count, 0u) << "the menu starts no game itself";
}

TEST(TeamSelect, StartRightAfterTheThirdSelectMakesLightTheFourthHero) {
    auto game = teamSelectGame();
    press(game.get());
    press(game.get());
    press(game.get());
    press(game.get()); // Start, Light on show
    EXPECT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->teamSelect.pickCount, 4);
    EXPECT_EQ(game->teamSelect.teamReady, 1u);
    EXPECT_EQ(game->teamSelect.chosenTeam, (std::array<std::int32_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(game->teamSelect.slots[3].filled, 0) << "no slot is drawn for the fourth hero";
}

TEST(TeamSelect, BrowsingAfterTheThirdSelectThenStartTakesTheHeroOnShow) {
    auto game = teamSelectGame();
    press(game.get());
    press(game.get());
    press(game.get());
    left(game.get()); // Shield
    press(game.get());
    EXPECT_EQ(game->teamSelect.chosenTeam[3], 3);
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    EXPECT_EQ(game->world.party.players[3].type, PLAYER_SHIELD);
}

TEST(TeamSelect, TheSameCompanionTypeMayBePickedRepeatedly) {
    auto game = teamSelectGame();
    right(game.get());
    press(game.get()); // Rem
    for (int i = 0; i < 3; ++i) {
        right(game.get()); // Heavy
        press(game.get());
    }
    EXPECT_EQ(game->teamSelect.chosenTeam, (std::array<std::int32_t, 4>{2, 2, 2, 2}));
    ASSERT_EQ(game->sceneState, SCENE_WORLD);
    const Party& party = game->world.party;
    ASSERT_EQ(party.count, 4u);
    EXPECT_EQ(party.players[0].type, PLAYER_REM);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(party.players[i].type, PLAYER_HEAVY) << i;
}

TEST(TeamSelect, PlayAgainStartsOver) {
    auto game = makeTestGame();
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.play.sprite);
    ASSERT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    right(game.get());
    press(game.get());
    press(game.get());
    game->sceneState = SCENE_MAIN_MENU; // as if left through the pause menu
    stepSeconds(game.get(), 3.f);
    clickSprite(game.get(), game->mainMenu.play.sprite);
    ASSERT_EQ(game->sceneState, SCENE_TEAM_SELECT);
    const TeamSelect& t = game->teamSelect;
    EXPECT_EQ(t.pickCount, 0);
    EXPECT_EQ(t.companionPhase, 0);
    for (const TeamSlot& slot : t.slots) EXPECT_EQ(slot.filled, 0);
    for (std::int32_t entry : t.chosenTeam) EXPECT_EQ(entry, -1);
    EXPECT_EQ(t.button.getTexture(), t.selectTexture);
    EXPECT_EQ(sheet(game.get()), kIrinaSheet);
}

TEST(TeamSelect, RightClicksAndClicksBesideTheControlsDoNothing) {
    auto game = teamSelectGame();
    clickSprite(game.get(), game->teamSelect.button, sf::Mouse::Right);
    clickAt(game.get(), 1800, 1000);
    EXPECT_EQ(game->teamSelect.pickCount, 0);
    EXPECT_EQ(game->teamSelect.carouselIndex, 1);
}

TEST(TeamSelect, AnimationsRunOnThePreviewAndTheFilledSlots) {
    auto game = teamSelectGame();
    press(game.get());
    stepSeconds(game.get(), 0.2f); // 11 frames per second: frame 2
    EXPECT_EQ(game->teamSelect.preview.getTextureRect(), sf::IntRect(128, 0, 64, 64));
    EXPECT_EQ(game->teamSelect.slots[0].sprite.getTextureRect(), sf::IntRect(128, 0, 64, 64));
}

namespace {

sf::Image renderTeamSelect(sf::RenderTexture& target, TeamSelect* t) {
    target.clear(sf::Color::Magenta); // shows through any hole the strips leave

    drawTeamSelect(t, target);
    target.display();
    return target.getTexture().copyToImage();
}


} // namespace

// The note pad and the title are drawn from their visible areas only and the opaque table
// without blending, around the pad's opaque middle; the screen must look exactly as when
// the whole pictures were blended in, before and after picks.
TEST(TeamSelect, CheaperBackdropShowsTheSamePixelsAsBlendingBothWholePictures) {
    auto game = teamSelectGame();
    TeamSelect& t = game->teamSelect;
    ASSERT_GT(t.notePadTexture->getSize().x, 0u);
    const sf::FloatRect drawn = t.notePad.getGlobalBounds();
    EXPECT_GT(drawn.width * drawn.height, 0.f);
    EXPECT_LT(drawn.width * drawn.height, 0.5f * 1920.f * 1080.f) << "most of the picture is transparent";
    EXPECT_EQ(t.tableOpaque, 1);
    ASSERT_GT(t.tableStrips.count, 0) << "the pad hides part of the table";
    float tableShown = 0.f;
    for (std::int32_t k = 0; k < t.tableStrips.count; ++k) {
        const sf::FloatRect b = t.tableStrips.strips[static_cast<std::size_t>(k)].getGlobalBounds();
        tableShown += b.width * b.height;
    }
    EXPECT_LT(tableShown, 0.9f * 1920.f * 1080.f);
    const sf::Texture& titleTexture = *t.title.getTexture();
    const sf::FloatRect titleDrawn = t.title.getGlobalBounds();
    EXPECT_LT(titleDrawn.width * titleDrawn.height,
              static_cast<float>(titleTexture.getSize().x * titleTexture.getSize().y)) << "the title's margins are left out";

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    for (int picks = 0; picks < 3; ++picks) {
        SCOPED_TRACE(picks);
        TeamSelect whole = t;
        whole.notePad = createSprite(*t.notePadTexture);
        whole.notePad.setScale(4.f, 4.f);
        whole.tableOpaque = 0;
        whole.tableStrips = BackdropStrips{};
        whole.title = createSprite(titleTexture);
        whole.title.setPosition(260.f, 100.f);
        const sf::Image cropped = renderTeamSelect(target, &t);
        const sf::Image full = renderTeamSelect(target, &whole);
        EXPECT_EQ(differingPixels(cropped, full), 0);
        // The pad is really on screen: without it the picture changes.
        TeamSelect without = t;
        without.notePad = sf::Sprite();
        EXPECT_GT(differingPixels(cropped, renderTeamSelect(target, &without)), 1000);
        press(game.get());
    }
}

TEST(TeamSelect, OnlyPicturesWithoutAnyTransparentPixelCountAsOpaque) {
    testWindow();
    sf::Image image;
    image.create(5, 4, sf::Color(10, 20, 30));
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_TRUE(pictureIsOpaque(texture));
    image.setPixel(4, 3, sf::Color(10, 20, 30, 254)); // the very last pixel, barely see-through
    ASSERT_TRUE(texture.loadFromImage(image));
    EXPECT_FALSE(pictureIsOpaque(texture));
    EXPECT_FALSE(pictureIsOpaque(sf::Texture()));
}
