#include "platform/audio/SdlItemPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <utility>

#include "tests/platform/audio/DiskAudio.h"

namespace {

using namespace audiotest;
using platform::ItemPlayer;
using Ends = std::vector<std::pair<int, int>>;

constexpr double kLong = 2.0; // seconds of tone-2s.mp3
constexpr double kShort = 0.4; // seconds of tone-400ms.mp3

class SdlItemPlayerTest : public DiskAudioTest {
protected:
    void SetUp() override
    {
        DiskAudioTest::SetUp();
        startAudio();
        m_player = m_audio->createItemPlayer();
        m_player->setPlayCount(1);
        m_player->setOnPlayStateChange([this](int oldState, int newState) {
            m_ends.emplace_back(oldState, newState);
            m_endThreads.push_back(std::this_thread::get_id());
        });
    }
    void TearDown() override { m_player.reset(); }

    // The fixture clip copied to NAME in the test's folder (names may hold spaces and CJK).
    std::string clip(const std::string& fixtureName, const std::string& name)
    {
        const std::string to = path(name);
        std::filesystem::copy_file(fixture(fixtureName), to);
        return to;
    }
    double rate() const { return m_audio->outputFrequency(); }
    bool pumpUntilEnded(std::size_t count = 1)
    {
        return pumpUntil([&] { return m_ends.size() >= count; });
    }

    std::unique_ptr<platform::SdlItemPlayer> m_player;
    Ends m_ends;
    std::vector<std::thread::id> m_endThreads;
};

TEST_F(SdlItemPlayerTest, ClipDecodesWithItsDurationAndSounds)
{
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        { "plain name", "a.mp3" },
        { "spaces and Chinese characters", "第一课 基本 课文.mp3" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = clip("tone-2s.mp3", c.file);
        const std::int64_t before = m_meter.soundingFrames();
        m_ends.clear();

        m_player->setFileName(path);
        EXPECT_EQ(m_player->fileName(), path);
        EXPECT_NEAR(m_player->duration(), kLong, 0.05);
        EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
        m_player->play();
        EXPECT_EQ(m_player->playState(), ItemPlayer::kPlaying);
        ASSERT_TRUE(pumpUntilEnded());
        EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames() - before, kLong, rate());
    }
    // The sound reached the device: the disk driver's file holds it.
    const std::string written = readFile(path("output.raw"));
    std::int64_t loud = 0;
    for (std::size_t i = 0; i + 1 < written.size(); i += 2)
        loud
            += std::abs(static_cast<std::int16_t>(static_cast<std::uint8_t>(written[i]) | (static_cast<std::uint8_t>(written[i + 1]) << 8)))
            > 1000;
    EXPECT_GT(loud, static_cast<std::int64_t>(kLong * rate()));
}

TEST_F(SdlItemPlayerTest, HoldKeepsThePlaceAndPlayResumesFromIt)
{
    m_player->setFileName(clip("tone-2s.mp3", "a.mp3"));
    m_player->play();
    ASSERT_TRUE(pumpUntil([&] { return m_meter.soundingFrames() >= 0.5 * rate(); }));

    m_player->hold();
    EXPECT_EQ(m_player->playState(), ItemPlayer::kHeld);
    const std::int64_t heard = m_meter.soundingFrames();
    const double at = m_player->currentPosition();
    EXPECT_GT(at, 0.3);
    ASSERT_TRUE(pumpBuffers(m_meter, 30));
    EXPECT_EQ(m_meter.soundingFrames(), heard);
    EXPECT_EQ(m_player->currentPosition(), at);
    EXPECT_EQ(m_player->playState(), ItemPlayer::kHeld);
    EXPECT_TRUE(m_ends.empty());

    m_player->play();
    EXPECT_EQ(m_player->playState(), ItemPlayer::kPlaying);
    ASSERT_TRUE(pumpUntilEnded());
    // Resumed, not restarted: the clip sounded once in all.
    EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames(), kLong, rate());
    EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
}

