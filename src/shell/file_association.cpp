#include "shell/file_association.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/detached_process.h"
#include "quest/quest_paths.h"

const char* const kQuestMimeType = "application/x-dunmarrow-quest";

namespace {

bool MakeFolders(const std::string& path) {
  for (size_t i = 1; i <= path.size(); i++) {
    if (i == path.size() || path[i] == '/') {
      std::string part = path.substr(0, i);
      if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Writes text to folder/name through folder/.name.new, renamed when complete.
bool WriteWhole(const std::string& folder, const char* name, const std::string& text) {
  if (!MakeFolders(folder)) return false;
  std::string path = folder + "/" + name;
  std::string tmp = folder + "/." + name + ".new";
  FILE* f = fopen(tmp.c_str(), "w");
  if (!f) return false;
  bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
  if (fclose(f) != 0) ok = false;
  if (ok && rename(tmp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) remove(tmp.c_str());
  return ok;
}

// An Exec argument in double quotes: the quoting rules want \ before " ` $ and \,
// and the desktop file's own string escapes double every backslash again; % must be
// %% so it is not taken for a field code.
bool QuoteExecArgument(const char* s, std::string* out) {
  std::string q = "\"";
  for (const char* p = s; *p; p++) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c < 32 || c == 127) return false;
    if (c == '"' || c == '`' || c == '$')
      q += "\\\\", q += static_cast<char>(c);
    else if (c == '\\')
      q += "\\\\\\\\";
    else if (c == '%')
      q += "%%";
    else
      q += static_cast<char>(c);
  }
  q += "\"";
  *out = q;
  return true;
}

// Starts tool (looked up in PATH) with one argument, detached and silent; the game
// does not wait for it, and a tool that is not installed is simply not run.
void RunInBackground(const char* tool, const std::string& argument) {
  const char* argv[] = {tool, argument.c_str(), nullptr};
  RunDetached(argv, true);
}

}  // namespace

bool UserDataFolder(std::string* out) {
  const char* xdg = getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') {
    *out = xdg;
  } else {
    const char* home = getenv("HOME");
    if (!home || home[0] != '/') return false;
    *out = std::string(home) + "/.local/share";
  }
  while (out->size() > 1 && out->back() == '/') out->pop_back();
  return true;
}

std::string QuestMimePackage() {
  std::string x =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"";
  x += kQuestMimeType;
  x += "\">\n    <comment>Dunmarrow QuestFile</comment>\n";
  for (int n = 1; n <= 20; n++) {
    char ext[8];
    QuestExtension(ext, n);
    x += std::string("    <glob pattern=\"*") + ext + "\"/>\n";
  }
  x += "  </mime-type>\n</mime-info>\n";
  return x;
}

std::string QuestDesktopEntry(const char* exePath) {
  std::string exec;
  if (!exePath || !QuoteExecArgument(exePath, &exec)) return std::string();
  std::string d =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Dunmarrow\n"
      "Comment=Dunmarrow QuestFile\n"
      "Exec=";
  d += exec;
  d += " %f\nTerminal=false\nCategories=Game;\nMimeType=";
  d += kQuestMimeType;
  d += ";\n";
  return d;
}

bool RegisterQuestFileType(const char* exePath, bool runDatabaseTools) {
  std::string data;
  if (!UserDataFolder(&data)) return false;
  std::string entry = QuestDesktopEntry(exePath);
  if (entry.empty()) return false;
  bool ok = WriteWhole(data + "/mime/packages", "dunmarrow.xml", QuestMimePackage());
  ok = WriteWhole(data + "/applications", "dunmarrow.desktop", entry) && ok;
  if (ok && runDatabaseTools) {
    RunInBackground("update-mime-database", data + "/mime");
    RunInBackground("update-desktop-database", data + "/applications");
  }
  return ok;
}
