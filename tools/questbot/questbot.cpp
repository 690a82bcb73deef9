// questbot: plays quests headless with the game's own rules, many times over, and tells
// how often they are won.
//
//   questbot [--games N] [--seed S] [--max-rounds R] [--preset default|classic]
//            [--log FILE] [--require-win PERCENT] [--campaign] QUEST...
//   questbot --dungeon [--levels L] [--games N] [--seed S] ...
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bot_game.h"
#include "bot_platform.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "quest/quest_model.h"
#include "rules/options_dialog.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitShortfall = 1;
constexpr int kExitUsage = 2;

const char kUsage[] =
    "usage: questbot [--games N] [--seed S] [--max-rounds R] [--preset default|classic]\n"
    "                [--log FILE] [--require-win PERCENT] [--campaign] QUEST...\n"
    "       questbot --dungeon [--levels L] [--games N] [--seed S] [--max-rounds R]\n"
    "                [--preset default|classic] [--log FILE] [--require-win PERCENT]\n";

const char kHelp[] =
    "Plays each quest N times with the game's own rules, without a window, sound or\n"
    "waiting, and tells how each game ended. A bot leads the heroes through the same\n"
    "keys and mouse clicks a player has: it fights monsters next to it or coming for\n"
    "it, explores towards unseen rooms, searches, picks up keys, drinks from healing\n"
    "objects when wounded and goes for the quest's objective. Questions are answered\n"
    "so that it never flees and never leaves.\n"
    "\n"
    "  --games N            games per quest, 1 to 100000 (default 10)\n"
    "  --seed S             seed of the first game, 0 to 2147483647 (default 1);\n"
    "                       game i (counted from 0) uses seed S + i\n"
    "  --max-rounds R       a game still going after R rounds ends as a round limit,\n"
    "                       1 to 100000 (default 300)\n"
    "  --preset P           the house rules: default or classic, as the Options\n"
    "                       dialog's presets (default: default)\n"
    "  --log FILE           writes every action of the bot and what came of it, one\n"
    "                       per line; the same arguments always give the same file\n"
    "  --require-win P      every quest must be won in at least P percent of its games,\n"
    "                       0 to 100\n"
    "  --campaign           each QUEST is the first chapter of a campaign: its\n"
    "                       chapters (.qst, .q02, .q03 ...) are played in order\n"
    "                       with the party, rewards paid and the fallen replaced\n"
    "                       by recruits as in the game; at every briefing each\n"
    "                       hero buys up to two potions, then the weakest hero who\n"
    "                       can pay buys his shop's weapon, else its armour. A lost\n"
    "                       chapter ends the game. Each game prints a line per\n"
    "                       chapter (outcome, rounds, heroes alive, the party's\n"
    "                       experience and gold) and its result; --require-win\n"
    "                       counts whole campaigns won, and a campaign that ends\n"
    "                       at a missing or damaged chapter counts as left\n"
    "  --dungeon            plays the Magic Dungeon from level 1 instead of quest\n"
    "                       files: hero 1 goes down alone after shopping, takes the\n"
    "                       stairs down wherever he finds them and never flees.\n"
    "                       Each game prints the deepest level reached; the summary\n"
    "                       gives the median and the deepest of all games. The\n"
    "                       round limit counts the whole descent (default 1000)\n"
    "  --levels L           the Magic Dungeon's last level, 1 to 127 (default 20,\n"
    "                       as the game's [dungeon] lastlevel)\n"
    "  --help               this text\n"
    "\n"
    "Each game prints one line: the quest, the game number and seed, the outcome\n"
    "(victory, defeat, left, round limit, stuck), the rounds played, the heroes alive\n"
    "and their gold. Each quest then prints a summary: victories, defeats, round\n"
    "limits, the median rounds and the hero turns of all its games. A game is stuck\n"
    "when the rules stopped asking the player for input.\n"
    "\n"
    "The datafile Dunmar.dat and the prefab table Dunmar.qpf are read from beside the\n"
    "program (without the datafile every object counts as one tile). The house rules\n"
    "come from --preset alone: dunmar.cfg is not read.\n"
    "\n"
    "Exit codes: 0 every game ran and every quest met --require-win; 1 a quest fell\n"
    "short of it or a game got stuck; 2 bad arguments or a quest that cannot be read.\n";

struct Arguments {
  int games = 10;
  long seed = 1;
  int maxRounds = 300;
  int preset = kPresetDefault;
  const char* logPath = nullptr;
  int requireWin = -1;  // -1: none
  bool campaign = false;
  bool dungeon = false;
  int levels = 0;  // 0: the game's default
  bool roundsGiven = false;
  std::vector<std::string> quests;
};

int Usage(const char* problem, const char* detail) {
  fprintf(stderr, "questbot: %s%s%s\n%s", problem, detail ? ": " : "", detail ? detail : "",
          kUsage);
  return kExitUsage;
}

