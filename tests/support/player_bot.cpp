#include "support/player_bot.hpp"

#include "app/autosave.hpp"
#include "core/asset_cache.hpp"
#include "core/random.hpp"
#include "support/game_invariants.hpp"
#include "support/test_window.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <limits>

namespace {

const sf::Vector2i kScreenCentre{960, 540};

std::uint64_t mix(std::uint64_t hash, std::int64_t value) {
    hash ^= static_cast<std::uint64_t>(value) + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash;
}

sf::Vector2f centreOf(const sf::FloatRect& r) { return {r.left + r.width / 2.f, r.top + r.height / 2.f}; }

// The board as it stands: ground, units, their life, and the gold.
std::uint64_t boardHash(const WorldGame& world) {
    std::uint64_t h = 1469598103934665603ull;
    h = mix(h, world.level);
    h = mix(h, world.gold);
    for (std::int32_t code : world.tileMap.tileCodes) h = mix(h, code);
    for (std::uint32_t i = 0; i < world.party.count; ++i) {
        const WorldPlayer& p = world.party.players[i];
        const GridPos c = playerCell(&p);
        h = mix(mix(mix(mix(h, p.type), c.x), c.y), p.stats.life);
    }
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) {
        const WorldEnemy& e = world.enemies.enemies[i];
        const GridPos c = enemyCell(&e);
        h = mix(mix(mix(mix(h, e.type), c.x), c.y), e.stats.life);
    }
    return h;
}

struct Bot {
    MainData* game = nullptr;
    BotGameReport* report = nullptr;
    std::mt19937 rng;
    // Whether to skip the rest of an enemies' wait: drawn from a generator of its own, since
    // the wait lasts more or fewer frames with the enemy-turn speed and must not shift the
    // choices the bot makes afterwards.
    std::mt19937 impatience;
    int wait = 0;
    // A click is made in two frames, as a hand makes it: the pointer arrives, then the button
    // goes down and up on the next frame (hover effects see the pointer first).
    bool pressPending = false;
    sf::Vector2i pressAt;
    // Map turns.
    std::int32_t lastPlayerTurn = -1;
    std::array<int, kMaxPlayers> tried{};
    int selected = -1;       // hero clicked, waiting to pick its square
    int turnFrames = 0;      // frames of this player's turn, to give up on a hero that never moves
    // Fights.
    int fightAlly = -1;      // ally whose cards are being played
    int fightCard = -1;      // card picked, waiting for its target
    int fightActions = 0;    // actions this allies' turn (a bound, in case a card never plays)
    bool fanLaidOut = false; // the pointer has left the hand, so the fan lies at rest
    std::int32_t lastAllyTurn = -1;
    // Shop.
    bool shopDoneBuying = false;
    std::int32_t hireLevel = 0; // the level the first hires join
    // Keys played once on every level: the whole map looked at with M held, then the pause
    // menu opened with Escape and left through Resume.
    std::int32_t keysLevel = 0; // the last level they were played on
    int keyStep = 0;            // 0 none yet, 1 M held, 2 M let go, 3 paused
    // Progress.
    std::int32_t lastLevel = 0;
    WorldPhase lastPhase = WORLD_PHASE_MAP;
    SceneState lastScene = SCENE_MAIN_MENU;
};

int pick(Bot& bot, int count) { return count <= 0 ? 0 : static_cast<int>(bot.rng() % static_cast<unsigned>(count)); }

void moveMouse(Bot& bot, sf::Vector2i p) { dispatchEvent(bot.game, mouseMoveEvent(p.x, p.y)); }

