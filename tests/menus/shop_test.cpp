#include "menus/shop.hpp"

#include "core/resources.hpp"
#include "support/test_window.hpp"
#include "menus/menu_test_support.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

// A shop visit driven through the shop's own handlers; `choice` is what the last press asked
// the shell for.
struct Visit {
    Shop shop;
    ShopChoice choice = ShopChoice::None;

    Visit(std::int32_t partySize, std::int32_t gold) {
        testWindow().setActive(true);
        openShop(&shop, partySize, gold);
    }

    void press(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        choice = mousePressedShop(&shop, mousePressEvent(at.x, at.y, button).mouseButton);
    }
    void click(const MenuButton& button) {
        const sf::FloatRect b = button.sprite.getGlobalBounds();
        ASSERT_GT(b.width, 1.f) << "the button's picture is missing";
        press({static_cast<int>(std::floor(b.left + b.width / 2.f)), static_cast<int>(std::floor(b.top + b.height / 2.f))});
    }
    void move(sf::Vector2i at) { mouseMovedShop(&shop, mouseMoveEvent(at.x, at.y).mouseMove); }
    void frame() { updateShop(&shop, 1.f / 60.f); }

    void openHirePage() {
        click(shop.frontHire);
        ASSERT_EQ(shop.hirePageOpen, 1u);
    }
    void hire() {
        click(shop.hire);
        frame();
    }
    void left() { click(shop.leftArrow); }
    void right() { click(shop.rightArrow); }

    std::string sheet() const { return shop.statSheet.getString().toAnsiString(); }
    // The type the stat sheet is about, and whether it shows the price a hire costs.
    bool sheetShows(const std::string& name) const {
        return sheet().rfind("\t\t" + name + "\n", 0) == 0 &&
               sheet().find("Price : " + std::to_string(kHirePrice) + " Golds") != std::string::npos;
    }
    std::string gold() const { return shop.goldText.getString().toAnsiString(); }
    std::string party() const { return shop.partySizeText.getString().toAnsiString(); }
    // The refusal note's words while it shows, "" otherwise.
    std::string refusal() const {
        return shop.refusal.secondsLeft > 0.f ? shop.refusal.text.getString().toAnsiString() : "";
    }
};

sf::Vector2i centreOf(const MenuButton& button) {
    const sf::FloatRect b = button.sprite.getGlobalBounds();
    return {static_cast<int>(b.left + b.width / 2.f), static_cast<int>(b.top + b.height / 2.f)};
}

} // namespace

TEST(Shop, OpensOnTheFrontPageWithLightOnShowAndThePartysNumbers) {
    auto v = std::make_unique<Visit>(3, 340);
    const Shop& s = v->shop;
    EXPECT_EQ(s.hirePageOpen, 0u);
    EXPECT_EQ(s.carouselIndex, SHOP_LIGHT);
    EXPECT_TRUE(v->sheetShows("Light"));
    EXPECT_EQ(v->gold(), "Golds : 340");
    EXPECT_EQ(v->party(), "Player : 3/4");
    EXPECT_EQ(s.preview.getTexture(), &createTexture("Assets/Sprites/WorldPlayerSprite/Light/Light_Sprite_Sheet.png"));
}

TEST(Shop, AFullPartyCannotHire) {
    auto v = std::make_unique<Visit>(4, 1000);
    v->openHirePage();
    v->frame();
    EXPECT_EQ(v->party(), "Player : 4/4");
    v->hire();
    EXPECT_EQ(v->shop.hiredCount, 0);
    EXPECT_EQ(v->shop.shopGold, 1000);
    EXPECT_EQ(v->gold(), "Golds : 1000");
    EXPECT_EQ(v->party(), "Player : 4/4");
    EXPECT_GT(v->shop.refusal.secondsLeft, 0.f);
    EXPECT_NE(v->refusal().find("full"), std::string::npos) << v->refusal();
}

