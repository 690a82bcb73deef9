#include "fuzz_support.h"

#include <allegro.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "core/colors.h"
#include "core/game_data.h"
#include "core/game_options.h"
#include "core/platform.h"
#include "core/program_state.h"
#include "core/silent_platform.h"
#include "quest/prefab_file.h"
#include "quest/quest_model.h"

namespace {

SilentPlatform gSilent;
std::string gFolder;
bool gStarted = false;

void RemoveFolder() {
  if (gFolder.empty()) return;
  std::string cmd = "rm -rf '" + gFolder + "'";
  if (system(cmd.c_str()) != 0) fprintf(stderr, "could not remove %s\n", gFolder.c_str());
}

}  // namespace

void FuzzStart(bool withData) {
  if (gStarted) return;
  gStarted = true;
  UseSingleByteText();
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) FuzzFail("the game library did not start");
  set_color_depth(32);
  set_color_conversion(COLORCONV_24_TO_32);
  SetPlatform(&gSilent);
  SetDefaultGameOptions();
  MakeInterfaceColors(GameOptions.background, GameOptions.highlite);
  if (withData) {
    if (!LoadGameData(DUNMARROW_GAME_DIR "/Dunmar.dat"))
      FuzzFail("no datafile at %s (build the game first)", DUNMARROW_GAME_DIR);
    LoadPrefabs(DUNMARROW_SOURCE_DIR "/data/Dunmar.qpf");
    if (PrefabCount <= 0) FuzzFail("no prefab table in %s/data", DUNMARROW_SOURCE_DIR);
  }
  ResetQuest(true);
}

std::string FuzzFile(const char* name) {
  if (gFolder.empty()) {
    struct stat st;
    std::string base = stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/dunmarrow-fuzz.XXXXXX";
    if (!mkdtemp(&pattern[0])) FuzzFail("no scratch folder under %s", base.c_str());
    gFolder = pattern;
    atexit(RemoveFolder);
  }
  return gFolder + "/" + name;
}

void FuzzWrite(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) FuzzFail("cannot write %s", path.c_str());
  if (size && fwrite(data, 1, size, f) != size) FuzzFail("cannot write %s", path.c_str());
  if (fclose(f) != 0) FuzzFail("cannot write %s", path.c_str());
}

std::string FuzzRead(const std::string& path) {
  std::string out;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return out;
  char buf[8192];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  fclose(f);
  return out;
}

void FuzzFail(const char* what, ...) {
  va_list ap;
  va_start(ap, what);
  fprintf(stderr, "FUZZ CHECK FAILED: ");
  vfprintf(stderr, what, ap);
  fprintf(stderr, "\n");
  va_end(ap);
  abort();
}
