#include "core/command_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLineOutcome parse(std::vector<const char*> words, CommandLine* line) {
    words.insert(words.begin(), "ostrevald");
    return parseCommandLine(static_cast<int>(words.size()), words.data(), line);
}

} // namespace

TEST(CommandLine, ReadsEveryOption) {
    CommandLine line;
    const CommandLineOutcome outcome =
        parse({"--windowed", "--seed", "4000000000", "--data-dir", "/opt/data", "--user-dir=/tmp/me", "--self-test"}, &line);
    EXPECT_TRUE(outcome.play);
    EXPECT_EQ(outcome.output + outcome.error, "");
    EXPECT_TRUE(line.windowed);
    EXPECT_TRUE(line.seedGiven);
    EXPECT_EQ(line.seed, 4000000000u);
    EXPECT_EQ(line.dataDir, "/opt/data");
    EXPECT_EQ(line.userDir, "/tmp/me");
    EXPECT_TRUE(line.selfTest);

    CommandLine plain;
    EXPECT_TRUE(parse({}, &plain).play);
    EXPECT_FALSE(plain.seedGiven);
    EXPECT_FALSE(plain.windowed);
    CommandLine zero;
    parse({"--seed", "0"}, &zero);
    EXPECT_TRUE(zero.seedGiven) << "seed 0 is a seed";
}

TEST(CommandLine, HelpAndVersionAnswerAndEndTheRun) {
    CommandLine line;
    const CommandLineOutcome help = parse({"--help"}, &line);
    EXPECT_FALSE(help.play);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--help", "--version", "--windowed", "--seed", "--data-dir", "--user-dir", "--self-test"})
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    EXPECT_EQ(help.error, "");

    const CommandLineOutcome version = parse({"--windowed", "--version"}, &line);
    EXPECT_FALSE(version.play);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, std::string("ostrevald ") + gameVersion() + "\n");
}

TEST(CommandLine, AWrongCommandLineGivesTheUsageAndStatusTwo) {
    const std::vector<std::vector<const char*>> wrong = {
        {"--fullscreen"}, {"-x"}, {"level3"}, {"--seed"}, {"--seed", "many"}, {"--seed", "-1"}, {"--seed", "4294967296"},
        {"--data-dir"},   {"--windowed=maybe"},
    };
    for (const auto& words : wrong) {
        CommandLine line;
        const CommandLineOutcome outcome = parse(words, &line);
        const std::string shown = words.back();
        EXPECT_FALSE(outcome.play) << shown;
        EXPECT_EQ(outcome.exitCode, 2) << shown;
        EXPECT_EQ(outcome.output, "") << shown;
        EXPECT_NE(outcome.error.find("Usage"), std::string::npos) << shown;
        EXPECT_FALSE(line.seedGiven) << shown;
    }
}