// A player's click: the pointer goes there now, the button next frame.
void clickScreen(Bot& bot, sf::Vector2f p) {
    const sf::Vector2i at{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
    moveMouse(bot, at);
    bot.pressPending = true;
    bot.pressAt = at;
}

void pressNow(Bot& bot) {
    dispatchEvent(bot.game, mousePressEvent(bot.pressAt.x, bot.pressAt.y));
    dispatchEvent(bot.game, mouseReleaseEvent(bot.pressAt.x, bot.pressAt.y));
    bot.pressPending = false;
}

void clickSprite(Bot& bot, const sf::Sprite& sprite) { clickScreen(bot, centreOf(sprite.getGlobalBounds())); }

// World pixels to the screen, in the close view.
sf::Vector2f toScreen(const Bot& bot, sf::Vector2f world) { return world - bot.game->world.camera.topLeft; }

bool comfortablyOnScreen(const Bot& bot, sf::Vector2f screen) {
    if (screen.x < 80.f || screen.x > 1840.f || screen.y < 80.f || screen.y > 1000.f) return false;
    // The end-turn button lies over the map and takes the clicks made on it.
    return !bot.game->world.hud.endTurnSprite.getGlobalBounds().contains(screen + bot.game->world.camera.topLeft);
}

// Scrolls the view toward a point that is off screen by resting the pointer on that edge.
void scrollToward(Bot& bot, sf::Vector2f screen) {
    sf::Vector2i edge = kScreenCentre;
    if (screen.x < 80.f) edge.x = 0;
    if (screen.x > 1840.f) edge.x = 1919;
    if (screen.y < 80.f) edge.y = 0;
    if (screen.y > 1000.f) edge.y = 1079;
    if (edge == kScreenCentre) edge.y = 1079; // under the end-turn button: move the map up a little
    moveMouse(bot, edge);
}

// Clicks a world point, scrolling first when it is not on screen. True once clicked.
bool clickWorld(Bot& bot, sf::Vector2f world) {
    const sf::Vector2f screen = toScreen(bot, world);
    if (comfortablyOnScreen(bot, screen)) {
        clickScreen(bot, screen);
        return true;
    }
    // The view cannot move further: give up on this point.
    const Camera& camera = bot.game->world.camera;
    const sf::Vector2f before = camera.topLeft;
    scrollToward(bot, screen);
    (void)before;
    return false;
}

double distanceToNearestEnemy(const WorldGame& world, GridPos cell) {
    double best = std::numeric_limits<double>::max();
    for (std::uint32_t i = 0; i < world.enemies.count; ++i) best = std::min(best, cellDistance(cell, enemyCell(&world.enemies.enemies[i])));
    return best;
}

// ---- Fights ----------------------------------------------------------------------------

bool supportCard(std::int32_t kind) { return kind >= kFirstSupportKind; }

// The middle of the part of card `place` that the cards laid over it (those further right)
// leave uncovered along its centre line: where a player clicks to take that card.
sf::Vector2f visiblePointOf(const CardHand& hand, int place) {
    const sf::FloatRect own = hand.cards[static_cast<std::size_t>(place)].sprite.getGlobalBounds();
    const float y = std::min(own.top + own.height / 2.f, 1075.f);
    float first = -1.f, last = -1.f;
    for (float x = own.left + 2.f; x < own.left + own.width - 2.f; x += 2.f) {
        bool covered = false;
        for (int k = place + 1; k < hand.shownCount && k < hand.count; ++k)
            if (hand.cards[static_cast<std::size_t>(k)].sprite.getGlobalBounds().contains(x, y)) covered = true;
        if (covered) {
            if (first >= 0.f) break;
            continue;
        }
        if (first < 0.f) first = x;
        last = x;
    }
    if (first < 0.f) return centreOf(own);
    return {(first + last) / 2.f, y};
}

void actInFight(Bot& bot) {
    FightScene& fight = bot.game->world.fight;
    if (fight.turnBanner.animating) return;
    if (!fight.turnButton.isAllyTurn) {
        bot.lastAllyTurn = 0;
        // A player who has seen every enemy act skips the rest of the wait. The press goes in
        // at once: one left for the next frame could land after the wait ended on its own,
        // on the allies' end-turn button.
        if (fight.turnButton.enemiesActed && bot.impatience() % 4 == 0) {
            clickSprite(bot, fight.turnButton.sprite);
            pressNow(bot);
        }
        return;
    }
    if (bot.lastAllyTurn != 1) {
        bot.lastAllyTurn = 1;
        bot.fightAlly = -1;
        bot.fightCard = -1;
        bot.fightActions = 0;
    }
    AllyList& allies = fight.allies;
    // A card picked: aim it.
    if (bot.fightAlly >= 0 && bot.fightCard >= 0) {
        const Ally& owner = allies.allies[static_cast<std::size_t>(bot.fightAlly)];
        const Card& card = owner.hand.cards[static_cast<std::size_t>(bot.fightCard)];
        bot.fightCard = -1;
        ++bot.fightActions;
        if (supportCard(card.kind)) {
            // The weakest living ally.
            int target = -1;
            for (int k = 0; k < allies.count; ++k) {
                const Ally& a = allies.allies[static_cast<std::size_t>(k)];
                if (a.fighter.stats.life <= 0) continue;
                if (target < 0 || a.fighter.stats.life < allies.allies[static_cast<std::size_t>(target)].fighter.stats.life) target = k;
            }
            if (target >= 0) clickSprite(bot, allies.allies[static_cast<std::size_t>(target)].fighter.body.sprite);
        } else {
            // The weakest living enemy.
            const FightEnemyList& enemies = fight.enemies;
            int target = -1;
            for (int k = 0; k < enemies.count; ++k) {
                const FightEnemy& e = enemies.enemies[static_cast<std::size_t>(k)];
                if (e.fighter.stats.life <= 0) continue;
                if (target < 0 || e.fighter.stats.life < enemies.enemies[static_cast<std::size_t>(target)].fighter.stats.life) target = k;
            }
            if (target >= 0) clickSprite(bot, enemies.enemies[static_cast<std::size_t>(target)].fighter.body.sprite);
        }
        bot.wait = 2;
        return;
    }
    // Choose an ally with action points left and a card to play.
    if (bot.fightActions < 40) {
        for (int k = 0; k < allies.count; ++k) {
            const Ally& ally = allies.allies[static_cast<std::size_t>(k)];
            if (ally.fighter.stats.life <= 0 || ally.fighter.stats.actionPoints <= 0) continue;
            if (bot.fightAlly != k || !ally.selected) {
                clickSprite(bot, ally.fighter.body.sprite);
                bot.fightAlly = k;
                bot.wait = 2;
                return;
            }
            std::vector<int> playable;
            for (int c = 0; c < ally.hand.count && c < ally.hand.shownCount; ++c) {
                const Card& card = ally.hand.cards[static_cast<std::size_t>(c)];
                if (!card.used && card.sprite.getGlobalBounds().width > 0.f) playable.push_back(c);
            }
            if (playable.empty()) continue;
            if (!bot.fanLaidOut) {
                // A hovered card rises and grows: move away first to see the fan at rest.
                moveMouse(bot, {960, 200});
                bot.fanLaidOut = true;
                bot.wait = 1;
                return;
            }
            bot.fanLaidOut = false;
            // Damage first when any enemy is low; otherwise any card.
            int choice = playable[static_cast<std::size_t>(pick(bot, static_cast<int>(playable.size())))];
            for (int c : playable)
                if (!supportCard(ally.hand.cards[static_cast<std::size_t>(c)].kind) && pick(bot, 3) != 0) {
                    choice = c;
                    break;
                }
            clickScreen(bot, visiblePointOf(ally.hand, choice));
            bot.fightCard = choice;
            bot.wait = 2;
            return;
        }
    }
    clickSprite(bot, fight.turnButton.sprite);
    bot.lastAllyTurn = 0; // the next allies' turn is a new one, even when the enemies' passes unseen
    bot.fightAlly = -1;
    bot.wait = 3;
}

// ---- The map ---------------------------------------------------------------------------

bool dialogOpen(const WorldGame& world) { return world.dialog.visible != 0; }

// A reader turns the page by clicking on the box.
void clickDialog(Bot& bot) { clickSprite(bot, bot.game->world.dialog.midSprite); }

bool campScreenOpen(const WorldGame& world) { return world.camp.open != 0; }

// Heals while hurt and rich enough, then closes the screen. Its sprites lie in world pixels.
void actOnCamp(Bot& bot) {
    WorldGame& world = bot.game->world;
    const std::int32_t index = world.camp.player;
    bool heal = false;
    if (index >= 0 && static_cast<std::uint32_t>(index) < world.party.count) {
        const UnitStats& stats = world.party.players[static_cast<std::size_t>(index)].stats;
        heal = static_cast<float>(stats.life) < stats.maxLife && world.gold >= 20;
    }
    if (heal) ++bot.report->heals;
    const sf::Sprite& button = heal ? world.camp.healButton : world.camp.cross;
    clickScreen(bot, toScreen(bot, centreOf(button.getGlobalBounds())));
    bot.wait = 2;
}
bool cellHasCamp(const WorldGame& world, GridPos cell) {
    return world.tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))].camp != 0;
}
bool cellHasCrate(const WorldGame& world, GridPos cell) {
    return world.tileMap.tiles[static_cast<std::size_t>(cellIndex(cell))].crateHere != 0;
}

