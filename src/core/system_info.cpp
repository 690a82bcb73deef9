#include "core/system_info.h"

#include <sys/utsname.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The value of the first "key<blanks>: value" line of text, or empty.
std::string FieldValue(const char* text, const char* key) {
  size_t klen = strlen(key);
  const char* line = text;
  while (line && *line) {
    const char* end = strchr(line, '\n');
    size_t len = end ? static_cast<size_t>(end - line) : strlen(line);
    if (len > klen && strncmp(line, key, klen) == 0) {
      size_t i = klen;
      while (i < len && (line[i] == ' ' || line[i] == '\t')) i++;
      if (i < len && line[i] == ':') {
        i++;
        std::string value;
        bool blank = false;
        for (; i < len; i++) {
          char c = line[i];
          if (isspace(static_cast<unsigned char>(c))) {
            blank = !value.empty();
          } else {
            if (blank) value += ' ';
            blank = false;
            value += c;
          }
        }
        return value;
      }
    }
    line = end ? end + 1 : nullptr;
  }
  return std::string();
}

void Store(char* out, int n, const std::string& value, const char* fallback) {
  snprintf(out, n, "%s", value.empty() ? fallback : value.c_str());
}

// Reads a small text file of /proc whole (64 KiB at most: the fields wanted come first).
std::string ReadProcFile(const char* path) {
  std::string text;
  FILE* f = fopen(path, "r");
  if (!f) return text;
  char buf[4096];
  size_t n;
  while (text.size() < 65536 && (n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  fclose(f);
  return text;
}

}  // namespace

void ParseCpuInfo(const char* text, SystemInfo* info) {
  if (!text) text = "";
  Store(info->vendor, sizeof info->vendor, FieldValue(text, "vendor_id"), "Unknown");
  std::string name = FieldValue(text, "model name");
  if (name.empty()) name = FieldValue(text, "cpu model");  // some non-x86 kernels
  Store(info->cpu, sizeof info->cpu, name, "Processor");
}

long ParseMemTotalMb(const char* text) {
  if (!text) return 0;
  std::string kb = FieldValue(text, "MemTotal");
  if (kb.empty()) return 0;
  long long v = strtoll(kb.c_str(), nullptr, 10);
  return v > 0 ? static_cast<long>(v / 1024) : 0;
}

void GatherSystemInfo(SystemInfo* info) {
  ParseCpuInfo(ReadProcFile("/proc/cpuinfo").c_str(), info);
  info->memoryMb = ParseMemTotalMb(ReadProcFile("/proc/meminfo").c_str());
  utsname u;
  if (uname(&u) == 0) {
    // "6.1.0-18-amd64" is plenty as "6.1.0".
    char release[sizeof u.release];
    snprintf(release, sizeof release, "%s", u.release);
    char* cut = strchr(release, '-');
    if (cut) *cut = '\0';
    snprintf(info->os, sizeof info->os, "%s %s", u.sysname, release);
  } else {
    snprintf(info->os, sizeof info->os, "%s", "Unknown OS?");
  }
}

void FormatSystemLine(const SystemInfo& info, char* out, int n) {
  snprintf(out, n, "System: %s %s, %s, %ld MB memory.", info.vendor, info.cpu, info.os,
           info.memoryMb);
}
