#include "fight/fight_scene.hpp"

#include "core/resources.hpp"
#include "fight/card_play.hpp"
#include "fight/enemy_turn.hpp"
#include "fight/fight_paths.hpp"
#include "fight/visible_part.hpp"

#include <memory>
#include <SFML/Graphics/RenderStates.hpp>

namespace {

const sf::IntRect kCardBackFrame{0, 0, 128, 169};
constexpr float kDeckPileScale = 0.7f;
const sf::Vector2f kDeckPilePosition{1800.f, 800.f};
constexpr float kOverviewScale = 1.2f;
const sf::Vector2f kOverviewOrigin{512.f, 338.f};
const sf::Vector2f kOverviewPosition{960.f, 540.f};
constexpr float kDeckCaseScale = 2.f;
const sf::Vector2f kDeckCasePosition{40.f, 900.f};
constexpr float kActionPointIconScale = 0.7f;
const sf::Vector2f kActionPointIconPosition{450.f, 900.f};
const sf::Vector2f kCursorOrigin{16.f, 16.f};
// The deck overview's row for hero types 0, 1 and 2 (the companions have none).
const sf::IntRect kDeckRows[3] = {{0, 0, 1024, 169}, {0, 169, 1024, 169}, {0, 338, 1024, 169}};

void initDeckPile(DeckPile& pile) {
    pile.backTexture = &createTexture(kCardBackPath);
    pile.overviewTexture = &createTexture(kCardSheetPath);
    pile.backSprite = createSprite(*pile.backTexture);
    pile.backSprite.setTextureRect(kCardBackFrame);
    pile.backSprite.setScale(kDeckPileScale, kDeckPileScale);
    pile.backSprite.setPosition(kDeckPilePosition);
    pile.overviewSprite = createSprite(*pile.overviewTexture);
    pile.overviewSprite.setScale(kOverviewScale, kOverviewScale);
    pile.overviewSprite.setOrigin(kOverviewOrigin);
    pile.overviewSprite.setPosition(kOverviewPosition);
    pile.hovered = 0;
    pile.backAnimation = createAnimation(10, 6, &kCardBackFrame, 1);
    pile.backCurrent = pile.backAnimation;
    pile.deckViewOpen = 0;
}

sf::Sprite placedSprite(const char* path, float scale, sf::Vector2f position) {
    sf::Sprite sprite = createSprite(createTexture(path));
    sprite.setScale(scale, scale);
    sprite.setPosition(position);
    showVisiblePart(sprite, path);
    return sprite;
}

// The end-turn press of the allies: the enemies' turn begins and every hand is dealt anew.
void endAlliesTurn(FightScene& scene) {
    beginEnemiesTurn(scene.turnButton, scene.turnBanner);
    for (std::int32_t i = 0; i < scene.allies.count; ++i) {
        Ally& ally = scene.allies.allies[static_cast<std::size_t>(i)];
        ally.fighter.stats.actionPoints = kActionPointsPerTurn;
        ally.selected = 0;
        buildHand(ally.hand, ally.heroType);
    }
}

} // namespace

void initFightScene(FightScene* scene, const UnitStats* heroes, std::int32_t heroCount, const UnitStats* enemyRecords,
                    std::int32_t enemyCount) {
    if (heroCount < 0 || !heroes) heroCount = 0;
    if (enemyCount < 0 || !enemyRecords) enemyCount = 0;
    if (heroCount > kMaxFighters) heroCount = kMaxFighters;
    if (enemyCount > kMaxFighters) enemyCount = kMaxFighters;

    initTurnBanner(scene->turnBanner);
    initTurnButton(scene->turnButton);
    initDeckPile(scene->deckPile);
    scene->deckCase = placedSprite(kDeckCasePath, kDeckCaseScale, kDeckCasePosition);
    scene->hudBattle = placedSprite(kHudBattlePath, 1.f, {0.f, 0.f});
    scene->actionPointIcon = placedSprite(kActionPointIconPath, kActionPointIconScale, kActionPointIconPosition);

    initFightBackground(scene->background);
    hideFightBackgroundUnder(scene->background, scene->hudBattle, kHudBattlePath);
    initAllies(scene->allies, heroes, heroCount);

    scene->fightCursor.texture = &createTexture(kFightCursorPath);
    scene->fightCursor.sprite = createSprite(*scene->fightCursor.texture);
    scene->fightCursor.sprite.setOrigin(kCursorOrigin);
    scene->fightCursor.sprite.setPosition(scene->fightCursor.position);

    initFightEnemies(scene->enemies, enemyRecords, enemyCount);
    scene->engagedAllyCount = heroCount;
}

