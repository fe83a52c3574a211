#include "world/save_game.hpp"

#include "core/random.hpp"
#include "world/camp.hpp"
#include "world/crates.hpp"
#include "world/dialog_box.hpp"
#include "world/encounters.hpp"
#include "world/level_file.hpp"
#include "world/tile_catalogue.hpp"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <stdexcept>

using nlohmann::json;

namespace {

constexpr const char* kSaveFormatName = "ostrevald-save";
constexpr int kStatCount = 19;

// A value of the file that is not what the game writes.
struct BadSave : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void refuse(const std::string& what) { throw BadSave(what); }

std::array<std::int32_t, kStatCount> statWords(const UnitStats& stats) {
    return {stats.reserved0, stats.reserved1, static_cast<std::int32_t>(stats.maxLife), stats.life, stats.type,
            stats.attack, stats.reserved6, stats.armorGift, stats.reserved8, stats.armorGiftAll, stats.reserved10,
            stats.reserved11, stats.armorBreak, stats.reserved13, stats.attackGift, stats.defenseGift,
            stats.actionPoints, stats.reserved17, stats.unitIndex};
}

json statsJson(const UnitStats& stats) {
    std::array<std::int32_t, kStatCount> words = statWords(stats);
    json out = json::array();
    for (int i = 0; i < kStatCount; ++i) {
        if (i == 2) out.push_back(stats.maxLife);
        else out.push_back(words[static_cast<std::size_t>(i)]);
    }
    return out;
}

json cellJson(GridPos cell) { return json::array({cell.x, cell.y}); }

json walkJson(const MapWalk& walk) {
    json cells = json::array(), dirs = json::array();
    for (std::int32_t k = 0; k < walk.length && k < kMaxPathCells; ++k) {
        cells.push_back(cellJson(walk.cells[static_cast<std::size_t>(k)]));
        dirs.push_back(walk.dirs[static_cast<std::size_t>(k)]);
    }
    return {{"cells", cells}, {"dirs", dirs}, {"step", walk.step}};
}

json codesJson(const LevelCodes& codes) { return json(codes); }

// ---- reading: every value checked as it is taken

const json& field(const json& object, const char* name) {
    if (!object.is_object()) refuse("a record is not an object");
    const auto found = object.find(name);
    if (found == object.end()) refuse(std::string("\"") + name + "\" is missing");
    return *found;
}

std::int32_t intIn(const json& value, std::int64_t low, std::int64_t high, const char* what) {
    if (!value.is_number_integer()) refuse(std::string(what) + " is not a whole number");
    const std::int64_t number = value.get<std::int64_t>();
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(high))
        refuse(std::string(what) + " is out of range");
    if (number < low || number > high) refuse(std::string(what) + " is out of range");
    return static_cast<std::int32_t>(number);
}

std::int32_t intField(const json& object, const char* name, std::int64_t low, std::int64_t high) {
    return intIn(field(object, name), low, high, name);
}

float floatIn(const json& value, double low, double high, const char* what) {
    if (!value.is_number()) refuse(std::string(what) + " is not a number");
    const double number = value.get<double>();
    if (!std::isfinite(number) || number < low || number > high) refuse(std::string(what) + " is out of range");
    return static_cast<float>(number);
}

const json& arrayField(const json& object, const char* name, std::size_t maxSize) {
    const json& value = field(object, name);
    if (!value.is_array()) refuse(std::string(name) + " is not a list");
    if (value.size() > maxSize) refuse(std::string(name) + " holds too many entries");
    return value;
}

GridPos cellFrom(const json& value, const char* what) {
    if (!value.is_array() || value.size() != 2) refuse(std::string(what) + " is not a cell");
    const GridPos cell{intIn(value[0], 0, kMapColumns - 1, what), intIn(value[1], 0, kMapRows - 1, what)};
    return cell;
}

sf::Vector2f positionFrom(const json& value) {
    if (!value.is_array() || value.size() != 2) refuse("a position is not two numbers");
    // The unit's top-left corner: the board's last cell is the furthest a unit stands.
    return {floatIn(value[0], 0.0, (kMapColumns - 1) * kCellSize, "a position"),
            floatIn(value[1], 0.0, (kMapRows - 1) * kCellSize, "a position")};
}

