#include "music_synth.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace music {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

long toFrames(double seconds) {
    return std::lround(seconds * kSampleRate);
}

double clamp01(double x) {
    return std::min(1.0, std::max(0.0, x));
}

// 0 -> 1 over `length` seconds with a raised-cosine shape (no corner, so no click).
double riseCos(double t, double length) {
    if (length <= 0.0)
        return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * clamp01(t / length));
}

// 1 -> 0 over `length` seconds after `start`.
double fallCos(double t, double start, double length) {
    if (t <= start)
        return 1.0;
    return 0.5 + 0.5 * std::cos(kPi * clamp01((t - start) / length));
}

// One cycle of a rounded saw: harmonics 1/k with an extra gentle roll-off.
Mono roundedSawTable(int harmonics, double rolloff, int size) {
    Mono table(size);
    float peak = 0.0f;
    for (int i = 0; i < size; ++i) {
        const double x = kTwoPi * i / size;
        double v = 0.0;
        for (int k = 1; k <= harmonics; ++k)
            v += std::sin(k * x) / k * std::exp(-rolloff * (k - 1));
        table[i] = static_cast<float>(v);
        peak = std::max(peak, std::fabs(table[i]));
    }
    for (float& v : table)
        v /= peak;
    return table;
}

// Reads a one-cycle table at phase in [0, 1) with linear interpolation.
float readTable(const Mono& table, double phase) {
    const double pos = phase * table.size();
    const size_t i = static_cast<size_t>(pos) % table.size();
    const size_t j = (i + 1) % table.size();
    const float frac = static_cast<float>(pos - std::floor(pos));
    return table[i] + (table[j] - table[i]) * frac;
}

} // namespace

LoopBuffer makeLoopBuffer(long frames) {
    LoopBuffer loop;
    loop.left.assign(frames, 0.0f);
    loop.right.assign(frames, 0.0f);
    return loop;
}

long loopFrames(const LoopBuffer& loop) {
    return static_cast<long>(loop.left.size());
}

void mixWrapped(LoopBuffer* loop, long startFrame, const Mono& sound, float gain, float pan) {
    const long n = loopFrames(*loop);
    if (n == 0)
        return;
    const double angle = (std::max(-1.0f, std::min(1.0f, pan)) + 1.0) * kPi / 4.0;
    const float gl = gain * static_cast<float>(std::cos(angle) * std::sqrt(2.0));
    const float gr = gain * static_cast<float>(std::sin(angle) * std::sqrt(2.0));
    long pos = ((startFrame % n) + n) % n;
    for (float s : sound) {
        loop->left[pos] += s * gl;
        loop->right[pos] += s * gr;
        if (++pos == n)
            pos = 0;
    }
}

void mixLoop(LoopBuffer* dst, const LoopBuffer& src, float gain) {
    const long n = std::min(loopFrames(*dst), loopFrames(src));
    for (long i = 0; i < n; ++i) {
        dst->left[i] += src.left[i] * gain;
        dst->right[i] += src.right[i] * gain;
    }
}

double midiToHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int noteFromName(const char* name) {
    if (!name || name[0] == '-' || name[0] == '\0')
        return -1;
    static const int semitone[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    const char letter = name[0];
    if (letter < 'A' || letter > 'G')
        return -1;
    int note = semitone[letter - 'A'];
    int i = 1;
    if (name[i] == '#') {
        ++note;
        ++i;
    } else if (name[i] == 'b') {
        --note;
        ++i;
    }
    if (name[i] < '0' || name[i] > '9')
        return -1;
    const int octave = name[i] - '0';
    return 12 * (octave + 1) + note;
}

float hashNoise(uint32_t n, uint32_t seed) {
    uint32_t h = n * 0x9E3779B1u ^ (seed * 0x85EBCA77u + 0x165667B1u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>((h >> 8) * (2.0 / 16777215.0) - 1.0);
}

// ---------------------------------------------------------------------------
// Voices

Mono renderFlute(double hz, double seconds, float velocity, uint32_t seed) {
    const double attack = 0.06, release = 0.18;
    const long total = toFrames(seconds + release);
    Mono out(total);
    const double vibratoPhase = kPi * (hashNoise(1, seed) + 1.0);
    double phase = 0.0;
    float breath = 0.0f;
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Vibrato creeps in once the note has settled, as a player would do it.
        const double depth = 0.0045 * clamp01((t - 0.22) / 0.35);
        const double vibrato = depth * std::sin(kTwoPi * 5.1 * t + vibratoPhase);
        phase += kTwoPi * hz * (1.0 + vibrato) / kSampleRate;
        if (phase > kTwoPi)
            phase -= kTwoPi;
        const double tone = std::sin(phase) + 0.20 * std::sin(2 * phase) + 0.07 * std::sin(3 * phase) +
                            0.025 * std::sin(4 * phase);
        breath += 0.35f * (hashNoise(static_cast<uint32_t>(i), seed) - breath);
        const double chiff = 0.05 + 0.30 * std::exp(-t / 0.025);
        const double env =
            riseCos(t, attack) * (0.9 + 0.1 * std::exp(-t / 0.3)) * fallCos(t, seconds, release);
        out[i] = static_cast<float>(velocity * env * (0.8 * tone + chiff * breath));
    }
    return out;
}

Mono renderPluck(double hz, double heldSeconds, double ringSeconds, float brightness, uint32_t seed) {
    // Loop delay = buffer length + half a sample (averaging filter) + allpass delay.
    const double target = kSampleRate / hz - 0.5;
    long length = static_cast<long>(std::floor(target));
    double frac = target - length;
    if (frac < 0.1) {
        --length;
        frac += 1.0;
    }
    const float apCoef = static_cast<float>((1.0 - frac) / (1.0 + frac));

    // The pluck: low-passed noise, mean removed so the string carries no offset.
    Mono line(length);
    float lp = 0.0f, mean = 0.0f, peak = 1e-6f;
    const float coef = 0.12f + 0.8f * brightness;
    for (long i = 0; i < length; ++i) {
        lp += coef * (hashNoise(static_cast<uint32_t>(i), seed) - lp);
        line[i] = lp;
        mean += lp;
    }
    mean /= static_cast<float>(length);
    for (float& v : line) {
        v -= mean;
        peak = std::max(peak, std::fabs(v));
    }
    for (float& v : line)
        v /= peak;

    const float loss = static_cast<float>(std::pow(0.001, 1.0 / (hz * ringSeconds)));
    const double damp = 0.09;
    const long total = toFrames(heldSeconds + damp);
    Mono out(total);
    float prev = 0.0f, apIn = 0.0f, apOut = 0.0f;
    long pos = 0;
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float s = line[pos];
        const float avg = 0.5f * (s + prev) * loss;
        prev = s;
        const float ap = apCoef * avg + apIn - apCoef * apOut;
        apIn = avg;
        apOut = ap;
        line[pos] = ap;
        if (++pos == length)
            pos = 0;
        out[i] = static_cast<float>(s * riseCos(t, 0.002) * fallCos(t, heldSeconds, damp));
    }
    return out;
}

Mono renderPad(double hz, double heldSeconds, double detuneCents) {
    const double attack = 0.7, release = 1.4;
    const int harmonics = std::max(1, std::min(10, static_cast<int>(3500.0 / hz)));
    const Mono table = roundedSawTable(harmonics, 0.22, 2048);
    const double ratio = std::pow(2.0, detuneCents / 1200.0);
    const double stepA = hz * ratio / kSampleRate, stepB = hz / ratio / kSampleRate;
    const long total = toFrames(heldSeconds + release);
    Mono out(total);
    double phaseA = 0.0, phaseB = 0.37;
    float lp = 0.0f;
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float osc = 0.5f * (readTable(table, phaseA) + readTable(table, phaseB));
        phaseA += stepA;
        phaseB += stepB;
        phaseA -= std::floor(phaseA);
        phaseB -= std::floor(phaseB);
        lp += 0.3f * (osc - lp);
        const double env = riseCos(t, attack) * fallCos(t, heldSeconds, release);
        out[i] = static_cast<float>(lp * env);
    }
    return out;
}

Mono renderFrameDrum(float tone, uint32_t seed) {
    const auto mix = [tone](double deep, double light) { return deep + (light - deep) * tone; };
    const double startHz = mix(130, 230), endHz = mix(62, 170);
    const double bodyDecay = mix(0.28, 0.09), slapDecay = mix(0.010, 0.006), slapGain = mix(0.30, 0.45);
    const long total = toFrames(bodyDecay * 5.0);
    Mono out(total);
    double phase = 0.0;
    float slap = 0.0f;
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += kTwoPi * (endHz + (startHz - endHz) * std::exp(-t / 0.035)) / kSampleRate;
        const double body = std::sin(phase) * std::exp(-t / bodyDecay) +
                            0.25 * std::sin(1.59 * phase) * std::exp(-t / (bodyDecay * 0.4));
        slap += 0.5f * (hashNoise(static_cast<uint32_t>(i), seed) - slap);
        const double hit = body + slapGain * slap * std::exp(-t / slapDecay);
        out[i] = static_cast<float>(hit * riseCos(t, 0.0015) * fallCos(t, bodyDecay * 4.0, bodyDecay));
    }
    return out;
}

