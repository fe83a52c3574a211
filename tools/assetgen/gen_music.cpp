// The menu music: a 16-bar loop in D dorian for flute, harp, plucked bass, pad,
// drone and frame drum, 120 beats a minute, 32 seconds, written as 16-bit stereo WAV.
//
// Form: A (bars 1-4) statement, A' (5-8) answer ending on an open G, B (9-12)
// climbs higher with a second flute, A'' (13-16) returns and walks down to A so the
// loop falls back onto the opening D minor bar.
//
// The loop is seamless: every note tail and every echo/reverb tail wraps from the
// end of the loop onto its start (see music_synth.hpp).
#include "art.hpp"
#include "generators.hpp"
#include "music_synth.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace music;

constexpr int kBars = 16;
constexpr int kEighthsPerBar = 8;
constexpr double kBeatsPerMinute = 120.0;
constexpr double kEighthSeconds = 30.0 / kBeatsPerMinute;
constexpr double kEighthFrames = kEighthSeconds * kSampleRate; // 5512.5
const long kLoopFrames = std::lround(kBars * kEighthsPerBar * kEighthFrames);

// ---------------------------------------------------------------------------
// Score

enum class Chord { Dm, C, F, G, Am };

struct ChordTones {
    int rootPc; // pitch class of the root (C = 0)
    int third;  // semitones above the root
};

ChordTones tonesOf(Chord chord) {
    switch (chord) {
    case Chord::Dm:
        return {2, 3};
    case Chord::C:
        return {0, 4};
    case Chord::F:
        return {5, 4};
    case Chord::G:
        return {7, 4};
    case Chord::Am:
        return {9, 3};
    }
    return {2, 3};
}

const std::array<Chord, kBars> kHarmony = {
    Chord::Dm, Chord::C, Chord::Dm, Chord::Am, // A
    Chord::Dm, Chord::C, Chord::F,  Chord::G,  // A'
    Chord::F,  Chord::C, Chord::G,  Chord::Am, // B
    Chord::Dm, Chord::C, Chord::G,  Chord::Am, // A''
};

struct ScoreNote {
    const char* pitch; // "D5", or "-" for a rest
    int eighths;
};

// The tune, bar by bar (each bar adds up to eight eighths).
// clang-format off
const std::vector<ScoreNote> kMelody = {
    // A
    {"A4", 2}, {"D5", 2}, {"E5", 1}, {"F5", 1}, {"E5", 2},
    {"C5", 3}, {"D5", 1}, {"E5", 2}, {"G4", 2},
    {"A4", 2}, {"F5", 2}, {"E5", 1}, {"D5", 1}, {"C5", 1}, {"D5", 1},
    {"E5", 4}, {"C5", 1}, {"B4", 1}, {"A4", 2},
    // A'
    {"A4", 2}, {"D5", 2}, {"E5", 1}, {"F5", 1}, {"G5", 2},
    {"E5", 3}, {"D5", 1}, {"C5", 2}, {"E5", 2},
    {"F5", 2}, {"A5", 2}, {"G5", 1}, {"F5", 1}, {"E5", 2},
    {"D5", 4}, {"G4", 2}, {"B4", 1}, {"C5", 1},
    // B
    {"F5", 2}, {"A5", 2}, {"C6", 4},
    {"B5", 1}, {"A5", 1}, {"G5", 2}, {"E5", 4},
    {"D5", 2}, {"G5", 2}, {"B5", 3}, {"A5", 1},
    {"A5", 4}, {"G5", 1}, {"F5", 1}, {"E5", 2},
    // A''
    {"D5", 2}, {"A4", 2}, {"D5", 1}, {"E5", 1}, {"F5", 2},
    {"G5", 2}, {"E5", 2}, {"C5", 3}, {"D5", 1},
    {"B4", 2}, {"D5", 2}, {"G5", 1}, {"F5", 1}, {"E5", 2},
    {"E5", 4}, {"D5", 1}, {"C5", 1}, {"B4", 2},
};
// clang-format on

// Bass line: one plucked note per entry, at an eighth position inside the bar.
struct BassNote {
    int eighth;
    int semitonesFromRoot; // relative to the chord root in octave 2
    int eighths;
};
const std::vector<BassNote> kBassBar = {{0, 0, 4}, {4, 7, 3}};
// The last bar walks down A - G - E onto the D that opens the loop.
const std::vector<BassNote> kBassLastBar = {{0, 0, 4}, {4, -2, 2}, {6, -5, 2}};

