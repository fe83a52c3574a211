#include "core/user_folders.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct UserFoldersTest : ::testing::Test {
    fs::path root = fs::temp_directory_path() / ("ostrevald_user_folders_" + std::to_string(getpid()));
    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }
    std::string path(const std::string& relative) const { return (root / relative).string(); }
};

// Sets an environment variable for one scope and puts the old value back.
struct ScopedVariable {
    std::string name;
    bool had = false;
    std::string old;
    ScopedVariable(const char* variable, const char* value) : name(variable) {
        if (const char* current = std::getenv(variable)) {
            had = true;
            old = current;
        }
        if (value) setenv(variable, value, 1);
        else unsetenv(variable);
    }
    ~ScopedVariable() {
        if (had) setenv(name.c_str(), old.c_str(), 1);
        else unsetenv(name.c_str());
    }
};

unsigned modeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(UserFolders, FollowTheXdgFoldersAndIgnoreValuesThatAreNotAbsolute) {
    UserFolderSources sources;
    sources.home = "/home/p";
    UserFolders folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.settings, "/home/p/.config/ostrevald");
    EXPECT_EQ(folders.levels, "/home/p/.local/share/ostrevald");

    sources.configHome = "/cfg";
    sources.dataHome = "/var/p/data";
    folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.settings, "/cfg/ostrevald");
    EXPECT_EQ(folders.levels, "/var/p/data/ostrevald");

    sources.configHome = "relative/cfg";
    sources.dataHome = "~/data";
    folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.settings, "/home/p/.config/ostrevald");
    EXPECT_EQ(folders.levels, "/home/p/.local/share/ostrevald");

    // No home at all: an absolute XDG folder still counts, the other stays unknown.
    sources.home = "";
    sources.dataHome = "/var/p/data";
    folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.levels, "/var/p/data/ostrevald");
    EXPECT_EQ(folders.settings, "");
}

TEST(UserFolders, OneUserFolderHoldsEverythingAndTheOptionBeatsTheVariable) {
    UserFolderSources sources;
    sources.home = "/home/p";
    sources.configHome = "/cfg";
    sources.userDir = "/portable/ostrevald/";
    UserFolders folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.levels, "/portable/ostrevald/");
    EXPECT_EQ(folders.settings, folders.levels);
    // A relative one is taken from the working folder, once, at start.
    sources.userDir = "saves";
    folders = userFoldersFrom(sources);
    EXPECT_EQ(folders.levels, (fs::current_path() / "saves").string());

    ScopedVariable home("OSTREVALD_HOME", "/from/variable");
    ScopedVariable xdg("XDG_DATA_HOME", "/xdg/data");
    EXPECT_EQ(resolveUserFolders().levels, "/from/variable");
    EXPECT_EQ(resolveUserFolders("/from/option").levels, "/from/option");
    ScopedVariable noHome("OSTREVALD_HOME", nullptr);
    EXPECT_EQ(resolveUserFolders().levels, "/xdg/data/ostrevald");
    // Without HOME the password database still knows the player's home.
    ScopedVariable noHomeVariable("HOME", nullptr);
    ScopedVariable noXdg("XDG_CONFIG_HOME", nullptr);
    const UserFolders fromDatabase = resolveUserFolders();
    ASSERT_FALSE(fromDatabase.settings.empty());
    EXPECT_EQ(fromDatabase.settings.front(), '/');
}

TEST_F(UserFoldersTest, MissingFoldersAreMadePrivateAndExistingOnesAreLeftAsTheyAre) {
    const std::string deep = path("home/.local/share/ostrevald");
    EXPECT_EQ(prepareFolder(deep), "");
    for (const std::string& made : {path("home"), path("home/.local"), path("home/.local/share"), deep})
        EXPECT_EQ(modeOf(made), 0700u) << made;
    EXPECT_TRUE(fs::is_empty(deep)) << "the write probe is removed";

    fs::create_directories(path("shared"));
    fs::permissions(path("shared"), fs::perms(0755));
    EXPECT_TRUE(ensureFolder(path("shared")));
    EXPECT_EQ(modeOf(path("shared")), 0755u);

    std::ofstream(path("plain")) << "x";
    EXPECT_NE(prepareFolder(path("plain")).find("is not a folder"), std::string::npos);
    const std::string below = prepareFolder(path("plain/ostrevald"));
    EXPECT_NE(below.find(path("plain") + " is not a folder"), std::string::npos) << below;
    fs::create_directories(path("parent"));
    fs::permissions(path("parent"), fs::perms(0500));
    if (geteuid() != 0) {
        const std::string refused = prepareFolder(path("parent/ostrevald"));
        EXPECT_NE(refused.find("cannot create " + path("parent/ostrevald")), std::string::npos) << refused;
    }
    EXPECT_FALSE(ensureFolder(""));
}

