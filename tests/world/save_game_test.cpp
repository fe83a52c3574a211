#include "core/random.hpp"
#include "menus/menu_test_support.hpp"
#include "world/crates.hpp"
#include "world/encounters.hpp"
#include "world/level_change.hpp"
#include "world/save_file.hpp"
#include "world/save_game.hpp"
#include "world/temp_level_folder.hpp"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace menutest;
using nlohmann::json;

namespace {

// A game on level 2 that has been played a little: a hero hurt and moved on, a crate
// opened, gold spent, an enemy having acted, the fight tutorial seen.
std::unique_ptr<MainData> playedGame() {
    auto game = makeTestGame();
    game->world.generatedLevelFolder = game->folders.levels;
    enterWorld(game.get(), {2, 1, 2, 3});
    startNextLevel(&game->world, &game->window);
    applyShopPurchases(&game->world, nullptr);
    WorldGame& world = game->world;
    world.gold = 321;
    world.fightTutorialShown = 1;
    world.party.players[1].stats.life = 57;
    world.party.players[2].movePoints = 2;
    world.enemies.enemies[0].acted = 1;
    const sf::Vector2f crate = world.crates.sprites[0].getPosition();
    openCrate(&world.crates, &world.tileMap, &world.gold, static_cast<int>(crate.x) / kCellSize,
              static_cast<int>(crate.y) / kCellSize);
    return game;
}

std::string validSaveText() {
    auto game = playedGame();
    const SaveData save = captureSave(&game->world);
    return saveToJson(&save);
}

SaveParse parseEdited(const std::string& text, const std::function<void(json&)>& edit, std::string* error = nullptr) {
    json root = json::parse(text);
    edit(root);
    SaveData save;
    return saveFromJson(root.dump(), &save, error);
}

} // namespace

TEST(SaveGame, ARestoredGameSavesTheSameRecordsAndDrawsTheSameNumbers) {
    auto game = playedGame();
    const SaveData saved = captureSave(&game->world);
    const std::string text = saveToJson(&saved);
    ASSERT_EQ(saved.level, 2);
    ASSERT_EQ(saved.futureLevelCount, 8) << "levels 3 to 10 travel with the save";
    // The crate opened, with any other crate the level placed on its cell (they open together).
    int sharingTheCell = 0;
    const CrateSet& crates = game->world.crates;
    for (std::int32_t k = 0; k < crates.count; ++k)
        if (crates.sprites[static_cast<std::size_t>(k)].getPosition() == crates.sprites[0].getPosition()) sharingTheCell += 1;
    ASSERT_EQ(saved.crates[0].opened + saved.crates[1].opened + saved.crates[2].opened, sharingTheCell);
    const int drawAfterSave = randomInt();

    SaveData read;
    std::string error;
    ASSERT_EQ(saveFromJson(text, &read, &error), SaveParse::Ok) << error;
    EXPECT_EQ(hashSaveData(&read), hashSaveData(&saved));

    // Another game in between: nothing of it may leak into the continued one.
    destroyWorldGame(&game->world);
    enterWorld(game.get(), {1, 3, 3, 3});
    for (int i = 0; i < 50; ++i) randomInt();
    // The levels to come are generated again at every start: the save brings its own back.
    writeLevelText(levelFilePath(game->folders.levels, 5), formatLevelText(LevelCodes{}, true));

    destroyWorldGame(&game->world);
    restoreSave(&game->world, &read, &game->window, game->folders.levels);
    const SaveData again = captureSave(&game->world);
    EXPECT_EQ(hashSaveData(&again), hashSaveData(&saved));
    EXPECT_EQ(saveToJson(&again), text);
    EXPECT_EQ(game->world.level, 2);
    EXPECT_EQ(game->world.gold, saved.gold);
    EXPECT_EQ(game->world.party.players[1].stats.life, 57);
    EXPECT_EQ(game->world.party.count, 4u);
    EXPECT_EQ(randomInt(), drawAfterSave) << "the gameplay generator goes on where it stood";

    LevelCodes level5{};
    ASSERT_EQ(readLevelFile(levelFilePath(game->folders.levels, 5), &level5), LEVEL_READ_OK);
    EXPECT_EQ(level5, read.futureLevels[2].codes);
}

