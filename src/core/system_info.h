// What the machine is, for the "System:" line at start-up: processor vendor and name
// from /proc/cpuinfo, the system's name from uname, the memory from /proc/meminfo.
#pragma once

struct SystemInfo {
  char vendor[40];  // "GenuineIntel", "AuthenticAMD", ... or "Unknown"
  char cpu[64];     // the processor's model name
  char os[64];      // e.g. "Linux 6.1.0"
  long memoryMb;    // total physical memory in MB (0 when unknown)
};

// Vendor and model name of the first processor listed in a /proc/cpuinfo text.
// Fields that are missing come out as "Unknown" and "Processor"; runs of blanks in
// the name are squeezed to one.
void ParseCpuInfo(const char* text, SystemInfo* info);
// MemTotal of a /proc/meminfo text in MB (kB / 1024), 0 when it is missing.
long ParseMemTotalMb(const char* text);
// The running machine.
void GatherSystemInfo(SystemInfo* info);
// "System: <vendor> <cpu>, <os>, <MB> MB memory."
void FormatSystemLine(const SystemInfo& info, char* out, int n);
