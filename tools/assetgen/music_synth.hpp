// Small synthesizer kit for the menu music: instrument voices, a looping stereo
// buffer, looped effects and a 16-bit WAV writer.
//
// Everything here is deterministic: noise comes from an integer hash, never from a
// clock or a global generator, so the generator writes the same bytes on every run.
//
// Seamless looping rests on two rules:
//  - every sound is mixed into a LoopBuffer with mixWrapped(), so a tail that runs
//    past the end of the loop comes back in at its start;
//  - effects with memory (echo, reverb) run over the loop twice through runLooped(),
//    and only the second pass is kept, so their state at the start of the loop is
//    the state they had at its end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace music {

constexpr int kSampleRate = 22050;

using Mono = std::vector<float>;

// A stereo loop: frame i of the music is left[i], right[i].
struct LoopBuffer {
    Mono left;
    Mono right;
};

LoopBuffer makeLoopBuffer(long frames);
long loopFrames(const LoopBuffer& loop);

// Adds a mono sound at startFrame (taken modulo the loop length), wrapping its tail
// around to the beginning. pan runs from -1 (left) to 1 (right), equal-power.
void mixWrapped(LoopBuffer* loop, long startFrame, const Mono& sound, float gain, float pan);
// Adds src * gain into dst frame by frame (both the same length).
void mixLoop(LoopBuffer* dst, const LoopBuffer& src, float gain);

// Equal-tempered pitch, A4 = MIDI 69 = 440 Hz.
double midiToHz(int midi);
// "D5", "F#3", "Bb4" -> MIDI number; "-" (a rest) -> -1.
int noteFromName(const char* name);

// Deterministic noise in [-1, 1] for any integer pair.
float hashNoise(uint32_t n, uint32_t seed);

// ---- Instrument voices. Each returns a mono sound that starts at its onset and
// ---- includes its own release tail.

// Wooden flute: a few soft harmonics, breath noise with a short chiff at the attack,
// delayed vibrato. seconds is how long the note is held.
Mono renderFlute(double hz, double seconds, float velocity, uint32_t seed);
// Plucked string (Karplus-Strong with a fractional-delay tuning allpass).
// brightness 0..1 shapes the pluck; ringSeconds is the decay to -60 dB;
// the string is damped after heldSeconds.
Mono renderPluck(double hz, double heldSeconds, double ringSeconds, float brightness, uint32_t seed);
// Soft pad: a rounded saw-like tone from two slightly detuned oscillators, slow
// attack and long release.
Mono renderPad(double hz, double heldSeconds, double detuneCents);
// Frame drum hit: a pitched skin that drops in pitch plus a short slap of noise.
// tone 0 = deep centre hit, 1 = light edge tap.
Mono renderFrameDrum(float tone, uint32_t seed);
// Tambourine-like jingle.
Mono renderJingle(uint32_t seed);
// Soft FM chime.
Mono renderChime(double hz);

// A drone that fills the whole loop. Its pitch and its slow swell are snapped to a
// whole number of cycles per loop so the waveform joins itself at the loop point.
Mono renderDroneLoop(long frames, double hz, double swellCyclesPerLoop, uint32_t seed);

// ---- Effects with memory. Each processes one stereo frame at a time.

// Stereo ping-pong echo with a darkening feedback path.
struct PingPongEcho {
    PingPongEcho(long delayFrames, float feedback, float damping);
    void process(float inL, float inR, float* outL, float* outR);

    Mono lineL, lineR;
    long pos = 0;
    float feedback, damping;
    float toneL = 0.0f, toneR = 0.0f;
};

// Small hall: eight damped combs and four allpasses per side, right side spread.
struct Reverb {
    Reverb(float roomFeedback, float damping);
    void process(float inL, float inR, float* outL, float* outR);

    struct Comb {
        Mono line;
        long pos = 0;
        float store = 0.0f;
    };
    struct Allpass {
        Mono line;
        long pos = 0;
    };
    static constexpr int kCombs = 8;
    static constexpr int kAllpasses = 4;
    Comb combL[kCombs], combR[kCombs];
    Allpass apL[kAllpasses], apR[kAllpasses];
    float feedback, damping;
};

// Runs an effect over the loop twice and returns the second pass, whose start
// already carries the tail of the loop's end.
template <class Effect> LoopBuffer runLooped(const LoopBuffer& in, Effect effect) {
    const long n = loopFrames(in);
    LoopBuffer out = makeLoopBuffer(n);
    for (int pass = 0; pass < 2; ++pass)
        for (long i = 0; i < n; ++i)
            effect.process(in.left[i], in.right[i], &out.left[i], &out.right[i]);
    return out;
}

// ---- Master and file.

// Removes any DC offset (the loop mean, so the loop stays periodic) and scales the
// loudest sample to peakDb dBFS. Returns the scale applied.
float normalizeLoop(LoopBuffer* loop, float peakDb);
// Rounds off the loudest peaks (downbeats where drum, bass and harp meet): samples
// above `knee` (after scaling the peak to `drive`) bend smoothly below 1, so the
// whole mix can sit a little louder. Stateless, so the loop stays seamless.
void softKnee(LoopBuffer* loop, float knee, float drive);
// Converts to interleaved 16-bit PCM (rounded, clamped).
std::vector<int16_t> toPcm16(const LoopBuffer& loop);
// Writes a canonical 44-byte-header PCM WAV, creating folders as needed.
bool writeWav16(const std::string& path, const std::vector<int16_t>& interleaved, int channels,
                int sampleRate);

} // namespace music
