#include "platform/audio/SdlAudio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/audio/SdlEffectPlayer.h"
#include "platform/audio/SdlItemPlayer.h"
#include "platform/record/SdlRecordingDevice.h"
#include "tests/platform/audio/DiskAudio.h"

namespace {

using namespace audiotest;
using platform::Error;
using platform::ItemPlayer;

// No driver SDL can open: the program runs on, silently, and says so once.
TEST(SdlAudio, RunsSilentlyWithoutAnyDevice)
{
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "no-such-driver");
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::filesystem::copy_file(fixture("tone-400ms.mp3"), folder + "/a.mp3");
    writeFile(folder + "/Recorder.wav", wavBytes(22050, 1, 16, ""));
    writeFile(folder + "/click.wav", wavBytes(22050, 1, 16, rawBytes(sine(2205, 22050, 1, 440, 8000))));
    LogRecorder log;

    testing::internal::CaptureStderr();
    platform::SdlAudio audio;
    platform::SdlAudio again; // the same mixer: nothing said twice
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(audio.hasSound());
    EXPECT_THAT(said, testing::HasSubstr("running without sound"));
    EXPECT_THAT(log.linesOf("audio.silent"), testing::ElementsAre(testing::HasSubstr("running without sound")));

    // Clips keep their length and end after it, so the study modes still step through.
    auto backends = audio.createBackends();
    std::vector<std::pair<int, int>> ends;
    backends.player->setOnPlayStateChange([&](int oldState, int newState) { ends.emplace_back(oldState, newState); });
    backends.player->setPlayCount(1);
    backends.player->setFileName(folder + "/a.mp3");
    EXPECT_NEAR(backends.player->duration(), 0.4, 0.05);
    backends.player->play();
    backends.effects->play(folder + "/click.wav");
    ASSERT_TRUE(pumpUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(ends, (std::vector<std::pair<int, int>> { { ItemPlayer::kPlaying, ItemPlayer::kStopped } }));

    // A recording of silence would only pretend: the recorder refuses, clearly.
    backends.recorder->setDeviceType("WaveAudio");
    backends.recorder->setFileName(folder + "/Recorder.wav");
    const platform::Status opened = backends.recorder->command("open");
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().code, Error::Code::DeviceUnavailable);
    EXPECT_THAT(opened.error().message, testing::HasSubstr("no audio device"));
    EXPECT_FALSE(backends.recorder->command("Record").ok());
    EXPECT_EQ(backends.recorder->mode(), platform::RecordingDevice::Mode::NotOpen);
    EXPECT_EQ(log.linesOf("audio.silent").size(), 1u);
}

} // namespace
