// A fresh folder under /tmp for one test, removed with everything in it afterwards
// (even when the test took its permissions away), and small file helpers.
#pragma once
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    char name[] = "/tmp/dunmarrow-test.XXXXXX";
    path_ = mkdtemp(name) ? name : "";
  }
  ~TempFolder() {
    if (path_.empty()) return;
    std::string cmd = "chmod -R u+rwx '" + path_ + "' && rm -rf '" + path_ + "'";
    if (system(cmd.c_str()) != 0) fprintf(stderr, "could not remove %s\n", path_.c_str());
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}
