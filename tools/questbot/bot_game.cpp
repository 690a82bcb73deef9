#include "bot_game.h"

#include <allegro.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "bot_platform.h"
#include "bot_policy.h"
#include "campaign/campaign_hooks.h"
#include "campaign/magic_dungeon.h"
#include "campaign/party.h"
#include "campaign/quest_screen.h"
#include "campaign/shop.h"
#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/message_log.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/random.h"
#include "core/wall_clock.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest/quest_paths.h"
#include "render/board_draw.h"
#include "render/message_line.h"
#include "render/render_bitmaps.h"
#include "render/screen_hooks.h"
#include "render/screen_layout.h"
#include "render/screen_buttons.h"
#include "rules/options_dialog.h"
#include "rules/play_loop.h"
#include "rules/play_state.h"

namespace {

// The walk message every hero turn begins with ("<name> make your move..." or
// "<name>, your dice count is ..., make your move...").
constexpr char kTurnMessageEnd[] = "make your move...";

void Appendf(std::string* out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Appendf(std::string* out, const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  *out += line;
}

const char* StateName(int state) {
  switch (state) {
    case kActionActed: return "acted";
    case kActionMoving: return "moving";
    case kActionChoosingTarget: return "choosing";
    default: return "busy";
  }
}

class BotPlayer;
BotPlayer* gPlayer = nullptr;

class BotPlayer : public BotInput {
 public:
  BotPlayer(const BotSettings& settings, std::string* log)
      : platform(this), settings_(settings), log_(log) {}

  BotPlatform platform;
  BotMemory memory;
  int rounds = 0;
  long actions = 0;
  long heroTurns = 0;
  bool roundLimit = false;
  bool stuck = false;

  // A new board: its rounds are counted from the first, the bot forgets the last one.
  void NewBoard() {
    rounds = 0;
    turnStarted_ = false;
    lastTurnHero_ = kMaxObjects;
    memory.NewGame();
  }

  void Line(const std::string& text) {
    if (log_) *log_ += text + "\n";
  }

  void Message(const char* text) {
    // A hero's walk message: his name, and the end every walk message has.
    size_t n = strlen(text), e = sizeof kTurnMessageEnd - 1;
    const int hero = CurrentObject;
    if (n >= e && strcmp(text + n - e, kTurnMessageEnd) == 0 && hero > 0 && hero < kMaxObjects &&
        ObjectTable[hero].side == kSideHero &&
        strncmp(text, ObjectTable[hero].name, strlen(ObjectTable[hero].name)) == 0)
      turnStarted_ = true;
    if (log_ && *text) {  // the empty lines make room for the dice
      results_ += " | ";
      results_ += text;
    }
  }

  void Idle() override {
    platform.ReleaseMouse();
    if (ExitRequest >= 2 || QuestOutcome != kQuestPlaying) return;
    const int hero = CurrentObject;
    if (hero <= 0 || hero >= kMaxObjects || ObjectTable[hero].side != kSideHero) return;
    Flush();
    if (turnStarted_) {
      turnStarted_ = false;
      heroTurns++;
      if (hero <= lastTurnHero_) rounds++;
      lastTurnHero_ = hero;
      memory.NewTurn();
      if (rounds > settings_.maxRounds) {
        rounds = settings_.maxRounds;
        roundLimit = true;
        ExitRequest = 2;
        Line("round limit reached");
        return;
      }
      if (log_) {
        const ObjectRecord& h = ObjectTable[hero];
        std::string line;
        Appendf(&line, "r%d %s#%d turn at %d,%d walk %d life %d/%d", rounds, h.name, hero,
                HeroPositionX, HeroPositionY, WalkLeft, h.attribute[kLife],
                h.attribute[kLifeMax]);
        Line(line);
      }
    }
    // The pass that just ran was the turn's last.
    if (WalkLeft <= 0 && ActionState <= kActionRequested) return;

    if (settings_.maxActions > 0 && actions >= settings_.maxActions) {
      roundLimit = true;
      ExitRequest = 2;
      Line("action limit of the game reached");
      return;
    }
    BotAction a;
    if (memory.actions >= settings_.turnActionLimit) {
      a.kind = BotAction::kKey;
      a.key = kBotKeyBackspace;
      a.why = "action limit";
      memory.actions++;
    } else {
      a = ChooseBotAction(memory);
    }
    actions++;
    if (log_) Describe(hero, a);
    actingHero_ = hero;
    if (a.kind == BotAction::kKey) {
      platform.PressKey(a.key);
    } else if (a.kind == BotAction::kClick) {
      int sx = 0, sy = 0;
      TileToScreen(a.tx, a.ty, &sx, &sy);
      platform.PressMouse(sx, sy);
    }
  }

  int Answer(const char* l1, const char* l2, const char* l3, const char* b1,
             const char* b2) override {
    int answer = BotAlertAnswer(b1, b2);
    if (log_) {
      results_ += " | [";
      for (const char* l : {l1, l2, l3})
        if (l && *l && strcmp(l, " ") != 0) {
          std::string t = l;
          size_t a = t.find_first_not_of(' '), b = t.find_last_not_of(' ');
          if (a != std::string::npos) results_ += t.substr(a, b - a + 1) + " ";
        }
      results_ += "-> ";
      results_ += answer == 1 ? b1 : b2;
      results_ += "]";
    }
    return answer;
  }

  void Stalled() override {
    stuck = true;
    ExitRequest = 2;
    Line("stuck: the rules stopped asking for input");
  }

  // Writes the last action with what came of it (or the lines printed without one).
  void Flush() {
    if (!log_) return;
    if (!pending_.empty()) {
      std::string line = pending_ + " ->";
      if (!turnStarted_ && CurrentObject == actingHero_ && QuestOutcome == kQuestPlaying)
        Appendf(&line, " %d,%d w%d %s", HeroPositionX, HeroPositionY, WalkLeft,
                StateName(ActionState));
      else
        line += " turn over";
      Line(line + results_);
    } else if (!results_.empty()) {
      Line(" " + results_.substr(1));
    }
    pending_.clear();
    results_.clear();
  }

 private:
  void Describe(int hero, const BotAction& a) {
    const ObjectRecord& h = ObjectTable[hero];
    pending_.clear();
    Appendf(&pending_, "r%d %s#%d %d,%d w%d %s: ", rounds, h.name, hero, HeroPositionX,
            HeroPositionY, WalkLeft, StateName(ActionState));
    if (a.kind == BotAction::kClick)
      Appendf(&pending_, "click %d,%d", a.tx, a.ty);
    else
      pending_ += BotKeyName(a.key);
    Appendf(&pending_, " %s", a.why);
    if (a.slot > 0 && a.slot < kMaxObjects)
      Appendf(&pending_, " %s#%d", ObjectTable[a.slot].name, a.slot);
    if (a.goalX >= 0) Appendf(&pending_, " %d,%d", a.goalX, a.goalY);
  }

  const BotSettings& settings_;
  std::string* log_;
  std::string pending_, results_;
  bool turnStarted_ = false;
  int lastTurnHero_ = kMaxObjects;
  int actingHero_ = 0;
};

void BotMessageLine(const LoggedMessage& line) {
  if (gPlayer) gPlayer->Message(line.text);
  DrawMessageLine(line);
}

bool LoadQuestFile(const std::string& path, std::string* error) {
  if (LoadQuest(path.c_str()) != 0) {
    *error = "file not found";
    return false;
  }
  if (QuestLoaded != 1 && MapRowsMissing >= kMapRowCount) {
    *error = "not a quest file, or its map part is missing";
    return false;
  }
  if (MapRowsMissing > 0) {
    char why[96];
    snprintf(why, sizeof why, "damaged: %d of its %d map rows are missing", MapRowsMissing,
             kMapRowCount);
    *error = why;
    return false;
  }
  if (QuestLoaded != 1) {
    *error = "not a quest file";
    return false;
  }
  return true;
}

// The heroes not killed (on the board or gone through an endpoint) and their gold.
void CountHeroes(int* alive, int* gold) {
  *alive = 0;
  *gold = 0;
  for (int s = 1; s < kMaxObjects; s++) {
    const ObjectRecord& o = ObjectTable[s];
    int x, y;
    bool gone = s <= 4 && QuestHeader.heroes[s - 1] == kHeroLeftThroughEndpoint;
    if (o.side != kSideHero || !(gone || FindObjectTile(s, &x, &y))) continue;
    ++*alive;
    *gold += o.inventory[kInvGold];
  }
}

int CountOutcome(int playOutcome, const BotPlayer& player) {
  if (player.stuck) return kBotStuck;
  if (player.roundLimit) return kBotRoundLimit;
  switch (playOutcome) {
    case kQuestWon: return kBotVictory;
    case kQuestLost: return kBotDefeat;
    case kQuestLeft: return kBotLeft;
    default: return kBotStuck;
  }
}

// The shop goods the bot buys (their places in both shops).
constexpr int kGoodWeapon = 1;
constexpr int kGoodArmour = 2;
constexpr int kGoodPotion = 3;
constexpr int kBotPotions = 2;

bool OnBoardHero(int k) {
  const ObjectRecord& h = ObjectTable[k];
  return h.side == kSideHero && !IsFreeSlot(h) && h.attribute[kLife] > 0;
}

int Strength(const ObjectRecord& h) {
  const int off = h.attribute[kOff];
  return h.attribute[kLifeMax] + (off < 0 ? -off : off) + h.attribute[kDef];
}

// A refused purchase changes nothing (the shop says why in the message line).
bool Buy(int hero, int good) { return BuyGood(hero, good) == kShopBought; }

// The file of chapter number beside the first one: its extension replaced.
std::string ChapterPath(const std::string& first, int number) {
  std::string path = first;
  size_t slash = path.rfind('/');
  size_t dot = path.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
  char ext[8];
  QuestExtension(ext, number);
  return path + ext;
}

}  // namespace

int BotShop() {
  int bought = 0;
  for (int k = 1; k <= kPartySize; k++)
    for (int n = 0; n < kBotPotions && OnBoardHero(k) && Buy(k, kGoodPotion); n++) bought++;
  // The weakest hero who may still afford something tries the weapon, then the armour
  // (the weapon is the dearer in both shops); who can afford neither is done. Every
  // purchase takes gold, so this ends; the bound is there all the same.
  bool done[kPartySize + 1] = {};
  for (int guard = 0; guard < 1000; guard++) {
    int weakest = 0;
    for (int k = 1; k <= kPartySize; k++)
      if (!done[k] && OnBoardHero(k) &&
          (weakest == 0 || Strength(ObjectTable[k]) < Strength(ObjectTable[weakest])))
        weakest = k;
    if (weakest == 0) break;
    if (Buy(weakest, kGoodWeapon) || Buy(weakest, kGoodArmour))
      bought++;
    else
      done[weakest] = true;
  }
  return bought;
}

bool CampaignSource::Begin(std::string* error) {
  stop_.clear();
  allWon_ = false;
  EmptyParty();
  return LoadQuestFile(path_, error);
}

bool CampaignSource::Start(std::string* error) {
  bool selected[4];
  if (!PrepareQuestStart(selected)) {
    *error = "the quest has not four heroes";
    return false;
  }
  // The bot checks every hero, as a player may.
  for (int k = 1; k <= kPartySize; k++) QuestHeader.heroes[k - 1] = kHeroInPlay;
  BotShop();
  return true;
}

void CampaignSource::Settle(int outcome) {
  if (outcome == kQuestWon) PayVictoryRewards();
  if (outcome == kQuestWon || outcome == kQuestLost) CarryPartyOver();
}

bool CampaignSource::Continue(int outcome) {
  stop_.clear();
  if (outcome != kQuestWon) return false;
  if (QuestHeader.chapter >= QuestHeader.chapters) {
    allWon_ = true;
    return false;
  }
  const int number = QuestHeader.chapter + 1;
  const std::string path = ChapterPath(path_, number);
  std::string error;
  if (!LoadQuestFile(path, &error)) {
    stop_ = path + ": " + error;
    return false;
  }
  if (QuestHeader.chapter != number) {
    char why[64];
    snprintf(why, sizeof why, ": holds chapter %d, not chapter %d", QuestHeader.chapter, number);
    stop_ = path + why;
    return false;
  }
  if (!Start(&error)) {
    stop_ = path + ": " + error;
    return false;
  }
  return true;
}

bool DungeonSource::Start(std::string* error) {
  if (StartTheMagicDungeon() != 0) {
    *error = "the prefab table cannot furnish a level of the Magic Dungeon";
    return false;
  }
  bool selected[4];
  if (!PrepareQuestStart(selected)) {
    *error = "the level has not four heroes";
    return false;
  }
  // One hero goes down: hero 1, the others stay off the board.
  for (int k = 1; k <= kPartySize; k++) {
    QuestHeader.heroes[k - 1] = k == 1 ? kHeroInPlay : kHeroOffBoard;
    if (k == 1) continue;
    for (int y = 0; y < kBoardH; y++)
      for (int x = 0; x < kBoardW; x++)
        if (ObjectMap[x][y] == k) ObjectMap[x][y] = 0;
  }
  BotShop();
  return true;
}

void DungeonSource::Settle(int outcome) {
  if (outcome == kQuestWon) PayVictoryRewards();
  if (outcome == kQuestWon || outcome == kQuestLost) CarryPartyOver();
}

int DungeonSource::Deepest() const { return DeepestDungeonLevel; }

const char* BotOutcomeName(int outcome) {
  static const char* const kNames[kBotOutcomeCount] = {"victory", "defeat", "left",
                                                       "round limit", "stuck"};
  return outcome >= 0 && outcome < kBotOutcomeCount ? kNames[outcome] : "?";
}

bool QuestFileSource::Begin(std::string* error) { return LoadQuestFile(path_, error); }

bool StartBotEnvironment(const char* argv0, const char* dataFolder, std::string* error,
                         std::string* warning) {
  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    *error = "the game library could not start";
    return false;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_24_TO_32);
  InitToolProgramPaths(argv0);
  SetDefaultGameOptions();
  char path[1024];
  auto fileIn = [&](const char* name) {
    if (dataFolder)
      snprintf(path, sizeof path, "%s/%s", dataFolder, name);
    else
      ProgramFile(path, sizeof path, name);
    return path;
  };
  LoadPrefabs(fileIn("Dunmar.qpf"));
  if (PrefabCount <= 0 && warning)
    *warning += std::string("no prefab table at ") + path +
                ": wandering monsters and trap bombs cannot appear\n";
  if (!LoadGameData(fileIn("Dunmar.dat")) && warning)
    *warning += std::string("no datafile at ") + path + ": every object counts as one tile\n";
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  if (!CreateRenderBitmaps(800, 600)) {
    *error = "not enough memory for the screen pictures";
    return false;
  }
  InstallScreenHooks();
  InstallCampaignHooks();
  ResetQuest(true);
  return true;
}

