#include "fight/fight_scene.hpp"

#include "core/block_picture.hpp"
#include "core/random.hpp"
#include "core/resources.hpp"
#include "core/sound.hpp"
#include "core/visible_area.hpp"
#include "fight/card_play.hpp"
#include "fight/enemy_turn.hpp"
#include "fight/fight_keys.hpp"
#include "fight/fight_paths.hpp"
#include "fight/visible_part.hpp"

#include <memory>
#include <SFML/Graphics/RenderStates.hpp>

namespace {

const sf::IntRect kCardBackFrame{0, 0, 128, 169};
constexpr float kDeckPileScale = 0.7f;
const sf::Vector2f kDeckPilePosition{1800.f, 800.f};
constexpr float kDeckCaseScale = 2.f;
const sf::Vector2f kDeckCasePosition{40.f, 900.f};
constexpr float kActionPointIconScale = 0.7f;
const sf::Vector2f kActionPointIconPosition{450.f, 900.f};
const sf::Vector2f kCursorOrigin{16.f, 16.f};

void initDeckPile(DeckPile& pile) {
    pile.backTexture = &createTexture(kCardBackPath);
    pile.backSprite = createSprite(*pile.backTexture);
    pile.backSprite.setTextureRect(kCardBackFrame);
    pile.backSprite.setScale(kDeckPileScale, kDeckPileScale);
    pile.backSprite.setPosition(kDeckPilePosition);
    initDeckView(pile.view);
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

} // namespace

void endAlliesTurn(FightScene& scene) {
    playSound(Sound::EndTurn);
    beginEnemiesTurn(scene.turnButton, scene.turnBanner);
    for (std::int32_t i = 0; i < scene.allies.count; ++i) {
        Ally& ally = scene.allies.allies[static_cast<std::size_t>(i)];
        ally.fighter.stats.actionPoints = kActionPointsPerTurn;
        ally.selected = 0;
        buildHand(ally.hand, ally.heroType);
    }
}

namespace {

// Every fallen enemy of the fight brings its gold; the allies win when every enemy fell
// and one of them still stands.
void raiseEndBanner(FightScene& scene) {
    std::int32_t fallen = 0;
    bool enemyStands = false;
    bool allyStands = false;
    for (std::int32_t i = 0; i < scene.enemies.count; ++i) {
        if (fighterStanding(scene.enemies.enemies[static_cast<std::size_t>(i)].fighter)) enemyStands = true;
        else fallen += 1;
    }
    for (std::int32_t i = 0; i < scene.allies.count; ++i)
        if (fighterStanding(scene.allies.allies[static_cast<std::size_t>(i)].fighter)) allyStands = true;
    raiseFightEndBanner(scene.endBanner, allyStands && !enemyStands, fallen * kGoldPerEnemy);
}

} // namespace

void initFightScene(FightScene* scene, const UnitStats* heroes, std::int32_t heroCount, const UnitStats* enemyRecords,
                    std::int32_t enemyCount) {
    if (heroCount < 0 || !heroes) heroCount = 0;
    if (enemyCount < 0 || !enemyRecords) enemyCount = 0;
    if (heroCount > kMaxFighters) heroCount = kMaxFighters;
    if (enemyCount > kMaxFighters) enemyCount = kMaxFighters;

    initTurnBanner(scene->turnBanner);
    initFightStatus(scene->status);
    initFightEndBanner(scene->endBanner);
    initTurnButton(scene->turnButton);
    initDeckPile(scene->deckPile);
    scene->deckCase = placedSprite(kDeckCasePath, kDeckCaseScale, kDeckCasePosition);
    scene->hudBattle = placedSprite(kHudBattlePath, 1.f, {0.f, 0.f});
    scene->actionPointIcon = placedSprite(kActionPointIconPath, kActionPointIconScale, kActionPointIconPosition);

    initFightBackground(scene->background);
    hideFightBackgroundUnder(scene->background, scene->hudBattle, kHudBattlePath);
    scene->hudBattleSplit = splitAtOpaqueMiddle(scene->hudBattle, opaquePictureCore(kHudBattlePath));
    // The bar's art is enlarged in its file: drawn from its smaller form.
    showBlockPicture(&scene->hudBattle, kHudBattlePath);
    showBlockPicture(&scene->hudBattleSplit.middle, kHudBattlePath);
    for (std::int32_t k = 0; k < scene->hudBattleSplit.rimCount; ++k)
        showBlockPicture(&scene->hudBattleSplit.rim[static_cast<std::size_t>(k)], kHudBattlePath);
    initAllies(scene->allies, heroes, heroCount);

    scene->fightCursor.texture = &createTexture(kFightCursorPath);
    scene->fightCursor.sprite = createSprite(*scene->fightCursor.texture);
    scene->fightCursor.sprite.setOrigin(kCursorOrigin);
    scene->fightCursor.sprite.setPosition(scene->fightCursor.position);

    initFightEnemies(scene->enemies, enemyRecords, enemyCount);
    scene->engagedAllyCount = heroCount;
}

void updateFightScene(FightScene* scene, float dt) {
    // Once a side has fallen the turns stop: the last blows play out under the end banner.
    const bool over = scene->turnButton.fightOver != 0;
    updateAllies(scene->allies, dt);
    scene->fightCursor.sprite.setPosition(scene->fightCursor.position);
    updateFightEnemies(scene->enemies, dt, scene->allies, scene->turnButton);
    if (scene->deckPile.hovered)
        updateAnimation(&scene->deckPile.backCurrent, &scene->deckPile.backSprite, dt);
    slideTurnBanner(scene->turnBanner, scene->turnButton.isAllyTurn, dt);
    if (!over)
        updateEnemyTurn(scene->allies, scene->enemies, scene->turnButton, scene->turnBanner, dt,
                        scene->engagedAllyCount, scene->enemySpeed);
    aimHeldCard(scene->allies, scene->enemies);
    previewEnemyIntents(scene->allies, scene->enemies);
    updateFightStatus(scene->status, scene->allies, scene->enemies);
    if (over) updateFightEndBanner(scene->endBanner, dt);
    if (scene->turnButton.fightOver) raiseEndBanner(*scene);
}

void drawFightScene(const FightScene* scene, sf::RenderTarget& target) {
    drawFightBackground(scene->background, target);
    drawOpaqueSplit(scene->hudBattle, scene->hudBattleSplit, target);
    target.draw(scene->actionPointIcon);
    drawFightEnemies(target, scene->enemies, scene->allies);
    drawAllies(scene->allies, target);
    drawFightStatus(scene->status, scene->allies, scene->enemies, target);
    if (!scene->turnButton.fightOver) drawAllyHands(scene->allies, target); // nothing is left to play
    target.draw(scene->deckPile.backSprite);
    drawTurnButton(scene->turnButton, target);
    drawTurnBanner(scene->turnBanner, scene->turnButton.isAllyTurn, target);
    target.draw(scene->deckCase);
    if (scene->deckPile.deckViewOpen)
        drawDeckView(scene->deckPile.view, target);
    else if (!scene->turnButton.fightOver)
        drawFightKeyHints(scene, target);
    drawFightEndBanner(scene->endBanner, target);
    // The reticle is painted on black: added light, the black vanishes.
    target.draw(scene->fightCursor.sprite, sf::RenderStates(sf::BlendAdd));
}

void mousePressedFightScene(FightScene* scene) {
    // The press lands where the last move left the mouse. A support card held goes to the
    // ally there before the press chooses anything else; otherwise the press first chooses
    // (an ally, which drops any card held, or a card of a hand) and a damage card then held
    // goes to the enemy there.
    if (scene->turnButton.fightOver) {
        skipFightEndBanner(scene->endBanner);
        return;
    }
    // The deck view covers the battle: a press anywhere only closes it.
    if (scene->deckPile.deckViewOpen) {
        scene->deckPile.deckViewOpen = 0;
        return;
    }
    AllyList& allies = scene->allies;
    const sf::Vector2f at = allies.mousePosition;
    HeldCard held = heldCard(allies);
    const bool supportFirst = held.kind >= kFirstSupportKind;
    if (!supportFirst) {
        mousePressedAllies(allies);
        held = heldCard(allies);
    }
    if (held.owner >= 0) playCard(allies, scene->enemies, held, heldCardTarget(allies, scene->enemies, held, at));
    if (supportFirst) mousePressedAllies(allies);

    TurnButton& button = scene->turnButton;
    if (button.hovered && button.isAllyTurn) {
        endAlliesTurn(*scene);
    } else if (button.hovered && !button.isAllyTurn && button.enemiesActed) {
        // A second press skips the rest of the enemies' wait, but never their actions: a
        // double click on the button must not pass over the enemies' turn.
        finishEnemyTurn(scene->allies, scene->enemies, scene->turnButton, scene->turnBanner);
    }

    if (scene->deckPile.hovered) openDeckView(scene);
}

void openDeckView(FightScene* scene) {
    const AllyList& allies = scene->allies;
    std::int32_t shown = -1;
    for (std::int32_t i = 0; i < allies.count; ++i) {
        const Ally& ally = allies.allies[static_cast<std::size_t>(i)];
        if (ally.selected) shown = i;
        else if (shown < 0 && fighterStanding(ally.fighter)) shown = i;
    }
    if (shown < 0) return;
    showDeck(scene->deckPile.view, allies.allies[static_cast<std::size_t>(shown)]);
    scene->deckPile.deckViewOpen = 1;
}

bool cancelFightScene(FightScene* scene) {
    if (scene->turnButton.fightOver) {
        skipFightEndBanner(scene->endBanner);
        return true;
    }
    if (scene->deckPile.deckViewOpen) {
        scene->deckPile.deckViewOpen = 0;
        return true;
    }
    return dropHeldCard(scene->allies);
}

bool fightSceneDone(const FightScene* scene) {
    return scene->turnButton.fightOver && fightEndBannerDone(scene->endBanner);
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
    scene->endBanner.raised = 0;
}

void preloadFightScene() {
    // Every hero and every enemy type once, three a side, with the visible parts of all
    // their frames measured. Dealing their hands draws from the generators: their states are
    // put back, so that the game a seed plays stays the same.
    const std::string gameplay = randomState();
    const std::string cosmetic = cosmeticRandomState();
    constexpr std::int32_t kHeroTypes[] = {PLAYER_IRINA, PLAYER_REM, PLAYER_TUNGSTENE, PLAYER_LIGHT, PLAYER_HEAVY, PLAYER_SHIELD};
    constexpr std::int32_t kEnemyTypes[] = {ENEMY_LIGHT, ENEMY_HEAVY, ENEMY_SHIELD, ENEMY_TANK, ENEMY_BOSS, ENEMY_LIGHT};
    auto scene = std::make_unique<FightScene>();
    for (std::size_t first = 0; first < 6; first += 3) {
        UnitStats heroes[3], enemies[3];
        for (std::size_t k = 0; k < 3; ++k) {
            heroes[k] = initialUnitStats(kHeroTypes[first + k]);
            enemies[k] = initialUnitStats(kEnemyTypes[first + k]);
        }
        initFightScene(scene.get(), heroes, 3, enemies, 3);
        for (const Ally& ally : scene->allies.allies) measureFighterFrames(ally.fighter.body);
        for (const FightEnemy& enemy : scene->enemies.enemies) measureFighterFrames(enemy.fighter.body);
        destroyFightScene(scene.get());
    }
    setRandomState(gameplay);
    setCosmeticRandomState(cosmetic);
}
