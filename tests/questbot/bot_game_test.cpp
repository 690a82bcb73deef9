// Whole bot games on small boards, run by the real play loop inside the test program.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bot_board.h"
#include "bot_game.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "support/scripted_platform.h"

namespace {

// A board built in memory for every game.
class BoardSource : public BotGameSource {
 public:
  explicit BoardSource(std::function<void()> build) : build_(std::move(build)) {}
  const std::string& Name() const override { return name_; }
  bool Begin(std::string*) override {
    build_();
    return true;
  }

 private:
  std::function<void()> build_;
  std::string name_ = "board";
};

// Two heroes and three orcs in one room: dice decide the fight.
void Skirmish() {
  RockBoard();
  Room(2, 2, 12, 8);
  Piece(1, "Barbarian", kSideHero, 3, 5, {6, 3, 2, 8, 4});
  Piece(2, "Wizard", kSideHero, 3, 6, {6, -3, 1, 6, 7});
  Piece(9, "Orc", kSideGreenskin, 10, 3, {4, 2, 2, 3, 1});
  Piece(10, "Orc", kSideGreenskin, 11, 5, {4, 2, 2, 3, 1});
  Piece(11, "Orc", kSideGreenskin, 10, 7, {4, 2, 2, 3, 1});
}

TEST(BotGame, PlaysThroughThePlayLoopAndPutsEverythingBack) {
  TestPlatform().Reset();
  GameOptions.enemyrange = 7;  // not the preset's
  BoardSource source([] {
    RockBoard();
    Room(2, 2, 8, 8);
    Piece(1, "Barbarian", kSideHero, 4, 4, {6, 12, 2, 8, 4});  // a sure blow
    Piece(9, "Goblin", kSideGreenskin, 5, 4, {4, 1, 0, 1, 1});
  });
  std::string log;
  BotGameResult r = PlayBotGame(source, 0, 3, BotSettings{}, &log);
  EXPECT_EQ(r.outcome, kBotVictory) << log;
  EXPECT_EQ(r.rounds, 1);
  EXPECT_EQ(r.heroesAlive, 1);
  EXPECT_GE(r.actions, 2) << "a click on the goblin, then Enter";
  EXPECT_NE(log.find("click 5,4 choose Goblin#9"), std::string::npos) << log;
  EXPECT_NE(log.find("ENTER attack Goblin#9"), std::string::npos) << log;
  EXPECT_NE(log.find("game 0 end: victory, 1 rounds"), std::string::npos) << log;
  EXPECT_EQ(&Sys(), static_cast<Platform*>(&TestPlatform()));
  EXPECT_EQ(GameOptions.enemyrange, 7);
  EXPECT_EQ(ExitRequest, 0);
  EXPECT_TRUE(TestPlatform().alerts.empty()) << "the game ran on the bot's platform";
}

TEST(BotGame, TheSameSeedGivesTheSameGameByteForByte) {
  BoardSource source(Skirmish);
  std::string a, b, c;
  BotGameResult ra = PlayBotGame(source, 0, 41, BotSettings{}, &a);
  PlayBotGame(source, 0, 41, BotSettings{}, &b);
  EXPECT_EQ(a, b);
  EXPECT_NE(ra.outcome, kBotStuck);
  // Without a log the game is the same.
  BotGameResult rc = PlayBotGame(source, 0, 41, BotSettings{}, nullptr);
  EXPECT_EQ(rc.outcome, ra.outcome);
  EXPECT_EQ(rc.rounds, ra.rounds);
  EXPECT_EQ(rc.actions, ra.actions);
  EXPECT_EQ(rc.gold, ra.gold);
  // And the dice follow the seed: some other seed plays another game.
  bool other = false;
  for (uint32_t seed = 42; seed < 52 && !other; seed++) {
    PlayBotGame(source, 0, seed, BotSettings{}, &c);
    other = c.substr(c.find('\n')) != a.substr(a.find('\n'));
  }
  EXPECT_TRUE(other);
}

TEST(BotGame, AGameThatCannotEndStopsAtTheRoundLimit) {
  BoardSource source([] {
    RockBoard();
    Room(2, 2, 6, 6);
    Room(10, 2, 14, 6, 9);  // walled off
    Piece(1, "Barbarian", kSideHero, 4, 4);
    Piece(9, "Orc", kSideGreenskin, 12, 4);
    VisibilityMap[12][4] = 1;
  });
  BotSettings settings;
  settings.maxRounds = 3;
  std::string log;
  BotGameResult r = PlayBotGame(source, 0, 1, settings, &log);
  EXPECT_EQ(r.outcome, kBotRoundLimit) << log;
  EXPECT_EQ(r.rounds, 3);
  EXPECT_NE(log.find("round limit reached"), std::string::npos);
}

TEST(BotGame, AGameEndsAtItsActionLimitWithItsTurnsAndPausesCounted) {
  // Two heroes walled off from the orc: the game could go on for ever.
  BoardSource source([] {
    RockBoard();
    Room(2, 2, 6, 6);
    Room(10, 2, 14, 6, 9);
    Piece(1, "Barbarian", kSideHero, 4, 4);
    Piece(2, "Dwarf", kSideHero, 5, 5);
    Piece(9, "Orc", kSideGreenskin, 12, 4);
  });
  BotSettings settings;
  settings.maxActions = 9;
  settings.turnActionLimit = 2;
  std::string log;
  BotGameResult r = PlayBotGame(source, 0, 1, settings, &log);
  EXPECT_EQ(r.outcome, kBotRoundLimit) << log;
  EXPECT_EQ(r.actions, 9);
  EXPECT_NE(log.find("action limit of the game reached"), std::string::npos) << log;
  // Each turn the log begins is counted; two make a round.
  long turnsLogged = 0;
  for (size_t at = log.find(" turn at "); at != std::string::npos; at = log.find(" turn at ", at + 1))
    turnsLogged++;
  EXPECT_EQ(r.heroTurns, turnsLogged) << log;
  EXPECT_GT(r.heroTurns, 2);
  EXPECT_EQ(r.rounds, (r.heroTurns + 1) / 2);
  // Every action answers an idle wait of 10 ms; the bot's choosing took some time.
  EXPECT_GE(r.pausedMs, 10u * r.actions);
  EXPECT_GT(r.playerNs, 0);
}

TEST(BotGame, ATurnEndsAtItsActionLimit) {
  // A corridor round a corner to explore: with one action a turn, each turn is one
  // step and the end of the turn.
  BoardSource source([] {
    RockBoard();
    Room(2, 4, 6, 4);
    Room(6, 4, 6, 16);
    Piece(1, "Barbarian", kSideHero, 2, 4);
    Piece(9, "Orc", kSideGreenskin, 20, 15);
  });
  BotSettings settings;
  settings.maxRounds = 2;
  settings.turnActionLimit = 1;
  std::string log;
  BotGameResult r = PlayBotGame(source, 0, 1, settings, &log);
  EXPECT_EQ(r.outcome, kBotRoundLimit);
  EXPECT_EQ(r.actions, 4) << log;
  EXPECT_NE(log.find("r1 Barbarian#1 3,4 w5 moving: BACKSPACE action limit -> 3,4 w0 acted"),
            std::string::npos)
      << log;
}

TEST(BotGame, AQuestThatCannotBeReadIsNotPlayed) {
  QuestFileSource source("/nonexistent/quest.qst");
  std::string log;
  BotGameResult r = PlayBotGame(source, 2, 1, BotSettings{}, &log);
  EXPECT_EQ(r.outcome, kBotStuck);
  EXPECT_EQ(r.rounds, 0);
  EXPECT_NE(log.find("cannot play: file not found"), std::string::npos) << log;
}

}  // namespace

