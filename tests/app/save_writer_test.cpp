#include "app/save_writer.hpp"
#include "menus/menu_test_support.hpp"
#include "world/save_file.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using menutest::TempFolder;

namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string textNumber(int n) { return "{\"save\": " + std::to_string(n) + "}"; }

} // namespace

TEST(SaveWriter, TheNewestTextEndsOnDiskWithThePreviousOneAsBackup) {
    TempFolder folder;
    const std::string path = folder.file("save.json");
    SaveWriter writer;
    for (int n = 1; n <= 200; ++n) queueSave(&writer, path, textNumber(n));
    finishSaves(&writer);
    EXPECT_EQ(contentOf(path), textNumber(200)) << "texts overtaken while waiting are dropped, never the newest";
    EXPECT_EQ(takeSaveResult(&writer), SaveWriteResult::Written);
    EXPECT_EQ(takeSaveResult(&writer), SaveWriteResult::None) << "an outcome is told once";

    queueSave(&writer, path, textNumber(201));
    finishSaves(&writer);
    EXPECT_EQ(contentOf(path), textNumber(201));
    EXPECT_EQ(contentOf(saveBackupPath(path)), textNumber(200));
}

TEST(SaveWriter, ASaveHandedOverRightBeforeClosingIsWritten) {
    TempFolder folder;
    const std::string path = folder.file("save.json");
    {
        SaveWriter writer;
        queueSave(&writer, path, textNumber(1));
        queueSave(&writer, path, textNumber(2));
    }
    EXPECT_EQ(contentOf(path), textNumber(2));
}

TEST(SaveWriter, AFolderThatCannotBeWrittenIsReportedAndTheWriterGoesOn) {
    TempFolder folder;
    const std::string blocked = folder.file("blocker");
    std::ofstream(blocked) << "a file where a folder should be";
    SaveWriter writer;
    queueSave(&writer, blocked + "/save.json", textNumber(1));
    finishSaves(&writer);
    EXPECT_EQ(takeSaveResult(&writer), SaveWriteResult::Failed);
    const std::string path = folder.file("save.json");
    queueSave(&writer, path, textNumber(2));
    finishSaves(&writer);
    EXPECT_EQ(takeSaveResult(&writer), SaveWriteResult::Written);
    EXPECT_EQ(contentOf(path), textNumber(2));
}
