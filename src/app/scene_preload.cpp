#include "app/scene_preload.hpp"

#include "core/resources.hpp"
#include "core/visible_area.hpp"
#include "fight/fight_scene.hpp"
#include "menus/shop.hpp"
#include "world/level_transition.hpp"
#include "world/map_batch.hpp"

#include <memory>

void preloadScenePictures() {
    preloadMapPictures();
    preloadFightScene();
    auto shop = std::make_unique<Shop>();
    openShop(shop.get(), 0, 0);
    auto transition = std::make_unique<LevelTransition>();
    initLevelTransition(transition.get());
    for (std::int32_t sheet = kTransitionFirstSheet; sheet <= kTransitionLastSheet; ++sheet) {
        startLevelTransition(transition.get(), sheet);
        if (transition->sheetTexture->getSize().x > 0)
            visibleFrameArea(transition->sheetPath.data(), transition->sheetSprite.getTextureRect());
    }
}
