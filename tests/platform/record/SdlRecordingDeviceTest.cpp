#include "platform/record/SdlRecordingDevice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/audio/DiskAudio.h"

namespace {

using namespace audiotest;
using platform::Error;
using Mode = platform::RecordingDevice::Mode;

constexpr int kRate = 22050; // the recording file's format: mono, 16 bits
constexpr int kBytesPerSecond = 44100;
constexpr int kInputFrames = 11025; // half a second of tone, then the driver gives silence

class SdlRecordingDeviceTest : public DiskAudioTest {
protected:
    void SetUp() override
    {
        DiskAudioTest::SetUp();
        m_input = rawBytes(sine(kInputFrames, kRate, 1, 300, 12000));
        writeFile(path("input.raw"), m_input);
        writeFile(path("Recorder.wav"), wavBytes(kRate, 1, 16, ""));
    }
    void TearDown() override { m_recorder.reset(); }

    platform::SdlRecordingDevice& start(int maxTakeMilliseconds = platform::SdlRecordingDevice::kDefaultMaxTakeMilliseconds)
    {
        startAudio(platform::SdlAudio::Options { 512, maxTakeMilliseconds });
        m_recorder = m_audio->createRecordingDevice();
        return *m_recorder;
    }

    // The lesson window's opening sequence.
    platform::Status open(const std::string& file, const std::string& deviceType = "WaveAudio")
    {
        m_recorder->setNotify(false);
        m_recorder->setWait(true);
        m_recorder->setShareable(false);
        m_recorder->setDeviceType(deviceType);
        EXPECT_TRUE(m_recorder->command("close").ok());
        m_recorder->setFileName(file);
        return m_recorder->command("open");
    }

    std::string take() const
    {
        const auto bytes = m_recorder->takeSamples();
        return std::string(bytes.begin(), bytes.end());
    }

    std::string m_input;
    std::unique_ptr<platform::SdlRecordingDevice> m_recorder;
};

TEST_F(SdlRecordingDeviceTest, TakeFromTheInputHasItsLengthAndPlaysBack)
{
    auto& recorder = start();
    ASSERT_TRUE(open(path("Recorder.wav")).ok());
    EXPECT_EQ(recorder.format().frequency, kRate);
    EXPECT_EQ(recorder.format().channels, 1);
    EXPECT_EQ(recorder.format().bits, 16);
    EXPECT_EQ(recorder.mode(), Mode::Stopped);
    EXPECT_EQ(recorder.length(), 0);

    ASSERT_TRUE(recorder.command("Prev").ok());
    ASSERT_TRUE(recorder.command("Record").ok());
    EXPECT_EQ(recorder.mode(), Mode::Recording);
    ASSERT_TRUE(pumpUntil([&] { return recorder.length() >= 700; }));
    ASSERT_TRUE(recorder.command("Stop").ok());
    EXPECT_EQ(recorder.mode(), Mode::Stopped);

    // The take is the input, then the silence after it; its length says as much.
    const std::string samples = take();
    EXPECT_EQ(recorder.length(), static_cast<int>(samples.size() * 1000 / kBytesPerSecond));
    EXPECT_EQ(recorder.position(), recorder.length());
    ASSERT_GE(samples.size(), m_input.size());
    EXPECT_TRUE(samples.compare(0, m_input.size(), m_input) == 0) << "the take does not begin with the input";
    EXPECT_EQ(samples.find_first_not_of('\0', m_input.size()), std::string::npos);
    EXPECT_FALSE(recorder.command("Save").ok()); // unknown: fails and changes nothing
    EXPECT_EQ(recorder.length(), static_cast<int>(samples.size() * 1000 / kBytesPerSecond));

    ASSERT_TRUE(recorder.command("Prev").ok());
    EXPECT_EQ(recorder.position(), 0);
    ASSERT_TRUE(recorder.command("Play").ok());
    EXPECT_EQ(recorder.mode(), Mode::Playing);
    ASSERT_TRUE(pumpUntil([&] { return recorder.mode() == Mode::Stopped; }));
    EXPECT_EQ(recorder.position(), recorder.length());
    // What sounded is the half second of tone, at the mixer's rate.
    EXPECT_SOUNDED_SECONDS(m_meter.soundingFrames(), 0.5, m_audio->outputFrequency());
}

TEST_F(SdlRecordingDeviceTest, BoundStopsTheTakeAsStopWould)
{
    auto& recorder = start(300);
    ASSERT_TRUE(open(path("Recorder.wav")).ok());
    LogRecorder log;
    // The second take goes on reading the input where the first stopped: other samples.
    std::string previous;
    for (const char* round : { "first take", "a new take from the start replaces it" }) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(recorder.command("Prev").ok());
        ASSERT_TRUE(recorder.command("Record").ok());
        ASSERT_TRUE(pumpUntil([&] { return recorder.mode() == Mode::Stopped; }));
        EXPECT_EQ(recorder.length(), 300);
        EXPECT_EQ(recorder.position(), 300);
        EXPECT_EQ(take().size(), 300u * kBytesPerSecond / 1000);
        EXPECT_TRUE(take() != previous) << "the take was not recorded anew";
        previous = take();
        ASSERT_TRUE(recorder.command("Stop").ok());
        EXPECT_EQ(recorder.length(), 300);
    }
    EXPECT_EQ(log.linesOf("record.command"),
        (std::vector<std::string> { "record.command Prev: ok", "record.command Record: ok", "record.command Stop: ok",
            "record.command Prev: ok", "record.command Record: ok", "record.command Stop: ok" }));
    EXPECT_EQ(log.linesOf("record.bound").size(), 2u);
}

