// Test entry point. Tests that open windows need an X display: when none is set, this
// starts a private Xvfb server for the run and stops it at the end.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

pid_t startPrivateDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        // The server ends with the test process, after every window is gone.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const std::string fd = std::to_string(fds[1]);
        // Quiet the server's own log; the display number comes back through the pipe.
        if (FILE* devnull = std::fopen("/dev/null", "w")) dup2(fileno(devnull), STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    const ssize_t n = read(fds[0], buffer, sizeof(buffer) - 1);
    close(fds[0]);
    if (pid < 0 || n <= 0) return -1;
    std::string display = ":" + std::string(buffer, static_cast<std::size_t>(n));
    while (!display.empty() && (display.back() == '\n' || display.back() == ' ')) display.pop_back();
    setenv("DISPLAY", display.c_str(), 1);
    return pid;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Relative Assets/ paths resolve from the repository root, as for the game.
    std::error_code ec;
    std::filesystem::current_path(OSTREVALD_SOURCE_DIR, ec);
    pid_t display = -1;
    const char* current = std::getenv("DISPLAY");
    if (!current || !*current) display = startPrivateDisplay();
    (void)display;
    return RUN_ALL_TESTS();
}