TEST(SaveGame, AFightSavedAsItOpensIsDealtTheSameHandsAndIntents) {
    auto game = makeTestGame();
    game->world.generatedLevelFolder = game->folders.levels;
    enterWorld(game.get());
    WorldGame& world = game->world;
    // Walk the leader's claim onto the first enemy's cell, as an arrival does.
    const GridPos meeting = enemyCell(&world.enemies.enemies[0]);
    WorldPlayer& leader = world.party.players[0];
    world.tileMap.tiles[static_cast<std::size_t>(cellIndex(playerCell(&leader)))].heroHere = 0;
    world.tileMap.tiles[static_cast<std::size_t>(cellIndex(meeting))].heroHere = 1;
    leader.body.sprite.setPosition(cellCorner(meeting));
    startFight(&world, meeting, &game->window);
    ASSERT_EQ(world.phase, WORLD_PHASE_FIGHT);
    ASSERT_EQ(world.autosaveDue, 1);
    ASSERT_EQ(world.dialog.visible, 1) << "the game's first fight opens on its lesson";
    const SaveData save = captureSave(&world);
    ASSERT_EQ(save.inFight, 1);
    const FightScene first = world.fight; // a copy: the hands and intents it was dealt

    SaveData read;
    ASSERT_EQ(saveFromJson(saveToJson(&save), &read, nullptr), SaveParse::Ok);
    destroyWorldGame(&world);
    for (int i = 0; i < 7; ++i) randomInt();
    restoreSave(&world, &read, &game->window, game->folders.levels);
    ASSERT_EQ(world.phase, WORLD_PHASE_FIGHT);
    ASSERT_EQ(world.fight.allies.count, first.allies.count);
    int cards = 0;
    for (std::size_t a = 0; a < static_cast<std::size_t>(first.allies.count); ++a) {
        const CardHand& was = first.allies.allies[a].hand;
        const CardHand& now = world.fight.allies.allies[a].hand;
        ASSERT_EQ(now.count, was.count) << a;
        for (std::size_t k = 0; k < static_cast<std::size_t>(was.count); ++k, ++cards)
            EXPECT_EQ(now.cards[k].kind, was.cards[k].kind) << a << " " << k;
    }
    EXPECT_GT(cards, 0);
    ASSERT_EQ(world.fight.enemies.count, first.enemies.count);
    for (std::size_t k = 0; k < static_cast<std::size_t>(first.enemies.count); ++k) {
        EXPECT_EQ(world.fight.enemies.enemies[k].intentAttack, first.enemies.enemies[k].intentAttack) << k;
        EXPECT_EQ(world.fight.enemies.enemies[k].intentShield, first.enemies.enemies[k].intentShield) << k;
    }
    // Quit while the lesson was on screen: the continued fight teaches it again.
    EXPECT_EQ(world.dialog.visible, 1);
    EXPECT_EQ(world.dialog.page, kFightTutorialFirstPage);
}

TEST(SaveGame, EveryDamagedOrEditedSaveIsRefusedAsAWhole) {
    const std::string text = validSaveText();
    SaveData save;
    ASSERT_EQ(saveFromJson(text, &save, nullptr), SaveParse::Ok);
    const std::uint64_t before = hashSaveData(&save);

    std::string error;
    EXPECT_EQ(saveFromJson(text.substr(0, text.size() / 2), &save, &error), SaveParse::Invalid) << "truncated";
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(saveFromJson("", &save, nullptr), SaveParse::Invalid);
    EXPECT_EQ(saveFromJson("[1,2,3]", &save, nullptr), SaveParse::Invalid);
    std::string flipped = text;
    flipped[flipped.size() / 3] = '#';
    EXPECT_EQ(saveFromJson(flipped, &save, nullptr), SaveParse::Invalid) << "corrupt byte";

    const std::vector<std::pair<const char*, std::function<void(json&)>>> edits = {
        {"hero off the board", [](json& r) { r["party"]["heroes"][0]["position"][0] = 30 * 128; }},
        {"hero off its cell", [](json& r) { r["party"]["heroes"][0]["position"] = {14 * 128, 8 * 128}; }},
        {"life above its maximum", [](json& r) { r["party"]["heroes"][1]["stats"][3] = 101; }},
        {"life of nothing", [](json& r) { r["enemies"][0]["stats"][3] = 0; }},
        {"twenty enemies", [](json& r) {
             json& enemies = r["enemies"];
             while (enemies.size() < 20) enemies.push_back(enemies[0]);
         }},
        {"unknown hero type", [](json& r) { r["party"]["heroes"][2]["type"] = 6; }},
        {"unknown enemy type", [](json& r) {
             r["enemies"][0]["type"] = 9;
             r["enemies"][0]["stats"][4] = 9;
         }},
        {"stats of another type", [](json& r) { r["enemies"][0]["stats"][4] = 3 - r["enemies"][0]["type"].get<int>(); }},
        {"unknown tile code", [](json& r) { r["tiles"][10] = 999; }},
        {"level 11", [](json& r) { r["level"] = 11; }},
        {"negative gold", [](json& r) { r["gold"] = -5; }},
        {"gold as text", [](json& r) { r["gold"] = "lots"; }},
        {"a missing level to come", [](json& r) { r["futureLevels"].erase(3); }},
        {"no leader", [](json& r) { r["party"]["heroes"].erase(0); }},
        {"five heroes", [](json& r) { r["party"]["heroes"].push_back(r["party"]["heroes"][1]); }},
        {"a long walk", [](json& r) {
             json& walk = r["party"]["heroes"][0]["walk"];
             for (int k = 0; k < 6; ++k) {
                 walk["cells"].push_back({1, 1});
                 walk["dirs"].push_back(2);
             }
         }},
        {"four crates", [](json& r) { r["crates"].push_back(r["crates"][0]); }},
        {"not a save", [](json& r) { r["format"] = "something else"; }},
        {"a damaged generator", [](json& r) { r["random"] = r["random"].get<std::string>().substr(0, 40); }},
        {"a fight with nobody", [](json& r) { r["fight"] = {{"players", json::array()}, {"enemies", json::array()}}; }},
    };
    for (const auto& [name, edit] : edits) {
        EXPECT_EQ(parseEdited(text, edit), SaveParse::Invalid) << name;
    }
    EXPECT_EQ(hashSaveData(&save), before) << "a refused text leaves the record as it was";

    EXPECT_EQ(parseEdited(text, [](json& r) { r["version"] = kSaveVersion + 1; }), SaveParse::Newer);
    EXPECT_EQ(parseEdited(text, [](json& r) {
                  r["version"] = kSaveVersion + 1;
                  r.erase("party");
              }),
              SaveParse::Newer)
        << "a newer layout is told apart before its fields are read";
    // The edit helper itself changes nothing that matters.
    EXPECT_EQ(parseEdited(text, [](json&) {}), SaveParse::Ok);
}

