#include "ui/clipboard.h"

#include <allegro.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

// The most clipboard text we keep; a field holds far less.
constexpr size_t kReadCap = 64 * 1024;
// How long a clipboard tool may take before it is given up on (another program may
// own the clipboard and never answer).
constexpr int kToolTimeoutMs = 1500;

long NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000L + ts.tv_nsec / 1000000L;
}

struct ToolResult {
  bool started = false;   // the program could be run at all
  bool finished = false;  // it ended by itself within the time allowed
  int exitCode = -1;
  std::string out, err;
};

// Runs a tool found on the PATH, feeds it input (when given) and collects its output
// (when asked), all bounded by kToolTimeoutMs. A tool that copies forks a helper
// that keeps serving the selection with our pipes' ends: such runs do not capture
// output, so waiting ends when the tool itself exits.
ToolResult RunTool(const char* const argv[], const std::string* input, bool capture) {
  ToolResult r;
  int inPipe[2] = {-1, -1}, outPipe[2] = {-1, -1}, errPipe[2] = {-1, -1};
  auto closeFd = [](int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  };
  auto closeAll = [&] {
    for (int* p : {inPipe, outPipe, errPipe}) {
      closeFd(p[0]);
      closeFd(p[1]);
    }
  };
  if (pipe2(inPipe, O_CLOEXEC) != 0) return r;
  if (capture && (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0)) {
    closeAll();
    return r;
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
  if (capture) {
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);

  pid_t pid = -1;
  int rc = posix_spawnp(&pid, argv[0], &actions, &attr, const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  closeFd(inPipe[0]);
  closeFd(outPipe[1]);
  closeFd(errPipe[1]);
  if (rc != 0) {
    closeAll();
    return r;
  }
  r.started = true;
  long deadline = NowMs() + kToolTimeoutMs;

  // The input: a tool that died early must not take the game down with SIGPIPE.
  if (input && !input->empty()) {
    struct sigaction ignore = {}, old = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &old);
    size_t done = 0;
    while (done < input->size() && NowMs() < deadline) {
      pollfd p = {inPipe[1], POLLOUT, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      ssize_t n = write(inPipe[1], input->data() + done, input->size() - done);
      if (n < 0 && errno != EINTR && errno != EAGAIN) break;
      if (n > 0) done += static_cast<size_t>(n);
    }
    sigaction(SIGPIPE, &old, nullptr);
  }
  closeFd(inPipe[1]);

  // The output, until both streams end or time runs out.
  while (capture && (outPipe[0] >= 0 || errPipe[0] >= 0)) {
    long left = deadline - NowMs();
    if (left <= 0) break;
    pollfd p[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    if (poll(p, 2, static_cast<int>(left)) <= 0) continue;
    for (int i = 0; i < 2; i++) {
      int& fd = i == 0 ? outPipe[0] : errPipe[0];
      if (fd < 0 || !(p[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buf[4096];
      ssize_t n = read(fd, buf, sizeof buf);
      if (n > 0) {
        std::string& into = i == 0 ? r.out : r.err;
        if (into.size() < kReadCap)
          into.append(buf, std::min(static_cast<size_t>(n), kReadCap - into.size()));
      } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
        closeFd(fd);
      }
    }
  }
  closeAll();

  // Its end, sleeping between looks; a tool that hangs is stopped.
  int status = 0;
  for (;;) {
    pid_t w = waitpid(pid, &status, WNOHANG);
    if (w == pid) {
      r.finished = true;
      r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    if (w < 0 && errno != EINTR) break;
    if (NowMs() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    poll(nullptr, 0, 2);
  }
  return r;
}

bool HaveDisplay() {
  const char* d = getenv("DISPLAY");
  return d && *d;
}

class DesktopClipboardBackend : public ClipboardBackend {
 public:
  bool Put(const std::string& utf8) override {
    if (!HaveDisplay()) return false;
    static const char* const xclip[] = {"xclip", "-selection", "clipboard", "-i", nullptr};
    ToolResult r = RunTool(xclip, &utf8, false);
    if (!r.started) {
      static const char* const xsel[] = {"xsel", "--clipboard", "--input", nullptr};
      r = RunTool(xsel, &utf8, false);
    }
    return r.finished && r.exitCode == 0;
  }

  ClipboardState Get(std::string* utf8) override {
    utf8->clear();
    if (!HaveDisplay()) return ClipboardState::kUnavailable;
    static const char* const xclip[] = {"xclip", "-selection", "clipboard", "-o", nullptr};
    ToolResult r = RunTool(xclip, nullptr, true);
    if (r.started) {
      if (!r.finished) return ClipboardState::kUnavailable;
      if (r.exitCode != 0) {
        // No owner or no text on it is an empty clipboard; no display is none at all.
        if (r.err.find("display") != std::string::npos) return ClipboardState::kUnavailable;
        return ClipboardState::kEmpty;
      }
    } else {
      static const char* const xsel[] = {"xsel", "--clipboard", "--output", nullptr};
      r = RunTool(xsel, nullptr, true);
      if (!r.started || !r.finished || r.exitCode != 0) return ClipboardState::kUnavailable;
    }
    *utf8 = r.out;
    return utf8->empty() ? ClipboardState::kEmpty : ClipboardState::kText;
  }
};

ClipboardBackend* installed = nullptr;

// UTF-8 to code points; a broken sequence gives one '?' per bad byte.
std::vector<int> DecodeUtf8(const std::string& s) {
  std::vector<int> out;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    int c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = len > 0 && i + len <= s.size();
    for (int k = 1; ok && k < len; k++) {
      unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (t & 0x3F);
    }
    if (!ok || c == 0) {
      out.push_back('?');
      i++;
    } else {
      out.push_back(c);
      i += len;
    }
  }
  return out;
}

void AppendUtf8(std::string* s, int c) {
  if (c < 0x80) {
    s->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    s->push_back(static_cast<char>(0xC0 | (c >> 6)));
    s->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    s->push_back(static_cast<char>(0xE0 | (c >> 12)));
    s->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    s->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    s->push_back(static_cast<char>(0xF0 | (c >> 18)));
    s->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    s->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    s->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

ClipboardBackend& DesktopClipboard() {
  static DesktopClipboardBackend desktop;
  return desktop;
}

ClipboardBackend& Clipboard() { return installed ? *installed : DesktopClipboard(); }

void SetClipboardBackend(ClipboardBackend* backend) { installed = backend; }

bool ClipboardCopyText(const char* text) {
  std::string utf8;
  if (text) {
    for (const char* p = text; ugetc(p) != 0; p += uwidth(p)) AppendUtf8(&utf8, ugetc(p));
  }
  return Clipboard().Put(utf8);
}

ClipboardState ClipboardReadText(std::string* text) {
  text->clear();
  std::string utf8;
  ClipboardState state = Clipboard().Get(&utf8);
  if (state != ClipboardState::kText) return state;
  std::vector<int> codes = DecodeUtf8(utf8);
  while (!codes.empty() && (codes.back() == '\n' || codes.back() == '\r')) codes.pop_back();
  for (int c : codes) {
    if (c < 32 || c == 127) c = ' ';
    if (!uisok(c)) c = '?';
    char buf[8];
    int n = usetc(buf, c);
    text->append(buf, static_cast<size_t>(n));
  }
  return text->empty() ? ClipboardState::kEmpty : ClipboardState::kText;
}

ClipboardState ClipboardTestText() {
  std::string unused;
  return ClipboardReadText(&unused);
}