TEST(Shop, TwoHeroesAnd450GoldHireTwiceThenThePartyIsFull) {
    auto v = std::make_unique<Visit>(2, 450);
    v->openHirePage();
    v->hire();
    EXPECT_EQ(v->shop.shopGold, 250);
    EXPECT_EQ(v->gold(), "Golds : 250");
    EXPECT_EQ(v->party(), "Player : 3/4");
    v->hire();
    EXPECT_EQ(v->shop.shopGold, 50);
    EXPECT_EQ(v->gold(), "Golds : 50");
    EXPECT_EQ(v->party(), "Player : 4/4");
    v->hire();
    EXPECT_EQ(v->shop.hiredCount, 2);
    EXPECT_EQ(v->shop.shopGold, 50);
    EXPECT_EQ(v->party(), "Player : 4/4");

    // The limit alone refuses: plenty of gold left changes nothing.
    auto rich = std::make_unique<Visit>(2, 5000);
    rich->openHirePage();
    for (int i = 0; i < 4; ++i) rich->hire();
    EXPECT_EQ(rich->shop.hiredCount, 2);
    EXPECT_EQ(rich->shop.shopGold, 4600);
}

TEST(Shop, HiringNeedsTheWholePrice) {
    auto poor = std::make_unique<Visit>(1, 199);
    poor->openHirePage();
    poor->hire();
    EXPECT_EQ(poor->shop.hiredCount, 0);
    EXPECT_EQ(poor->gold(), "Golds : 199");
    EXPECT_EQ(poor->party(), "Player : 1/4");
    EXPECT_NE(poor->refusal().find("gold"), std::string::npos) << poor->refusal();
    EXPECT_NE(poor->refusal().find("200"), std::string::npos) << "the price is told";

    auto exact = std::make_unique<Visit>(1, 200);
    exact->openHirePage();
    exact->hire();
    EXPECT_EQ(exact->shop.hiredCount, 1);
    EXPECT_EQ(exact->shop.shopGold, 0);
    EXPECT_EQ(exact->gold(), "Golds : 0");
    EXPECT_EQ(exact->refusal(), "") << "a hire that goes through says nothing";
    exact->hire();
    EXPECT_EQ(exact->shop.hiredCount, 1) << "nothing is bought on credit";
    EXPECT_EQ(exact->shop.shopGold, 0);
}

TEST(Shop, HiresAreListedInTheOrderBoughtAndNextIsReturnedToTheShell) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->openHirePage();
    v->right(); // Heavy
    v->hire();
    v->right(); // Shield
    v->hire();
    ASSERT_EQ(v->shop.hiredCount, 2);
    EXPECT_EQ(v->shop.recruitList[0], SHOP_HEAVY);
    EXPECT_EQ(v->shop.recruitList[1], SHOP_SHIELD);
    EXPECT_EQ(v->shop.shopGold, 600);

    v->click(v->shop.returnButton);
    EXPECT_EQ(v->shop.hirePageOpen, 0u);
    EXPECT_EQ(v->choice, ShopChoice::None);
    v->click(v->shop.next);
    EXPECT_EQ(v->choice, ShopChoice::Next);
    // Leaving keeps what the world board takes over at the next level.
    EXPECT_EQ(v->shop.hiredCount, 2);
    EXPECT_EQ(v->shop.recruitList[0], SHOP_HEAVY);
    EXPECT_EQ(v->shop.shopGold, 600);
}