// Frame drum: eighth position, tone (0 deep .. 1 light), level.
struct DrumHit {
    int eighth;
    float tone;
    float level;
};
const std::vector<DrumHit> kDrumSparse = {{0, 0.0f, 1.0f}, {4, 0.1f, 0.6f}, {7, 0.8f, 0.35f}};
const std::vector<DrumHit> kDrumFull = {{0, 0.0f, 1.0f}, {3, 0.8f, 0.4f}, {4, 0.1f, 0.65f}, {7, 0.8f, 0.45f}};
// A short roll of light taps at the end of the loop, leading back into bar 1.
const std::vector<DrumHit> kDrumTurnaround = {{0, 0.0f, 1.0f}, {3, 0.8f, 0.4f},   {4, 0.1f, 0.65f},
                                              {5, 0.9f, 0.3f}, {6, 0.85f, 0.38f}, {7, 0.8f, 0.48f}};

// Harp arpeggio over each chord, as intervals above the root (third filled in per chord).
constexpr int kThirdMark = 100;
const std::array<int, kEighthsPerBar> kHarpPattern = {0, 7, 12, kThirdMark + 12, 19, kThirdMark + 12, 12, 7};
// The chord the harp rolls in the B section, low to high.
const std::array<int, 4> kHarpRoll = {0, 7, 12, kThirdMark + 12};

// ---------------------------------------------------------------------------
// Sequencer helpers

long frameAt(int bar, double eighth) {
    return std::lround((bar * kEighthsPerBar + eighth) * kEighthFrames);
}

// A small, repeatable nudge in timing (a few milliseconds) so the parts breathe.
long humanize(uint32_t id, uint32_t part, double milliseconds) {
    return std::lround(hashNoise(id, part) * milliseconds * 0.001 * kSampleRate);
}

// Places `pc` in the octave that puts it in [low, low + 12).
int inRange(int pc, int low) {
    return low + ((pc - low) % 12 + 12) % 12;
}

// Highest tone of `chord` at least a minor third under `melody`.
int harmonyUnder(int melody, Chord chord) {
    const ChordTones t = tonesOf(chord);
    const int pcs[3] = {t.rootPc, (t.rootPc + t.third) % 12, (t.rootPc + 7) % 12};
    for (int n = melody - 3; n > melody - 15; --n)
        for (int pc : pcs)
            if ((n % 12 + 12) % 12 == pc)
                return n;
    return melody - 12;
}

// The three buses the parts play into: dry, and the sends to echo and reverb.
struct Mixer {
    LoopBuffer dry = makeLoopBuffer(kLoopFrames);
    LoopBuffer echoSend = makeLoopBuffer(kLoopFrames);
    LoopBuffer reverbSend = makeLoopBuffer(kLoopFrames);
};

struct Placement {
    float gain;
    float pan;
    float echo;   // send level to the echo
    float reverb; // send level to the reverb
};

void place(Mixer* mix, long frame, const Mono& sound, const Placement& p) {
    mixWrapped(&mix->dry, frame, sound, p.gain, p.pan);
    if (p.echo > 0.0f)
        mixWrapped(&mix->echoSend, frame, sound, p.gain * p.echo, p.pan);
    if (p.reverb > 0.0f)
        mixWrapped(&mix->reverbSend, frame, sound, p.gain * p.reverb, p.pan);
}

// ---------------------------------------------------------------------------
// Parts

