// The game's one piece of music, looping from start-up to the end of the run.
#pragma once

#include <SFML/Audio/Music.hpp>

#include <memory>

inline constexpr const char* kMenuMusicPath = "Assets/Musics/MenuMusic.wav";
inline constexpr float kDefaultMusicVolume = 25.f;

struct MusicRecord {
    // Created only when an audio device exists: without one, every call on a stream
    // makes the audio library report an error, so a silent machine gets no stream at all.
    std::unique_ptr<sf::Music> mainTheme;
    bool opened = false; // the file was found and decoded
    float volume = kDefaultMusicVolume;
};

std::unique_ptr<MusicRecord> createMusicRecord();
void initMusic(MusicRecord* music);
// Volume 0 to 100 (values outside are clamped); ignored when the game runs silent.
void setMusicVolume(MusicRecord* music, float volume);
// True when the machine has an audio output the game can open. Asked once per run, with
// whatever the audio library prints about a missing output kept off the terminal.
bool audioDeviceAvailable();