void pickSquare(Bot& bot) {
    WorldGame& world = bot.game->world;
    const int hero = bot.selected;
    const WorldPlayer& player = world.party.players[static_cast<std::size_t>(hero)];
    const GridPos here = playerCell(&player);
    std::vector<GridPos> attacks, camps, crates, free;
    for (int index = 0; index < kCellCount; ++index) {
        const RangeSquare& square = world.party.rangeSquares[static_cast<std::size_t>(index)];
        if (!square.visible) continue;
        const GridPos cell = cellOfPosition(square.sprite.getPosition());
        if (cell == here) continue;
        if (square.sprite.getTexture() == world.party.squareEnemyTexture) attacks.push_back(cell);
        else if (cellHasCamp(world, cell)) camps.push_back(cell);
        else if (cellHasCrate(world, cell)) crates.push_back(cell);
        else free.push_back(cell);
    }
    const bool leader = isLeaderType(player.type) != 0;
    const float health = static_cast<float>(player.stats.life) / player.stats.maxLife;
    GridPos target = here;
    if (!attacks.empty() && (health > 0.45f || !leader)) {
        target = attacks[static_cast<std::size_t>(pick(bot, static_cast<int>(attacks.size())))];
    } else if (!camps.empty() && health < 0.7f && world.gold >= 20) {
        target = camps.front();
    } else if (!crates.empty() && pick(bot, 3) != 0) {
        target = crates.front();
    } else if (!free.empty()) {
        // Toward the enemies, with a little wandering; a hurt leader keeps its distance.
        double best = std::numeric_limits<double>::max();
        for (GridPos cell : free) {
            double d = distanceToNearestEnemy(world, cell);
            if (leader && health < 0.45f) d = -d;
            d += static_cast<double>(pick(bot, 100)) / 60.0;
            if (d < best) {
                best = d;
                target = cell;
            }
        }
    }
    if (target == here) {
        bot.tried[static_cast<std::size_t>(hero)] = 1;
        bot.selected = -1;
        return;
    }
    if (clickWorld(bot, cellCorner(target) + sf::Vector2f(64.f, 64.f))) {
        bot.tried[static_cast<std::size_t>(hero)] = 1;
        bot.selected = -1;
        if (crates.size() && target == crates.front()) ++bot.report->cratesOpened;
        bot.wait = 1;
    }
}

