#include "core/audio.hpp"
#include "core/sound.hpp"
#include "support/silent_output.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <numeric>

namespace {

int total(const std::array<std::int32_t, kSoundCount>& counts) { return std::accumulate(counts.begin(), counts.end(), 0); }

} // namespace

// A burst far beyond what a player makes: 1,000 plays spread over one second of frames.
TEST(SoundPool, AThousandPlaysInOneSecondNeverMakeMoreVoicesThanThePoolHolds) {
    useSilentAudioOutput();
    initSounds();
    resetSoundBooks();
    setSoundVolume(50.f);
    for (int play = 0; play < 1000; ++play) {
        if (play % 17 == 0) beginSoundFrame(); // 60 frames
        playSound(static_cast<Sound>(play * 7 % kSoundCount));
        ASSERT_LE(soundingVoices(), kSoundVoices);
    }
    const SoundBooks& books = soundBooks();
    EXPECT_EQ(total(books.asked), 1000);
    EXPECT_EQ(total(books.played) + books.sameFrame + books.muted, 1000);
    EXPECT_LE(books.voicesMade, kSoundVoices);
    EXPECT_LE(books.voicesMade + 1, kAudioSourceLimit) << "the voices and the music";
    if (soundDeviceOpen()) {
        EXPECT_EQ(books.buffersLoaded, kSoundCount) << "every effect file decoded, once";
        EXPECT_EQ(books.voicesMade, kSoundVoices);
        EXPECT_GT(soundingVoices(), 0);
    } else {
        EXPECT_EQ(books.voicesMade, 0);
    }

    // Reloading decodes nothing again.
    initSounds();
    EXPECT_EQ(soundBooks().buffersLoaded, books.buffersLoaded);
}

TEST(SoundPool, AnEffectStartsOncePerFrameAndAFullPoolGivesUpItsOldestVoice) {
    useSilentAudioOutput();
    initSounds();
    setSoundVolume(60.f);
    beginSoundFrame();
    resetSoundBooks();
    for (int i = 0; i < 1000; ++i) playSound(Sound::Hit);
    EXPECT_EQ(soundBooks().asked[static_cast<int>(Sound::Hit)], 1000);
    EXPECT_EQ(soundBooks().played[static_cast<int>(Sound::Hit)], 1);
    EXPECT_EQ(soundBooks().sameFrame, 999);
    beginSoundFrame();
    playSound(Sound::Hit);
    EXPECT_EQ(soundBooks().played[static_cast<int>(Sound::Hit)], 2) << "the next frame may play it again";

    // Sixteen long effects, one a frame, fill the pool; the one started first gives its voice
    // to the next play.
    std::array<std::uint64_t, kSoundVoices> startedBefore = soundBooks().slotStarted;
    int slotOfFirst = -1;
    for (int frame = 0; frame < kSoundVoices; ++frame) {
        beginSoundFrame();
        playSound(Sound::WinScreen);
        if (frame == 0)
            for (int s = 0; s < kSoundVoices; ++s)
                if (soundBooks().slotStarted[static_cast<std::size_t>(s)] != startedBefore[static_cast<std::size_t>(s)])
                    slotOfFirst = s;
    }
    ASSERT_GE(slotOfFirst, 0);
    for (const int sound : soundBooks().slotSound) EXPECT_EQ(sound, static_cast<int>(Sound::WinScreen));
    const int taken = soundBooks().voicesTaken;
    beginSoundFrame();
    playSound(Sound::DefeatScreen);
    EXPECT_EQ(soundBooks().slotSound[static_cast<std::size_t>(slotOfFirst)], static_cast<int>(Sound::DefeatScreen));
    EXPECT_EQ(soundBooks().voicesTaken, taken + 1);
    EXPECT_LE(soundBooks().voicesMade, kSoundVoices);

    // At volume 0 nothing takes a voice.
    setSoundVolume(0.f);
    beginSoundFrame();
    const int playedBefore = total(soundBooks().played);
    playSound(Sound::Refused);
    EXPECT_EQ(total(soundBooks().played), playedBefore);
    EXPECT_EQ(soundBooks().muted, 1);
}

// Without an audio output the module decodes nothing, makes no voice, keeps its books and
// prints nothing, however much it is asked; the music stays silent the same way. Run in a
// process of its own, where no output was ever opened: the audio library is left only its
// system output, and that one has no device (and complains about it, off the terminal).
TEST(SoundDevice, WithoutAnOutputEveryCallIsSilentAndQuiet) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "alsa", 1);
            setenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf", 1);
            auto music = createMusicRecord();
            initMusic(music.get());
            setMusicVolume(music.get(), 80.f);
            initSounds();
            setSoundVolume(70.f);
            for (int i = 0; i < 300; ++i) {
                if (i % 10 == 0) beginSoundFrame();
                playSound(static_cast<Sound>(i % kSoundCount));
            }
            const SoundBooks& books = soundBooks();
            const bool silent = !soundDeviceOpen() && !music->mainTheme && books.voicesMade == 0 &&
                                books.buffersLoaded == 0 && soundingVoices() == 0;
            const bool counted = total(books.asked) == 300 && total(books.played) == 300;
            std::exit(silent && counted ? 0 : 1);
        },
        testing::ExitedWithCode(0), "^$");
}