UnitStats statsFrom(const json& value, std::int32_t type, std::int32_t unitIndexLimit) {
    if (!value.is_array() || value.size() != kStatCount) refuse("a unit's stats are not 19 values");
    UnitStats stats;
    std::array<std::int32_t, kStatCount> words{};
    for (int i = 0; i < kStatCount; ++i) {
        if (i == 2) continue;
        words[static_cast<std::size_t>(i)] = intIn(value[static_cast<std::size_t>(i)], INT32_MIN, INT32_MAX, "a stat");
    }
    stats.reserved0 = words[0];
    stats.reserved1 = words[1];
    stats.maxLife = floatIn(value[2], 1.0, kMaxSavedLife, "a maximum life");
    stats.life = words[3];
    stats.type = words[4];
    stats.attack = words[5];
    stats.reserved6 = words[6];
    stats.armorGift = words[7];
    stats.reserved8 = words[8];
    stats.armorGiftAll = words[9];
    stats.reserved10 = words[10];
    stats.reserved11 = words[11];
    stats.armorBreak = words[12];
    stats.reserved13 = words[13];
    stats.attackGift = words[14];
    stats.defenseGift = words[15];
    stats.actionPoints = words[16];
    stats.reserved17 = words[17];
    stats.unitIndex = words[18];
    if (stats.type != type) refuse("a unit's stats name another type");
    if (stats.life <= 0 || static_cast<float>(stats.life) > stats.maxLife) refuse("a unit's life is out of range");
    if (stats.unitIndex < -1 || stats.unitIndex >= unitIndexLimit) refuse("a unit's fight index is out of range");
    return stats;
}

MapWalk walkFrom(const json& value) {
    MapWalk walk;
    const json& cells = arrayField(value, "cells", kMaxPathCells);
    const json& dirs = arrayField(value, "dirs", kMaxPathCells);
    if (cells.size() != dirs.size()) refuse("a walk's cells and directions differ in number");
    walk.length = static_cast<std::int32_t>(cells.size());
    for (std::size_t k = 0; k < cells.size(); ++k) {
        walk.cells[k] = cellFrom(cells[k], "a walk cell");
        walk.dirs[k] = intIn(dirs[k], DIR_UP, DIR_LEFT, "a walk direction");
    }
    walk.step = intField(value, "step", 0, walk.length);
    return walk;
}

LevelCodes codesFrom(const json& value, const char* what) {
    if (!value.is_array() || value.size() != kCellCount) refuse(std::string(what) + " does not hold 510 tile codes");
    LevelCodes codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        codes[i] = intIn(value[i], 0, kTileCatalogueSize, what);
        if (!isValidTileCode(codes[i])) refuse(std::string(what) + " holds an unknown tile code");
    }
    return codes;
}

bool cellHasFlag(const SaveData& save, GridPos cell, std::int32_t flag) {
    return (save.cellFlags[static_cast<std::size_t>(cellIndex(cell))] & flag) != 0;
}

GridPos standingCell(sf::Vector2f position) {
    return {static_cast<std::int32_t>(position.x) / kCellSize, static_cast<std::int32_t>(position.y) / kCellSize};
}