// Through the shell: a cleared level opens the shop, whose Next shows the road from it.
TEST(Shop, NextAfterTheFirstAndTheNinthLevelsShowsTheFirstAndTheLastRoads) {
    for (const auto& [cleared, path] : {std::pair<int, const char*>{1, "Assets/Sprites/ChangeMapTile/map-Sheet1.png"},
                                        std::pair<int, const char*>{9, "Assets/Sprites/ChangeMapTile/map-Sheet9.png"}}) {
        auto game = makeTestGame();
        menutest::enterWorld(game.get());
        game->world.level = cleared;
        menutest::enableDebug(game.get());
        dispatchEvent(game.get(), keyPressEvent(sf::Keyboard::Right));
        ASSERT_EQ(game->sceneState, SCENE_SHOP);
        menutest::clickSprite(game.get(), game->shop.next.sprite);
        EXPECT_EQ(game->sceneState, SCENE_LEVEL_TRANSITION);
        EXPECT_EQ(game->levelTransition.sheetNumber, cleared);
        EXPECT_STREQ(game->levelTransition.sheetPath.data(), path);
        EXPECT_EQ(game->levelTransition.sheetTexture, &createTexture(path));
    }
}

TEST(Shop, ReturnKeepsTheCarouselAndTheHiresOfTheVisit) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->openHirePage();
    v->left(); // Shield
    v->hire();
    v->click(v->shop.returnButton);
    ASSERT_EQ(v->shop.hirePageOpen, 0u);
    v->openHirePage();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_SHIELD);
    EXPECT_TRUE(v->sheetShows("Shield"));
    EXPECT_EQ(v->shop.preview.getTexture(), v->shop.heroTextures[2]);
    EXPECT_EQ(v->party(), "Player : 2/4");
    v->hire();
    EXPECT_EQ(v->shop.hiredCount, 2);
    EXPECT_EQ(v->shop.recruitList[0], SHOP_SHIELD);
    EXPECT_EQ(v->shop.recruitList[1], SHOP_SHIELD);
    EXPECT_EQ(v->gold(), "Golds : 600");

    // A new visit starts over.
    openShop(&v->shop, 3, 600);
    EXPECT_EQ(v->shop.hirePageOpen, 0u);
    EXPECT_EQ(v->shop.hiredCount, 0);
    EXPECT_EQ(v->shop.carouselIndex, SHOP_LIGHT);
    EXPECT_TRUE(v->sheetShows("Light"));
}

TEST(Shop, CarouselTurnsBothWaysAndLightBroughtBackFromHeavySitsHigher) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->openHirePage();
    const sf::Vector2f sheetAt = v->shop.statSheet.getPosition();
    v->right();
    EXPECT_TRUE(v->sheetShows("Heavy"));
    EXPECT_EQ(v->shop.preview.getTexture(), v->shop.heroTextures[1]);
    v->right();
    EXPECT_TRUE(v->sheetShows("Shield"));
    v->right();
    EXPECT_TRUE(v->sheetShows("Light"));
    EXPECT_EQ(v->shop.statSheet.getPosition(), sheetAt) << "Light from Shield";

    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_SHIELD);
    EXPECT_EQ(v->shop.statSheet.getPosition(), sheetAt);
    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_HEAVY);
    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_LIGHT);
    EXPECT_TRUE(v->sheetShows("Light"));
    EXPECT_LT(v->shop.statSheet.getPosition().y, sheetAt.y) << "Light from Heavy by the left arrow";

    // A new preview starts its animation on the first frame.
    for (int i = 0; i < 10; ++i) v->frame();
    v->right();
    EXPECT_EQ(v->shop.preview.getTextureRect(), sf::IntRect(0, 0, 64, 64));
}

TEST(Shop, OnlyTheButtonsOfThePageShownAnswerClicksAndOnlyTheLeftButtonCounts) {
    auto v = std::make_unique<Visit>(1, 1000);
    // Front page: the hire page's targets are not there.
    v->press(centreOf(v->shop.hire));
    v->press(centreOf(v->shop.returnButton));
    v->press(centreOf(v->shop.rightArrow));
    EXPECT_EQ(v->shop.hiredCount, 0);
    EXPECT_EQ(v->shop.carouselIndex, SHOP_LIGHT);
    EXPECT_EQ(v->shop.hirePageOpen, 0u);
    v->press(centreOf(v->shop.frontHire), sf::Mouse::Right);
    v->press(centreOf(v->shop.next), sf::Mouse::Right);
    EXPECT_EQ(v->shop.hirePageOpen, 0u);
    EXPECT_EQ(v->choice, ShopChoice::None);

    // Hire page: Next is not there, and the click that opened the page bought nothing.
    v->openHirePage();
    EXPECT_EQ(v->shop.hiredCount, 0);
    v->press(centreOf(v->shop.next));
    EXPECT_EQ(v->choice, ShopChoice::None);
    v->press(centreOf(v->shop.hire), sf::Mouse::Right);
    EXPECT_EQ(v->shop.hiredCount, 0);
    v->press({1000, 1000}); // the table
    EXPECT_EQ(v->shop.hirePageOpen, 1u);
}

