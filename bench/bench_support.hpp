// What the drawing benchmarks share: waiting until the graphics driver has drawn everything
// sent so far (the software driver rasterises only then, so a frame is timed whole), and
// running set-up code whose console traces would flood the benchmark's output.
#pragma once

#include <SFML/Window/Context.hpp>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

// Waits until every drawing command sent so far has run (needs an active GL context).
inline void finishDrawing() {
    using FinishFunction = void (*)();
    static const auto finish = reinterpret_cast<FinishFunction>(sf::Context::getFunction("glFinish"));
    if (finish) finish();
}

// Runs `work` with standard output sent to the null device.
inline void quietly(const std::function<void()>& work) {
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    work();
    std::fflush(stdout);
    if (saved >= 0) dup2(saved, STDOUT_FILENO);
    if (null >= 0) close(null);
    if (saved >= 0) close(saved);
}
