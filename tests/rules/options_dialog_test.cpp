#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/game_options.h"
#include "core/program_state.h"
#include "quest/quest_model.h"
#include "rules/game_menu.h"
#include "rules/options_dialog.h"
#include "rules/sound_effects.h"
#include "shell/main_menu.h"
#include "support/fake_game_data.h"
#include "support/scripted_platform.h"
#include "scripted_dialog.h"
#include "ui/dialog_items.h"
#include "ui/number_field.h"

namespace {

void Toggle(DIALOG* items, int item) { items[item].flags ^= D_SELECTED; }

// A platform that also records the volume changes of playing samples.
class VolumePlatform : public ScriptedPlatform {
 public:
  std::vector<int> adjusted;
  void AdjustSample(SAMPLE* s, int vol, int pan, int freq, int loop) override {
    adjusted.push_back(vol);
  }
};

struct OptionValues {
  int enemyrange, multiturn, swapmonsters, altdice, enemy1life, fixedwalk, passheroes,
      targetheroes, skirmish;
};

OptionValues Current() {
  const GameOptionsRecord& o = GameOptions;
  return {o.enemyrange, o.multiturn,  o.swapmonsters, o.altdice,  o.enemy1life,
          o.fixedwalk,  o.passheroes, o.targetheroes, o.skirmish};
}

void Set(const OptionValues& v) {
  GameOptionsRecord& o = GameOptions;
  o.enemyrange = v.enemyrange, o.multiturn = v.multiturn, o.swapmonsters = v.swapmonsters;
  o.altdice = v.altdice, o.enemy1life = v.enemy1life, o.fixedwalk = v.fixedwalk;
  o.passheroes = v.passheroes, o.targetheroes = v.targetheroes, o.skirmish = v.skirmish;
}

void ExpectValues(const OptionValues& want) {
  OptionValues got = Current();
  EXPECT_EQ(got.enemyrange, want.enemyrange);
  EXPECT_EQ(got.multiturn, want.multiturn);
  EXPECT_EQ(got.swapmonsters, want.swapmonsters);
  EXPECT_EQ(got.altdice, want.altdice);
  EXPECT_EQ(got.enemy1life, want.enemy1life);
  EXPECT_EQ(got.fixedwalk, want.fixedwalk);
  EXPECT_EQ(got.passheroes, want.passheroes);
  EXPECT_EQ(got.targetheroes, want.targetheroes);
  EXPECT_EQ(got.skirmish, want.skirmish);
}

// The presets as the rule book gives them.
const OptionValues kDefault = {20, 1, 0, 0, 0, 1, 1, 0, 1};
const OptionValues kClassic = {99, 0, 0, 0, 0, 0, 1, 1, 0};
// Every switch the other way round from both presets where they agree.
const OptionValues kOdd = {7, 1, 1, 1, 1, 1, 0, 0, 1};

class Options : public ::testing::Test {
 protected:
  void SetUp() override {
    TestPlatform().Reset();
    SetDefaultGameOptions();
    ExitRequest = 0;
  }
  void TearDown() override {
    SetDefaultGameOptions();
    ExitRequest = 0;
  }
  ScriptedDialogs dialogs;
};

TEST_F(Options, PresetsSetTheirTableAndKeepTheVolume) {
  struct Case {
    int preset;
    OptionValues want;
  } cases[] = {{kPresetDefault, kDefault}, {kPresetClassic, kClassic}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preset);
    Set(kOdd);
    GameOptions.volume = 3;
    ApplyOptionsPreset(c.preset);
    ExpectValues(c.want);
    EXPECT_EQ(GameOptions.volume, 3);
  }
}

