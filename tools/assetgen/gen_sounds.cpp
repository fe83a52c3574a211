// The sound effects: short mono clips made with the instruments of the menu music (harp
// plucks, frame drum, chime, jingle) and a little filtered noise, in the music's D dorian,
// so that every effect sounds like the same small band. Each clip is trimmed, faded out,
// freed of any offset and normalized to the peak of its kind (menu taps softer than
// fanfares), then written as 16-bit mono WAV at the music's rate.
#include "art.hpp"
#include "generators.hpp"
#include "music_synth.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace music;

constexpr double kPi = 3.14159265358979323846;

long framesOf(double seconds) { return std::lround(seconds * kSampleRate); }

double hz(const char* note) { return midiToHz(noteFromName(note)); }

// Adds `sound` into `clip` from `atSeconds` on, cut at the clip's end.
void add(Mono* clip, const Mono& sound, double atSeconds, float gain) {
    const long start = framesOf(atSeconds);
    for (long i = 0; i < static_cast<long>(sound.size()) && start + i < static_cast<long>(clip->size()); ++i)
        (*clip)[static_cast<std::size_t>(start + i)] += gain * sound[static_cast<std::size_t>(i)];
}

// A burst of noise through a one-pole filter: `lowpass` near 1 keeps only the rumble, near
// 0 the hiss; `bright` mixes the high-passed rest back in. Falls off with `decay` seconds.
Mono noiseBurst(double seconds, double decay, float lowpass, float bright, uint32_t seed) {
    Mono out(static_cast<std::size_t>(framesOf(seconds)));
    float lp = 0.f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float n = hashNoise(static_cast<uint32_t>(i), seed);
        lp += (1.f - lowpass) * (n - lp);
        const double env = std::min(1.0, t / 0.002) * std::exp(-t / decay);
        out[i] = static_cast<float>(env * (lp + bright * (n - lp)));
    }
    return out;
}

// Noise swept through a resonant band from `fromHz` to `toHz`: a card sliding, a swing.
Mono sweep(double seconds, double fromHz, double toHz, uint32_t seed) {
    Mono out(static_cast<std::size_t>(framesOf(seconds)));
    float low = 0.f, band = 0.f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = fromHz * std::pow(toHz / fromHz, t / seconds);
        const float g = static_cast<float>(2.0 * std::sin(kPi * f / kSampleRate));
        const float n = hashNoise(static_cast<uint32_t>(i), seed);
        low += g * band;
        band += g * (n - low - 0.35f * band);
        const double env = std::sin(kPi * std::min(1.0, t / seconds));
        out[i] = static_cast<float>(env * band);
    }
    return out;
}

// A low, slightly hollow tone with a quick fall: the "no" of a refused action.
Mono buzz(double frequency, double seconds) {
    Mono out(static_cast<std::size_t>(framesOf(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double p = 2.0 * kPi * frequency * t;
        const double tone = std::sin(p) + 0.45 * std::sin(3.0 * p) + 0.2 * std::sin(5.0 * p);
        const double env = std::min(1.0, t / 0.004) * std::exp(-t / (seconds * 0.45));
        out[i] = static_cast<float>(tone * env);
    }
    return out;
}

Mono pluck(const char* note, double held, double ring, float brightness, uint32_t seed) {
    return renderPluck(hz(note), held, ring, brightness, seed);
}

// Trims to `seconds`, fades the last 20 ms, removes the mean and scales the peak to `peakDb`.
void finish(Mono* clip, float peakDb) {
    const std::size_t n = clip->size();
    double mean = 0.0;
    for (float s : *clip) mean += s;
    mean /= static_cast<double>(std::max<std::size_t>(n, 1));
    const std::size_t fade = std::min<std::size_t>(n, static_cast<std::size_t>(framesOf(0.02)));
    float peak = 0.f;
    for (std::size_t i = 0; i < n; ++i) {
        float s = static_cast<float>((*clip)[i] - mean);
        if (i >= n - fade) s *= static_cast<float>(n - i) / static_cast<float>(fade);
        if (i < 32) s *= static_cast<float>(i) / 32.f; // no click at the start
        (*clip)[i] = s;
        peak = std::max(peak, std::fabs(s));
    }
    if (peak <= 0.f) return;
    const float scale = std::pow(10.f, peakDb / 20.f) / peak;
    for (float& s : *clip) s *= scale;
}

void save(const char* name, Mono clip, float peakDb) {
    finish(&clip, peakDb);
    std::vector<int16_t> pcm(clip.size());
    for (std::size_t i = 0; i < clip.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(clip[i], -1.f, 1.f) * 32767.f));
    const std::string path = art::out(std::string("Sounds/") + name + ".wav");
    if (writeWav16(path, pcm, 1, kSampleRate))
        std::printf("assetgen: wrote %s (%.2f s)\n", path.c_str(), static_cast<double>(clip.size()) / kSampleRate);
}

// Loudness of each kind of clip: menu feedback stays under the game's events.
constexpr float kSoftPeak = -9.f;
constexpr float kEventPeak = -4.f;
constexpr float kFanfarePeak = -2.f;

Mono clipOf(double seconds) { return Mono(static_cast<std::size_t>(framesOf(seconds)), 0.f); }

} // namespace