void readSave(const json& root, SaveData* out) {
    SaveData save;
    if (!root.is_object()) refuse("the file is not a save");
    const json& format = field(root, "format");
    if (!format.is_string() || format.get<std::string>() != kSaveFormatName) refuse("the file is not a save");
    save.version = intField(root, "version", 1, INT32_MAX);
    save.level = intField(root, "level", 1, kLastLevel);
    save.gold = intField(root, "gold", 0, kMaxSavedGold);
    save.playerTurn = intField(root, "playerTurn", 0, 1);
    save.startTutorialShown = intField(root, "startTutorialShown", 0, 1);
    save.fightTutorialShown = intField(root, "fightTutorialShown", 0, 1);
    const json& random = field(root, "random");
    if (!random.is_string() || random.get_ref<const std::string&>().size() > 20000) refuse("the generator state is not text");
    save.randomState = random.get<std::string>();
    if (!validRandomState(save.randomState)) refuse("the generator state is damaged");
    save.tileCodes = codesFrom(field(root, "tiles"), "the level's ground");
    const json& flags = arrayField(root, "cellFlags", kCellCount);
    if (flags.size() != kCellCount) refuse("the board's cells are not all there");
    for (std::size_t i = 0; i < kCellCount; ++i) save.cellFlags[i] = intIn(flags[i], 0, 15, "a cell's flags");

    const json& future = arrayField(root, "futureLevels", kMaxSavedLevels);
    std::int32_t expected = std::max(save.level + 1, kFirstGeneratedLevel);
    for (const json& entry : future) {
        SavedLevel& level = save.futureLevels[static_cast<std::size_t>(save.futureLevelCount)];
        level.level = intField(entry, "level", expected, expected);
        level.codes = codesFrom(field(entry, "tiles"), "a level to come");
        save.futureLevelCount += 1;
        expected += 1;
    }
    if (expected <= kLastLevel) refuse("levels to come are missing");

    const json& party = field(root, "party");
    save.leaderAlive = intField(party, "leaderAlive", 1, 1);
    const json& heroes = arrayField(party, "heroes", kMaxPlayers);
    if (heroes.empty()) refuse("the party is empty");
    // The last hero selected (-1: none); it may name a hero who has fallen since.
    save.selectedIndex = intField(party, "selectedIndex", -1, kMaxPlayers - 1);
    for (const json& entry : heroes) {
        SavedHero& hero = save.heroes[static_cast<std::size_t>(save.heroCount)];
        hero.type = intField(entry, "type", 0, kPlayerTypeCount - 1);
        hero.position = positionFrom(field(entry, "position"));
        hero.moving = intField(entry, "moving", 0, 1);
        hero.walk = walkFrom(field(entry, "walk"));
        hero.interactPending = intField(entry, "interactPending", 0, 1);
        hero.stats = statsFrom(field(entry, "stats"), hero.type, static_cast<std::int32_t>(heroes.size()));
        hero.maxMovePoints = intField(entry, "maxMovePoints", 0, kMaxPathCells);
        hero.movePoints = intField(entry, "movePoints", 0, hero.maxMovePoints);
        if (!hero.moving && !cellHasFlag(save, standingCell(hero.position), CELL_HERO))
            refuse("a hero stands off its cell");
        save.heroCount += 1;
    }
    if (!isLeaderType(save.heroes[0].type)) refuse("the party has no leader");
    for (std::int32_t i = 1; i < save.heroCount; ++i)
        if (isLeaderType(save.heroes[static_cast<std::size_t>(i)].type)) refuse("the party has two leaders");

    const json& enemies = arrayField(root, "enemies", kMaxEnemies);
    for (const json& entry : enemies) {
        SavedEnemy& enemy = save.enemies[static_cast<std::size_t>(save.enemyCount)];
        enemy.type = intField(entry, "type", 0, kEnemyTypeCount - 1);
        enemy.position = positionFrom(field(entry, "position"));
        enemy.moving = intField(entry, "moving", 0, 1);
        enemy.walk = walkFrom(field(entry, "walk"));
        enemy.acted = intField(entry, "acted", 0, 1);
        enemy.stats = statsFrom(field(entry, "stats"), enemy.type, static_cast<std::int32_t>(enemies.size()));
        enemy.maxMovePoints = intField(entry, "maxMovePoints", 0, kMaxPathCells);
        if (!enemy.moving && !cellHasFlag(save, standingCell(enemy.position), CELL_ENEMY))
            refuse("an enemy stands off its cell");
        save.enemyCount += 1;
    }

    const json& crates = arrayField(root, "crates", kCrateCount);
    for (const json& entry : crates) {
        SavedCrate& crate = save.crates[static_cast<std::size_t>(save.crateCount)];
        crate.cell = cellFrom(field(entry, "cell"), "a crate's cell");
        crate.opened = intField(entry, "opened", 0, 1);
        save.crateCount += 1;
    }

    const json& fight = field(root, "fight");
    if (!fight.is_null()) {
        save.inFight = 1;
        const json& players = arrayField(fight, "players", kMaxFighters);
        const json& fighters = arrayField(fight, "enemies", kMaxFighters);
        if (players.empty() || fighters.empty()) refuse("a fight without both sides");
        for (const json& entry : players) {
            const std::int32_t type = intIn(field(entry, "type"), 0, kPlayerTypeCount - 1, "a fighter's type");
            UnitStats stats = statsFrom(field(entry, "stats"), type, save.heroCount);
            if (stats.unitIndex < 0) refuse("a fighter stands for no hero");
            save.encounter.players[static_cast<std::size_t>(save.encounter.playerCount++)] = stats;
        }
        for (const json& entry : fighters) {
            const std::int32_t type = intIn(field(entry, "type"), 0, kEnemyTypeCount - 1, "a fighter's type");
            UnitStats stats = statsFrom(field(entry, "stats"), type, save.enemyCount);
            if (stats.unitIndex < 0) refuse("a fighter stands for no enemy");
            save.encounter.enemies[static_cast<std::size_t>(save.encounter.enemyCount++)] = stats;
        }
    }
    *out = save;
}

} // namespace