// Returns -1 when the arguments are fine, else the exit code to end with.
int ParseArguments(int argc, char** argv, Arguments& a) {
  for (int i = 1; i < argc; i++) {
    const char* arg = argv[i];
    if (strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0) {
      printf("%s\n%s", kUsage, kHelp);
      return kExitOk;
    }
    const bool takesValue = strcmp(arg, "--games") == 0 || strcmp(arg, "--seed") == 0 ||
                            strcmp(arg, "--max-rounds") == 0 || strcmp(arg, "--preset") == 0 ||
                            strcmp(arg, "--log") == 0 || strcmp(arg, "--require-win") == 0 ||
                            strcmp(arg, "--levels") == 0;
    if (takesValue) {
      if (i + 1 >= argc) return Usage("missing value for", arg);
      const char* value = argv[++i];
      auto number = [&](long lo, long hi, long& out) {
        if (ParseWholeNumber(value, lo, hi, out)) return true;
        char detail[200];
        snprintf(detail, sizeof detail, "%s %s (expected a whole number from %ld to %ld)", arg,
                 value, lo, hi);
        Usage("bad value", detail);
        return false;
      };
      long v = 0;
      if (strcmp(arg, "--games") == 0) {
        if (!number(1, 100000, v)) return kExitUsage;
        a.games = static_cast<int>(v);
      } else if (strcmp(arg, "--seed") == 0) {
        if (!number(0, INT_MAX, v)) return kExitUsage;
        a.seed = v;
      } else if (strcmp(arg, "--max-rounds") == 0) {
        if (!number(1, 100000, v)) return kExitUsage;
        a.maxRounds = static_cast<int>(v);
        a.roundsGiven = true;
      } else if (strcmp(arg, "--levels") == 0) {
        if (!number(1, 127, v)) return kExitUsage;
        a.levels = static_cast<int>(v);
      } else if (strcmp(arg, "--require-win") == 0) {
        if (!number(0, 100, v)) return kExitUsage;
        a.requireWin = static_cast<int>(v);
      } else if (strcmp(arg, "--preset") == 0) {
        if (strcmp(value, "default") == 0)
          a.preset = kPresetDefault;
        else if (strcmp(value, "classic") == 0)
          a.preset = kPresetClassic;
        else
          return Usage("bad value", (std::string("--preset ") + value +
                                     " (expected default or classic)").c_str());
      } else {
        if (!*value) return Usage("bad value", "--log needs a file name");
        a.logPath = value;
      }
      continue;
    }
    if (strcmp(arg, "--campaign") == 0) {
      a.campaign = true;
      continue;
    }
    if (strcmp(arg, "--dungeon") == 0) {
      a.dungeon = true;
      continue;
    }
    if (arg[0] == '-' && arg[1] != '\0') return Usage("unknown option", arg);
    a.quests.push_back(arg);
  }
  if (a.dungeon) {
    if (a.campaign) return Usage("--dungeon and --campaign exclude each other", nullptr);
    if (!a.quests.empty()) return Usage("--dungeon takes no quest", a.quests[0].c_str());
    if (!a.roundsGiven) a.maxRounds = 1000;
    return -1;
  }
  if (a.levels > 0) return Usage("--levels needs --dungeon", nullptr);
  if (a.quests.empty()) return Usage("no quest given", nullptr);
  return -1;
}

// The middle of the sorted values (the mean of the two middle ones for an even count),
// in tenths.
int MedianTenths(std::vector<int> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] * 10 : (v[n / 2 - 1] + v[n / 2]) * 5;
}

