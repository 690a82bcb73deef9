// A quest loaded and then played: whatever a loadable file holds, the bot plays a few
// hundred steps of it with the game's own rules and the game neither breaks nor stops
// asking for input.
#include <cstdio>
#include <string>

#include "bot_game.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = false;
  if (!started) {
    started = true;
    std::string error, warning;
    if (!StartBotEnvironment("questplay_fuzzer", DUNMARROW_GAME_DIR, &error, &warning))
      FuzzFail("%s", error.c_str());
    if (!warning.empty()) FuzzFail("%s", warning.c_str());
  }
  static const std::string path = FuzzFile("input.qst");
  FuzzWrite(path, data, size);
  QuestFileSource source(path);
  BotSettings settings;
  settings.maxRounds = 20;
  settings.turnActionLimit = 30;
  settings.maxActions = 300;
  BotGameResult r = PlayBotGame(source, 0, 1, settings, nullptr);
  if (r.boards.empty()) return 0;  // not a whole quest: the bot does not play it
  FUZZ_CHECK(r.outcome != kBotStuck, "the game stopped asking for input after %ld actions",
             r.actions);
  return 0;
}
