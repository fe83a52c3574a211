// The map's units, markers and HUD gathered over one atlas must show exactly what drawing
// each sprite on its own picture shows, in the close view (scrolled or not) and in the
// overview, with a hero selected, another walking along its arrow, a crate opened and the
// HUD's character sheet up.
#include "core/camera.hpp"
#include "core/random.hpp"
#include "support/test_window.hpp"
#include "world/world_game.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <memory>

namespace {

const sf::Color kBackdrop(255, 0, 255);

sf::Image render(sf::RenderTexture& target, WorldGame* world, const sf::View& view, bool gathered) {
    const PictureAtlas atlas = world->mapBatch.atlas;
    if (!gathered) world->mapBatch.atlas = PictureAtlas{};
    target.setView(view);
    target.clear(kBackdrop);
    drawWorldGame(world, target, 0);
    target.display();
    world->mapBatch.atlas = atlas;
    return target.getTexture().copyToImage();
}


sf::Event::MouseButtonEvent leftPress(sf::Vector2f screen) {
    return {sf::Mouse::Left, static_cast<int>(screen.x), static_cast<int>(screen.y)};
}

// The screen point over the middle of a world cell, for a camera at `topLeft`.
sf::Vector2f screenOf(GridPos cell, sf::Vector2f topLeft) {
    return {static_cast<float>(cell.x * kCellSize + kCellSize / 2) - topLeft.x,
            static_cast<float>(cell.y * kCellSize + kCellSize / 2) - topLeft.y};
}

} // namespace

TEST(MapBatch, UnitsMarkersAndHudMatchSpriteBySpriteInEveryView) {
    sf::RenderWindow& window = testWindow();
    auto world = std::make_unique<WorldGame>();
    initCamera(&world->camera);
    seedRandom(11);
    const std::int32_t team[4] = {1, 3, 2, 1};
    initWorldGame(world.get(), team);
    ASSERT_NE(world->mapBatch.atlas.texture, nullptr);
    // Every picture the map's units and HUD show lies in the atlas.
    for (const sf::Texture* sheet : world->party.types) EXPECT_GE(atlasPictureIndex(world->mapBatch.atlas, sheet), 0);
    for (const sf::Texture* sheet : world->enemies.types) EXPECT_GE(atlasPictureIndex(world->mapBatch.atlas, sheet), 0);
    EXPECT_GE(atlasPictureIndex(world->mapBatch.atlas, world->hud.barSprite.getTexture()), 0);
    EXPECT_GE(atlasPictureIndex(world->mapBatch.atlas, world->crates.openedTexture), 0);

    // The tutorial read, page after page, as a player clicks through it.
    for (int page = 0; page < 20 && world->dialog.visible; ++page)
        mousePressedWorldGame(world.get(), leftPress({960.f, 540.f}), &window);
    ASSERT_EQ(world->dialog.visible, 0);

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1920, 1080));
    const sf::View close(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f));
    const sf::Image groundOnly = [&] {
        target.setView(close);
        target.clear(kBackdrop);
        drawTileMap(target, &world->tileMap, 0);
        target.display();
        return target.getTexture().copyToImage();
    }();
    EXPECT_EQ(differingPixels(render(target, world.get(), close, true), render(target, world.get(), close, false)), 0);
    EXPECT_GT(differingPixels(render(target, world.get(), close, true), groundOnly), 20000) << "units and HUD drawn";

    // The second hero walks two cells along its arrow; the first is selected, its range shown.
    const sf::Vector2f topLeft = world->camera.topLeft;
    const GridPos walker = playerCell(&world->party.players[1]);
    mousePressedWorldGame(world.get(), leftPress(screenOf(walker, topLeft)), &window);
    ASSERT_GT(world->party.rangeSquares[static_cast<std::size_t>(cellIndex(walker))].visible +
                  world->party.rangeSquares[static_cast<std::size_t>(cellIndex({walker.x + 1, walker.y}))].visible,
              0);
    GridPos goal = walker;
    for (const GridPos step : {GridPos{walker.x + 2, walker.y}, GridPos{walker.x + 1, walker.y + 1}, GridPos{walker.x, walker.y + 2}})
        if (cellOnBoard(step) && world->party.rangeSquares[static_cast<std::size_t>(cellIndex(step))].visible) {
            goal = step;
            break;
        }
    ASSERT_FALSE(goal == walker) << "a cell two steps away is in reach";
    mousePressedWorldGame(world.get(), leftPress(screenOf(goal, topLeft)), &window);
    ASSERT_EQ(world->party.players[1].body.moving, 1);
    for (int frame = 0; frame < 7; ++frame) updatePlayerMoves(world.get(), 1.f / 60.f); // between two cells
    updatePartyAnimations(&world->party, 0.3f);
    updateEnemyAnimations(&world->enemies, 0.45f);
    mousePressedWorldGame(world.get(), leftPress(screenOf(playerCell(&world->party.players[0]), topLeft)), &window);
    // A crate opened, the portrait of the first hero hovered and the end-turn button too.
    const GridPos crate = cellOfPosition(world->crates.sprites[0].getPosition());
    openCrate(&world->crates, &world->tileMap, &world->gold, crate.x, crate.y);
    const sf::FloatRect frame = world->hud.frameSprites[0].getGlobalBounds();
    mouseMovedWorldGame(world.get(), {static_cast<int>(frame.left + 10.f - topLeft.x), static_cast<int>(frame.top + 10.f - topLeft.y)});
    ASSERT_EQ(world->hud.hovered[0], 1);

    for (const sf::View& view : {close, sf::View(sf::FloatRect(37.f, 21.f, 1920.f, 1080.f))}) {
        SCOPED_TRACE(view.getCenter().x);
        const sf::Image gathered = render(target, world.get(), view, true);
        EXPECT_EQ(differingPixels(gathered, render(target, world.get(), view, false)), 0);
    }
    // The overview: the whole board at half size, without the HUD.
    sf::View overview(sf::FloatRect(0.f, 0.f, 1920.f, 1080.f));
    overview.setCenter(1920.f, 1080.f);
    overview.zoom(2.f);
    world->hud.visible = 0;
    EXPECT_EQ(differingPixels(render(target, world.get(), overview, true), render(target, world.get(), overview, false)), 0);
}
