// What every fuzzer shares: the game library started once without a display (memory
// pictures at 32 bits, the silent platform, no screen hooks, so loaders only log their
// progress lines), the datafile and prefab table of the build, and a scratch folder on a
// memory file system where each input is written as the file its reader opens.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Starts the library once; withData also loads Dunmar.dat and Dunmar.qpf of the build.
void FuzzStart(bool withData);
// A file of the scratch folder (created on first use), e.g. FuzzFile("input.qst").
std::string FuzzFile(const char* name);
// Writes the bytes to path; aborts when that fails (the run would test nothing).
void FuzzWrite(const std::string& path, const uint8_t* data, size_t size);
std::string FuzzRead(const std::string& path);
// Stops the run with a message: libFuzzer keeps the input that did it.
[[noreturn]] void FuzzFail(const char* what, ...) __attribute__((format(printf, 1, 2)));
#define FUZZ_CHECK(cond, ...) \
  do {                        \
    if (!(cond)) FuzzFail(__VA_ARGS__); \
  } while (0)
