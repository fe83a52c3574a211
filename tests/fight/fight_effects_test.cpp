// The small visual records of the fight: the card arrow, numbers, life bars, effect piles.
#include "core/asset_cache.hpp"
#include "core/block_picture.hpp"
#include "core/resources.hpp"
#include "core/random.hpp"
#include "fight/card_arrow.hpp"
#include "fight/fight_enemy_list.hpp"
#include "fight/fight_paths.hpp"
#include "fight/impact_set.hpp"
#include "fight/life_bar.hpp"
#include "fight/number_display.hpp"
#include "fight/fight_scene.hpp"
#include "support/test_window.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>

TEST(CardArrow, HeadSitsOnTheEndPointTurnedLikeTheDotBeforeItAndTheDotsGrowTowardIt) {
    auto arrow = std::make_unique<CardArrow>();
    initCardArrow(*arrow, {0.f, 0.f});
    ASSERT_EQ(arrow->count, kArrowDotCount);
    setCardArrowStart(*arrow, {900.f, 1000.f});
    for (const sf::Vector2f end : {sf::Vector2f{1500.f, 600.f}, sf::Vector2f{300.f, 900.f}, sf::Vector2f{905.f, 1001.f}}) {
        updateCardArrow(*arrow, end);
        const ArrowDot& head = arrow->dots[kArrowDotCount - 1];
        const ArrowDot& last = arrow->dots[kArrowDotCount - 2];
        EXPECT_EQ(head.sprite.getPosition(), end);
        EXPECT_FLOAT_EQ(head.angle, last.angle);
        EXPECT_FLOAT_EQ(head.sprite.getRotation(), last.sprite.getRotation());
        for (int i = 1; i < kArrowDotCount; ++i)
            EXPECT_GT(arrow->dots[static_cast<std::size_t>(i)].sprite.getScale().x,
                      arrow->dots[static_cast<std::size_t>(i - 1)].sprite.getScale().x);
    }
    // The curve leaves the start and bows up and to the left of it.
    updateCardArrow(*arrow, {1500.f, 600.f});
    EXPECT_LT(arrow->dots[0].sprite.getPosition().x, 900.f);
    EXPECT_LT(arrow->dots[0].sprite.getPosition().y, 1000.f);
    // A full arrow takes no more dots.
    addArrowDot(*arrow, 3, {0.f, 0.f});
    EXPECT_EQ(arrow->count, kArrowDotCount);
}

TEST(NumberDisplay, ShowsOneTwoThenThreeDigitsWithTheArmorUnitsAtTheirBase) {
    auto display = std::make_unique<NumberDisplay>();
    const sf::Vector2f base{400.f, 300.f};
    initNumberDisplay(*display, NUMBER_ARMOR, base);
    const NumberEntry& e = display->entries[0];
    const int row = 72 * NUMBER_ARMOR;
    setNumberValue(*display, 7);
    EXPECT_EQ(display->twoDigits + display->threeDigits, 0);
    EXPECT_EQ(e.units.getTextureRect(), sf::IntRect(56 * 7, row, 56, 72));
    setNumberValue(*display, 42);
    EXPECT_EQ(display->twoDigits, 1);
    EXPECT_EQ(display->threeDigits, 0);
    EXPECT_EQ(e.units.getTextureRect(), sf::IntRect(56 * 2, row, 56, 72));
    EXPECT_EQ(e.tens.getTextureRect(), sf::IntRect(56 * 4, row, 56, 72));
    setNumberValue(*display, 123);
    EXPECT_EQ(display->threeDigits, 1);
    EXPECT_EQ(e.units.getTextureRect().left, 56 * 3);
    EXPECT_EQ(e.tens.getTextureRect().left, 56 * 2);
    EXPECT_EQ(e.hundreds.getTextureRect().left, 56 * 1);
    // Read left to right: hundreds, tens, units.
    EXPECT_LT(e.hundreds.getPosition().x, e.tens.getPosition().x);
    EXPECT_LT(e.tens.getPosition().x, e.units.getPosition().x);
    // A value past the sheet (a fourth digit) still picks a digit of the sheet.
    setNumberValue(*display, 1234);
    EXPECT_LT(e.hundreds.getTextureRect().left, 560);
}

