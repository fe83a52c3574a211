#include "core/audio.hpp"

#include "core/data_dir.hpp"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

std::unique_ptr<MusicRecord> createMusicRecord() { return std::make_unique<MusicRecord>(); }

namespace {

// Standard error sent to the null device while alive: the audio library and the system
// layers under it report a missing output themselves, in lines the player has no use for.
struct QuietStandardError {
    int saved = -1;
    QuietStandardError() {
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;
};

bool probeAudioDevice() {
    const QuietStandardError quiet;
    void* library = dlopen("libopenal.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!library) return false;
    using OpenDevice = void* (*)(const char*);
    using CloseDevice = int (*)(void*);
    auto openDevice = reinterpret_cast<OpenDevice>(dlsym(library, "alcOpenDevice"));
    auto closeDevice = reinterpret_cast<CloseDevice>(dlsym(library, "alcCloseDevice"));
    bool available = false;
    if (openDevice && closeDevice) {
        if (void* device = openDevice(nullptr)) {
            available = true;
            closeDevice(device);
        }
    }
    // The library stays loaded: the audio module uses it for the rest of the run anyway.
    return available;
}

} // namespace

bool audioDeviceAvailable() {
    // Ask the audio library directly, before any stream exists, so that a machine without
    // sound output is found once (for the music and the sound effects alike) instead of
    // failing on every call.
    static const bool available = probeAudioDevice();
    return available;
}

void initMusic(MusicRecord* music) {
    if (!audioDeviceAvailable()) return;
    music->mainTheme = std::make_unique<sf::Music>();
    music->opened = music->mainTheme->openFromFile(dataPath(kMenuMusicPath));
    if (!music->opened) return;
    music->mainTheme->setLoop(true);
    music->mainTheme->play();
    setMusicVolume(music, kDefaultMusicVolume);
}

void setMusicVolume(MusicRecord* music, float volume) {
    music->volume = std::clamp(volume, 0.f, 100.f);
    if (music->mainTheme && music->opened) music->mainTheme->setVolume(music->volume);
}
