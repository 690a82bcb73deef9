#include "core/detached_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

void RunDetached(const char* const argv[], bool searchPath) {
  pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    // The grandchild is adopted by init, so nobody has to reap it.
    if (fork() == 0) {
      int null = open("/dev/null", O_RDWR);
      if (null >= 0) {
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
      }
      if (searchPath)
        execvp(argv[0], const_cast<char* const*>(argv));
      else
        execv(argv[0], const_cast<char* const*>(argv));
    }
    _exit(0);
  }
  int status;
  waitpid(child, &status, 0);
}
