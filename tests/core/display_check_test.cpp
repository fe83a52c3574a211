// The start-up display check against an X server that resets when its last client leaves
// (as a plain xvfb-run starts it): the check must not leave the server without clients
// before the game window has its own connection.
#include "core/display.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// Xlib comes last: its macros (None, Status...) would clash with the headers above.
#include <X11/Xlib.h>

namespace {

// An Xvfb of its own on a free display, started without -noreset. Empty name: no server.
struct ResettingServer {
    pid_t pid = -1;
    std::string name;

    ResettingServer() {
        int ready[2];
        if (pipe(ready) != 0) return;
        // Everything the child needs is made before the fork.
        const std::string fd = std::to_string(ready[1]);
        const pid_t parent = getpid();
        pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent) _exit(1);
            close(ready[0]);
            if (FILE* devnull = std::fopen("/dev/null", "w")) dup2(fileno(devnull), STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // The server writes its display number and a newline once it accepts clients; the
        // pipe stays open until the whole line is in (a server whose line is cut short dies).
        std::string line;
        pollfd wait{ready[0], POLLIN, 0};
        while (pid > 0 && line.find('\n') == std::string::npos && poll(&wait, 1, 10000) == 1) {
            char chunk[16];
            const ssize_t got = read(ready[0], chunk, sizeof chunk);
            if (got <= 0) break;
            line.append(chunk, static_cast<std::size_t>(got));
        }
        if (line.find('\n') != std::string::npos) name = ":" + std::to_string(std::atoi(line.c_str()));
        close(ready[0]);
    }
    ~ResettingServer() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

// Whether the server knows an atom of that name (interned by a client since its last reset).
bool serverKnows(const std::string& display, const char* atom) {
    Display* connection = XOpenDisplay(display.c_str());
    if (!connection) return false;
    const bool known = XInternAtom(connection, atom, True) != 0;
    XCloseDisplay(connection);
    return known;
}

} // namespace

TEST(DisplayCheck, KeepsAServerThatResetsWithItsLastClientUpUntilTheWindowExists) {
    const ResettingServer server;
    ASSERT_FALSE(server.name.empty()) << "Xvfb could not be started";
    const char* previous = std::getenv("DISPLAY");
    const std::string saved = previous ? previous : "";
    setenv("DISPLAY", server.name.c_str(), 1);

    std::string why;
    const bool available = displayAvailable(&why);
    // Another client comes and goes, leaving a mark on the server; had the server been left
    // without clients after it, the server would have reset and forgotten the mark.
    Display* other = XOpenDisplay(server.name.c_str());
    if (other) {
        XInternAtom(other, "OSTREVALD_CHECK_MARK", False);
        XSync(other, False);
        XCloseDisplay(other);
    }
    const bool kept = serverKnows(server.name, "OSTREVALD_CHECK_MARK");
    releaseDisplayCheck();
    setenv("DISPLAY", saved.c_str(), 1);

    ASSERT_TRUE(available) << why;
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(kept) << "the server reset between the check and the window";
}

TEST(DisplayCheck, NoDisplaySaysWhatIsMissing) {
    const char* previous = std::getenv("DISPLAY");
    const std::string saved = previous ? previous : "";
    unsetenv("DISPLAY");
    std::string why;
    const bool available = displayAvailable(&why);
    setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_FALSE(available);
    EXPECT_NE(why.find("DISPLAY is not set"), std::string::npos) << why;
}
