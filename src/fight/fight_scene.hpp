// The card battle the world board opens when the party meets enemies on the map. The scene
// owns both sides, the battle HUD, the end-turn button, the turn banners, the deck pile and
// a cursor of its own, and runs the turns until one side has no life left (`fightOver`).
// It is drawn in window coordinates (1920 x 1080).
//
// Once `fightSceneDone` (a side has fallen, `turnButton.fightOver` is 1, and the end banner
// has held) the caller reads, for each ally slot below the hero
// count and each enemy slot below the enemy count, `fighter.stats.life` and
// `fighter.stats.unitIndex`; then it calls destroyFightScene.
#pragma once

#include "core/animation.hpp"
#include "core/enemy_speed.hpp"
#include "core/opaque_split.hpp"
#include "core/unit_stats.hpp"
#include "fight/ally_list.hpp"
#include "fight/deck_view.hpp"
#include "fight/fight_background.hpp"
#include "fight/fight_end_banner.hpp"
#include "fight/fight_enemy_list.hpp"
#include "fight/fight_status.hpp"
#include "fight/turn_controls.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>

struct DeckPile {
    sf::Sprite backSprite; // the card back drawn as the deck pile
    DeckView view;         // a hero's whole deck, shown on a press on the pile
    const sf::Texture* backTexture = nullptr;
    std::int32_t hovered = 0;
    Animation backAnimation;
    Animation backCurrent; // the working copy that advances while the pile is hovered
    std::int32_t deckViewOpen = 0;
};

struct FightCursor {
    const sf::Texture* texture = nullptr;
    sf::Sprite sprite;
    sf::Vector2f position;
};

struct FightScene {
    FightBackground background;
    std::int32_t engagedAllyCount = 0;
    AllyList allies;
    FightEnemyList enemies;
    TurnButton turnButton;
    FightCursor fightCursor;
    DeckPile deckPile;
    sf::Sprite deckCase;
    sf::Sprite hudBattle;
    OpaqueSplit hudBattleSplit; // the bar's opaque middle unblended, its gilded edge blended
    sf::Sprite actionPointIcon;
    TurnBanner turnBanner;
    // How fast the enemies' turn plays (set by the board every frame).
    EnemySpeed enemySpeed = EnemySpeed::Normal;
    FightStatus status;
    FightEndBanner endBanner;
};

// Opens a fight between `heroCount` heroes and `enemyCount` enemies (0 to 3 each), copied.
void initFightScene(FightScene* scene, const UnitStats* heroes, std::int32_t heroCount, const UnitStats* enemyRecords,
                    std::int32_t enemyCount);
void updateFightScene(FightScene* scene, float dt);
void drawFightScene(const FightScene* scene, sf::RenderTarget& target);
// A left-button press, at the mouse position the last move left.
void mousePressedFightScene(FightScene* scene);
void mouseMovedFightScene(FightScene* scene, sf::Event::MouseMoveEvent move);
// The allies' turn ends (the end-turn button, or its key): the enemies' turn begins and
// every hand is dealt anew.
void endAlliesTurn(FightScene& scene);
// Opens the deck view on the selected ally's deck, else the first standing ally's.
void openDeckView(FightScene* scene);
// A right click or Escape: skips the end banner, else closes the deck view, else drops the
// card held. Returns whether it had something to cancel.
bool cancelFightScene(FightScene* scene);
// A side has fallen and the end banner has been shown its time (or skipped): the caller
// may read the outcome and close the fight.
bool fightSceneDone(const FightScene* scene);
// Closes the fight: both lists emptied, every slot cleared (life 0).
void destroyFightScene(FightScene* scene);
// Decodes every picture and font a fight shows (all fighter sheets, the furniture), so that
// the first battle of a run opens within one frame. Called once at start-up.
void preloadFightScene();