SaveData captureSave(const WorldGame* world) {
    SaveData save;
    save.level = world->level;
    save.gold = world->gold;
    save.playerTurn = world->playerTurn;
    save.startTutorialShown = world->startTutorialShown;
    save.inFight = world->phase == WORLD_PHASE_FIGHT ? 1 : 0;
    // A fight is saved as it opens: while its lesson is still on screen, the fight continued
    // from the save teaches it again.
    const bool fightLessonOpen = save.inFight && world->dialog.visible && world->dialog.section == kTutorialSection &&
                                 world->dialog.page >= kFightTutorialFirstPage;
    save.fightTutorialShown = fightLessonOpen ? 0 : world->fightTutorialShown;
    save.randomState = save.inFight && !world->fightRandomState.empty() ? world->fightRandomState : randomState();
    save.tileCodes = world->tileMap.tileCodes;
    for (std::size_t i = 0; i < kCellCount; ++i) {
        const Tile& tile = world->tileMap.tiles[i];
        save.cellFlags[i] = (tile.walkable ? CELL_WALKABLE : 0) | (tile.heroHere ? CELL_HERO : 0) |
                            (tile.enemyHere ? CELL_ENEMY : 0) | (tile.crateHere ? CELL_CRATE : 0);
    }
    for (std::int32_t level = std::max(world->level + 1, kFirstGeneratedLevel); level <= kLastLevel; ++level) {
        SavedLevel& saved = save.futureLevels[static_cast<std::size_t>(save.futureLevelCount)];
        saved.level = level;
        // A level whose file cannot be read is saved as the ground the game would fall back on.
        saved.codes = save.futureLevelCount > 0 ? save.futureLevels[static_cast<std::size_t>(save.futureLevelCount - 1)].codes
                                                : world->tileMap.tileCodes;
        readLevelFile(levelFilePath(world->generatedLevelFolder, level), &saved.codes);
        save.futureLevelCount += 1;
    }
    const Party& party = world->party;
    save.leaderAlive = party.leaderAlive;
    save.selectedIndex = party.selectedIndex;
    for (std::uint32_t i = 0; i < party.count && i < kMaxPlayers; ++i) {
        const WorldPlayer& player = party.players[i];
        SavedHero& hero = save.heroes[static_cast<std::size_t>(save.heroCount++)];
        hero.type = player.type;
        hero.position = player.body.sprite.getPosition();
        hero.moving = player.body.moving;
        hero.walk = player.walk;
        hero.interactPending = player.interactPending;
        hero.stats = player.stats;
        hero.maxMovePoints = player.maxMovePoints;
        hero.movePoints = player.movePoints;
    }
    for (std::uint32_t i = 0; i < world->enemies.count && i < kMaxEnemies; ++i) {
        const WorldEnemy& unit = world->enemies.enemies[i];
        SavedEnemy& enemy = save.enemies[static_cast<std::size_t>(save.enemyCount++)];
        enemy.type = unit.type;
        enemy.position = unit.body.sprite.getPosition();
        enemy.moving = unit.body.moving;
        enemy.walk = unit.walk;
        enemy.acted = unit.acted;
        enemy.stats = unit.stats;
        enemy.maxMovePoints = unit.maxMovePoints;
    }
    for (std::int32_t k = 0; k < world->crates.count && k < kCrateCount; ++k) {
        const sf::Sprite& sprite = world->crates.sprites[static_cast<std::size_t>(k)];
        SavedCrate& crate = save.crates[static_cast<std::size_t>(save.crateCount++)];
        crate.cell = standingCell(sprite.getPosition());
        crate.opened = sprite.getTexture() == world->crates.openedTexture && world->crates.openedTexture ? 1 : 0;
    }
    if (save.inFight) save.encounter = world->encounter;
    return save;
}

