// One bot game: what is played (a quest file today; a campaign or the Magic Dungeon
// later), the headless start of the game library, and the game itself, run by the
// real play loop with the bot's platform in place of the player.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum BotOutcome {
  kBotVictory = 0,
  kBotDefeat,
  kBotLeft,
  kBotRoundLimit,
  kBotStuck,  // the rules stopped asking for input, or the board could not be set up
  kBotOutcomeCount,
};
// "victory", "defeat", "left", "round limit", "stuck".
const char* BotOutcomeName(int outcome);

struct BotSettings {
  int maxRounds = 300;
  int preset = 0;             // OptionsPreset: kPresetDefault or kPresetClassic
  int turnActionLimit = 60;   // actions of one hero turn before the bot ends it
  long maxActions = 0;        // a game ends as a round limit after this many (0: no end)
  int lastLevel = 0;          // the Magic Dungeon's last level (0: the game's default)
};

// One board of a game: a chapter of a campaign, or the quest itself.
struct BotBoardResult {
  int chapter = 0;      // the chapter number the quest file gives
  int outcome = kBotStuck;
  int rounds = 0;
  int heroesAlive = 0;
  long experience = 0;  // of the four heroes, after what the board ended with was settled
  long gold = 0;
};

struct BotGameResult {
  int outcome = kBotStuck;  // of the last board
  int rounds = 0;       // rounds begun (every hero on the board had his turn in each)
  int heroesAlive = 0;  // heroes not killed (on the board or gone through an endpoint)
  int gold = 0;         // the gold they carry
  long actions = 0;     // key presses and clicks of the bot
  long heroTurns = 0;   // hero turns begun, all boards together
  unsigned long pausedMs = 0;  // the pauses the game asked for, all added up
  long long playerNs = 0;       // processor time the bot spent choosing (not the game's)
  std::vector<BotBoardResult> boards;  // one per board played, in order
};

// What one game plays. A game begins with a fresh board; when a board ends, the source
// may put the next one in memory (the next chapter with the party, the next level) and
// the game goes on.
class BotGameSource {
 public:
  virtual ~BotGameSource() = default;
  // How the summary names it.
  virtual const std::string& Name() const = 0;
  // The first board of a game into memory; false with the reason when it cannot be.
  virtual bool Begin(std::string* error) = 0;
  // After the generator is seeded, before the first board is played: the briefing's
  // part (heroes brought in, shopping).
  // False with the reason when the board cannot be set out.
  virtual bool Start(std::string* error) { return true; }
  // After a board ended with QuestOutcome outcome, before it is counted: the result's
  // part (rewards, the party carried over).
  virtual void Settle(int outcome) {}
  // After a board ended with QuestOutcome outcome: true when another board is now in
  // memory and the game goes on.
  virtual bool Continue(int outcome) { return false; }
};

// A single quest file, played on its own.
class QuestFileSource : public BotGameSource {
 public:
  explicit QuestFileSource(const std::string& path) : path_(path) {}
  const std::string& Name() const override { return path_; }
  bool Begin(std::string* error) override;

 private:
  std::string path_;
};

// A campaign: its first chapter file (".qst"), then ".q02", ".q03" ... beside it, played
// in order with the party as the game carries it between chapters. The bot checks all
// four heroes at every briefing and shops by BotShop. A lost chapter, or one whose file
// is missing, damaged or holds another chapter, ends the game.
class CampaignSource : public BotGameSource {
 public:
  explicit CampaignSource(const std::string& path) : path_(path) {}
  const std::string& Name() const override { return path_; }
  bool Begin(std::string* error) override;
  bool Start(std::string* error) override;
  void Settle(int outcome) override;
  bool Continue(int outcome) override;
  // Why the last Continue ended the game when a chapter was due ("" otherwise).
  const std::string& Stop() const { return stop_; }
  // True when the last game won the campaign's last chapter.
  bool AllWon() const { return allWon_; }

 private:
  std::string path_, stop_;
  bool allWon_ = false;
};

// The Magic Dungeon from level 1, as THE DUNGEON starts it: a new seed base from the
// game's seed, hero 1 goes down alone (the bot's pick of the one hero allowed) after
// shopping by BotShop. The game is one board as far as the play loop goes: the stairs
// rebuild it level by level until the last level's stairs down win it, or the hero
// falls.
class DungeonSource : public BotGameSource {
 public:
  const std::string& Name() const override { return name_; }
  bool Begin(std::string*) override { return true; }
  bool Start(std::string* error) override;
  void Settle(int outcome) override;
  // The deepest level the hero reached in the last game.
  int Deepest() const;

 private:
  std::string name_ = "Magic Dungeon";
};

// The bot's shopping for the four heroes on the board: each buys potions first (up to
// two), then, while any hero can pay for his shop's weapon or armour, the weakest of
// those who can (least life, offence and defence together) buys the dearer of the two
// he can afford. Answers the number of goods bought.
int BotShop();

// Starts the game library without a display (memory pictures at 32 bits, the screen's
// hooks) and loads the datafile and the prefab table from dataFolder, or from beside the
// running program when it is null. A missing datafile leaves every object one tile in
// size and is told in *warning. False with the reason in *error when the library cannot
// start.
bool StartBotEnvironment(const char* argv0, const char* dataFolder, std::string* error,
                         std::string* warning);

// Plays one game from source with the shared generator seeded with seed. The log, when
// given, gets one line for the game, one per hero turn, one per action of the bot with
// what came of it, and one for the end. The platform, the options and the screen's
// hooks in force before are restored afterwards.
BotGameResult PlayBotGame(BotGameSource& source, int game, uint32_t seed,
                          const BotSettings& settings, std::string* log);