TEST(NumberDisplay, TheActionPointCounterShowsOneDigitAndKeepsItForValuesOfTenOrMore) {
    auto display = std::make_unique<NumberDisplay>();
    initNumberDisplay(*display, NUMBER_ACTION_POINTS, {10.f, 10.f});
    const NumberEntry& e = display->entries[0];
    setNumberValue(*display, 3);
    EXPECT_EQ(e.units.getTextureRect(), sf::IntRect(56 * 3, 0, 56, 72));
    setNumberValue(*display, 42);
    EXPECT_EQ(e.units.getTextureRect(), sf::IntRect(56 * 3, 0, 56, 72));
    EXPECT_EQ(e.tens.getTextureRect().left, 0);
    setNumberValue(*display, 1);
    EXPECT_EQ(e.units.getTextureRect(), sf::IntRect(56, 0, 56, 72));
}

TEST(NumberDisplay, DamageRisesFiftyPixelsASecondAndDropsBackAtOnce) {
    auto display = std::make_unique<NumberDisplay>();
    const sf::Vector2f base{200.f, 700.f};
    initNumberDisplay(*display, NUMBER_DAMAGE, base);
    setNumberValue(*display, 15);
    for (int i = 0; i < 30; ++i) floatNumbers(*display, 1, 1.f / 60.f);
    const NumberEntry& e = display->entries[0];
    EXPECT_NEAR(e.units.getPosition().y, base.y - 25.f, 1e-3f);
    EXPECT_NEAR(e.tens.getPosition().y, base.y - 25.f, 1e-3f);
    EXPECT_FLOAT_EQ(e.hundreds.getPosition().y, base.y); // the hundreds stay
    floatNumbers(*display, 0, 1.f / 60.f);
    EXPECT_EQ(e.units.getPosition(), base);
    EXPECT_FLOAT_EQ(e.tens.getPosition().y, base.y);
    // Other kinds never float.
    auto armor = std::make_unique<NumberDisplay>();
    initNumberDisplay(*armor, NUMBER_ARMOR, base);
    floatNumbers(*armor, 1, 0.5f);
    EXPECT_EQ(armor->entries[0].units.getPosition(), base);
}

TEST(LifeBar, WidthFollowsLifeAndNeverLeavesTheBar) {
    auto bar = std::make_unique<LifeBar>();
    initLifeBar(*bar, 100, {216.f, 906.f});
    const LifeBarEntry& e = bar->entries[0];
    updateLifeBar(*bar, 50, 0.f);
    EXPECT_EQ(e.bar.getTextureRect().width, 64);
    updateLifeBar(*bar, 100, 0.f);
    EXPECT_EQ(e.bar.getTextureRect().width, 128);
    // The bar shimmers: the frames step along the strip while its width holds.
    updateLifeBar(*bar, 100, 0.07f);
    EXPECT_EQ(e.bar.getTextureRect().left, 128);
    // Overkill leaves life below 0 for a frame: the bar is empty, not mirrored.
    updateLifeBar(*bar, -35, 0.f);
    EXPECT_EQ(e.bar.getTextureRect().width, 0);
    auto empty = std::make_unique<LifeBar>();
    initLifeBar(*empty, 0, {0.f, 0.f});
    updateLifeBar(*empty, 10, 0.f);
    EXPECT_EQ(empty->entries[0].bar.getTextureRect().width, 0);
}

