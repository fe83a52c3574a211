// The game's sound effects: every effect file decoded once into a buffer that never moves,
// a fixed pool of voices reused oldest-first, each effect started at most once per frame.
// Without an audio device nothing is decoded and no voice is made: every call still keeps
// its books (what was asked, what the pool would have done) and prints nothing.
//
// One module for the whole run, like the picture cache: any library calls playSound at the
// moment something happens.
#pragma once

#include <array>
#include <cstdint>

enum class Sound : std::int32_t {
    ButtonHover,
    ButtonClick,
    HeroSelected,
    HeroStep,
    EnemyStep,
    EndTurn,
    CrateGold,
    CampHeal,
    FightOpen,
    CardPicked,
    CardPlayed,
    Hit,
    ArmorGained,
    Boost,
    FighterFall,
    BattleWon,
    BattleLost,
    LevelCleared,
    Hire,
    Refused,
    WinScreen,
    DefeatScreen,
    Count
};
constexpr int kSoundCount = static_cast<int>(Sound::Count);

inline constexpr std::array<const char*, kSoundCount> kSoundPaths = {
    "Assets/Sounds/ButtonHover.wav",  "Assets/Sounds/ButtonClick.wav",  "Assets/Sounds/HeroSelected.wav",
    "Assets/Sounds/HeroStep.wav",     "Assets/Sounds/EnemyStep.wav",    "Assets/Sounds/EndTurn.wav",
    "Assets/Sounds/CrateGold.wav",    "Assets/Sounds/CampHeal.wav",     "Assets/Sounds/FightOpen.wav",
    "Assets/Sounds/CardPicked.wav",   "Assets/Sounds/CardPlayed.wav",   "Assets/Sounds/Hit.wav",
    "Assets/Sounds/ArmorGained.wav",  "Assets/Sounds/Boost.wav",        "Assets/Sounds/FighterFall.wav",
    "Assets/Sounds/BattleWon.wav",    "Assets/Sounds/BattleLost.wav",   "Assets/Sounds/LevelCleared.wav",
    "Assets/Sounds/Hire.wav",         "Assets/Sounds/Refused.wav",      "Assets/Sounds/WinScreen.wav",
    "Assets/Sounds/DefeatScreen.wav",
};

// Voices sounding at once; a play when all are busy takes over the one started longest ago.
constexpr int kSoundVoices = 16;
// The audio library's own limit of sources at once; the music's stream holds one.
constexpr int kAudioSourceLimit = 256;
static_assert(kSoundVoices + 1 <= kAudioSourceLimit, "the voices and the music fit the audio library");
inline constexpr float kDefaultSoundVolume = 25.f;

// What the module was asked and what its pool did, since start-up or the last reset.
struct SoundBooks {
    std::array<std::int32_t, kSoundCount> asked{};  // playSound calls
    std::array<std::int32_t, kSoundCount> played{}; // given a voice (or would have been, silent)
    std::int32_t sameFrame = 0;    // calls dropped: that effect had already started this frame
    std::int32_t muted = 0;        // calls dropped: the volume is 0
    std::int32_t voicesMade = 0;   // voices the pool created (never more than kSoundVoices)
    std::int32_t voicesTaken = 0;  // plays that cut a busy voice short (the oldest one)
    std::int32_t buffersLoaded = 0; // effect files decoded
    // The voice each pool slot last played, and the order the slots were started in.
    std::array<std::int32_t, kSoundVoices> slotSound{};
    std::array<std::uint64_t, kSoundVoices> slotStarted{};
};

// Decodes every effect file once, when an audio device exists. Safe to call again.
void initSounds();
// Starts `sound` on a voice, unless it already started this frame or the volume is 0.
void playSound(Sound sound);
// A new frame: every effect may start once again.
void beginSoundFrame();
// Volume 0 to 100 (clamped), applied at once to every voice, sounding or not.
void setSoundVolume(float volume);
float soundVolume();
// True when the module plays through a device (false: it only keeps its books).
bool soundDeviceOpen();
const SoundBooks& soundBooks();
// The volume each made voice has now (only the first voicesMade are meaningful).
std::array<float, kSoundVoices> voiceVolumes();
// Voices sounding now (0 without a device).
int soundingVoices();
// Forgets the books (the buffers and voices stay).
void resetSoundBooks();