// The next key of this level's round (see Bot::keysLevel). True when it pressed or let go of one.
bool playMapKeys(Bot& bot) {
    MainData* game = bot.game;
    const WorldGame& world = game->world;
    // Only once the level has started (the hires have joined), so that a game stopped at a
    // level's start is never left with M held.
    if (bot.keysLevel == world.level || bot.lastLevel != world.level) return false;
    if (!world.banners.allyHidden || anyPlayerMoving(&world)) return false;
    switch (bot.keyStep) {
    case 0:
        if (world.camera.mode != CAMERA_CLOSE) return false;
        dispatchEvent(game, keyPressEvent(sf::Keyboard::M));
        bot.keyStep = 1;
        bot.wait = 10; // a look at the whole map
        return true;
    case 1:
        dispatchEvent(game, keyReleaseEvent(sf::Keyboard::M));
        bot.keyStep = 2;
        bot.wait = 2;
        return true;
    case 2:
        dispatchEvent(game, keyPressEvent(sf::Keyboard::Escape));
        dispatchEvent(game, keyReleaseEvent(sf::Keyboard::Escape));
        bot.keyStep = 3;
        return true;
    default:
        return false;
    }
}

// Waits for the pause menu's buttons to drop in, then resumes. They lie over the world as
// the window shows it.
void actInPause(Bot& bot) {
    MainData* game = bot.game;
    if (!game->pauseMenu.buttonsArrived) return;
    clickScreen(bot, centreOf(game->pauseMenu.resume.sprite.getGlobalBounds()) - viewTopLeft(game));
    bot.keysLevel = game->world.level;
    bot.keyStep = 0;
    bot.wait = 2;
}