TEST(ImpactSet, AHitIsAPileOfThirtyExplosionsAndImpactsOfThreeSizesSomeHidden) {
    seedRandom(7);
    std::set<float> sizes;
    std::set<const sf::Texture*> pictures;
    for (int round = 0; round < 4; ++round) {
        auto set = std::make_unique<ImpactSet>();
        initImpacts(*set, {300.f, 400.f}, IMPACT_HIT);
        ASSERT_EQ(set->count, kImpactsPerSet);
        for (int i = 0; i < set->count; ++i) {
            const Impact& impact = set->impacts[static_cast<std::size_t>(i)];
            EXPECT_EQ(impact.sprite.getPosition(), sf::Vector2f(300.f, 400.f));
            EXPECT_EQ(impact.sprite.getScale().x, impact.sprite.getScale().y);
            sizes.insert(impact.sprite.getScale().x);
            pictures.insert(impact.sprite.getTexture());
        }
    }
    EXPECT_EQ(sizes, (std::set<float>{0.f, 1.f, 2.f}));
    EXPECT_EQ(pictures.size(), 2u);
    auto boost = std::make_unique<ImpactSet>();
    initImpacts(*boost, {300.f, 400.f}, IMPACT_ATTACK_BOOST);
    // A boost plays its strip: the next frame lies one frame to the right.
    const sf::IntRect first = boost->impacts[0].sprite.getTextureRect();
    updateImpacts(*boost, 0.11f);
    EXPECT_EQ(boost->impacts[0].sprite.getTextureRect(), sf::IntRect(first.left + first.width, first.top, first.width, first.height));
    // A full pile takes no more.
    for (int i = 0; i < 200; ++i) addImpact(*boost, {0.f, 0.f}, IMPACT_DEFENSE_BOOST);
    EXPECT_EQ(boost->count, kMaxImpacts);
}

// A pile is drawn in one go over the effects' atlas, each effect by the visible part of its
// frame: it must look exactly as every effect drawn whole on its own picture, for hits and
// boosts, at whole and fractional places, whatever frame each shows.
TEST(ImpactSet, APileDrawnInOneGoShowsTheSamePixelsAsEachEffectWhole) {
    testWindow().setActive(true);
    seedRandom(3);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(400, 300));
    auto render = [&target](const ImpactSet& set) {
        target.clear(sf::Color(20, 90, 40));
        drawImpacts(set, target);
        target.display();
        return target.getTexture().copyToImage();
    };
    const std::pair<sf::Vector2f, std::int32_t> piles[] = {{{150.f, 120.f}, IMPACT_HIT},
                                                           {{151.25f, 119.75f}, IMPACT_HIT},
                                                           {{100.f, 150.f}, IMPACT_ATTACK_BOOST},
                                                           {{220.75f, 140.25f}, IMPACT_DEFENSE_BOOST}};
    for (const auto& [where, kind] : piles) {
        auto set = std::make_unique<ImpactSet>();
        initImpacts(*set, where, kind);
        ASSERT_NE(set->atlas.texture, nullptr);
        for (int frame = 0; frame < 8; ++frame) {
            SCOPED_TRACE(frame);
            auto whole = std::make_unique<ImpactSet>(*set);
            whole->atlas = PictureAtlas{};
            const sf::Image gathered = render(*set);
            EXPECT_EQ(differingPixels(gathered, render(*whole)), 0);
            if (frame == 7) {
                auto none = std::make_unique<ImpactSet>(*set);
                none->count = 0;
                EXPECT_GT(differingPixels(gathered, render(*none)), 500) << "the pile is on screen";
            }
            updateImpacts(*set, 1.f / 14.f);
        }
    }
}