TEST_F(SdlItemPlayerTest, HaltStopsTheSoundAndRaisesNoNotification)
{
    for (const bool holdFirst : { false, true }) {
        SCOPED_TRACE(holdFirst ? "halt while held" : "halt while playing");
        m_player->setFileName(clip("tone-2s.mp3", holdFirst ? "held.mp3" : "playing.mp3"));
        m_player->play();
        const std::int64_t start = m_meter.soundingFrames();
        ASSERT_TRUE(pumpUntil([&] { return m_meter.soundingFrames() - start >= 0.3 * rate(); }));
        if (holdFirst)
            m_player->hold();

        m_player->halt();
        EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
        EXPECT_EQ(m_player->currentPosition(), 0.0);
        const std::int64_t heard = m_meter.soundingFrames();
        // Longer than the rest of the clip would have lasted.
        ASSERT_TRUE(pumpBuffers(m_meter, static_cast<int>(kLong * rate() / 512) + 20));
        EXPECT_EQ(m_meter.soundingFrames(), heard);
        EXPECT_TRUE(m_ends.empty());

        // Nothing of the halt lingers: the next play sounds the whole clip and ends once.
        m_player->play();
        ASSERT_TRUE(pumpUntilEnded());
        ASSERT_TRUE(pumpBuffers(m_meter, 10));
        EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames() - heard, kLong, rate());
        EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
        m_ends.clear();
    }
}

TEST_F(SdlItemPlayerTest, NaturalEndNotifiesOnceOnTheUiThreadAndPlayStartsAgain)
{
    LogRecorder log;
    const std::string path = clip("tone-2s.mp3", "课文 1.mp3");
    m_player->setFileName(path);
    m_player->play();
    ASSERT_TRUE(pumpUntilEnded());
    ASSERT_TRUE(pumpBuffers(m_meter, 30));

    EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
    EXPECT_EQ(m_endThreads, std::vector<std::thread::id> { std::this_thread::get_id() });
    EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
    EXPECT_EQ(m_player->currentPosition(), 0.0);
    EXPECT_EQ(log.lines(), (std::vector<std::string> { "player.load " + path, "player.play " + path, "player.end " + path }));

    // After the end, play starts from the beginning: the whole clip sounds again.
    m_player->play();
    ASSERT_TRUE(pumpUntilEnded(2));
    EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames(), 2 * kLong, rate());
}

TEST_F(SdlItemPlayerTest, PlayCountSetsHowOftenTheClipSounds)
{
    for (const int count : { 1, 3 }) {
        SCOPED_TRACE(count);
        m_ends.clear();
        m_player->setFileName(clip("tone-400ms.mp3", "count" + std::to_string(count) + ".mp3"));
        m_player->setPlayCount(count);
        const std::int64_t before = m_meter.soundingFrames();
        m_player->play();
        ASSERT_TRUE(pumpUntilEnded());
        EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames() - before, count * kShort, rate());
        EXPECT_EQ(m_ends.size(), 1u);
    }

    SCOPED_TRACE("0: without end");
    m_ends.clear();
    m_player->setPlayCount(0);
    m_player->play();
    const std::int64_t before = m_meter.soundingFrames();
    ASSERT_TRUE(pumpUntil([&] { return m_meter.soundingFrames() - before >= 4 * kShort * rate(); }));
    EXPECT_EQ(m_player->playState(), ItemPlayer::kPlaying);
    m_player->halt();
    ASSERT_TRUE(pumpBuffers(m_meter, 10));
    EXPECT_TRUE(m_ends.empty());
}

TEST_F(SdlItemPlayerTest, LoadingTheSamePathAgainStartsFromTheBeginning)
{
    const std::string path = clip("tone-2s.mp3", "a.mp3");
    m_player->setFileName(path);
    m_player->play();
    ASSERT_TRUE(pumpUntil([&] { return m_meter.soundingFrames() >= 1.0 * rate(); }));
    m_player->hold();

    m_player->setFileName(path);
    EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
    EXPECT_NEAR(m_player->duration(), kLong, 0.05);
    const std::int64_t before = m_meter.soundingFrames();
    m_player->play(); // start, hold, start: as the window plays a clip
    m_player->hold();
    m_player->play();
    ASSERT_TRUE(pumpUntilEnded());
    EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames() - before, kLong, rate());
    EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
}