TEST_F(Options, ItemsShowTheOptionsWithTheirKeys) {
  Set(kClassic);
  GameOptions.volume = 4;
  DIALOG items[kOptionsItemCount];
  BuildOptionsDialog(items);
  EXPECT_STREQ(static_cast<const char*>(items[kOptionsBox].dp), "Options");
  EXPECT_EQ(items[kOptionsBox].proc, ShadowBoxProc);

  struct Slider {
    int item, label;
    const char* text;
    int key, limit, value;
  } sliders[] = {{kOptionsRange, kOptionsRangeLabel, "Enemy Range:", 'E', 99, 99},
                 {kOptionsVolume, kOptionsVolumeLabel, "Sound Volume:", 'S', 10, 4}};
  for (const Slider& s : sliders) {
    SCOPED_TRACE(s.text);
    EXPECT_STREQ(static_cast<const char*>(items[s.label].dp), s.text);
    EXPECT_EQ(items[s.item].proc, NumberFieldProc);
    EXPECT_EQ(items[s.item].key, s.key);
    EXPECT_EQ(NumberFieldLargest(&items[s.item]), s.limit);
    EXPECT_EQ(NumberFieldShown(&items[s.item]), s.value);
  }

  struct Check {
    const char* text;
    int key;
    bool on;
  } checks[] = {{"Multiple enemy turns", '1', false},       {"Swap usual enemy locations", '2', false},
                {"Enemy white shield defence", '3', false}, {"Usual enemies have 1 life", '4', false},
                {"Predefined hero walk value", '5', false}, {"Pass other heroes", '6', true},
                {"Target other heroes", '7', true},         {"Move before and after action", '8', false}};
  for (int i = 0; i < kOptionsCheckCount; i++) {
    const DIALOG& d = items[kOptionsMultiTurn + i];
    SCOPED_TRACE(checks[i].text);
    EXPECT_EQ(d.proc, CheckProc);
    EXPECT_STREQ(static_cast<const char*>(d.dp), checks[i].text);
    EXPECT_EQ(d.key, checks[i].key);
    EXPECT_EQ((d.flags & D_SELECTED) != 0, checks[i].on);
  }

  const char* buttons[] = {"DEFAULT", "CLASSIC", "OK"};
  for (int i = 0; i < 3; i++) {
    const DIALOG& d = items[kOptionsDefault + i];
    EXPECT_EQ(d.proc, ButtonProc);
    EXPECT_STREQ(static_cast<const char*>(d.dp), buttons[i]);
    EXPECT_EQ(d.key, buttons[i][0]);
    EXPECT_TRUE(d.flags & D_EXIT);
  }
  EXPECT_EQ(items[kOptionsWatcher].proc, ExitWatcherProc);
  EXPECT_EQ(items[kOptionsItemCount - 1].proc, nullptr);
  // Everything stands inside the frame.
  const DIALOG& box = items[kOptionsBox];
  for (int i = 1; i < kOptionsWatcher; i++) {
    EXPECT_GE(items[i].x, box.x) << i;
    EXPECT_GE(items[i].y, box.y + 16) << i;
    EXPECT_LE(items[i].x + items[i].w, box.x + box.w) << i;
    EXPECT_LE(items[i].y + items[i].h, box.y + box.h) << i;
  }
}

TEST_F(Options, WindowScaleAndSmoothingAreKeptAndHeldToTheirRange) {
  struct Case {
    int stored, smooth, shown;
  } cases[] = {{0, 0, 0}, {3, 1, 3}, {7, 1, 4}, {-2, 0, 0}};
  for (const Case& c : cases) {
    GameOptions.scale = c.stored;
    GameOptions.smooth = c.smooth;
    DIALOG items[kOptionsItemCount];
    BuildOptionsDialog(items);
    EXPECT_STREQ(static_cast<const char*>(items[kOptionsScaleLabel].dp), "Window Scale:");
    EXPECT_EQ(items[kOptionsScale].key, 'W');
    EXPECT_EQ(NumberFieldShown(&items[kOptionsScale]), c.shown) << c.stored;
    EXPECT_EQ((items[kOptionsSmooth].flags & D_SELECTED) != 0, c.smooth == 1) << c.stored;
    // The player moves the scale one up (at most 4) and flips the smoothing.
    items[kOptionsScale].d2 = std::min(c.shown + 1, kScaleMax);
    Toggle(items, kOptionsSmooth);
    TakeOptionsDialog(items);
    EXPECT_EQ(GameOptions.scale, std::min(c.shown + 1, kScaleMax)) << c.stored;
    EXPECT_EQ(GameOptions.smooth, 1 - c.smooth) << c.stored;
  }
}

TEST_F(Options, ValuesFromOutsideTheRangesAreHeldToThem) {
  struct Case {
    int range, volume, shownRange, shownVolume;
  } cases[] = {{500, 40, 99, 10}, {-3, -1, 0, 0}, {99, 10, 99, 10}, {0, 0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.range);
    GameOptions.enemyrange = c.range;
    GameOptions.volume = c.volume;
    GameOptions.altdice = 7;  // any non-zero value is on
    dialogs.Script({Press(kOptionsOk)});
    OptionsDialog();
    EXPECT_EQ(GameOptions.enemyrange, c.shownRange);
    EXPECT_EQ(GameOptions.volume, c.shownVolume);
    EXPECT_EQ(GameOptions.altdice, 1);
  }
}

TEST_F(Options, ClassicThenOkGivesTheClassicRules) {
  dialogs.Script({
      Press(kOptionsClassic),
      [](DIALOG* items) {
        // Shown again with the preset in the boxes, OK on focus stays where it was.
        EXPECT_EQ(items[kOptionsRange].d2, 99);
        EXPECT_FALSE(items[kOptionsFixedWalk].flags & D_SELECTED);
        EXPECT_TRUE(items[kOptionsTargetHeroes].flags & D_SELECTED);
        return kOptionsOk;
      },
  });
  OptionsDialog();
  EXPECT_EQ(dialogs.showings, 2);
  ExpectValues(kClassic);
  // Range 99, dice rolls, no walk over an action, hero-on-hero attacks.
  EXPECT_EQ(GameOptions.enemyrange, 99);
  EXPECT_EQ(GameOptions.fixedwalk, 0);
  EXPECT_EQ(GameOptions.skirmish, 0);
  EXPECT_EQ(GameOptions.targetheroes, 1);
}