TEST(Shop, OnlyTheButtonUnderTheMouseShowsItsHoverRowOnEitherPage) {
    auto v = std::make_unique<Visit>(1, 1000);
    const Shop& s = v->shop;
    const std::array<const MenuButton*, 6> buttons = {&s.frontHire, &s.next, &s.hire, &s.returnButton,
                                                      &s.leftArrow, &s.rightArrow};
    std::array<sf::IntRect, 6> normal;
    for (std::size_t i = 0; i < buttons.size(); ++i) normal[i] = buttons[i]->sprite.getTextureRect();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        v->move(centreOf(*buttons[i]));
        for (std::size_t j = 0; j < buttons.size(); ++j) {
            const sf::IntRect shown = buttons[j]->sprite.getTextureRect();
            if (j == i) EXPECT_EQ(shown.top, normal[j].height) << "the lower row of button " << j;
            else EXPECT_EQ(shown, normal[j]) << j;
        }
    }
    v->move({1000, 1000});
    for (std::size_t i = 0; i < buttons.size(); ++i) EXPECT_EQ(buttons[i]->sprite.getTextureRect(), normal[i]);
}

TEST(Shop, PreviewAnimatesAtElevenFramesPerSecondAndLoops) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->openHirePage();
    // A little over one frame's time shows the second frame.
    updateShop(&v->shop, 1.f / 11.f + 0.001f);
    EXPECT_EQ(v->shop.preview.getTextureRect(), sf::IntRect(64, 0, 64, 64));
    // Ten more frames' time comes back round to the first.
    for (int i = 0; i < 10; ++i) updateShop(&v->shop, 1.f / 11.f);
    EXPECT_EQ(v->shop.preview.getTextureRect(), sf::IntRect(0, 0, 64, 64));
}

TEST(Shop, EachPageDrawsOnlyItsOwnButtons) {
    auto v = std::make_unique<Visit>(1, 1000);
    sf::RenderTexture canvas;
    ASSERT_TRUE(canvas.create(1920, 1080));
    auto pixelAt = [&](const MenuButton& button) {
        canvas.clear(sf::Color::Black);
        drawShop(&v->shop, canvas);
        canvas.display();
        const sf::Vector2i c = centreOf(button);
        return canvas.getTexture().copyToImage().getPixel(static_cast<unsigned>(c.x), static_cast<unsigned>(c.y));
    };
    v->frame();
    const sf::Color nextOnFront = pixelAt(v->shop.next);
    const sf::Color returnOnFront = pixelAt(v->shop.returnButton);
    v->openHirePage();
    v->frame();
    const sf::Color nextOnHirePage = pixelAt(v->shop.next);
    const sf::Color returnOnHirePage = pixelAt(v->shop.returnButton);
    EXPECT_NE(nextOnFront, nextOnHirePage) << "Next is drawn on the front page only";
    EXPECT_NE(returnOnFront, returnOnHirePage) << "Return is drawn on the hire page only";
}