TEST_F(SdlItemPlayerTest, ClipThatCannotBePlayedEndsAtOnceAfterTheCall)
{
    writeFile(path("text.mp3"), "this is not an MP3 file\n");
    writeFile(path("empty.mp3"), "");
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        { "missing", path("no such clip.mp3") },
        { "not audio", path("text.mp3") },
        { "empty", path("empty.mp3") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogRecorder log;
        m_ends.clear();
        m_player->setFileName(c.path);
        EXPECT_EQ(m_player->duration(), 0.0);
        m_player->play();
        m_player->hold();
        m_player->play();
        EXPECT_TRUE(m_ends.empty()); // reported asynchronously, never inside the call
        ASSERT_TRUE(pumpUntilEnded());
        ASSERT_TRUE(pumpBuffers(m_meter, 5));
        EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
        EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
        EXPECT_EQ(m_meter.soundingFrames(), 0);
        EXPECT_THAT(log.lines(),
            testing::ElementsAre(testing::StartsWith("player.load " + c.path + " (cannot be played: "),
                testing::StartsWith("player.play " + c.path + " (cannot be played: "), "player.hold " + c.path,
                testing::StartsWith("player.play " + c.path + " (cannot be played: "), "player.end " + c.path));
    }
}

TEST_F(SdlItemPlayerTest, HaltCancelsAnEndNotYetDelivered)
{
    SCOPED_TRACE("a clip that ended by itself");
    m_player->setFileName(clip("tone-400ms.mp3", "a.mp3"));
    m_player->play();
    // The clip ends while the event loop does not run: its end waits in the queue.
    ASSERT_TRUE(waitWithoutEvents([&] { return m_meter.soundingFrames() >= 0.97 * kShort * rate(); }));
    const std::int64_t after = m_meter.buffers() + 10;
    ASSERT_TRUE(waitWithoutEvents([&] { return m_meter.buffers() >= after; }));
    EXPECT_EQ(m_player->playState(), ItemPlayer::kPlaying); // until the end is handled
    m_player->halt();
    ASSERT_TRUE(pumpBuffers(m_meter, 10));
    EXPECT_TRUE(m_ends.empty());

    SCOPED_TRACE("a halt followed at once by a play");
    m_player->play();
    ASSERT_TRUE(pumpUntil([&] { return m_meter.soundingFrames() >= 1.2 * kShort * rate(); }));
    m_player->halt(); // fires the finished hook inside: that is no end of the new play
    const std::int64_t before = m_meter.soundingFrames();
    m_player->play();
    ASSERT_TRUE(pumpUntilEnded());
    EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames() - before, kShort, rate());
    EXPECT_EQ(m_ends, (Ends { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));
    m_ends.clear();

    SCOPED_TRACE("a clip that cannot be played");
    m_player->setFileName(path("missing.mp3"));
    m_player->play();
    m_player->halt();
    ASSERT_TRUE(pumpBuffers(m_meter, 10));
    EXPECT_TRUE(m_ends.empty());
    EXPECT_EQ(m_player->playState(), ItemPlayer::kStopped);
}

TEST_F(SdlItemPlayerTest, LogsEveryCallWithTheFullPath)
{
    const std::string path = clip("tone-2s.mp3", "第二课 句子.mp3");
    LogRecorder log;
    m_player->setFileName(path);
    m_player->play();
    m_player->hold();
    m_player->play();
    m_player->halt();
    EXPECT_EQ(log.lines(),
        (std::vector<std::string> {
            "player.load " + path, "player.play " + path, "player.hold " + path, "player.play " + path, "player.halt " + path }));
}

} // namespace
