// Files survive a kill while they are written: a helper writes a quest, a saved game or
// the configuration over and over, alternating two versions, and is killed at moments
// drawn from a fixed seed. Each time the file is one version or the other, whole, and
// the next write leaves nothing but the file behind.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <string>

#include "support/temp_folder.h"

namespace {

// Starts the writer; with ready, waits until it is about to write (its startup takes
// longer than a write, and the kills are meant for the writing).
pid_t StartWriter(const char* what, const std::string& path, const char* mode,
                  bool ready = false) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execl(KILL_WRITER_PATH, KILL_WRITER_PATH, what, path.c_str(), mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  char said = 0;
  if (ready && read(pipeEnds[0], &said, 1) != 1) said = 0;
  close(pipeEnds[0]);
  return pid;
}

int Finish(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

bool WriteOnce(const char* what, const std::string& path, const char* version) {
  int status = Finish(StartWriter(what, path, version));
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The file as compared: a quest's "File created on" line holds the writer's clock.
std::string Content(const std::string& path) {
  std::string file = ReadText(path);
  size_t at = file.find("| File created on ");
  if (at == std::string::npos) return file;
  return file.substr(0, at) + file.substr(file.find('\n', at));
}

std::set<std::string> FolderNames(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* d = opendir(folder.c_str())) {
    while (dirent* e = readdir(d))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.insert(e->d_name);
    closedir(d);
  }
  return names;
}

struct Writer {
  const char* what;
  const char* file;
};

void PrintTo(const Writer& w, std::ostream* os) { *os << w.what; }

class KillSafeSave : public ::testing::TestWithParam<Writer> {};

TEST_P(KillSafeSave, AKilledWriteLeavesTheOldFileOrTheNewOneWhole) {
  const Writer w = GetParam();
  TempFolder dir;
  const std::string path = dir.File(w.file);
  // Each version as it stands over the other (the configuration keeps what it replaces).
  ASSERT_TRUE(WriteOnce(w.what, path, "A") && WriteOnce(w.what, path, "B") &&
              WriteOnce(w.what, path, "A"));
  const std::string a = Content(path);
  ASSERT_TRUE(WriteOnce(w.what, path, "B"));
  const std::string b = Content(path);
  ASSERT_NE(a, b);
  ASSERT_TRUE(WriteOnce(w.what, path, "A"));
  ASSERT_EQ(Content(path), a);

  std::mt19937 moments(20261210);
  std::uniform_int_distribution<int> delayUs(0, 60000);  // about two writes
  int strays = 0;
  for (int kill = 0; kill < 100; kill++) {
    SCOPED_TRACE(kill);
    pid_t pid = StartWriter(w.what, path, "loop", true);
    ASSERT_GT(pid, 0);
    usleep(delayUs(moments));
    ::kill(pid, SIGKILL);
    int status = Finish(pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself: " << status;
    const std::string now = Content(path);
    ASSERT_TRUE(now == a || now == b) << "neither version, " << now.size() << " bytes";
    if (FolderNames(dir.path()).size() > 1) strays++;
    // The next write takes up whatever the killed one left.
    ASSERT_TRUE(WriteOnce(w.what, path, now == a ? "B" : "A"));
    ASSERT_EQ(FolderNames(dir.path()), std::set<std::string>{w.file});
  }
  RecordProperty("kills_during_a_write", strays);
}

INSTANTIATE_TEST_SUITE_P(Files, KillSafeSave,
                         ::testing::Values(Writer{"quest", "crypt.qst"},
                                           Writer{"save", "game1.sav"},
                                           Writer{"config", "dunmar.cfg"}),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                           return std::string(info.param.what);
                         });

}  // namespace
