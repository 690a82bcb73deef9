// Replays inputs through a fuzzer's entry point in the ordinary build: the shipped files,
// the test fixtures and every input kept in tests/fuzz/findings. The test command runs
// it for each fuzzer, so the fuzzers' checks hold on those files without clang and its
// sanitizers; a failed check aborts, and the test fails with its message.
//
//   NAME_replay FILE|FOLDER...
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Collect(const std::string& path, std::vector<std::string>* files) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return;
  if (!S_ISDIR(st.st_mode)) {
    files->push_back(path);
    return;
  }
  DIR* d = opendir(path.c_str());
  if (!d) return;
  std::vector<std::string> inside;
  while (dirent* e = readdir(d))
    if (e->d_name[0] != '.') inside.push_back(path + "/" + e->d_name);
  closedir(d);
  std::sort(inside.begin(), inside.end());
  for (const std::string& f : inside) Collect(f, files);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; i++) Collect(argv[i], &files);
  for (const std::string& f : files) {
    const std::string bytes = FuzzRead(f);
    fprintf(stderr, "%s (%zu bytes)\n", f.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  printf("%zu inputs replayed\n", files.size());
  return files.empty() ? 1 : 0;
}