Mono renderJingle(uint32_t seed) {
    static const double kJingleHz[4] = {4700.0, 5900.0, 7300.0, 8600.0};
    double phases[4];
    for (int k = 0; k < 4; ++k)
        phases[k] = kPi * (hashNoise(100 + k, seed) + 1.0);
    const long total = toFrames(0.3);
    Mono out(total);
    float lp = 0.0f;
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float n = hashNoise(static_cast<uint32_t>(i), seed);
        lp += 0.3f * (n - lp);
        const float hiss = n - lp; // high-passed noise
        double metal = 0.0;
        for (int k = 0; k < 4; ++k)
            metal += std::sin(kTwoPi * kJingleHz[k] * t + phases[k]);
        metal *= 0.25 * (0.6 + 0.4 * n);
        const double env = riseCos(t, 0.002) * std::exp(-t / 0.07) * fallCos(t, 0.25, 0.05);
        out[i] = static_cast<float>(env * (0.5 * metal + 0.5 * hiss));
    }
    return out;
}

Mono renderChime(double hz) {
    const long total = toFrames(4.0);
    Mono out(total);
    for (long i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 1.1 * std::exp(-t / 0.3);
        const double modulator = std::sin(kTwoPi * hz * 3.5 * t);
        const double bell = std::sin(kTwoPi * hz * t + index * modulator) +
                            0.2 * std::sin(kTwoPi * hz * 2.0 * t) * std::exp(-t / 0.5);
        const double env = riseCos(t, 0.003) * std::exp(-t / 1.4) * fallCos(t, 3.6, 0.4);
        out[i] = static_cast<float>(bell * env);
    }
    return out;
}

Mono renderDroneLoop(long frames, double hz, double swellCyclesPerLoop, uint32_t seed) {
    const double loopSeconds = static_cast<double>(frames) / kSampleRate;
    // Whole numbers of cycles per loop: the waveform at frame `frames` equals frame 0.
    const long long cycles = std::max(1LL, std::llround(hz * loopSeconds));
    const long long swell = std::max(1LL, std::llround(swellCyclesPerLoop));
    const Mono table = roundedSawTable(7, 0.45, 2048);
    const double swellPhase = kPi * (hashNoise(7, seed) + 1.0);
    Mono out(frames);
    for (long i = 0; i < frames; ++i) {
        // Exact integer phase arithmetic keeps both oscillators strictly periodic.
        const double phaseA = static_cast<double>((cycles * i) % frames) / frames;
        // The second voice runs one cycle per loop faster: a very slow, gentle beating.
        const double phaseB = static_cast<double>(((cycles + 1) * i) % frames) / frames;
        const double lfo = std::sin(kTwoPi * static_cast<double>((swell * i) % frames) / frames + swellPhase);
        const double level = 0.8 + 0.2 * lfo;
        out[i] = static_cast<float>(level * 0.5 * (readTable(table, phaseA) + readTable(table, phaseB)));
    }
    return out;
}

// ---------------------------------------------------------------------------
// Effects

PingPongEcho::PingPongEcho(long delayFrames, float feedback_, float damping_)
    : lineL(delayFrames, 0.0f), lineR(delayFrames, 0.0f), feedback(feedback_), damping(damping_) {}

void PingPongEcho::process(float inL, float inR, float* outL, float* outR) {
    const float dL = lineL[pos], dR = lineR[pos];
    toneL += (1.0f - damping) * (dL - toneL);
    toneR += (1.0f - damping) * (dR - toneR);
    // Input enters on the left; each repeat crosses to the other side.
    lineL[pos] = 0.5f * (inL + inR) + toneR * feedback;
    lineR[pos] = toneL * feedback;
    if (++pos == static_cast<long>(lineL.size()))
        pos = 0;
    *outL = dL;
    *outR = dR;
}

Reverb::Reverb(float roomFeedback, float damping_) : feedback(roomFeedback), damping(damping_) {
    // Mutually prime delay lengths (at 22050 Hz); the right side is a little longer.
    static const long kCombLength[kCombs] = {558, 594, 639, 678, 711, 746, 779, 809};
    static const long kAllpassLength[kAllpasses] = {278, 221, 171, 113};
    const long spread = 12;
    for (int i = 0; i < kCombs; ++i) {
        combL[i].line.assign(kCombLength[i], 0.0f);
        combR[i].line.assign(kCombLength[i] + spread, 0.0f);
    }
    for (int i = 0; i < kAllpasses; ++i) {
        apL[i].line.assign(kAllpassLength[i], 0.0f);
        apR[i].line.assign(kAllpassLength[i] + spread, 0.0f);
    }
}