void genSounds() {
    // Menus.
    {
        Mono c = clipOf(0.12);
        add(&c, pluck("A5", 0.03, 0.12, 0.5f, 11), 0.0, 1.f);
        save("ButtonHover", c, kSoftPeak - 2.f);
    }
    {
        Mono c = clipOf(0.18);
        add(&c, renderFrameDrum(1.f, 12), 0.0, 0.7f);
        add(&c, pluck("D5", 0.04, 0.15, 0.7f, 13), 0.0, 0.8f);
        save("ButtonClick", c, kSoftPeak);
    }
    // The map.
    {
        Mono c = clipOf(0.36);
        add(&c, pluck("D5", 0.08, 0.3, 0.6f, 21), 0.0, 1.f);
        add(&c, pluck("A5", 0.1, 0.3, 0.6f, 22), 0.09, 0.9f);
        save("HeroSelected", c, kSoftPeak);
    }
    {
        Mono c = clipOf(0.11);
        add(&c, noiseBurst(0.11, 0.025, 0.93f, 0.08f, 31), 0.0, 1.f);
        save("HeroStep", c, kSoftPeak - 2.f);
    }
    {
        Mono c = clipOf(0.16);
        add(&c, noiseBurst(0.16, 0.04, 0.97f, 0.04f, 32), 0.0, 1.f);
        add(&c, renderFrameDrum(0.f, 33), 0.0, 0.35f);
        save("EnemyStep", c, kSoftPeak - 1.f);
    }
    {
        Mono c = clipOf(0.7);
        add(&c, renderFrameDrum(0.1f, 41), 0.0, 1.f);
        add(&c, renderFrameDrum(0.3f, 42), 0.16, 0.7f);
        add(&c, renderChime(hz("D5")), 0.0, 0.25f);
        save("EndTurn", c, kEventPeak);
    }
    {
        Mono c = clipOf(0.55);
        add(&c, renderJingle(51), 0.0, 0.8f);
        add(&c, renderJingle(52), 0.07, 0.6f);
        add(&c, renderChime(hz("A6")), 0.02, 0.35f);
        add(&c, renderChime(hz("D7")), 0.1, 0.25f);
        save("CrateGold", c, kEventPeak);
    }
    {
        Mono c = clipOf(1.0);
        const char* notes[] = {"D4", "F4", "A4", "D5", "E5"};
        for (int i = 0; i < 5; ++i) add(&c, pluck(notes[i], 0.3, 0.8, 0.45f, 60 + i), 0.09 * i, 0.8f);
        add(&c, renderChime(hz("A5")), 0.4, 0.3f);
        save("CampHeal", c, kEventPeak);
    }
    {
        Mono c = clipOf(1.0);
        add(&c, renderFrameDrum(0.f, 71), 0.0, 1.f);
        add(&c, renderFrameDrum(0.f, 72), 0.22, 1.f);
        add(&c, pluck("D3", 0.5, 1.0, 0.8f, 73), 0.22, 0.8f);
        add(&c, pluck("A3", 0.5, 1.0, 0.8f, 74), 0.22, 0.6f);
        add(&c, sweep(0.3, 300.0, 1800.0, 75), 0.0, 0.4f);
        save("FightOpen", c, kFanfarePeak);
    }
    // The battle.
    {
        Mono c = clipOf(0.09);
        add(&c, sweep(0.09, 2500.0, 5000.0, 81), 0.0, 1.f);
        save("CardPicked", c, kSoftPeak);
    }
    {
        Mono c = clipOf(0.28);
        add(&c, sweep(0.22, 700.0, 3500.0, 82), 0.0, 1.f);
        add(&c, renderFrameDrum(1.f, 83), 0.18, 0.4f);
        save("CardPlayed", c, kSoftPeak + 2.f);
    }
    {
        Mono c = clipOf(0.3);
        add(&c, renderFrameDrum(0.05f, 91), 0.0, 1.f);
        add(&c, noiseBurst(0.2, 0.03, 0.6f, 0.5f, 92), 0.0, 0.7f);
        save("Hit", c, kEventPeak);
    }
    {
        Mono c = clipOf(0.55);
        add(&c, renderChime(hz("D5")), 0.0, 0.8f);
        add(&c, renderChime(hz("G#5") * 1.01), 0.0, 0.5f); // a little off: the ring of metal
        add(&c, noiseBurst(0.08, 0.01, 0.2f, 0.9f, 101), 0.0, 0.4f);
        save("ArmorGained", c, kEventPeak);
    }
    {
        Mono c = clipOf(0.5);
        add(&c, renderChime(hz("A4")), 0.0, 0.7f);
        add(&c, renderChime(hz("E5")), 0.12, 0.7f);
        add(&c, sweep(0.3, 600.0, 4000.0, 111), 0.0, 0.25f);
        save("Boost", c, kEventPeak);
    }
    {
        Mono c = clipOf(0.9);
        const char* notes[] = {"D4", "A3", "F3"};
        for (int i = 0; i < 3; ++i) add(&c, pluck(notes[i], 0.2, 0.6, 0.4f, 120 + i), 0.13 * i, 0.8f);
        add(&c, renderFrameDrum(0.f, 124), 0.3, 0.8f);
        save("FighterFall", c, kEventPeak);
    }
    {
        Mono c = clipOf(1.2);
        const char* notes[] = {"D4", "F#4", "A4", "D5"};
        for (int i = 0; i < 4; ++i) add(&c, pluck(notes[i], 0.4, 0.9, 0.55f, 130 + i), 0.1 * i, 0.8f);
        add(&c, renderChime(hz("F#5")), 0.3, 0.3f);
        add(&c, renderJingle(135), 0.3, 0.25f);
        save("BattleWon", c, kFanfarePeak);
    }
    {
        Mono c = clipOf(1.3);
        const char* notes[] = {"D4", "C4", "A3"};
        for (int i = 0; i < 3; ++i) add(&c, pluck(notes[i], 0.4, 0.9, 0.3f, 140 + i), 0.22 * i, 0.8f);
        add(&c, renderPad(hz("D3"), 0.6, 8.0), 0.0, 0.35f);
        save("BattleLost", c, kFanfarePeak);
    }
    // Between levels and the end.
    {
        Mono c = clipOf(1.5);
        const char* notes[] = {"A3", "D4", "E4", "F4", "A4", "D5"};
        for (int i = 0; i < 6; ++i) add(&c, pluck(notes[i], 0.5, 1.0, 0.55f, 150 + i), 0.08 * i, 0.75f);
        add(&c, renderFrameDrum(0.2f, 157), 0.0, 0.6f);
        add(&c, renderChime(hz("D6")), 0.45, 0.35f);
        save("LevelCleared", c, kFanfarePeak);
    }
    {
        Mono c = clipOf(0.55);
        add(&c, renderJingle(161), 0.0, 0.6f);
        add(&c, pluck("A4", 0.15, 0.4, 0.6f, 162), 0.05, 0.9f);
        add(&c, pluck("D5", 0.2, 0.4, 0.6f, 163), 0.17, 0.9f);
        save("Hire", c, kEventPeak);
    }
    {
        Mono c = clipOf(0.32);
        add(&c, buzz(hz("A2"), 0.12), 0.0, 1.f);
        add(&c, buzz(hz("G#2"), 0.14), 0.15, 1.f);
        save("Refused", c, kSoftPeak + 1.f);
    }
    {
        Mono c = clipOf(2.2);
        const char* notes[] = {"D4", "F#4", "A4", "D5", "A4", "D5", "F#5", "A5"};
        const double at[] = {0.0, 0.12, 0.24, 0.36, 0.7, 0.82, 0.94, 1.06};
        for (int i = 0; i < 8; ++i) add(&c, pluck(notes[i], 0.6, 1.2, 0.6f, 170 + i), at[i], 0.7f);
        add(&c, renderFrameDrum(0.f, 180), 0.0, 0.8f);
        add(&c, renderFrameDrum(0.f, 181), 0.7, 0.8f);
        add(&c, renderChime(hz("D6")), 1.06, 0.4f);
        add(&c, renderJingle(182), 1.06, 0.3f);
        save("WinScreen", c, kFanfarePeak);
    }
    {
        Mono c = clipOf(2.4);
        const char* notes[] = {"A4", "F4", "E4", "D4"};
        for (int i = 0; i < 4; ++i) add(&c, pluck(notes[i], 0.5, 1.2, 0.3f, 190 + i), 0.35 * i, 0.75f);
        add(&c, renderPad(hz("D3"), 1.4, 10.0), 0.0, 0.4f);
        add(&c, renderFrameDrum(0.f, 195), 1.05, 0.7f);
        save("DefeatScreen", c, kFanfarePeak);
    }
}