void playMelody(Mixer* mix) {
    int position = 0; // in eighths from the loop start
    uint32_t id = 0;
    for (const ScoreNote& note : kMelody) {
        const int bar = position / kEighthsPerBar;
        const int eighth = position % kEighthsPerBar;
        const int midi = noteFromName(note.pitch);
        position += note.eighths;
        ++id;
        if (midi < 0)
            continue;
        const double held = note.eighths * kEighthSeconds - 0.04;
        const float accent = eighth == 0 ? 0.1f : (eighth == 4 ? 0.05f : 0.0f);
        const float velocity = 0.8f + accent + 0.05f * hashNoise(id, 11);
        const long frame = frameAt(bar, eighth) + humanize(id, 12, 4.0);
        place(mix, frame, renderFlute(midiToHz(midi), held, velocity, 1000 + id),
              {0.42f, 0.1f, 0.28f, 0.35f});

        // From the B section on, a second flute sings a chord tone underneath.
        if (bar >= 8) {
            const int low = harmonyUnder(midi, kHarmony[bar]);
            const long frame2 = frameAt(bar, eighth) + humanize(id, 13, 6.0);
            place(mix, frame2, renderFlute(midiToHz(low), held, velocity * 0.8f, 2000 + id),
                  {0.25f, -0.35f, 0.2f, 0.4f});
        }
    }
    if (position != kBars * kEighthsPerBar)
        std::fprintf(stderr, "assetgen: melody spans %d eighths, expected %d\n", position,
                     kBars * kEighthsPerBar);
}

int harpNote(int root, int third, int step) {
    return root + (step >= kThirdMark ? step - kThirdMark + third : step);
}

void pluckHarp(Mixer* mix, long frame, int midi, double held, float velocity, float pan, uint32_t id) {
    const Mono sound = renderPluck(midiToHz(midi), held, 2.2, 0.45f, 3000 + id);
    place(mix, frame, sound, {0.45f * velocity, pan, 0.0f, 0.45f});
}

void playHarp(Mixer* mix) {
    for (int bar = 0; bar < kBars; ++bar) {
        const ChordTones t = tonesOf(kHarmony[bar]);
        const int root = inRange(t.rootPc, 45); // A2..G#3
        const bool rolled = bar >= 8 && bar < 12;
        for (int e = 0; e < kEighthsPerBar; ++e) {
            const uint32_t id = static_cast<uint32_t>(bar * kEighthsPerBar + e) * 4;
            const float velocity = (e == 0 ? 1.0f : 0.75f) + 0.1f * hashNoise(id, 21);
            if (!rolled) {
                const int midi = harpNote(root, t.third, kHarpPattern[e]);
                pluckHarp(mix, frameAt(bar, e) + humanize(id, 22, 3.0), midi, 3 * kEighthSeconds, velocity,
                          -0.4f, id);
                continue;
            }
            // In the B section the harp rolls the chord on beats 1 and 3 and lets it ring.
            if (e % 4 != 0)
                continue;
            for (int k = 0; k < static_cast<int>(kHarpRoll.size()); ++k) {
                const int midi = harpNote(root, t.third, kHarpRoll[k]);
                const long frame = frameAt(bar, e + 0.09 * k) + humanize(id + k, 22, 3.0);
                pluckHarp(mix, frame, midi, 4 * kEighthSeconds, velocity * 0.85f, -0.5f + 0.15f * k, id + k);
            }
        }
    }
}

void playBass(Mixer* mix) {
    for (int bar = 0; bar < kBars; ++bar) {
        const int root = inRange(tonesOf(kHarmony[bar]).rootPc, 36); // C2..B2
        const std::vector<BassNote>& line = bar == kBars - 1 ? kBassLastBar : kBassBar;
        for (size_t i = 0; i < line.size(); ++i) {
            const BassNote& b = line[i];
            const uint32_t id = static_cast<uint32_t>(bar * 8 + i);
            const double held = b.eighths * kEighthSeconds - 0.03;
            const Mono sound = renderPluck(midiToHz(root + b.semitonesFromRoot), held, 1.6, 0.18f, 4000 + id);
            const float level = b.eighth == 0 ? 0.9f : 0.75f;
            place(mix, frameAt(bar, b.eighth) + humanize(id, 31, 2.0), sound, {level, 0.0f, 0.0f, 0.08f});
        }
    }
}

void playPad(Mixer* mix) {
    for (int bar = 0; bar < kBars; ++bar) {
        const ChordTones t = tonesOf(kHarmony[bar]);
        const int pcs[3] = {t.rootPc, (t.rootPc + t.third) % 12, (t.rootPc + 7) % 12};
        const float level = (bar >= 8 && bar < 12) ? 0.1f : 0.065f;
        for (int pc : pcs) {
            const double hz = midiToHz(inRange(pc, 50)); // D3..C#4, close voicing
            const double held = kEighthsPerBar * kEighthSeconds;
            // Opposite detune on each side gives the pad its width.
            place(mix, frameAt(bar, 0), renderPad(hz, held, 6.0), {level, -0.8f, 0.0f, 0.5f});
            place(mix, frameAt(bar, 0), renderPad(hz, held, -6.0), {level, 0.8f, 0.0f, 0.5f});
        }
    }
}