void restoreSave(WorldGame* world, const SaveData* save, sf::RenderWindow* window, const std::string& levelFolder) {
    // The levels to come first: the game reads them from this folder at each level's start.
    for (std::int32_t k = 0; k < save->futureLevelCount; ++k) {
        const SavedLevel& level = save->futureLevels[static_cast<std::size_t>(k)];
        const std::string path = levelFilePath(levelFolder, level.level);
        LevelCodes onDisk{};
        if (readLevelFile(path, &onDisk) == LEVEL_READ_OK && onDisk == level.codes) continue; // already in place
        writeLevelText(path, formatLevelText(level.codes, true));
    }
    world->generatedLevelFolder = levelFolder;

    initTileMap(&world->tileMap);
    world->tileMap.tileCodes = save->tileCodes;
    buildTileMap(&world->tileMap, kMapColumns, kMapRows);
    world->level = save->level;

    loadEnemyTextures(&world->enemies);
    for (WorldEnemy& enemy : world->enemies.enemies) enemy = WorldEnemy{};
    world->enemies.count = 0;
    initParty(&world->party);
    initCamp(&world->camp);
    initCrates(&world->crates, &world->tileMap);
    initTurnBanners(&world->banners);

    CrateSet& crates = world->crates;
    crates.count = 0;
    for (std::int32_t k = 0; k < save->crateCount && k < kCrateCount; ++k) {
        const SavedCrate& saved = save->crates[static_cast<std::size_t>(k)];
        sf::Sprite& sprite = crates.sprites[static_cast<std::size_t>(k)];
        sprite = sf::Sprite(saved.opened ? *crates.openedTexture : *crates.closedTexture);
        sprite.setPosition(cellCorner(saved.cell));
        crates.count += 1;
    }
    for (std::size_t i = 0; i < kCellCount; ++i) {
        Tile& tile = world->tileMap.tiles[i];
        const std::int32_t flags = save->cellFlags[i];
        tile.walkable = (flags & CELL_WALKABLE) ? 1 : 0;
        tile.heroHere = (flags & CELL_HERO) ? 1 : 0;
        tile.enemyHere = (flags & CELL_ENEMY) ? 1 : 0;
        tile.crateHere = (flags & CELL_CRATE) ? 1 : 0;
        world->tileMap.tileOverlays[i].setFillColor(sf::Color::Transparent);
    }

    Party& party = world->party;
    for (std::int32_t i = 0; i < save->heroCount && i < kMaxPlayers; ++i) {
        const SavedHero& saved = save->heroes[static_cast<std::size_t>(i)];
        WorldPlayer& player = party.players[static_cast<std::size_t>(i)];
        player.type = saved.type;
        addWorldPlayer(&party, i, saved.position);
        player.body.moving = saved.moving;
        player.walk = saved.walk;
        player.interactPending = saved.interactPending;
        player.stats = saved.stats;
        player.maxMovePoints = saved.maxMovePoints;
        player.movePoints = saved.movePoints;
        party.count += 1;
        updateMpSprite(&party, i);
    }
    party.leaderAlive = save->leaderAlive;
    party.selectedIndex = save->selectedIndex;
    for (std::int32_t i = 0; i < save->enemyCount && i < kMaxEnemies; ++i) {
        const SavedEnemy& saved = save->enemies[static_cast<std::size_t>(i)];
        WorldEnemy& enemy = world->enemies.enemies[static_cast<std::size_t>(i)];
        enemy.type = saved.type;
        addWorldEnemy(&world->enemies, i, saved.position);
        enemy.body.moving = saved.moving;
        enemy.walk = saved.walk;
        enemy.acted = saved.acted;
        enemy.stats = saved.stats;
        enemy.maxMovePoints = saved.maxMovePoints;
        world->enemies.count += 1;
    }

    world->gold = save->gold;
    world->playerTurn = save->playerTurn;
    world->startTutorialShown = save->startTutorialShown;
    world->fightTutorialShown = save->fightTutorialShown;
    world->partyChanged = 0;
    world->cursorHidden = 0;
    world->autosaveDue = 0;
    world->phase = WORLD_PHASE_MAP;
    destroyFightScene(&world->fight);
    world->encounter = Encounter{};
    world->fightRandomState.clear();

    initHud(&world->hud, &world->party, world->camera.topLeft);
    setGoldText(&world->hud, world->gold, world->camera.topLeft);
    initDialogBox(&world->dialog);
    if (world->hud.visible == 0) toggleHud(&world->hud);
    world->mapBatch.atlas = mapPictureAtlas();

    if (!setRandomState(save->randomState))
        std::fprintf(stderr, "The saved generator state could not be read: the game goes on from a new one\n");
    if (save->inFight) {
        world->encounter = save->encounter;
        world->fightRandomState = save->randomState;
        openFight(world, window);
    }
}

