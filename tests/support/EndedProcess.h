#pragma once

#ifndef _WIN32
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// The id of a process that has ended (a child that exits at once, reaped).
inline long EndedProcessId() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return static_cast<long>(child);
}

}  // namespace testsupport
#endif
