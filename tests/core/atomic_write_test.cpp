#include "core/atomic_write.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("ostrevald_atomic_" + std::to_string(getpid()));
    TempFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string touch(const std::string& name) const {
        std::ofstream((path / name).string()) << "partial";
        return (path / name).string();
    }
};

// A process id that is certainly not running: a child that has exited and been reaped.
long finishedProcessId() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<long>(child);
}

} // namespace

TEST(AtomicWrite, AStartRemovesOnlyTheTemporaryFilesOfWritersThatAreGone) {
    TempFolder folder;
    const long gone = finishedProcessId();
    const std::string stale = folder.touch("Level04.txt." + std::to_string(gone) + ".tmp");
    const std::string mine = folder.touch("Level05.txt." + std::to_string(getpid()) + ".tmp");
    const std::string running = folder.touch("Level06.txt." + std::to_string(getppid()) + ".tmp");
    const std::string level = folder.touch("Level07.txt");
    const std::string other = folder.touch("notes.tmp");
    const std::string odd = folder.touch("Level08.txt.12ab.tmp");

    EXPECT_EQ(removeStaleTemporaryFiles(folder.path.string()), 1);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(mine)) << "this process may be writing it";
    EXPECT_TRUE(std::filesystem::exists(running)) << "another running copy may be writing it";
    EXPECT_TRUE(std::filesystem::exists(level));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(std::filesystem::exists(odd));
    EXPECT_EQ(removeStaleTemporaryFiles((folder.path / "missing").string()), 0);
}

TEST(AtomicWrite, AWriteLeavesOnlyTheFinishedFile) {
    TempFolder folder;
    const std::string path = (folder.path / "Settings.txt").string();
    ASSERT_EQ(writeFileAtomically(path, "Music_Volume 40\n"), WriteResult::Written);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(removeStaleTemporaryFiles(folder.path.string()), 0);
}
