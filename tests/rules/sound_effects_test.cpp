#include <gtest/gtest.h>

#include <set>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/random.h"
#include "quest/quest_model.h"
#include "rules/sound_effects.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"

class Sound : public ::testing::Test {
 protected:
  FakeGameData data;
  ScriptedPlatform& p = TestPlatform();

  void SetUp() override {
    SetDefaultGameOptions();
    GameOptions.volume = 8;
    ResetQuest(true);
    ResetAmbience();
    ChooseAmbientPair(0);
    p.Reset();
    for (int n = 0; n <= 27; n++) data.SetSample(kFirstSound + n);
    data.Install();
    SeedRandom(1234);
  }
  SAMPLE* Effect(int n) { return EffectSample(n); }
  // The ambient effect (18..23) the first recorded sample is, -1 for any other.
  int PlayedAmbientEffect() {
    for (int k = 18; k <= 23; k++)
      if (p.played[0].sample == Effect(k)) return k;
    return -1;
  }
};

TEST_F(Sound, FixedEffectsPlayCentredAtTheEffectVolume) {
  for (int n = 1; n <= 17; n++) {
    p.played.clear();
    PlayEffect(n);
    ASSERT_EQ(p.played.size(), 1u) << n;
    EXPECT_EQ(p.played[0].sample, Effect(n));
    EXPECT_EQ(p.played[0].vol, 200);
    EXPECT_EQ(p.played[0].pan, 128);
    EXPECT_EQ(p.played[0].freq, 1000);
    EXPECT_EQ(p.played[0].loop, 0);
  }
}

TEST_F(Sound, AmbientEffectsIncludingNineteenGetRandomVolumePanAndPitch) {
  for (int n = 18; n <= 23; n++) {
    std::set<int> pans, pitches;
    for (int k = 0; k < 20; k++) {
      p.played.clear();
      PlayEffect(n);
      ASSERT_EQ(p.played.size(), 1u) << n;
      const RecordedSample& s = p.played[0];
      EXPECT_EQ(s.sample, Effect(n));
      EXPECT_GE(s.vol, 8 * 8);
      EXPECT_LE(s.vol, 15 * 8);
      EXPECT_EQ(s.vol % 8, 0);
      EXPECT_GE(s.pan, 1);
      EXPECT_LE(s.pan, 255);
      EXPECT_GE(s.freq, 750);
      EXPECT_LE(s.freq, 1249);
      EXPECT_EQ(s.loop, 0);
      pans.insert(s.pan);
      pitches.insert(s.freq);
    }
    EXPECT_GT(pans.size(), 5u) << n;
    EXPECT_GT(pitches.size(), 5u) << n;
  }
}

TEST_F(Sound, OtherNumbersAndSoundOffPlayNothing) {
  for (int n : {0, -1, 24, 27, 99, 100000}) PlayEffect(n);
  EXPECT_TRUE(p.played.empty());
  GameOptions.sound = 0;
  for (int n : {1, 13, 19, 22}) PlayEffect(n);
  EXPECT_TRUE(p.played.empty());
}

TEST_F(Sound, MissingSampleIsSkipped) {
  FakeGameData none;
  none.SetSample(0);
  none.Install();
  PlayEffect(6);
  Ambience(3, 3, kAmbienceStart);
  EXPECT_TRUE(p.played.empty());
}

TEST_F(Sound, SoundOffStartsNothingAndLeavesTheTimerAlone) {
  Ambience(3, 3, kAmbienceStart);
  unsigned timer = NextAmbientEffectMs();
  p.played.clear();
  GameOptions.sound = 0;
  p.clockMs += 60000;
  for (int mode = 1; mode <= 5; mode++) Ambience(3, 3, mode);
  EXPECT_TRUE(p.played.empty());
  EXPECT_TRUE(p.stopped.empty());
  EXPECT_EQ(NextAmbientEffectMs(), timer);
}

