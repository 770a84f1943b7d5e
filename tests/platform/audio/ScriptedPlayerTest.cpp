// The scripted player stands in for the real one in every logic test: it must keep the same
// contract (see SdlItemPlayerTest for the real player on the same behaviours).

#include "tests/fakes/ScriptedPlayer.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using fakes::ScriptedPlayer;
using platform::ItemPlayer;
using Ends = std::vector<std::pair<int, int>>;

TEST(ScriptedPlayer, KeepsTheItemPlayerContract)
{
    const struct {
        const char* name;
        std::function<void(ScriptedPlayer&)> script;
        std::vector<std::string> calls;
        Ends ends;
        int state;
    } cases[] = {
        { "start, hold, start, natural end",
            [](ScriptedPlayer& p) {
                p.setFileName("/c/music/a.mp3");
                p.play();
                p.hold();
                p.play();
                p.finishClip();
            },
            { "FileName=/c/music/a.mp3", "Play", "Hold", "Play" }, { { 2, 0 } }, ItemPlayer::kStopped },
        { "hold reads held, never stopped",
            [](ScriptedPlayer& p) {
                p.setFileName("/c/music/a.mp3");
                p.play();
                p.hold();
            },
            { "FileName=/c/music/a.mp3", "Play", "Hold" }, {}, ItemPlayer::kHeld },
        { "halt raises nothing and cancels an end not yet delivered",
            [](ScriptedPlayer& p) {
                p.setFileName("/c/music/a.mp3");
                p.play();
                p.finishClipLater();
                p.halt();
                p.deliverPending();
            },
            { "FileName=/c/music/a.mp3", "Play", "Halt" }, {}, ItemPlayer::kStopped },
        { "an end delivered late reads the state at delivery",
            [](ScriptedPlayer& p) {
                p.setPlayCount(1);
                p.setFileName("/c/music/a.mp3");
                p.play();
                p.finishClipLater();
                p.hold();
                p.deliverPending();
            },
            { "PlayCount=1", "FileName=/c/music/a.mp3", "Play", "Hold" }, { { 1, 0 } }, ItemPlayer::kStopped },
        { "a missing clip ends at once, but only when delivered",
            [](ScriptedPlayer& p) {
                p.setMissing("/c/music/gone.mp3");
                p.setFileName("/c/music/gone.mp3");
                p.play();
                p.hold();
                p.play();
                EXPECT_EQ(p.duration(), 0.0);
                EXPECT_TRUE(p.hasPendingEnd());
                p.deliverPending();
            },
            { "FileName=/c/music/gone.mp3", "Play", "Hold", "Play" }, { { 2, 0 } }, ItemPlayer::kStopped },
        { "loading again halts silently",
            [](ScriptedPlayer& p) {
                p.setFileName("/c/music/a.mp3");
                p.play();
                p.finishClipLater();
                p.setFileName("/c/music/a.mp3");
                p.deliverPending();
            },
            { "FileName=/c/music/a.mp3", "Play", "FileName=/c/music/a.mp3" }, {}, ItemPlayer::kStopped },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPlayer player;
        Ends ends;
        player.setOnPlayStateChange([&](int oldState, int newState) { ends.emplace_back(oldState, newState); });
        c.script(player);
        EXPECT_EQ(player.calls(), c.calls);
        EXPECT_EQ(ends, c.ends);
        EXPECT_EQ(player.playState(), c.state);
    }
}

TEST(ScriptedPlayer, ReportsTheScriptedDurationAndPosition)
{
    ScriptedPlayer player;
    player.setDuration("/c/music/a.mp3", 3.5);
    player.setFileName("/c/music/a.mp3");
    EXPECT_EQ(player.duration(), 3.5);
    player.setPosition(1.25);
    EXPECT_EQ(player.currentPosition(), 0.0); // stopped
    player.play();
    player.setPosition(1.25);
    EXPECT_EQ(player.currentPosition(), 1.25);
    player.setFileName("/c/music/b.mp3");
    EXPECT_EQ(player.duration(), ScriptedPlayer::kDefaultDuration);
}

} // namespace