std::string Tenths(int t) {
  char text[32];
  if (t % 10)
    snprintf(text, sizeof text, "%d.%d", t / 10, t % 10);
  else
    snprintf(text, sizeof text, "%d", t / 10);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  int early = ParseArguments(argc, argv, args);
  if (early >= 0) return early;

  std::string error, warning;
  if (!StartBotEnvironment(argv[0], nullptr, &error, &warning)) {
    fprintf(stderr, "questbot: %s\n", error.c_str());
    return kExitUsage;
  }
  if (!warning.empty()) fprintf(stderr, "questbot: %s", warning.c_str());

  // Every quest must be readable before any game is played.
  std::vector<std::unique_ptr<BotGameSource>> sources;
  {
    BotPlatform quiet(nullptr);
    Platform& before = Sys();
    SetPlatform(&quiet);
    if (args.dungeon) sources.push_back(std::make_unique<DungeonSource>());
    for (const std::string& q : args.quests) {
      if (args.campaign)
        sources.push_back(std::make_unique<CampaignSource>(q));
      else
        sources.push_back(std::make_unique<QuestFileSource>(q));
      if (!sources.back()->Begin(&error)) {
        SetPlatform(&before);
        fprintf(stderr, "questbot: cannot play %s: %s\n", q.c_str(), error.c_str());
        return kExitUsage;
      }
    }
    SetPlatform(&before);
  }

  FILE* log = nullptr;
  if (args.logPath) {
    log = fopen(args.logPath, "w");
    if (!log) {
      fprintf(stderr, "questbot: cannot write the log %s: %s\n", args.logPath, strerror(errno));
      return kExitUsage;
    }
  }

  BotSettings settings;
  settings.maxRounds = args.maxRounds;
  settings.preset = args.preset;
  settings.lastLevel = args.levels;
  int code = kExitOk;
  for (auto& source : sources) {
    const char* name = source->Name().c_str();
    int counts[kBotOutcomeCount] = {};
    std::vector<int> rounds, wonRounds, depths;
    long heroTurns = 0;
    for (int i = 0; i < args.games; i++) {
      const uint32_t seed = static_cast<uint32_t>(args.seed + i);
      std::string text;
      BotGameResult r = PlayBotGame(*source, i, seed, settings, log ? &text : nullptr);
      if (log) {
        fwrite(text.data(), 1, text.size(), log);
        fflush(log);
      }
      rounds.push_back(r.rounds);
      heroTurns += r.heroTurns;
      if (args.campaign) {
        const auto& campaign = static_cast<const CampaignSource&>(*source);
        int furthest = 0;
        for (const BotBoardResult& b : r.boards) {
          printf("%s game %d seed %u chapter %d: %s, %d rounds, %d heroes alive, "
                 "%ld experience, %ld gold\n", name, i, seed, b.chapter,
                 BotOutcomeName(b.outcome), b.rounds, b.heroesAlive, b.experience, b.gold);
          if (b.outcome == kBotVictory) furthest = b.chapter;
        }
        if (!campaign.Stop().empty())
          printf("%s game %d seed %u: the campaign ends here: %s\n", name, i, seed,
                 campaign.Stop().c_str());
        // Counted by how its last chapter ended; a campaign that ended at a missing or
        // damaged chapter after a victory counts as left.
        const bool won = campaign.AllWon();
        int counted = r.outcome;
        if (r.outcome == kBotVictory && !won) counted = kBotLeft;
        counts[counted]++;
        if (won) wonRounds.push_back(r.rounds);
        if (won)
          printf("%s game %d seed %u: all %d chapters won, %d rounds\n", name, i, seed,
                 static_cast<int>(r.boards.size()), r.rounds);
        else
          printf("%s game %d seed %u: furthest chapter won %d, %d rounds\n", name, i, seed,
                 furthest, r.rounds);
      } else if (args.dungeon) {
        const int deepest = static_cast<const DungeonSource&>(*source).Deepest();
        depths.push_back(deepest);
        counts[r.outcome]++;
        if (r.outcome == kBotVictory) wonRounds.push_back(r.rounds);
        printf("%s game %d seed %u: deepest level %d of %d, %s, %d rounds, %d gold\n", name, i,
               seed, deepest, QuestHeader.chapters, BotOutcomeName(r.outcome), r.rounds, r.gold);
      } else {
        counts[r.outcome]++;
        if (r.outcome == kBotVictory) wonRounds.push_back(r.rounds);
        printf("%s game %d seed %u: %s, %d rounds, %d heroes alive, %d gold\n", name, i, seed,
               BotOutcomeName(r.outcome), r.rounds, r.heroesAlive, r.gold);
      }
      fflush(stdout);
    }
    const int won = counts[kBotVictory];
    const int percent = won * 100 / args.games;
    std::string summary;
    printf("%s: %d games, %d %s (%d%%), %d defeats, %d round limits, %d left", name,
           args.games, won, args.campaign ? "campaigns won" : "victories", percent,
           counts[kBotDefeat], counts[kBotRoundLimit], counts[kBotLeft]);
    if (counts[kBotStuck]) printf(", %d stuck", counts[kBotStuck]);
    printf(", median %s rounds", Tenths(MedianTenths(rounds)).c_str());
    if (!wonRounds.empty()) printf(" (%s when won)", Tenths(MedianTenths(wonRounds)).c_str());
    if (!depths.empty())
      printf(", median deepest level %s, deepest %d", Tenths(MedianTenths(depths)).c_str(),
             *std::max_element(depths.begin(), depths.end()));
    printf(", %ld hero turns", heroTurns);
    if (args.requireWin >= 0) {
      // Compared exactly: won / games >= required / 100.
      bool met = won * 100 >= args.requireWin * args.games;
      printf(", %d%% required: %s", args.requireWin, met ? "met" : "FELL SHORT");
      if (!met) code = kExitShortfall;
    }
    printf("\n");
    fflush(stdout);
    if (counts[kBotStuck]) code = kExitShortfall;
  }
  if (log) fclose(log);
  return code;
}