TEST_F(Options, WhatClosedTheDialogDecidesWhatHappensNext) {
  // Each case: the player ticks "Swap usual enemy locations", sets range 33 and volume
  // 2, then closes with a button; a preset shows the dialog once more, closed with OK.
  struct Case {
    const char* name;
    int closer;
    int exitRequest;
    int showings;
    OptionValues want;
  } cases[] = {
      {"OK", kOptionsOk, 0, 1, {33, 1, 1, 0, 0, 1, 1, 0, 1}},
      {"Escape", -1, 0, 1, {33, 1, 1, 0, 0, 1, 1, 0, 1}},
      {"program closing", kOptionsWatcher, 2, 1, {33, 1, 1, 0, 0, 1, 1, 0, 1}},
      {"DEFAULT", kOptionsDefault, 0, 2, kDefault},
      {"CLASSIC", kOptionsClassic, 0, 2, kClassic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetDefaultGameOptions();
    ExitRequest = 0;
    dialogs.Script({
        [&c](DIALOG* items) {
          Toggle(items, kOptionsSwap);
          items[kOptionsRange].d2 = 33;
          items[kOptionsVolume].d2 = 2;
          ExitRequest = c.exitRequest;
          return c.closer;
        },
        Press(kOptionsOk),
    });
    OptionsDialog();
    EXPECT_EQ(dialogs.showings, c.showings);
    ExpectValues(c.want);
    EXPECT_EQ(GameOptions.volume, 2);  // kept by the presets too
  }
}

TEST_F(Options, ANewVolumeReachesThePlayingLoopWhenTheDialogCloses) {
  FakeGameData data;
  data.SetSample(kFirstSound + IndoorLoop);
  data.Install();
  VolumePlatform platform;
  SetPlatform(&platform);
  ResetQuest(true);
  FloorMap[2][2] = 3;
  Ambience(2, 2, kAmbienceStart);
  dialogs.Script({[&platform](DIALOG* items) {
    items[kOptionsVolume].d2 = 3;
    EXPECT_TRUE(platform.adjusted.empty());  // not while the dialog is open
    return kOptionsOk;
  }});
  OptionsDialog();
  Ambience(0, 0, kAmbienceStop);
  SetPlatform(&TestPlatform());
  ASSERT_EQ(platform.adjusted.size(), 1u);
  EXPECT_EQ(platform.adjusted[0], 3 * 7);
  EXPECT_TRUE(platform.keys.empty());
  EXPECT_GE(platform.waitedMs, 100);
  ResetQuest(true);
}

TEST_F(Options, TheScreenUnderTheDialogComesBack) {
  BITMAP* bmp = create_bitmap(800, 600);
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) putpixel(bmp, x, y, makecol(x & 255, y & 255, 77));
  BITMAP* before = create_bitmap(800, 600);
  blit(bmp, before, 0, 0, 0, 0, 800, 600);
  gui_set_screen(bmp);
  dialogs.Script({[bmp, before](DIALOG* items) {
    // The dialog draws over the board while it is open.
    for (int i = 0; i < kOptionsWatcher; i++) items[i].proc(MSG_DRAW, &items[i], 0);
    const DIALOG& box = items[kOptionsBox];
    EXPECT_NE(getpixel(bmp, box.x + 5, box.y + 5), getpixel(before, box.x + 5, box.y + 5));
    return kOptionsOk;
  }});
  FakeGameData data;
  data.SetFont(kFontDialog);
  data.SetFont(kFontSmall);
  data.Install();
  OptionsDialog();
  gui_set_screen(nullptr);
  int differing = 0;
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) differing += getpixel(bmp, x, y) != getpixel(before, x, y);
  EXPECT_EQ(differing, 0);
  destroy_bitmap(before);
  destroy_bitmap(bmp);
}

TEST_F(Options, TheMainMenusEntryOpensTheDialogAndKeepsItsFocus) {
  dialogs.Script({[](DIALOG* items) {
    items[kOptionsRange].d2 = 12;
    return kOptionsOk;
  }});
  EXPECT_EQ(ActOnMainMenuChoice(kMenuOptions), kMenuOptions);
  EXPECT_EQ(dialogs.showings, 1);
  EXPECT_EQ(GameOptions.enemyrange, 12);
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

}  // namespace

namespace {

// Without a screen (the tools, a failed start) the library's dialog manager is never
// asked: both dialogs count as dismissed at once.
TEST(RulesDialogs, WithoutAScreenTheyCloseAtOnce) {
  TestPlatform().Reset();
  SetDefaultGameOptions();
  ASSERT_EQ(gui_get_screen(), nullptr);
  EXPECT_EQ(OptionsDialog(), 0);
  EXPECT_EQ(GameOptions.enemyrange, 20);
  EXPECT_EQ(GameMenu(), 0);
  EXPECT_TRUE(TestPlatform().alerts.empty());
}

}  // namespace