namespace {

// The bot's shopping: two potions each, then weapons or armour until nobody can pay;
// the fallen buy nothing.
TEST(BotShop, BuysPotionsFirstThenWeaponOrArmour) {
  TestPlatform().Reset();
  RockBoard();
  Room(2, 2, 8, 8);
  struct Case {
    const char* name;
    PieceValues values;
    int gold;
    int life, off, def, goldLeft;  // afterwards
  } const cases[] = {
      // The Armory: potion 30, sword 110; two swords after the potions.
      {"Barbarian", {6, 3, 2, 8, 4}, 300, 10, 5, 2, 20},
      // The Alchemist's Shop: potion 20; the staff (140) is too dear, the shield is not.
      {"Wizard", {6, -3, 1, 6, 7}, 150, 8, -3, 2, 10},
      // Not even a potion.
      {"Dwarf", {5, 2, 2, 8, 3}, 20, 8, 2, 2, 20},
      // Killed: he buys nothing.
      {"Elf", {6, 2, 2, 0, 5}, 500, 0, 2, 2, 500},
  };
  for (int k = 1; k <= 4; k++) {
    const Case& c = cases[k - 1];
    Piece(k, c.name, kSideHero, 2 + k, 4, c.values).inventory[kInvGold] = c.gold;
  }
  EXPECT_EQ(BotShop(), 7);
  for (int k = 1; k <= 4; k++) {
    const Case& c = cases[k - 1];
    const ObjectRecord& h = ObjectTable[k];
    EXPECT_EQ(h.attribute[kLife], c.life) << c.name;
    EXPECT_EQ(h.attribute[kOff], c.off) << c.name;
    EXPECT_EQ(h.attribute[kDef], c.def) << c.name;
    EXPECT_EQ(h.inventory[kInvGold], c.goldLeft) << c.name;
  }
}

}  // namespace