// The battlefield is drawn only above the battle HUD's opaque bar, and the bar from its
// smaller form, its opaque middle without blending: a battle in full swing (every fighter just hit, both sides'
// piles live) looks exactly as with the whole backdrop, the whole bar blended and every
// effect drawn whole, one at a time.
TEST(FightScene, BackdropAboveTheBarAndGatheredPilesShowTheSamePixelsAsBefore) {
    testWindow().setActive(true);
    seedRandom(5);
    const UnitStats heroes[3] = {initialUnitStats(PLAYER_IRINA), initialUnitStats(PLAYER_REM), initialUnitStats(PLAYER_LIGHT)};
    const UnitStats enemies[3] = {initialUnitStats(ENEMY_LIGHT), initialUnitStats(ENEMY_TANK), initialUnitStats(ENEMY_SHIELD)};
    auto scene = std::make_unique<FightScene>();
    initFightScene(scene.get(), heroes, 3, enemies, 3);
    ASSERT_GT(scene->background.shown.count, 0) << "the bar hides part of the backdrop";
    ASSERT_TRUE(scene->hudBattleSplit.split) << "the bar has an opaque middle";
    ASSERT_EQ(cachedBlockPicture(kHudBattlePath).block, 4) << "the bar's art is enlarged four times in its file";
    for (int i = 0; i < 40; ++i) updateFightScene(scene.get(), 1.f / 60.f);
    for (FightEnemy& enemy : scene->enemies.enemies) enemy.fighter.hit = 1;
    for (Ally& ally : scene->allies.allies) {
        ally.fighter.hit = 1;
        ally.attackFx = 1;
        initImpacts(ally.attackBoostEffect, ally.fighter.body.sprite.getPosition(), IMPACT_ATTACK_BOOST);
    }
    updateFightScene(scene.get(), 1.f / 60.f);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    auto render = [&target](const FightScene& shown) {
        target.clear(sf::Color::Black);
        drawFightScene(&shown, target);
        target.display();
        return target.getTexture().copyToImage();
    };
    const sf::Image cheaper = render(*scene);
    auto before = std::make_unique<FightScene>(*scene);
    before->background.shown = BackdropStrips{};
    before->hudBattleSplit = OpaqueSplit{};
    before->hudBattle = sf::Sprite(createTexture(kHudBattlePath)); // the whole bar as its file has it
    for (Ally& ally : before->allies.allies) {
        ally.fighter.hitEffect.atlas = PictureAtlas{};
        ally.attackBoostEffect.atlas = PictureAtlas{};
    }
    for (FightEnemy& enemy : before->enemies.enemies) enemy.fighter.hitEffect.atlas = PictureAtlas{};
    EXPECT_EQ(differingPixels(cheaper, render(*before)), 0);

    // Bodies show only their frames' visible parts: the same pixels as whole frames, through
    // idle, attack and death frames, also on a sheet cut into pages (a card that takes
    // textures no wider than 4096 pixels gets the Tank's sheet in pages of eleven frames;
    // its death plays on into the second page).
    auto bodiesAsWhole = [&render](FightScene& shown) {
        startEnemyAttack(shown.enemies, 0);
        for (std::int32_t fallen : {1, 2}) { // the Tank's death runs onto its sheet's later pages
            shown.enemies.enemies[static_cast<std::size_t>(fallen)].fighter.stats.life = 0;
            killFightEnemy(shown.enemies, fallen);
        }
        for (int step = 0; step < 30; ++step) {
            for (int i = 0; i < 5; ++i) updateFightScene(&shown, 1.f / 60.f);
            auto whole = std::make_unique<FightScene>(shown);
            for (Ally& ally : whole->allies.allies) ally.fighter.body.path = nullptr;
            for (FightEnemy& enemy : whole->enemies.enemies) enemy.fighter.body.path = nullptr;
            const int differing = differingPixels(render(shown), render(*whole));
            EXPECT_EQ(differing, 0) << "step " << step;
            if (differing != 0) break;
        }
    };
    bodiesAsWhole(*scene);
    setTextureSizeLimit(4096);
    auto paged = std::make_unique<FightScene>();
    initFightScene(paged.get(), heroes, 3, enemies, 3);
    EXPECT_GT(paged->enemies.enemies[1].fighter.body.sheet.count, 1);
    bodiesAsWhole(*paged);
    EXPECT_NE(paged->enemies.enemies[1].fighter.body.sprite.getTexture(), paged->enemies.enemies[1].fighter.body.sheet.pages[0])
        << "the Tank's last frame shown came from a later page";
    setTextureSizeLimit(0);
    destroyFightScene(paged.get());
    destroyFightScene(scene.get());
}