TEST(SaveFile, TheBackupIsKeptAndUsedWhenTheSaveIsDamaged) {
    TempLevelFolder folder;
    const std::string path = saveFilePath(folder.folder());
    SaveData loaded;
    EXPECT_EQ(readSaveFile(path, &loaded).status, SaveLoad::NoSave);

    auto game = playedGame();
    SaveData first = captureSave(&game->world);
    SaveData second = first;
    second.gold = 999;
    ASSERT_TRUE(writeSaveFile(path, &first));
    ASSERT_TRUE(writeSaveFile(path, &second));
    ASSERT_EQ(readSaveFile(path, &loaded).status, SaveLoad::Loaded);
    EXPECT_EQ(loaded.gold, 999);
    EXPECT_EQ(readWholeFile(saveBackupPath(path)), saveToJson(&first)) << "the one before is the backup";

    // A cut-off save: renamed aside, the backup continues the game and the player is told.
    const std::string whole = readWholeFile(path);
    writeWholeFile(path, whole.substr(0, whole.size() - 40));
    const SaveLoadResult damaged = readSaveFile(path, &loaded);
    EXPECT_EQ(damaged.status, SaveLoad::LoadedBackup);
    EXPECT_FALSE(damaged.message.empty());
    EXPECT_EQ(loaded.gold, first.gold);
    EXPECT_TRUE(std::filesystem::exists(saveCorruptPath(path)));
    EXPECT_EQ(readSaveFile(path, &loaded).status, SaveLoad::Loaded) << "the backup took the save's place";

    // Both damaged: refused, both set aside, nothing left to continue.
    writeWholeFile(path, "{\"format\": \"ostrevald-save\"");
    writeWholeFile(saveBackupPath(path), "garbage");
    const SaveLoadResult refused = readSaveFile(path, &loaded);
    EXPECT_EQ(refused.status, SaveLoad::Refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(saveBackupPath(path) + ".corrupt"));
    EXPECT_EQ(readSaveFile(path, &loaded).status, SaveLoad::NoSave);

    // A newer version's save is left exactly as it is.
    json newer = json::parse(saveToJson(&first));
    newer["version"] = kSaveVersion + 3;
    writeWholeFile(path, newer.dump());
    const SaveLoadResult told = readSaveFile(path, &loaded);
    EXPECT_EQ(told.status, SaveLoad::Newer);
    EXPECT_FALSE(told.message.empty());
    EXPECT_EQ(readWholeFile(path), newer.dump());

    removeSaveFile(path);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(saveBackupPath(path)));
}

TEST(SaveFile, AnUnwritableFolderIsReportedAndNothingBreaks) {
    TempLevelFolder folder;
    writeWholeFile(folder.file("blocker"), "a file, not a folder");
    auto game = playedGame();
    const SaveData save = captureSave(&game->world);
    EXPECT_FALSE(writeSaveFile(folder.file("blocker") + "/save.json", &save));
}

// A writer killed at any moment leaves the old save or the new one, whole.
TEST(SaveFile, AWriterKilledMidWriteLeavesTheOldOrTheNewSave) {
    TempLevelFolder folder;
    const std::string path = saveFilePath(folder.folder());
    auto game = playedGame();
    SaveData a = captureSave(&game->world);
    SaveData b = a;
    b.gold = a.gold + 1;
    ASSERT_TRUE(writeSaveFile(path, &a));
    const std::uint64_t hashA = hashSaveData(&a), hashB = hashSaveData(&b);
    std::mt19937 delays(1234);
    for (int round = 0; round < 25; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (long i = 0;; ++i) writeSaveFile(path, (i % 2) ? &a : &b);
        }
        usleep(200 + delays() % 3000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        SaveData read;
        const SaveLoadResult result = readSaveFile(path, &read);
        ASSERT_TRUE(result.status == SaveLoad::Loaded || result.status == SaveLoad::LoadedBackup) << round;
        EXPECT_TRUE(result.message.empty()) << "nothing was damaged: " << result.message;
        const std::uint64_t hash = hashSaveData(&read);
        EXPECT_TRUE(hash == hashA || hash == hashB) << round;
        EXPECT_FALSE(std::filesystem::exists(saveCorruptPath(path))) << round;
    }
}