TEST_F(UserFoldersTest, AFolderWithoutWritePermissionIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    fs::create_directories(path("locked"));
    fs::permissions(path("locked"), fs::perms(0500));
    EXPECT_NE(prepareFolder(path("locked")).find("cannot write in " + path("locked")), std::string::npos);
    EXPECT_TRUE(fs::is_empty(path("locked")));
}

TEST_F(UserFoldersTest, AnUnusableLevelsFolderIsReplacedForTheRunAndTheSettingsStayWhereTheyAre) {
    ScopedVariable runtime("XDG_RUNTIME_DIR", nullptr);
    ScopedVariable tmp("TMPDIR", path("tmp").c_str());
    fs::create_directories(path("tmp"));
    std::ofstream(path("plain")) << "x";

    UserFolders folders{path("plain/data/ostrevald"), path("config/ostrevald")};
    std::string temporary;
    std::vector<std::string> messages = prepareUserFolders(&folders, &temporary);
    ASSERT_EQ(messages.size(), 1u);
    ASSERT_FALSE(temporary.empty());
    EXPECT_EQ(fs::path(temporary).parent_path(), root / "tmp");
    EXPECT_EQ(folders.levels, temporary);
    EXPECT_EQ(modeOf(temporary), 0700u);
    EXPECT_NE(messages[0].find(path("plain") + " is not a folder"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(temporary), std::string::npos) << messages[0];
    EXPECT_EQ(folders.settings, path("config/ostrevald"));
    EXPECT_TRUE(fs::is_directory(folders.settings));
    fs::remove_all(temporary);

    // One folder for everything: one message, and the settings are still read from it.
    folders = {path("plain/all"), path("plain/all")};
    messages = prepareUserFolders(&folders, &temporary);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("settings changes are not saved"), std::string::npos) << messages[0];
    EXPECT_EQ(folders.settings, path("plain/all"));
    EXPECT_EQ(folders.levels, temporary);
    fs::remove_all(temporary);

    // No home known at all: the run's own folder holds the settings too.
    folders = {};
    messages = prepareUserFolders(&folders, &temporary);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("no home folder"), std::string::npos) << messages[0];
    EXPECT_EQ(folders.settings, temporary);
    fs::remove_all(temporary);

    // Usable folders: nothing said, nothing replaced.
    folders = {path("data/ostrevald"), path("config/ostrevald")};
    EXPECT_TRUE(prepareUserFolders(&folders, &temporary).empty());
    EXPECT_EQ(temporary, "");
    EXPECT_EQ(folders.levels, path("data/ostrevald"));
    EXPECT_TRUE(fs::is_empty(path("tmp")));
}

TEST_F(UserFoldersTest, TheOldSettingsFileStartsTheNewOneOnlyOnce) {
    fs::create_directories(path("config"));
    const std::string settings = settingsFilePathIn({path("data"), path("config")});
    EXPECT_EQ(settings, path("config/Settings.txt"));
    std::ofstream(path("old.txt")) << "Music_Enable 0\nMusic_Volume 7\n";

    EXPECT_FALSE(adoptOldSettings(settings, path("missing.txt")));
    EXPECT_FALSE(fs::exists(settings));
    EXPECT_TRUE(adoptOldSettings(settings, path("old.txt")));
    EXPECT_EQ(readAll(settings), "Music_Enable 0\nMusic_Volume 7\n");

    // The player's own file is never replaced.
    std::ofstream(settings) << "Music_Volume 99\n";
    EXPECT_FALSE(adoptOldSettings(settings, path("old.txt")));
    EXPECT_EQ(readAll(settings), "Music_Volume 99\n");

    // Something far larger than a settings file is not taken for one.
    fs::remove(settings);
    std::ofstream(path("huge.txt")) << std::string(200000, 'x');
    EXPECT_FALSE(adoptOldSettings(settings, path("huge.txt")));
    EXPECT_FALSE(fs::exists(settings));
}