void actOnMap(Bot& bot) {
    WorldGame& world = bot.game->world;
    if (dialogOpen(world)) {
        clickDialog(bot);
        bot.wait = 2;
        return;
    }
    if (campScreenOpen(world)) {
        actOnCamp(bot);
        return;
    }
    if (!world.playerTurn) {
        bot.lastPlayerTurn = 0;
        return;
    }
    if (bot.lastPlayerTurn != 1) {
        bot.lastPlayerTurn = 1;
        bot.tried = {};
        bot.selected = -1;
        bot.turnFrames = 0;
    }
    if (playMapKeys(bot)) return;
    if (!world.banners.allyHidden || world.camera.mode != CAMERA_CLOSE) return;
    if (anyPlayerMoving(&world)) return;
    if (++bot.turnFrames > 4000) { // a hero that can never be reached on screen: end the turn
        bot.tried.fill(1);
        bot.selected = -1;
    }
    if (bot.selected >= 0) {
        pickSquare(bot);
        return;
    }
    for (std::uint32_t i = 0; i < world.party.count; ++i) {
        const WorldPlayer& player = world.party.players[i];
        if (bot.tried[i] || player.movePoints == 0) continue;
        if (clickWorld(bot, centreOf(player.body.sprite.getGlobalBounds()))) {
            bot.selected = static_cast<int>(i);
            bot.wait = 1;
        }
        return;
    }
    // Everyone has moved: end the turn. The next turn of the party is a new one even when the
    // enemies' turn passes within the frame (at Instant speed the bot never sees it).
    clickScreen(bot, toScreen(bot, centreOf(world.hud.endTurnSprite.getGlobalBounds())));
    bot.lastPlayerTurn = 0;
    bot.wait = 2;
}

// ---- Menus -----------------------------------------------------------------------------

void actInShop(Bot& bot) {
    Shop& shop = bot.game->shop;
    const bool room = shop.partySize + shop.hiredCount < kShopPartyLimit;
    const bool rich = shop.shopGold >= kHirePrice;
    if (!shop.hirePageOpen) {
        if (room && rich && !bot.shopDoneBuying) clickSprite(bot, shop.frontHire.sprite);
        else clickSprite(bot, shop.next.sprite);
    } else if (room && rich) {
        if (pick(bot, 3) == 0) clickSprite(bot, pick(bot, 2) ? shop.leftArrow.sprite : shop.rightArrow.sprite);
        else clickSprite(bot, shop.hire.sprite);
    } else {
        bot.shopDoneBuying = true;
        clickSprite(bot, shop.returnButton.sprite);
    }
    bot.wait = 2;
}

void actInTeamSelect(Bot& bot) {
    TeamSelect& team = bot.game->teamSelect;
    const int turns = pick(bot, 3);
    for (int i = 0; i < turns; ++i) clickSprite(bot, pick(bot, 2) ? team.rightArrow : team.leftArrow);
    clickSprite(bot, team.button);
    bot.wait = 2;
}

void act(Bot& bot) {
    MainData* game = bot.game;
    switch (game->sceneState) {
    case SCENE_MAIN_MENU:
        if (game->mainMenu.buttonsArrived) clickSprite(bot, game->mainMenu.play.sprite);
        break;
    case SCENE_TEAM_SELECT:
        actInTeamSelect(bot);
        break;
    case SCENE_WORLD:
        if (game->world.phase == WORLD_PHASE_FIGHT) {
            if (dialogOpen(game->world)) {
                clickDialog(bot);
                bot.wait = 2;
            } else {
                actInFight(bot);
            }
        } else {
            actOnMap(bot);
        }
        break;
    case SCENE_SHOP:
        actInShop(bot);
        break;
    case SCENE_PAUSE:
        actInPause(bot);
        break;
    default:
        break;
    }
}

long residentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Notes what happened in the frame just played: level starts, fights opened and closed.
void observe(Bot& bot) {
    const MainData* game = bot.game;
    const WorldGame& world = game->world;
    if (game->sceneState == SCENE_WORLD && world.level != bot.lastLevel && world.phase == WORLD_PHASE_MAP &&
        !world.partyChanged) {
        bot.lastLevel = world.level;
        bot.report->levelReached = std::max(bot.report->levelReached, world.level);
        bot.report->levelHashes.push_back(boardHash(world));
        bot.report->partyAtLevelStart.push_back(static_cast<int>(world.party.count));
        bot.report->residentKbAtLevelStart.push_back(residentKilobytes());
        bot.report->cachedAtLevelStart.push_back(cachedAssetCount());
    }
    if (bot.lastPhase == WORLD_PHASE_MAP && world.phase == WORLD_PHASE_FIGHT) {
        ++bot.report->fights;
        bot.lastAllyTurn = -1; // a new fight: nothing chosen yet
        bot.fightAlly = -1;
        bot.fightCard = -1;
    }
    if (bot.lastPhase == WORLD_PHASE_FIGHT && world.phase == WORLD_PHASE_MAP) bot.report->fightHashes.push_back(boardHash(world));
    if (bot.lastScene == SCENE_SHOP && game->sceneState != SCENE_SHOP) {
        bot.report->hires += game->shop.hiredCount;
        if (game->shop.hiredCount > 0 && bot.hireLevel == 0) bot.hireLevel = world.level;
    }
    if (bot.lastScene != SCENE_SHOP && game->sceneState == SCENE_SHOP) {
        ++bot.report->shopVisits;
        bot.shopDoneBuying = false;
    }
    bot.lastPhase = world.phase;
    bot.lastScene = game->sceneState;
}

// Quits and continues: the world is thrown away, the generator scrambled, and the game
// rebuilt from the save file through the shell's Continue. The player then looks where
// they looked before (the bot's choices follow what is on screen).
void continueFromSave(Bot& bot, std::uint32_t seed) {
    MainData* game = bot.game;
    const Camera camera = game->world.camera;
    destroyWorldGame(&game->world);
    seedRandom(seed ^ 0x5A5A5A5Au ^ static_cast<std::uint32_t>(bot.report->continues));
    refreshSavedGame(game);
    if (!game->mainMenu.continueShown) return;
    continueSavedGame(game);
    game->world.camera = camera;
    game->window.setView(camera.view);
    bot.report->continues += 1;
    if (game->world.phase == WORLD_PHASE_FIGHT) bot.report->fightContinues += 1;
}

} // namespace

const char* screenName(SceneState scene, WorldPhase phase) {
    switch (scene) {
    case SCENE_MAIN_MENU: return "main menu";
    case SCENE_WORLD: return phase == WORLD_PHASE_FIGHT ? "fight" : "map";
    case SCENE_PAUSE: return "pause";
    case SCENE_SETTINGS: return "settings";
    case SCENE_LEVEL_TRANSITION: return "transition";
    case SCENE_TEAM_SELECT: return "team selection";
    case SCENE_SHOP: return "shop";
    case SCENE_WIN: return "victory";
    case SCENE_DEFEAT: return "defeat";
    case SCENE_CREDITS: return "credits";
    case SCENE_MENU_SETTINGS: return "menu settings";
    default: return "?";
    }
}

const char* outcomeName(BotOutcome outcome) {
    switch (outcome) {
    case BotOutcome::Won: return "won";
    case BotOutcome::Lost: return "lost";
    case BotOutcome::ReachedLevel: return "reached its level";
    case BotOutcome::Stuck: return "stuck";
    case BotOutcome::BrokenRule: return "broken rule";
    }
    return "?";
}