namespace {

float runComb(Reverb::Comb* c, float in, float feedback, float damping) {
    const float out = c->line[c->pos];
    c->store = out * (1.0f - damping) + c->store * damping;
    c->line[c->pos] = in + c->store * feedback;
    if (++c->pos == static_cast<long>(c->line.size()))
        c->pos = 0;
    return out;
}

float runAllpass(Reverb::Allpass* a, float in) {
    const float delayed = a->line[a->pos];
    a->line[a->pos] = in + delayed * 0.5f;
    if (++a->pos == static_cast<long>(a->line.size()))
        a->pos = 0;
    return delayed - in;
}

} // namespace

void Reverb::process(float inL, float inR, float* outL, float* outR) {
    const float in = 0.015f * (inL + inR);
    float l = 0.0f, r = 0.0f;
    for (int i = 0; i < kCombs; ++i) {
        l += runComb(&combL[i], in, feedback, damping);
        r += runComb(&combR[i], in, feedback, damping);
    }
    for (int i = 0; i < kAllpasses; ++i) {
        l = runAllpass(&apL[i], l);
        r = runAllpass(&apR[i], r);
    }
    *outL = l;
    *outR = r;
}

// ---------------------------------------------------------------------------
// Master and file

float normalizeLoop(LoopBuffer* loop, float peakDb) {
    const long n = loopFrames(*loop);
    if (n == 0)
        return 1.0f;
    double meanL = 0.0, meanR = 0.0;
    for (long i = 0; i < n; ++i) {
        meanL += loop->left[i];
        meanR += loop->right[i];
    }
    meanL /= n;
    meanR /= n;
    float peak = 1e-9f;
    for (long i = 0; i < n; ++i) {
        loop->left[i] -= static_cast<float>(meanL);
        loop->right[i] -= static_cast<float>(meanR);
        peak = std::max({peak, std::fabs(loop->left[i]), std::fabs(loop->right[i])});
    }
    const float scale = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
    for (long i = 0; i < n; ++i) {
        loop->left[i] *= scale;
        loop->right[i] *= scale;
    }
    return scale;
}

void softKnee(LoopBuffer* loop, float knee, float drive) {
    float peak = 1e-9f;
    for (size_t i = 0; i < loop->left.size(); ++i)
        peak = std::max({peak, std::fabs(loop->left[i]), std::fabs(loop->right[i])});
    // Above the knee the curve starts with slope 1 and flattens out (tanh), so
    // quiet passages are untouched and the join has no corner.
    const auto bend = [knee](float x) {
        const float a = std::fabs(x);
        if (a <= knee)
            return x;
        const float y = knee + (1.0f - knee) * std::tanh((a - knee) / (1.0f - knee));
        return x < 0.0f ? -y : y;
    };
    const float scale = drive / peak;
    for (size_t i = 0; i < loop->left.size(); ++i) {
        loop->left[i] = bend(loop->left[i] * scale);
        loop->right[i] = bend(loop->right[i] * scale);
    }
}

std::vector<int16_t> toPcm16(const LoopBuffer& loop) {
    const long n = loopFrames(loop);
    std::vector<int16_t> pcm(2 * n);
    const auto quantize = [](float x) {
        const long v = std::lround(x * 32767.0f);
        return static_cast<int16_t>(std::max(-32768L, std::min(32767L, v)));
    };
    for (long i = 0; i < n; ++i) {
        pcm[2 * i] = quantize(loop.left[i]);
        pcm[2 * i + 1] = quantize(loop.right[i]);
    }
    return pcm;
}

namespace {

void putU32(std::vector<unsigned char>* bytes, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes->push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void putU16(std::vector<unsigned char>* bytes, uint16_t v) {
    bytes->push_back(static_cast<unsigned char>(v & 0xFF));
    bytes->push_back(static_cast<unsigned char>(v >> 8));
}

void putTag(std::vector<unsigned char>* bytes, const char* tag) {
    bytes->insert(bytes->end(), tag, tag + 4);
}

} // namespace

bool writeWav16(const std::string& path, const std::vector<int16_t>& interleaved, int channels,
                int sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(interleaved.size() * 2);
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataBytes);
    putTag(&bytes, "RIFF");
    putU32(&bytes, 36 + dataBytes);
    putTag(&bytes, "WAVE");
    putTag(&bytes, "fmt ");
    putU32(&bytes, 16); // fmt chunk size
    putU16(&bytes, 1);  // PCM
    putU16(&bytes, static_cast<uint16_t>(channels));
    putU32(&bytes, static_cast<uint32_t>(sampleRate));
    putU32(&bytes, static_cast<uint32_t>(sampleRate * channels * 2)); // byte rate
    putU16(&bytes, static_cast<uint16_t>(channels * 2));              // block align
    putU16(&bytes, 16);                                               // bits per sample
    putTag(&bytes, "data");
    putU32(&bytes, dataBytes);
    for (int16_t s : interleaved)
        putU16(&bytes, static_cast<uint16_t>(s));

    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace music
