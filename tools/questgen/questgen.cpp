// questgen: writes the quests that ship with the game into data/quests, from the plans
// in this folder, with the game's own model and quest writer, so the files are always
// in the format the game reads.
//
//   questgen [--out DIR] [--prefabs FILE] [--data FILE] [--preview DIR]
//
// The prefab table supplies the objects, the built datafile the picture sizes that
// decide which tiles a large object covers. --preview also draws every board, fully
// revealed, into DIR/<file>.bmp, with traps and omens marked, for a look by eye.
#include <allegro.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/silent_platform.h"
#include "quest/prefab_file.h"
#include "quest/quest_file.h"
#include "quest/quest_model.h"
#include "quest_plans.h"
#include "render/board_draw.h"
#include "render/render_bitmaps.h"

namespace {

const QuestPlan kPlans[] = {
    {"lanterncrypt.qst", BuildLanternCrypt},
    {"pedlarsransom.qst", BuildPedlarsRansom},
    {"wardenskeys.qst", BuildWardensKeys},
    {"thornwood.qst", BuildThornwood},
    {"skarrow.qst", BuildHuntForSkarrow},
    {"countinghouse.qst", BuildCountingHouseVault},
    {"harrowford.qst", BuildHarrowFord},
    {"sunkenlibrary.qst", BuildSunkenLibrary},
    {"wintercrown.qst", BuildWinterCrown1},
    {"wintercrown.q02", BuildWinterCrown2},
    {"wintercrown.q03", BuildWinterCrown3},
    {"wintercrown.q04", BuildWinterCrown4},
    {"wintercrown.q05", BuildWinterCrown5},
    {"wintercrown.q06", BuildWinterCrown6},
};


// The board as a player would see it once everything is revealed; walk scripts get an
// orange corner mark and look scripts a cyan one, since play never draws them.
void SavePreview(const std::string& path) {
  ClearBoardPicture();
  DrawWholeBoard();
  for (int y = 0; y < kBoardH; y++)
    for (int x = 0; x < kBoardW; x++) {
      int s = ScriptMap[x][y];
      if (s == 0) continue;
      int c = ObjectTable[s].side == kSideWalkScript ? makecol(255, 140, 0) : makecol(0, 220, 255);
      rectfill(BoardBitmap, x * kTileSize + 1, y * kTileSize + 1, x * kTileSize + 6,
               y * kTileSize + 6, c);
    }
  save_bitmap(path.c_str(), BoardBitmap, nullptr);
}

int Usage() {
  fprintf(stderr, "usage: questgen [--out DIR] [--prefabs FILE] [--data FILE] [--preview DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out = std::string(DUNMARROW_SOURCE_DIR) + "/data/quests";
  std::string prefabs = std::string(DUNMARROW_SOURCE_DIR) + "/data/Dunmar.qpf";
  std::string data = std::string(DUNMARROW_GAME_DIR) + "/Dunmar.dat";
  std::string preview;
  for (int i = 1; i < argc; i++) {
    std::string* target = nullptr;
    if (strcmp(argv[i], "--out") == 0) target = &out;
    if (strcmp(argv[i], "--prefabs") == 0) target = &prefabs;
    if (strcmp(argv[i], "--data") == 0) target = &data;
    if (strcmp(argv[i], "--preview") == 0) target = &preview;
    if (!target || i + 1 >= argc) return Usage();
    *target = argv[++i];
  }

  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
    fprintf(stderr, "questgen: the game library could not start\n");
    return 1;
  }
  set_color_depth(32);
  set_color_conversion(COLORCONV_NONE);
  static SilentPlatform platform;
  SetPlatform(&platform);
  InitToolProgramPaths(argv[0]);
  SetDefaultGameOptions();
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  CreateRenderBitmaps(800, 600);

  if (LoadPrefabs(prefabs.c_str()) != 0 || PrefabCount <= 0) {
    fprintf(stderr, "questgen: no prefab table at %s\n", prefabs.c_str());
    return 1;
  }
  if (!LoadGameData(data.c_str())) {
    fprintf(stderr, "questgen: no datafile at %s (build the game first)\n", data.c_str());
    return 1;
  }

  int failed = 0;
  for (const QuestPlan& plan : kPlans) {
    std::vector<std::string> problems = plan.build();
    if (!problems.empty()) {
      for (const std::string& p : problems) fprintf(stderr, "%s: %s\n", plan.fileName, p.c_str());
      failed++;
      continue;
    }
    std::string path = out + "/" + plan.fileName;
    if (SaveQuestFile(path.c_str(), 0) != kSaveDone) {
      fprintf(stderr, "questgen: could not write %s\n", path.c_str());
      failed++;
      continue;
    }
    printf("questgen: %s \"%s\", %d objects\n", path.c_str(), QuestHeader.quest, ObjectCount);
    // Drawing reveals the tiles it draws, so the preview comes after the file is written.
    if (!preview.empty()) SavePreview(preview + "/" + plan.fileName + ".bmp");
  }
  UnloadGameData();
  return failed ? 1 : 0;
}
