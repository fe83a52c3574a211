#include "menus/shop.hpp"

#include "core/resources.hpp"
#include "support/test_window.hpp"
#include "world/level_transition.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

const std::string kLightText = "\t\tLight\nPv : 30\nStrengt : 5\nDefense : 2\nAlloy Defense : 4\nBoost : 2\nMove : "
                               "7\nPierce defense :3\nStamina : 5\nPrice : 200 Golds";
const std::string kHeavyText = "\t\tHeavy\nPv : 45\nStrengt : 8\nDefense : 3\nAlloy Defense : 6\nBoost : 2\nMove : "
                               "3\nPierce defense :3\nStamina : 3\nPrice : 200 Golds";
const std::string kShieldText = "\t\tShield\nPv : 55\nStrengt : 5\nDefense : 6\nAlloy Defense : 12\nBoost : 2\nMove : "
                                "3\nPierce defense :2\nStamina : 3\nPrice : 200 Golds";

// A shop visit as the shell drives it: the scene, the transition Next starts, the level about
// to be played, and the mouse through the shop's own handlers.
struct Visit {
    Shop shop;
    LevelTransition transition;
    SceneState scene = SCENE_SHOP;
    std::int32_t level = 2;

    Visit(std::int32_t partySize, std::int32_t gold) {
        testWindow().setActive(true);
        initLevelTransition(&transition);
        openShop(&shop, partySize, gold);
    }

    void press(sf::Vector2i at, sf::Mouse::Button button = sf::Mouse::Left) {
        mousePressedShop(&shop, mousePressEvent(at.x, at.y, button).mouseButton, &scene, &transition, level);
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
    std::string gold() const { return shop.goldText.getString().toAnsiString(); }
    std::string party() const { return shop.partySizeText.getString().toAnsiString(); }
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
    EXPECT_EQ(s.hiredCount, 0);
    EXPECT_EQ(v->sheet(), kLightText);
    EXPECT_EQ(s.statSheet.getPosition(), sf::Vector2f(1100.f, 40.f));
    EXPECT_EQ(v->gold(), "Golds : 340");
    EXPECT_EQ(v->party(), "Player : 3/4");
    for (const sf::Text* text : {&s.statSheet, &s.goldText, &s.partySizeText}) {
        EXPECT_EQ(text->getCharacterSize(), 35u);
        EXPECT_EQ(text->getFillColor(), sf::Color::Black);
    }
    EXPECT_EQ(s.goldText.getPosition(), sf::Vector2f(600.f, 50.f));
    EXPECT_EQ(s.partySizeText.getPosition(), sf::Vector2f(150.f, 50.f));
    EXPECT_EQ(s.preview.getTexture(), s.heroTextures[0]);
    EXPECT_EQ(s.preview.getTexture(), &createTexture("Assets/Sprites/WorldPlayerSprite/Light/Light_Sprite_Sheet.png"));
    EXPECT_EQ(s.preview.getTextureRect(), sf::IntRect(0, 0, 64, 64));
    EXPECT_EQ(s.preview.getPosition(), sf::Vector2f(330.f, 490.f));

    // Buttons show their normal (top) row where the layout puts them.
    EXPECT_EQ(s.frontHire.sprite.getTextureRect(), sf::IntRect(0, 0, 80, 37));
    EXPECT_EQ(s.frontHire.sprite.getPosition(), sf::Vector2f(275.f, 450.f));
    EXPECT_EQ(s.hire.sprite.getPosition(), sf::Vector2f(304.f, 275.f));
    EXPECT_EQ(s.next.sprite.getTextureRect(), sf::IntRect(0, 0, 90, 38));
    EXPECT_EQ(s.returnButton.sprite.getTextureRect(), sf::IntRect(0, 0, 182, 44));
    EXPECT_EQ(s.returnButton.sprite.getScale(), sf::Vector2f(1.f, 1.f));
    EXPECT_EQ(s.leftArrow.sprite.getPosition(), sf::Vector2f(65.f, 540.f));
    EXPECT_EQ(s.rightArrow.sprite.getPosition(), sf::Vector2f(680.f, 540.f));
    EXPECT_EQ(s.rightArrow.sprite.getScale(), sf::Vector2f(4.f, 4.f));
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

    auto exact = std::make_unique<Visit>(1, 200);
    exact->openHirePage();
    exact->hire();
    EXPECT_EQ(exact->shop.hiredCount, 1);
    EXPECT_EQ(exact->shop.shopGold, 0);
    EXPECT_EQ(exact->gold(), "Golds : 0");
    exact->hire();
    EXPECT_EQ(exact->shop.hiredCount, 1) << "nothing is bought on credit";
    EXPECT_EQ(exact->shop.shopGold, 0);
}

TEST(Shop, HiresAreListedInTheOrderBoughtAndNextStartsTheRoadToTheNewLevel) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->level = 5;
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
    EXPECT_EQ(v->scene, SCENE_SHOP);
    v->click(v->shop.next);
    EXPECT_EQ(v->scene, SCENE_LEVEL_TRANSITION);
    EXPECT_EQ(v->transition.sheetNumber, 4) << "the road from the level just cleared";
    EXPECT_STREQ(v->transition.sheetPath.data(), "Assets/Sprites/ChangeMapTile/map-Sheet4.png");
    // Leaving keeps what the world board takes over at the next level.
    EXPECT_EQ(v->shop.hiredCount, 2);
    EXPECT_EQ(v->shop.recruitList[0], SHOP_HEAVY);
    EXPECT_EQ(v->shop.shopGold, 600);
}