// Through the shell: the refusal shows under the Hire button for two seconds, then goes;
// Return takes it away at once.
TEST(Shop, ARefusedHireSaysWhyForTwoSeconds) {
    auto game = makeTestGame();
    menutest::enterWorld(game.get());
    openShopScene(game.get());
    ASSERT_EQ(game->sceneState, SCENE_SHOP);
    Shop& shop = game->shop;
    EXPECT_TRUE(saveGameScreenshot(game.get(), "shop_front"));
    menutest::clickSprite(game.get(), shop.frontHire.sprite);
    ASSERT_EQ(shop.hirePageOpen, 1u);
    stepFrames(game.get(), 1);
    const auto shown = [&] {
        renderGame(game.get());
        sf::Texture frame;
        frame.create(1920, 1080);
        frame.update(game->window);
        return frame.copyToImage();
    };
    const sf::Image quiet = shown();

    menutest::clickSprite(game.get(), shop.hire.sprite);
    EXPECT_EQ(shop.hiredCount, 0) << "four heroes already";
    stepFrames(game.get(), 1);
    const sf::Image refused = shown();
    const sf::FloatRect words = shop.refusal.text.getGlobalBounds();
    ASSERT_GT(words.width, 300.f);
    EXPECT_FALSE(words.intersects(shop.hire.sprite.getGlobalBounds())) << "the words leave the button readable";
    int changed = 0;
    for (int y = static_cast<int>(words.top); y < static_cast<int>(words.top + words.height); y += 2)
        for (int x = static_cast<int>(words.left); x < static_cast<int>(words.left + words.width); x += 2)
            changed += quiet.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) !=
                       refused.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    EXPECT_GT(changed, 200) << "the words are drawn";
    EXPECT_TRUE(saveGameScreenshot(game.get(), "shop_refusal"));

    stepSeconds(game.get(), 1.5f);
    EXPECT_GT(shop.refusal.secondsLeft, 0.f) << "still there after a second and a half";
    stepSeconds(game.get(), 0.6f);
    EXPECT_EQ(shop.refusal.secondsLeft, 0.f) << "gone after two seconds";

    menutest::clickSprite(game.get(), shop.hire.sprite);
    ASSERT_GT(shop.refusal.secondsLeft, 0.f);
    menutest::clickSprite(game.get(), shop.returnButton.sprite);
    EXPECT_EQ(shop.refusal.secondsLeft, 0.f);
}

// The opaque table is written without blending and only around the note pad's opaque
// middle, the pad by its visible part: both pages look exactly as when both whole
// pictures were blended in.
TEST(Shop, CheaperBackdropShowsTheSamePixelsAsBlendingBothWholePictures) {
    auto v = std::make_unique<Visit>(2, 450);
    EXPECT_EQ(v->shop.tableOpaque, 1);
    ASSERT_GT(v->shop.tableStrips.count, 0) << "the pad hides part of the table";
    float tableShown = 0.f;
    for (std::int32_t k = 0; k < v->shop.tableStrips.count; ++k) {
        const sf::FloatRect b = v->shop.tableStrips.strips[static_cast<std::size_t>(k)].getGlobalBounds();
        tableShown += b.width * b.height;
    }
    EXPECT_LT(tableShown, 0.85f * 1920.f * 1080.f);
    const sf::FloatRect pad = v->shop.notePad.getGlobalBounds();
    EXPECT_LT(pad.width * pad.height, 0.5f * 1920.f * 1080.f) << "most of the pad's picture is transparent";

    sf::RenderTexture canvas;
    ASSERT_TRUE(canvas.create(1920, 1080));
    auto render = [&canvas](Shop* shop) {
        canvas.clear(sf::Color::Black);
        drawShop(shop, canvas);
        canvas.display();
        return canvas.getTexture().copyToImage();
    };
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        if (page == 1) v->openHirePage();
        v->frame();
        Shop whole = v->shop;
        whole.notePad = createSprite(*v->shop.notePad.getTexture());
        whole.notePad.setScale(4.f, 4.f);
        whole.tableOpaque = 0;
        whole.tableStrips = BackdropStrips{};
        const sf::Image cheaper = render(&v->shop);
        const sf::Image full = render(&whole);
        EXPECT_EQ(differingPixels(cheaper, full), 0);
    }
}
