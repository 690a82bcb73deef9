/* hold_open.so, preloaded into the game by an end-to-end test: opening a file whose
 * name (without folders) is $E2E_HOLD_NAME waits until the file $E2E_HOLD_GATE exists
 * (60 s at most). The test can then look at the screen the game shows while it loads.
 * Every other open passes straight through. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

typedef int (*OpenFn)(const char*, int, ...);

static void hold(const char* path) {
  const char* name = getenv("E2E_HOLD_NAME");
  const char* gate = getenv("E2E_HOLD_GATE");
  if (!path || !name || !gate || !*name) return;
  const char* base = strrchr(path, '/');
  base = base ? base + 1 : path;
  if (strcmp(base, name) != 0) return;
  for (int i = 0; i < 6000 && access(gate, F_OK) != 0; i++) usleep(10000);
}

static mode_t mode_arg(int flags, va_list ap) {
  return (flags & O_CREAT) ? (mode_t)va_arg(ap, int) : 0;
}

int open(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  mode_t mode = mode_arg(flags, ap);
  va_end(ap);
  hold(path);
  static OpenFn real;
  if (!real) real = (OpenFn)dlsym(RTLD_NEXT, "open");
  return real(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  mode_t mode = mode_arg(flags, ap);
  va_end(ap);
  hold(path);
  static OpenFn real;
  if (!real) real = (OpenFn)dlsym(RTLD_NEXT, "open64");
  return real(path, flags, mode);
}

int __open_2(const char* path, int flags) {
  hold(path);
  static OpenFn real;
  if (!real) real = (OpenFn)dlsym(RTLD_NEXT, "open");
  return real(path, flags);
}

int __open64_2(const char* path, int flags) {
  hold(path);
  static OpenFn real;
  if (!real) real = (OpenFn)dlsym(RTLD_NEXT, "open64");
  return real(path, flags);
}
