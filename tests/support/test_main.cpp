// Test entry point. Tests that open windows need an X display: when none is set, this
// starts a private Xvfb server for the run; it ends with the test process.
#include <gtest/gtest.h>

#include <csignal>
#include <dlfcn.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Starts Xvfb on display `number` and waits until it accepts clients: an X server whose
// parent ignores SIGUSR1 sends that signal to its parent once it is ready.
bool startPrivateDisplay(int number) {
    sigset_t ready, previous;
    sigemptyset(&ready);
    sigaddset(&ready, SIGUSR1);
    sigprocmask(SIG_BLOCK, &ready, &previous);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        signal(SIGUSR1, SIG_IGN);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        if (FILE* devnull = std::fopen("/dev/null", "w")) dup2(fileno(devnull), STDERR_FILENO);
        const std::string display = ":" + std::to_string(number);
        execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    bool started = false;
    if (pid > 0) {
        const timespec timeout{5, 0};
        started = sigtimedwait(&ready, nullptr, &timeout) == SIGUSR1;
        if (!started) kill(pid, SIGTERM);
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (started) setenv("DISPLAY", (":" + std::to_string(number)).c_str(), 1);
    return started;
}

} // namespace

// The software GL driver is unloaded when the last window closes; leak reports that
// point into an unloaded library cannot be read. Keeping it loaded keeps them readable.
void pinGraphicsDriver() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", "/usr/lib/x86_64-linux-gnu/libLLVM-15.so.1"}) {
        dlopen(path, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
        dlerror();
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    pinGraphicsDriver();
    // Relative Assets/ paths resolve from the repository root, as for the game.
    std::error_code ec;
    std::filesystem::current_path(OSTREVALD_SOURCE_DIR, ec);
    const char* current = std::getenv("DISPLAY");
    if (!current || !*current) {
        // Several test processes may start servers at once: spread the display numbers.
        int number = 200 + static_cast<int>(getpid() % 20000);
        for (int attempt = 0; attempt < 5 && !startPrivateDisplay(number); ++attempt) number += 20011;
    }
    // Every file the game writes goes to a folder of this process alone, so test processes
    // run side by side and no run touches the checkout.
    char folder[] = "/tmp/ostrevald-test-XXXXXX";
    const bool ownFolder = std::getenv("OSTREVALD_HOME") == nullptr && mkdtemp(folder) != nullptr;
    if (ownFolder) setenv("OSTREVALD_HOME", folder, 1);
    const int result = RUN_ALL_TESTS();
    if (ownFolder) std::filesystem::remove_all(folder, ec);
    return result;
}