TEST(Shop, NextAfterTheFirstAndTheNinthLevelsShowsTheFirstAndTheLastRoads) {
    for (const auto& [level, path] : {std::pair<int, const char*>{2, "Assets/Sprites/ChangeMapTile/map-Sheet1.png"},
                                      std::pair<int, const char*>{10, "Assets/Sprites/ChangeMapTile/map-Sheet9.png"}}) {
        auto v = std::make_unique<Visit>(4, 0);
        v->level = level;
        v->click(v->shop.next);
        EXPECT_EQ(v->scene, SCENE_LEVEL_TRANSITION);
        EXPECT_STREQ(v->transition.sheetPath.data(), path);
        EXPECT_EQ(v->transition.sheetTexture, &createTexture(path));
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
    EXPECT_EQ(v->sheet(), kShieldText);
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
    EXPECT_EQ(v->sheet(), kLightText);
}

TEST(Shop, CarouselTurnsBothWaysAndLightBroughtBackFromHeavySitsTenPixelsHigher) {
    auto v = std::make_unique<Visit>(1, 1000);
    v->openHirePage();
    v->right();
    EXPECT_EQ(v->sheet(), kHeavyText);
    EXPECT_EQ(v->shop.preview.getTexture(), v->shop.heroTextures[1]);
    v->right();
    EXPECT_EQ(v->sheet(), kShieldText);
    v->right();
    EXPECT_EQ(v->sheet(), kLightText);
    EXPECT_EQ(v->shop.statSheet.getPosition(), sf::Vector2f(1100.f, 40.f)) << "Light from Shield";

    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_SHIELD);
    EXPECT_EQ(v->shop.statSheet.getPosition(), sf::Vector2f(1100.f, 40.f));
    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_HEAVY);
    EXPECT_EQ(v->shop.statSheet.getPosition(), sf::Vector2f(1100.f, 40.f));
    v->left();
    EXPECT_EQ(v->shop.carouselIndex, SHOP_LIGHT);
    EXPECT_EQ(v->sheet(), kLightText);
    EXPECT_EQ(v->shop.statSheet.getPosition(), sf::Vector2f(1100.f, 30.f)) << "Light from Heavy by the left arrow";
    EXPECT_EQ(v->shop.statSheet.getCharacterSize(), 35u);
    EXPECT_EQ(v->shop.statSheet.getFillColor(), sf::Color::Black);

    // A new preview starts its animation on the first frame.
    for (int i = 0; i < 10; ++i) v->frame();
    v->right();
    EXPECT_EQ(v->shop.preview.getTextureRect(), sf::IntRect(0, 0, 64, 64));
    EXPECT_EQ(v->shop.preview.getPosition(), sf::Vector2f(330.f, 490.f));
    EXPECT_EQ(v->shop.preview.getScale(), sf::Vector2f(4.f, 4.f));
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
    EXPECT_EQ(v->scene, SCENE_SHOP);

    // Hire page: Next is not there, and the click that opened the page bought nothing.
    v->openHirePage();
    EXPECT_EQ(v->shop.hiredCount, 0);
    v->press(centreOf(v->shop.next));
    EXPECT_EQ(v->scene, SCENE_SHOP);
    v->press(centreOf(v->shop.hire), sf::Mouse::Right);
    EXPECT_EQ(v->shop.hiredCount, 0);
    v->press({1000, 1000}); // the table
    EXPECT_EQ(v->shop.hirePageOpen, 1u);
}

TEST(Shop, EveryButtonShowsItsLowerRowUnderTheMouseOnEitherPage) {
    auto v = std::make_unique<Visit>(1, 1000);
    struct Row {
        const MenuButton* button;
        sf::IntRect normal, hover;
    };
    const Shop& s = v->shop;
    const Row rows[] = {
        {&s.frontHire, {0, 0, 80, 37}, {0, 37, 80, 37}}, {&s.next, {0, 0, 90, 38}, {0, 38, 90, 38}},
        {&s.hire, {0, 0, 80, 37}, {0, 37, 80, 37}},      {&s.returnButton, {0, 0, 182, 44}, {0, 44, 182, 44}},
        {&s.leftArrow, {0, 0, 39, 39}, {0, 39, 39, 39}}, {&s.rightArrow, {0, 0, 39, 39}, {0, 39, 39, 39}},
    };
    for (const Row& row : rows) {
        v->move(centreOf(*row.button));
        for (const Row& other : rows)
            EXPECT_EQ(other.button->sprite.getTextureRect(), other.button == row.button ? other.hover : other.normal);
    }
    v->move({1000, 1000});
    for (const Row& row : rows) EXPECT_EQ(row.button->sprite.getTextureRect(), row.normal);
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