TEST_F(Sound, StartPicksTheLoopByFloorCodeAndSetsTheFirstTimer) {
  struct Case {
    int code, loop;
  };
  const Case cases[] = {{1, 26}, {8, 24}, {2, 24}, {0, 0}};
  for (const Case& c : cases) {
    p.Reset();
    FloorMap[4][4] = static_cast<uint8_t>(c.code);
    Ambience(4, 4, kAmbienceStart);
    EXPECT_EQ(PlayingAmbientLoop(), c.loop) << c.code;
    if (c.loop) {
      ASSERT_EQ(p.played.size(), 1u);
      EXPECT_EQ(p.played[0].sample, Effect(c.loop));
      EXPECT_EQ(p.played[0].vol, 8 * 7);
      EXPECT_EQ(p.played[0].loop, 1);
    } else {
      EXPECT_TRUE(p.played.empty());
    }
    unsigned wait = NextAmbientEffectMs() - p.clockMs;
    EXPECT_TRUE(wait >= 2000 && wait <= 5000 && wait % 1000 == 0) << wait;
  }
}

TEST_F(Sound, WalkingOntoOpenGroundSwitchesTheLoopOnTheFirstStep) {
  ChooseAmbientPair(1);  // loops 25 and 27
  FloorMap[5][5] = 8;
  FloorMap[6][5] = 1;
  Ambience(5, 5, kAmbienceStart);
  ASSERT_EQ(PlayingAmbientLoop(), 25);
  Ambience(5, 5, kAmbienceUpdate);
  EXPECT_TRUE(p.stopped.empty());
  p.played.clear();
  Ambience(6, 5, kAmbienceUpdate);  // first step onto code 1
  EXPECT_EQ(PlayingAmbientLoop(), 27);
  ASSERT_EQ(p.stopped.size(), 1u);
  EXPECT_EQ(p.stopped[0], Effect(25));
  ASSERT_EQ(p.played.size(), 1u);
  EXPECT_EQ(p.played[0].sample, Effect(27));
  EXPECT_EQ(p.played[0].loop, 1);
  Ambience(5, 5, kAmbienceUpdate);  // and back indoors
  EXPECT_EQ(PlayingAmbientLoop(), 25);
  FloorMap[7][5] = 0;
  Ambience(7, 5, kAmbienceUpdate);  // code 0 changes nothing
  EXPECT_EQ(PlayingAmbientLoop(), 25);
  Ambience(0, 0, kAmbienceStop);
  EXPECT_EQ(PlayingAmbientLoop(), 0);
  EXPECT_EQ(p.stopped.back(), Effect(25));
}

TEST_F(Sound, RandomAmbientEffectComesWhenDueFromTheFloorsRange) {
  FloorMap[5][5] = 8;
  FloorMap[6][5] = 1;
  Ambience(5, 5, kAmbienceStart);
  unsigned due = NextAmbientEffectMs();
  p.played.clear();
  p.clockMs = due - 1;
  Ambience(5, 5, kAmbienceUpdate);
  EXPECT_TRUE(p.played.empty());
  p.clockMs = due;
  Ambience(5, 5, kAmbienceUpdate);
  ASSERT_EQ(p.played.size(), 1u);
  int n = PlayedAmbientEffect();
  EXPECT_GE(n, 18);
  EXPECT_LE(n, 21);
  unsigned wait = NextAmbientEffectMs() - p.clockMs;
  EXPECT_TRUE(wait >= 9000 && wait <= 17000 && wait % 1000 == 0) << wait;

  // Outdoors, and without a position during monster moves: the playing loop decides.
  for (int mode : {kAmbienceUpdate, kAmbienceTick}) {
    Ambience(6, 5, kAmbienceUpdate);  // switch to the outdoor loop
    p.played.clear();
    p.clockMs = NextAmbientEffectMs();
    Ambience(6, 5, mode);
    ASSERT_EQ(p.played.size(), 1u);
    n = PlayedAmbientEffect();
    EXPECT_GE(n, 21) << mode;
    EXPECT_LE(n, 23) << mode;
  }
}
