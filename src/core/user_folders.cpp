#include "core/user_folders.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/program_state.h"

namespace {

bool Absolute(const char* s) { return s && s[0] == '/'; }

std::string WithoutTrailingSeparators(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

ProgramFolders ChooseProgramFolders(const char* programDir, bool programDirWritable,
                                    const char* xdgConfigHome, const char* xdgDataHome,
                                    const char* home) {
  const std::string program = WithoutTrailingSeparators(programDir ? programDir : ".");
  ProgramFolders f;
  std::string config, data;
  if (!programDirWritable) {
    if (Absolute(xdgConfigHome))
      config = WithoutTrailingSeparators(xdgConfigHome);
    else if (Absolute(home))
      config = WithoutTrailingSeparators(home) + "/.config";
    if (Absolute(xdgDataHome))
      data = WithoutTrailingSeparators(xdgDataHome);
    else if (Absolute(home))
      data = WithoutTrailingSeparators(home) + "/.local/share";
  }
  if (config.empty() || data.empty()) {
    f.configFile = program + "/dunmar.cfg";
    f.questsDir = program + "/quests/";
    f.savesDir = program + "/saves/";
    f.inUserFolders = false;
    return f;
  }
  f.configFile = config + "/dunmarrow/dunmar.cfg";
  f.questsDir = data + "/dunmarrow/quests/";
  f.savesDir = data + "/dunmarrow/saves/";
  f.inUserFolders = true;
  return f;
}

bool MakeFolderPath(const std::string& path) {
  std::string p = WithoutTrailingSeparators(path);
  for (size_t i = 1; i <= p.size(); i++) {
    if (i == p.size() || p[i] == '/') {
      std::string part = p.substr(0, i);
      if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return IsFolder(p);
}

int LinkShippedQuests(const std::string& shippedDir, const std::string& userDir) {
  const std::string from = WithoutTrailingSeparators(shippedDir);
  const std::string to = WithoutTrailingSeparators(userDir);
  if (from == to) return 0;
  DIR* dir = opendir(from.c_str());
  if (!dir) return 0;
  int made = 0;
  while (dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    const std::string source = from + "/" + e->d_name;
    struct stat st;
    if (stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const std::string link = to + "/" + e->d_name;
    struct stat there;
    if (lstat(link.c_str(), &there) == 0) {
      // A link whose target went (an older installation) is renewed; anything else
      // of that name is the player's and stays.
      if (!S_ISLNK(there.st_mode) || stat(link.c_str(), &there) == 0) continue;
      remove(link.c_str());
    }
    if (symlink(source.c_str(), link.c_str()) == 0) made++;
  }
  closedir(dir);
  return made;
}

void SetUpProgramFolders(char* cfg, int n) {
  char programDir[1024];
  ProgramFile(programDir, sizeof programDir, "");
  const bool writable = access(programDir, W_OK) == 0;
  ProgramFolders f = ChooseProgramFolders(programDir, writable, getenv("XDG_CONFIG_HOME"),
                                          getenv("XDG_DATA_HOME"), getenv("HOME"));
  if (f.inUserFolders) {
    const std::string configDir = f.configFile.substr(0, f.configFile.rfind('/'));
    // Should the folders not come about, the files simply fail to open or save later,
    // which the game reports where it happens.
    MakeFolderPath(configDir);
    MakeFolderPath(f.questsDir);
    MakeFolderPath(f.savesDir);
    char shipped[1024];
    ProgramFile(shipped, sizeof shipped, "quests");
    LinkShippedQuests(shipped, f.questsDir);
    snprintf(QuestsDir, sizeof QuestsDir, "%s", f.questsDir.c_str());
    snprintf(SavesDir, sizeof SavesDir, "%s", f.savesDir.c_str());
  }
  snprintf(cfg, n, "%s", f.configFile.c_str());
}