void playDrone(Mixer* mix) {
    place(mix, 0, renderDroneLoop(kLoopFrames, midiToHz(38), 4.0, 51), {0.07f, -0.15f, 0.0f, 0.2f}); // D2
    place(mix, 0, renderDroneLoop(kLoopFrames, midiToHz(45), 3.0, 52), {0.05f, 0.15f, 0.0f, 0.2f});  // A2
}

void playPercussion(Mixer* mix) {
    for (int bar = 0; bar < kBars; ++bar) {
        const std::vector<DrumHit>& pattern =
            bar == kBars - 1 ? kDrumTurnaround : (bar < 4 ? kDrumSparse : kDrumFull);
        for (size_t i = 0; i < pattern.size(); ++i) {
            const DrumHit& h = pattern[i];
            const uint32_t id = static_cast<uint32_t>(bar * 16 + i);
            const float level = h.level * (0.9f + 0.1f * hashNoise(id, 41));
            place(mix, frameAt(bar, h.eighth) + humanize(id, 42, 3.0), renderFrameDrum(h.tone, 5000 + id),
                  {0.36f * level, 0.05f, 0.0f, 0.15f});
        }
        // Jingles on beats 2 and 4 once the tune has been stated.
        if (bar >= 4) {
            for (int e : {2, 6}) {
                const uint32_t id = static_cast<uint32_t>(bar * 8 + e);
                const float level = 0.05f + 0.01f * hashNoise(id, 43);
                place(mix, frameAt(bar, e) + humanize(id, 44, 4.0), renderJingle(6000 + id),
                      {level, 0.35f, 0.0f, 0.3f});
            }
        }
    }
}

void playChimes(Mixer* mix) {
    struct Chime {
        int bar;
        const char* pitch;
    };
    const Chime chimes[] = {{0, "A5"}, {8, "F5"}, {12, "D5"}};
    for (const Chime& c : chimes)
        place(mix, frameAt(c.bar, 0), renderChime(midiToHz(noteFromName(c.pitch))),
              {0.16f, -0.2f, 0.5f, 0.6f});
}

// ---------------------------------------------------------------------------
// Mixdown

float rms(const LoopBuffer& loop) {
    double sum = 0.0;
    for (size_t i = 0; i < loop.left.size(); ++i)
        sum += loop.left[i] * loop.left[i] + loop.right[i] * loop.right[i];
    return static_cast<float>(std::sqrt(sum / (2.0 * loop.left.size())));
}

LoopBuffer mixDown(const Mixer& mix) {
    // Echo first (dotted eighth, ping-pong), its repeats also feed the reverb.
    const LoopBuffer echo =
        runLooped(mix.echoSend, PingPongEcho(std::lround(3 * kEighthFrames / 2), 0.38f, 0.35f));
    LoopBuffer reverbIn = mix.reverbSend;
    mixLoop(&reverbIn, echo, 0.5f);
    const LoopBuffer reverb = runLooped(reverbIn, Reverb(0.84f, 0.3f));

    LoopBuffer master = mix.dry;
    mixLoop(&master, echo, 0.6f);
    mixLoop(&master, reverb, 0.9f);
    std::printf("assetgen: music rms dry %.4f echo %.4f reverb %.4f\n", rms(mix.dry), rms(echo) * 0.6f,
                rms(reverb) * 0.9f);
    return master;
}

} // namespace

void genMusic() {
    Mixer mix;
    playDrone(&mix);
    playPad(&mix);
    playBass(&mix);
    playHarp(&mix);
    playMelody(&mix);
    playPercussion(&mix);
    playChimes(&mix);

    LoopBuffer master = mixDown(mix);
    softKnee(&master, 0.4f, 1.4f);
    normalizeLoop(&master, -1.0f);
    const std::vector<int16_t> pcm = toPcm16(master);
    const std::string path = art::out("Musics/MenuMusic.wav");
    if (writeWav16(path, pcm, 2, kSampleRate))
        std::printf("assetgen: wrote %s (%.2f s, %d Hz stereo)\n", path.c_str(),
                    static_cast<double>(kLoopFrames) / kSampleRate, kSampleRate);
}