void updateFightScene(FightScene* scene, float dt) {
    updateAllies(scene->allies, dt);
    scene->fightCursor.sprite.setPosition(scene->fightCursor.position);
    updateFightEnemies(scene->enemies, dt, scene->allies, scene->turnButton);
    if (scene->deckPile.hovered)
        updateAnimation(&scene->deckPile.backCurrent, &scene->deckPile.backSprite, dt);
    slideTurnBanner(scene->turnBanner, scene->turnButton.isAllyTurn, dt);
    updateEnemyTurn(scene->allies, scene->enemies, scene->turnButton, scene->turnBanner, dt, scene->engagedAllyCount);
}

void drawFightScene(const FightScene* scene, sf::RenderTarget& target) {
    drawFightBackground(scene->background, target);
    target.draw(scene->hudBattle);
    target.draw(scene->actionPointIcon);
    drawFightEnemies(target, scene->enemies, scene->allies);
    drawAllies(scene->allies, target);
    target.draw(scene->deckPile.backSprite);
    drawTurnButton(scene->turnButton, target);
    drawTurnBanner(scene->turnBanner, scene->turnButton.isAllyTurn, target);
    target.draw(scene->deckCase);
    if (scene->deckPile.deckViewOpen) target.draw(scene->deckPile.overviewSprite);
    // The reticle is painted on black: added light, the black vanishes.
    target.draw(scene->fightCursor.sprite, sf::RenderStates(sf::BlendAdd));
}

void mousePressedFightScene(FightScene* scene) {
    // The press lands where the last move left the mouse. A support card held goes to the
    // ally there before the press chooses anything else; otherwise the press first chooses
    // (an ally, which drops any card held, or a card of a hand) and a damage card then held
    // goes to the enemy there.
    AllyList& allies = scene->allies;
    const sf::Vector2f at = allies.mousePosition;
    HeldCard held = heldCard(allies);
    const bool supportFirst = held.kind >= kFirstSupportKind;
    if (!supportFirst) {
        mousePressedAllies(allies);
        held = heldCard(allies);
    }
    if (held.owner >= 0)
        playCard(allies, scene->enemies, held, CardTarget{allyUnder(allies, at, false), enemyUnder(scene->enemies, at)});
    if (supportFirst) mousePressedAllies(allies);

    TurnButton& button = scene->turnButton;
    if (button.hovered && button.isAllyTurn) {
        endAlliesTurn(*scene);
    } else if (button.hovered && !button.isAllyTurn && button.enemiesActed) {
        // A second press skips the rest of the enemies' wait, but never their actions: a
        // double click on the button must not pass over the enemies' turn.
        finishEnemyTurn(scene->allies, scene->enemies, scene->turnButton, scene->turnBanner);
    }

    scene->deckPile.deckViewOpen = scene->deckPile.hovered ? 1 : 0;
    for (std::int32_t i = 0; i < scene->allies.count; ++i) {
        const Ally& ally = scene->allies.allies[static_cast<std::size_t>(i)];
        if (ally.hovered && ally.heroType >= 0 && ally.heroType < 3)
            scene->deckPile.overviewSprite.setTextureRect(kDeckRows[ally.heroType]);
    }
}

void mouseMovedFightScene(FightScene* scene, sf::Event::MouseMoveEvent move) {
    const sf::Vector2f mouse{static_cast<float>(move.x), static_cast<float>(move.y)};
    if (scene->turnButton.isAllyTurn) mouseMovedAllies(scene->allies, move);
    scene->fightCursor.position = mouse;
    hoverTurnButton(scene->turnButton, mouse);
    DeckPile& pile = scene->deckPile;
    if (pile.backSprite.getGlobalBounds().contains(mouse)) {
        pile.hovered = 1;
    } else {
        pile.hovered = 0;
        pile.backSprite.setTextureRect(kCardBackFrame);
        pile.backCurrent = pile.backAnimation;
        resetAnimation(&pile.backCurrent);
    }
}

void destroyFightScene(FightScene* scene) {
    destroyFightBackground(scene->background);
    scene->fightCursor.sprite = sf::Sprite();
    scene->fightCursor.texture = nullptr;
    destroyAllies(scene->allies);
    destroyFightEnemies(scene->enemies);
    scene->engagedAllyCount = 0;
    scene->deckPile.deckViewOpen = 0;
    scene->deckPile.hovered = 0;
}

void preloadFightScene() {
    auto scene = std::make_unique<FightScene>();
    initFightScene(scene.get(), nullptr, 0, nullptr, 0);
    destroyFightScene(scene.get());
}
