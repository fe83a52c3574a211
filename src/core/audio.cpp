#include "core/audio.hpp"

#include "core/data_dir.hpp"

#include <dlfcn.h>

#include <algorithm>

std::unique_ptr<MusicRecord> createMusicRecord() { return std::make_unique<MusicRecord>(); }

bool audioDeviceAvailable() {
    // Ask the audio library directly, before any stream exists, so that a machine
    // without sound output is found once instead of failing on every call.
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
