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

/* Waits if path is the file held, then makes the call through the next definition of
 * sym (looked up once into *real). */
static int pass_on(const char* sym, OpenFn* real, const char* path, int flags, mode_t mode) {
  hold(path);
  if (!*real) *real = (OpenFn)dlsym(RTLD_NEXT, sym);
  return (*real)(path, flags, mode);
}

static OpenFn real_open, real_open64;

int open(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  mode_t mode = mode_arg(flags, ap);
  va_end(ap);
  return pass_on("open", &real_open, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list ap;
  va_start(ap, flags);
  mode_t mode = mode_arg(flags, ap);
  va_end(ap);
  return pass_on("open64", &real_open64, path, flags, mode);
}

/* The checked forms the compiler uses with _FORTIFY_SOURCE; they never create. */
int __open_2(const char* path, int flags) { return pass_on("open", &real_open, path, flags, 0); }

int __open64_2(const char* path, int flags) {
  return pass_on("open64", &real_open64, path, flags, 0);
}