TEST_F(SdlRecordingDeviceTest, RecordsInTheFormatOfTheFile)
{
    const struct {
        int rate, channels, bits;
        std::size_t bytesIn200ms;
    } cases[] = {
        { 22050, 1, 16, 8820 },
        { 8000, 1, 8, 1600 },
        { 44100, 2, 16, 35280 },
    };
    auto& recorder = start(200);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.channels) + " ch, " + std::to_string(c.bits) + " bits");
        writeFile(path("Recorder.wav"), wavBytes(c.rate, c.channels, c.bits, ""));
        ASSERT_TRUE(open(path("Recorder.wav")).ok());
        EXPECT_EQ(recorder.format().frequency, c.rate);
        EXPECT_EQ(recorder.format().channels, c.channels);
        EXPECT_EQ(recorder.format().bits, c.bits);
        ASSERT_TRUE(recorder.command("Record").ok());
        ASSERT_TRUE(pumpUntil([&] { return recorder.mode() == Mode::Stopped; }));
        EXPECT_EQ(recorder.takeSamples().size(), c.bytesIn200ms);
        EXPECT_EQ(recorder.length(), 200);
    }
}

TEST_F(SdlRecordingDeviceTest, OpenFailsClearlyAndLaterCommandsFailHarmlessly)
{
    const std::string good = wavBytes(kRate, 1, 16, "");
    writeFile(path("random.wav"), std::string("\x13\x57\x9b\xdf\x02\x46\x8a\xce", 8) + std::string(200, '\x5a'));
    writeFile(path("short.wav"), good.substr(0, 20));
    writeFile(path("good.wav"), good);
    std::filesystem::create_directory(path("folder.wav"));
    const struct {
        const char* name;
        std::string file;
        std::string deviceType;
        Error::Code code;
    } cases[] = {
        { "missing file", path("Recorder missing.wav"), "WaveAudio", Error::Code::NotFound },
        { "random bytes", path("random.wav"), "WaveAudio", Error::Code::BadFormat },
        { "header cut short", path("short.wav"), "WaveAudio", Error::Code::BadFormat },
        { "a folder", path("folder.wav"), "WaveAudio", Error::Code::Unreadable },
        { "another device type", path("good.wav"), "Sequencer", Error::Code::Unsupported },
    };
    auto& recorder = start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogRecorder log;
        const platform::Status opened = open(c.file, c.deviceType);
        ASSERT_FALSE(opened.ok());
        EXPECT_EQ(opened.error().code, c.code);
        EXPECT_THAT(opened.error().message, testing::HasSubstr(c.code == Error::Code::Unsupported ? c.deviceType : c.file));
        EXPECT_EQ(recorder.mode(), Mode::NotOpen);
        for (const char* command : { "Prev", "Record", "Stop", "Play" }) {
            SCOPED_TRACE(command);
            const platform::Status done = recorder.command(command);
            ASSERT_FALSE(done.ok());
            EXPECT_EQ(done.error().code, Error::Code::DeviceUnavailable);
            EXPECT_EQ(recorder.mode(), Mode::NotOpen);
            EXPECT_EQ(recorder.length(), 0);
            EXPECT_EQ(recorder.position(), 0);
        }
        EXPECT_TRUE(recorder.command("close").ok());
        EXPECT_THAT(log.linesOf("record.command"),
            testing::ElementsAre("record.command close: ok", "record.command open " + c.file + ": failed: " + opened.error().message,
                testing::StartsWith("record.command Prev: failed: "), testing::StartsWith("record.command Record: failed: "),
                testing::StartsWith("record.command Stop: failed: "), testing::StartsWith("record.command Play: failed: "),
                "record.command close: ok"));
    }
}

} // namespace
