// Sounds against the headless speaker that records what plays; the clock, polling and the
// number helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

constexpr int16_t kLoopSound = kSoundPencil;
constexpr int16_t kShotSound = kSoundClick;

const uint8_t* wave_of(int16_t id) { return find_resource(ResourceKind::Sound, id).data; }

class Sounds : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        if (wave_of(kLoopSound) == nullptr || wave_of(kShotSound) == nullptr ||
            wave_of(kSoundWarning) == nullptr) {
            GTEST_SKIP() << "the sound resources are not built into this tree";
        }
        tb_SetSoundSwitch(&soundOn);
    }
    void TearDown() override { tb_SetSoundSwitch(nullptr); }
    size_t played() const { return headless::sounds().size(); }
    int32_t soundOn = 1;
};

}  // namespace

TEST_F(Sounds, PlayOnceOrInALoopAndANewSoundReplacesTheOld) {
    tb_PlaySoundLoop(kLoopSound);
    ASSERT_EQ(played(), 1u);
    EXPECT_EQ(headless::sounds()[0].wave, wave_of(kLoopSound));
    EXPECT_TRUE(headless::sounds()[0].loop);
    tb_PlaySoundAsync(kShotSound);
    ASSERT_EQ(played(), 2u);
    EXPECT_EQ(headless::sounds()[1].wave, wave_of(kShotSound));
    EXPECT_FALSE(headless::sounds()[1].loop);
    tb_StopSound();
    EXPECT_FALSE(headless::playing());
}

TEST_F(Sounds, TheSwitchOffSilencesEverythingButStopStillStopsALoop) {
    soundOn = 0;
    tb_PlaySound(kShotSound, 0);
    tb_PlaySoundLoop(kShotSound);
    tb_PlaySoundAsync(kShotSound);
    tb_PlaySoundNoStop(kShotSound);
    tb_Beep();
    EXPECT_EQ(played(), 0u);
    soundOn = 1;
    tb_PlaySoundLoop(kLoopSound);
    soundOn = 0;
    tb_StopSound();
    EXPECT_FALSE(headless::playing());
    soundOn = 5;  // any non-zero value is on
    tb_Beep();
    EXPECT_EQ(played(), 2u);
}

TEST_F(Sounds, CuesWithoutAnIdOrWhileSomethingPlaysAreDropped) {
    tb_PlaySoundAsync(0);
    tb_PlaySoundAsync(-2);
    tb_PlaySoundNoStop(-3);
    tb_PlaySoundNoStop(0);
    EXPECT_EQ(played(), 0u);
    tb_PlaySoundLoop(kLoopSound);
    tb_PlaySoundNoStop(kShotSound);
    EXPECT_EQ(played(), 1u);  // the loop goes on
    EXPECT_TRUE(headless::playing());
    headless::finish_sound();
    tb_PlaySoundNoStop(kShotSound);
    ASSERT_EQ(played(), 2u);
    EXPECT_EQ(headless::sounds()[1].wave, wave_of(kShotSound));
}

TEST_F(Sounds, TheBeepIsTheWarningSound) {
    tb_Beep();
    ASSERT_EQ(played(), 1u);
    EXPECT_EQ(headless::sounds()[0].wave, wave_of(kSoundWarning));
    EXPECT_FALSE(headless::sounds()[0].loop);
}

TEST(Numbers, RoundAddsOneOnlyFromOneUpward) {
    EXPECT_EQ(tb_Round(0.5), 0);
    EXPECT_EQ(tb_Round(0.99), 0);
    EXPECT_EQ(tb_Round(-0.7), 0);
    EXPECT_EQ(tb_Round(1.0), 1);
    EXPECT_EQ(tb_Round(1.5), 2);
    EXPECT_EQ(tb_Round(2.49), 2);
    EXPECT_EQ(tb_Round(254.5), 255);
    EXPECT_EQ(tb_Round(-1.5), -1);
    EXPECT_EQ(tb_Round(-2.7), -2);
    EXPECT_EQ(tb_Round(1e12), INT32_MAX);  // beyond int32: stops at the end of the range
    EXPECT_EQ(tb_Round(std::nan("")), 0);
    EXPECT_EQ(tb_Truncate(2.9), 2);
    EXPECT_EQ(tb_Truncate(-2.9), -2);
    EXPECT_EQ(tb_Truncate(-1e12), INT32_MIN);
}

TEST(Numbers, RandomStaysWithinItsBoundsAndReachesBoth) {
    tb_RandomSeeded(0, 1, 1);
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        int32_t r = tb_Random(-3, 3);
        ASSERT_GE(r, -3);
        ASSERT_LE(r, 3);
        seen.insert(r);
        ASSERT_EQ(tb_Random(5, 5), 5);
        int32_t wide = tb_Random(INT32_MIN, INT32_MAX);
        (void)wide;  // the whole range must not overflow
    }
    EXPECT_EQ(seen.size(), 7u);
    int32_t r = tb_RandomSeeded(10, 12, 0);
    EXPECT_GE(r, 10);
    EXPECT_LE(r, 12);
}

// Only the lower bound is certain: a loaded machine may hold any call up for longer.
TEST(Clock, DelayWaitsAtLeastItsTime) {
    for (uint32_t wait : {0u, 1u, 15u}) {
        const uint32_t start = tb_TickCount();
        tb_Delay(wait);
        EXPECT_GE(tb_TickCount() - start, wait);
    }
}