BotGameResult PlayBotGame(BotGameSource& source, int game, uint32_t seed,
                          const BotSettings& settings, std::string* log) {
  BotPlayer player(settings, log);
  Platform& before = Sys();
  const GameOptionsRecord optionsBefore = GameOptions;
  SetPlatform(&player.platform);
  gPlayer = &player;
  SetMessageDisplay(BotMessageLine, PresentMessages);
  // A dialog the game opens on its own (the Hall of Fame on a descent) closes at once.
  const DialogRunner dialogsBefore = RunRulesDialog;
  RunRulesDialog = [](DIALOG*, int focus) { return focus; };
  ExitRequest = 0;
  BotGameResult result;

  if (log) Appendf(log, "game %d seed %u %s\n", game, seed, source.Name().c_str());
  std::string error;
  if (!source.Begin(&error)) {
    player.Line("cannot play: " + error);
  } else {
    SetDefaultGameOptions();
    ApplyOptionsPreset(settings.preset);
    if (settings.lastLevel > 0) GameOptions.lastlevel = settings.lastLevel;
    GameOptions.sound = 0;
    GameOptions.developer = 0;
    ResetPlayState();
    ResetScreenLayout();
    EditingFlag = 0;
    ViewMode = 1;
    player.memory.NewGame();
    SeedRandom(seed);
    // The Magic Dungeon reseeds its monsters with the time: a game's seed stands for it,
    // so that the same arguments play the same games.
    PinWallClock(1000000000LL + seed);
    std::string startError;
    if (!source.Start(&startError)) {
      player.Line("cannot play: " + startError);
    } else {
      for (;;) {
        player.NewBoard();
        const int outcome = PlayQuest();
        player.Flush();
        BotBoardResult board;
        board.chapter = QuestHeader.chapter;
        board.outcome = CountOutcome(outcome, player);
        board.rounds = player.rounds;
        CountHeroes(&board.heroesAlive, &result.gold);
        result.heroesAlive = board.heroesAlive;
        result.rounds += player.rounds;
        result.outcome = board.outcome;
        source.Settle(outcome);
        for (int k = 1; k <= 4; k++) {
          const ObjectRecord& h = ObjectTable[k];
          if (h.side != kSideHero || IsFreeSlot(h) || h.attribute[kLife] <= 0) continue;
          board.experience += h.exp;
          board.gold += h.inventory[kInvGold];
        }
        result.boards.push_back(board);
        if (log)
          Appendf(log, "board %d (chapter %d): %s, %d rounds, %d heroes alive, %ld experience, "
                  "%ld gold\n", static_cast<int>(result.boards.size()), board.chapter,
                  BotOutcomeName(board.outcome), board.rounds, board.heroesAlive,
                  board.experience, board.gold);
        if (player.stuck || player.roundLimit || ExitRequest >= 2 || !source.Continue(outcome))
          break;
        ResetPlayState();
      }
    }
  }
  result.actions = player.actions;
  result.heroTurns = player.heroTurns;
  result.pausedMs = player.platform.NowMs();
  result.playerNs = player.platform.PlayerNs();
  if (log)
    Appendf(log, "game %d end: %s, %d rounds, %d heroes alive, %d gold, %ld actions\n", game,
            BotOutcomeName(result.outcome), result.rounds, result.heroesAlive, result.gold,
            result.actions);

  ExitRequest = 0;
  RunRulesDialog = dialogsBefore;
  UnpinWallClock();
  gPlayer = nullptr;
  InstallScreenHooks();
  GameOptions = optionsBefore;
  SetPlatform(&before);
  return result;
}
