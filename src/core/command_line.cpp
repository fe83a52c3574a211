#include "core/command_line.hpp"

#include <CLI/CLI.hpp>

#include <sstream>

#ifndef OSTREVALD_VERSION
#define OSTREVALD_VERSION "0.0.0"
#endif

const char* gameVersion() { return OSTREVALD_VERSION; }

CommandLineOutcome parseCommandLine(int argc, const char* const* argv, CommandLine* line) {
    CommandLine parsed;
    CLI::App app{"Ostrevald: a turn-based tactics game with card battles.", "ostrevald"};
    app.set_version_flag("--version", std::string("ostrevald ") + OSTREVALD_VERSION, "Print the version and exit");
    app.add_flag("--windowed", parsed.windowed, "Open a normal window instead of full screen");
    app.add_option("--seed", parsed.seed, "Seed the random generators, to replay a run (default: the time)")
        ->type_name("N");
    app.add_option("--data-dir", parsed.dataDir, "Read the game's data from DIR")->type_name("DIR");
    app.add_option("--user-dir", parsed.userDir, "Keep settings and generated levels in DIR")->type_name("DIR");
    app.add_flag("--self-test", parsed.selfTest,
                 "Start a new game, play its first frames and exit (checks an install)");
    app.footer("Environment: OSTREVALD_SEED, OSTREVALD_WINDOWED=1, OSTREVALD_DATA_DIR, OSTREVALD_HOME\n"
               "(the options win over them), XDG_CONFIG_HOME, XDG_DATA_HOME. See ostrevald(6).");

    CommandLineOutcome outcome;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& stop) {
        outcome.play = false;
        if (stop.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            // --help and --version: shown, and nothing else runs.
            std::ostringstream out;
            std::ostringstream err;
            app.exit(stop, out, err);
            outcome.output = out.str();
            return outcome;
        }
        outcome.exitCode = 2;
        outcome.error = std::string("ostrevald: ") + stop.what() + "\n" + app.help();
        return outcome;
    }
    parsed.seedGiven = app.count("--seed") > 0;
    *line = parsed;
    return outcome;
}
