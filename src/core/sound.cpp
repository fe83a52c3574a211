#include "core/sound.hpp"

#include "core/audio.hpp"
#include "core/data_dir.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

struct SoundModule {
    bool initialized = false;
    bool device = false;
    // Made only with a device (each buffer holds an audio-library object); declared before
    // the voices so that the voices, which point at them, go first.
    std::unique_ptr<std::array<sf::SoundBuffer, kSoundCount>> buffers;
    std::array<bool, kSoundCount> loaded{};
    std::array<std::optional<sf::Sound>, kSoundVoices> voices;
    std::array<std::uint64_t, kSoundCount> startedInFrame{};
    std::uint64_t frame = 1;
    std::uint64_t serial = 0;
    float volume = kDefaultSoundVolume;
    SoundBooks books;
};

SoundModule& module() {
    static SoundModule instance;
    return instance;
}

bool voiceIdle(const SoundModule& m, int slot) {
    const auto& voice = m.voices[static_cast<std::size_t>(slot)];
    return voice && voice->getStatus() == sf::Sound::Stopped;
}

// The slot a new play goes to: an idle voice, else a voice not made yet, else the busy voice
// started longest ago. Each group is searched oldest first.
int chooseSlot(SoundModule& m) {
    int best = -1;
    for (int i = 0; i < kSoundVoices; ++i)
        if (voiceIdle(m, i) && (best < 0 || m.books.slotStarted[i] < m.books.slotStarted[best])) best = i;
    if (best >= 0) return best;
    for (int i = 0; i < kSoundVoices; ++i)
        if (m.books.slotStarted[static_cast<std::size_t>(i)] == 0) return i;
    best = 0;
    for (int i = 1; i < kSoundVoices; ++i)
        if (m.books.slotStarted[static_cast<std::size_t>(i)] < m.books.slotStarted[static_cast<std::size_t>(best)]) best = i;
    m.books.voicesTaken += 1;
    return best;
}

void clearSlots(SoundBooks* books) {
    books->slotSound.fill(-1);
    books->slotStarted.fill(0);
}

} // namespace

void initSounds() {
    SoundModule& m = module();
    if (m.initialized) return;
    m.initialized = true;
    clearSlots(&m.books);
    m.device = audioDeviceAvailable();
    if (!m.device) return;
    m.buffers = std::make_unique<std::array<sf::SoundBuffer, kSoundCount>>();
    for (int i = 0; i < kSoundCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        m.loaded[index] = (*m.buffers)[index].loadFromFile(dataPath(kSoundPaths[index]));
        if (m.loaded[index]) m.books.buffersLoaded += 1;
    }
}

void playSound(Sound sound) {
    const int id = static_cast<int>(sound);
    if (id < 0 || id >= kSoundCount) return;
    SoundModule& m = module();
    if (!m.initialized) initSounds();
    const auto index = static_cast<std::size_t>(id);
    m.books.asked[index] += 1;
    if (m.startedInFrame[index] == m.frame) {
        m.books.sameFrame += 1;
        return;
    }
    if (m.volume <= 0.f) {
        m.books.muted += 1;
        return;
    }
    m.startedInFrame[index] = m.frame;
    const int slot = chooseSlot(m);
    const auto s = static_cast<std::size_t>(slot);
    m.books.played[index] += 1;
    m.books.slotSound[s] = id;
    m.books.slotStarted[s] = ++m.serial;
    if (!m.device || !m.loaded[index]) return;
    if (!m.voices[s]) {
        m.voices[s].emplace();
        m.books.voicesMade += 1;
    }
    sf::Sound& voice = *m.voices[s];
    voice.stop();
    voice.setBuffer((*m.buffers)[index]);
    voice.setVolume(m.volume);
    voice.play();
}

void beginSoundFrame() { module().frame += 1; }

void setSoundVolume(float volume) {
    SoundModule& m = module();
    m.volume = std::clamp(volume, 0.f, 100.f);
    for (auto& voice : m.voices)
        if (voice) voice->setVolume(m.volume);
}

float soundVolume() { return module().volume; }

bool soundDeviceOpen() {
    SoundModule& m = module();
    if (!m.initialized) initSounds();
    return m.device;
}

const SoundBooks& soundBooks() { return module().books; }

std::array<float, kSoundVoices> voiceVolumes() {
    std::array<float, kSoundVoices> volumes{};
    const SoundModule& m = module();
    for (int i = 0; i < kSoundVoices; ++i) {
        const auto& voice = m.voices[static_cast<std::size_t>(i)];
        volumes[static_cast<std::size_t>(i)] = voice ? voice->getVolume() : 0.f;
    }
    return volumes;
}

int soundingVoices() {
    int sounding = 0;
    for (const auto& voice : module().voices)
        if (voice && voice->getStatus() == sf::Sound::Playing) sounding += 1;
    return sounding;
}

void resetSoundBooks() {
    SoundModule& m = module();
    const std::int32_t made = m.books.voicesMade, loaded = m.books.buffersLoaded;
    const auto slots = m.books.slotSound;
    const auto started = m.books.slotStarted;
    m.books = SoundBooks{};
    // The pool itself is not forgotten: which slots are in use stays true.
    m.books.voicesMade = made;
    m.books.buffersLoaded = loaded;
    m.books.slotSound = slots;
    m.books.slotStarted = started;
    m.startedInFrame.fill(0);
    m.frame += 1;
}
