// Helpers for the quest file tests: a scratch folder, whole-file reads and writes, and
// a small quest built in memory.
#pragma once
#include <string>
#include <vector>

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
std::vector<std::string> SplitLines(const std::string& text);

// A quest of a few objects on a small board: two heroes, an orc carrying gold, a
// chest and a walk script, with doors, revealed tiles and texts.
void MakeSampleQuest();
// Gives slot an object of that name and side standing on (x, y).
void PlaceObject(int slot, const char* name, int side, int x, int y);