BotGameReport playWholeGame(MainData* game, std::uint32_t seed, const BotOptions& options) {
    BotGameReport report;
    report.seed = seed;
    Bot bot;
    bot.game = game;
    bot.report = &report;
    bot.rng.seed(seed * 2654435761u + 17u);
    bot.impatience.seed(seed ^ 0x2545F491u);
    moveMouse(bot, kScreenCentre);
    // Timed frames are the game's own work: the window's pacing to 60 frames a second would
    // pad every quick frame to the budget.
    if (options.measureFrames) game->window.setFramerateLimit(0);
    int shotsTaken = 0;
    long pendingShot = -1;
    std::int32_t savesSeen = game->autosavesWritten;
    for (long frame = 0; frame < options.maxFrames; ++frame) {
        report.frames = frame + 1;
        if (bot.pressPending) pressNow(bot);
        else if (bot.wait > 0) --bot.wait;
        else act(bot);
        const SceneState sceneBefore = game->sceneState;
        const WorldPhase phaseBefore = game->world.phase;
        const auto start = std::chrono::steady_clock::now();
        stepGame(game, options.dt);
        const auto updated = std::chrono::steady_clock::now();
        if (options.continueEverySaves > 0 && game->autosavesWritten != savesSeen) {
            savesSeen = game->autosavesWritten;
            if (savesSeen % options.continueEverySaves == 0 && !bot.pressPending) continueFromSave(bot, seed);
        }
        // The first frame of a new screen or a new fight is the costly one: always drawn.
        const bool changed = game->sceneState != sceneBefore || game->world.phase != phaseBefore;
        const bool draw = options.drawEvery > 0 && (frame % options.drawEvery == 0 || changed);
        if (draw) renderGame(game);
        if (options.measureFrames) {
            auto where = [&] {
                std::string at = screenName(sceneBefore, phaseBefore);
                if (changed) at += std::string(" -> ") + screenName(game->sceneState, game->world.phase);
                return at + ", level " + std::to_string(game->world.level);
            };
            const double updateMs = std::chrono::duration<double, std::milli>(updated - start).count();
            if (updateMs > report.slowestUpdateMs) {
                report.slowestUpdateMs = updateMs;
                report.slowestUpdateAt = where();
            }
            if (draw) {
                game->window.display();
                const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                report.drawnFrames += 1;
                if (ms > 1000.0 / 60.0) report.framesOverBudget += 1;
                if (ms > report.slowestFrameMs) {
                    report.slowestFrameMs = ms;
                    report.slowestFrameAt = where();
                }
            }
        }
        if (changed && shotsTaken < options.sceneShots) {
            // A few frames in, once the screen has settled, is what a player sees.
            pendingShot = frame + 8;
        }
        if (frame == pendingShot) {
            ++shotsTaken;
            saveGameScreenshot(game, "bot-" + std::to_string(seed) + "-scene-" + std::to_string(static_cast<int>(game->sceneState)) +
                                         "-phase-" + std::to_string(game->world.phase) + "-" + std::to_string(frame));
        }
        observe(bot);
        if (options.fightShotEvery > 0 && game->sceneState == SCENE_WORLD && game->world.phase == WORLD_PHASE_FIGHT &&
            frame % options.fightShotEvery == 0)
            saveGameScreenshot(game, "bot-" + std::to_string(seed) + "-fight-" + std::to_string(frame));
        if (options.checkEveryFrame) {
            const std::string rule = checkGameInvariants(game);
            if (!rule.empty()) {
                report.outcome = BotOutcome::BrokenRule;
                report.failure = "frame " + std::to_string(frame) + ": " + rule;
                break;
            }
        }
        if ((options.stopAtLevel > 0 && bot.lastLevel >= options.stopAtLevel) ||
            (options.stopAfterHire && bot.hireLevel > 0 && bot.lastLevel >= bot.hireLevel)) {
            report.outcome = BotOutcome::ReachedLevel;
            return report;
        }
        if (game->sceneState == SCENE_WIN) {
            report.outcome = BotOutcome::Won;
            return report;
        }
        if (game->sceneState == SCENE_DEFEAT) {
            report.outcome = BotOutcome::Lost;
            return report;
        }
    }
    if (report.outcome == BotOutcome::Stuck)
        report.failure = "no end after " + std::to_string(report.frames) + " frames (scene " +
                         std::to_string(static_cast<int>(game->sceneState)) + ", level " +
                         std::to_string(game->world.level) + ", phase " + std::to_string(game->world.phase) + ")";
    report.lastScreenshot = "bot-seed-" + std::to_string(seed);
    saveGameScreenshot(game, report.lastScreenshot);
    return report;
}

BotGameReport playSeed(std::uint32_t seed, const BotOptions& options) {
    setenv("OSTREVALD_SEED", std::to_string(seed).c_str(), 1);
    auto game = makeTestGame();
    unsetenv("OSTREVALD_SEED");
    BotGameReport report = playWholeGame(game.get(), seed, options);
    destroyGame(game.get());
    return report;
}