std::string saveToJson(const SaveData* save) {
    json root;
    root["format"] = kSaveFormatName;
    root["version"] = save->version;
    root["level"] = save->level;
    root["gold"] = save->gold;
    root["playerTurn"] = save->playerTurn;
    root["startTutorialShown"] = save->startTutorialShown;
    root["fightTutorialShown"] = save->fightTutorialShown;
    root["random"] = save->randomState;
    root["tiles"] = codesJson(save->tileCodes);
    root["cellFlags"] = json(save->cellFlags);
    json future = json::array();
    for (std::int32_t k = 0; k < save->futureLevelCount && k < kMaxSavedLevels; ++k) {
        const SavedLevel& level = save->futureLevels[static_cast<std::size_t>(k)];
        future.push_back({{"level", level.level}, {"tiles", codesJson(level.codes)}});
    }
    root["futureLevels"] = future;
    json heroes = json::array();
    for (std::int32_t i = 0; i < save->heroCount && i < kMaxPlayers; ++i) {
        const SavedHero& hero = save->heroes[static_cast<std::size_t>(i)];
        heroes.push_back({{"type", hero.type},
                          {"position", {hero.position.x, hero.position.y}},
                          {"moving", hero.moving},
                          {"walk", walkJson(hero.walk)},
                          {"interactPending", hero.interactPending},
                          {"stats", statsJson(hero.stats)},
                          {"maxMovePoints", hero.maxMovePoints},
                          {"movePoints", hero.movePoints}});
    }
    root["party"] = {{"leaderAlive", save->leaderAlive}, {"selectedIndex", save->selectedIndex}, {"heroes", heroes}};
    json enemies = json::array();
    for (std::int32_t i = 0; i < save->enemyCount && i < kMaxEnemies; ++i) {
        const SavedEnemy& enemy = save->enemies[static_cast<std::size_t>(i)];
        enemies.push_back({{"type", enemy.type},
                           {"position", {enemy.position.x, enemy.position.y}},
                           {"moving", enemy.moving},
                           {"walk", walkJson(enemy.walk)},
                           {"acted", enemy.acted},
                           {"stats", statsJson(enemy.stats)},
                           {"maxMovePoints", enemy.maxMovePoints}});
    }
    root["enemies"] = enemies;
    json crates = json::array();
    for (std::int32_t k = 0; k < save->crateCount && k < kCrateCount; ++k) {
        const SavedCrate& crate = save->crates[static_cast<std::size_t>(k)];
        crates.push_back({{"cell", cellJson(crate.cell)}, {"opened", crate.opened}});
    }
    root["crates"] = crates;
    if (save->inFight) {
        json players = json::array(), fighters = json::array();
        for (std::int32_t k = 0; k < save->encounter.playerCount && k < kMaxFighters; ++k) {
            const UnitStats& stats = save->encounter.players[static_cast<std::size_t>(k)];
            players.push_back({{"type", stats.type}, {"stats", statsJson(stats)}});
        }
        for (std::int32_t k = 0; k < save->encounter.enemyCount && k < kMaxFighters; ++k) {
            const UnitStats& stats = save->encounter.enemies[static_cast<std::size_t>(k)];
            fighters.push_back({{"type", stats.type}, {"stats", statsJson(stats)}});
        }
        root["fight"] = {{"players", players}, {"enemies", fighters}};
    } else {
        root["fight"] = nullptr;
    }
    return root.dump(1) + "\n";
}

SaveParse saveFromJson(const std::string& text, SaveData* save, std::string* error) {
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        if (error) *error = "the file is not whole JSON";
        return SaveParse::Invalid;
    }
    // A later version is told apart before anything else is checked: its fields may differ.
    if (root.is_object()) {
        const auto version = root.find("version");
        if (version != root.end() && version->is_number_integer() && version->get<std::int64_t>() > kSaveVersion) {
            if (error) *error = "the save was written by a newer version of the game";
            return SaveParse::Newer;
        }
    }
    try {
        readSave(root, save);
    } catch (const std::exception& failure) {
        if (error) *error = failure.what();
        return SaveParse::Invalid;
    }
    return SaveParse::Ok;
}

std::uint64_t hashSaveData(const SaveData* save) {
    const std::string text = saveToJson(save);
    std::uint64_t hash = 1469598103934665603ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}
