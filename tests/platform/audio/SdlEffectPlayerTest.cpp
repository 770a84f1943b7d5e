#include "platform/audio/SdlEffectPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/audio/DiskAudio.h"

namespace {

using namespace audiotest;

class SdlEffectPlayerTest : public DiskAudioTest {
protected:
    void SetUp() override
    {
        DiskAudioTest::SetUp();
        // In the mixer's own format, so the samples reach the output unchanged.
        writeFile(path("loud.wav"), wavBytes(44100, 2, 16, rawBytes(sine(88200, 44100, 2, 440, 20000))));
        writeFile(path("soft.wav"), wavBytes(44100, 2, 16, rawBytes(sine(13230, 44100, 2, 880, 3000))));
        writeFile(path("text.wav"), "not a sound\n");
        startAudio();
        m_effects = m_audio->createEffectPlayer();
    }
    void TearDown() override { m_effects.reset(); }

    // Plays the loud two-second effect until it is heard.
    void startLoud()
    {
        m_effects->play(path("loud.wav"));
        ASSERT_TRUE(pumpUntil([&] { return m_meter.peak() > 15000; }));
    }
    // Runs the mixer past the end the loud effect would have had, keeping the peak of what sounds.
    void runPastTheLoudEffect()
    {
        m_meter.resetPeak();
        ASSERT_TRUE(pumpBuffers(m_meter, 2 * 44100 / 512 + 20));
    }

    std::unique_ptr<platform::SdlEffectPlayer> m_effects;
};

TEST_F(SdlEffectPlayerTest, NewEffectCutsOffThePlayingOne)
{
    LogRecorder log;
    startLoud();
    m_effects->play(path("soft.wav"));
    runPastTheLoudEffect();
    EXPECT_GT(m_meter.peak(), 2500); // the soft one sounded ...
    EXPECT_LE(m_meter.peak(), 3001); // ... alone
    EXPECT_EQ(log.lines(), (std::vector<std::string> { "effect.play " + path("loud.wav"), "effect.play " + path("soft.wav") }));
}

TEST_F(SdlEffectPlayerTest, EffectThatCannotBePlayedSoundsNothing)
{
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        { "missing", path("no such effect.wav") },
        { "not audio", path("text.wav") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startLoud();
        LogRecorder log;
        m_effects->play(c.path);
        runPastTheLoudEffect();
        EXPECT_EQ(m_meter.peak(), 0); // and the effect that was sounding is cut off
        EXPECT_THAT(log.lines(), testing::ElementsAre(testing::StartsWith("effect.play " + c.path + " (cannot be played: ")));
    }
}

} // namespace
