#pragma once

#include <cstdint>
#include <sys/types.h>

// The processor time a process has had so far, all its threads together, in nanoseconds,
// from /proc/<pid>/task/*/schedstat (the kernel's own count, not stat's 10 ms ticks). Threads
// that have ended are not counted: measure across spells in which none end. -1 when the
// process cannot be read.
std::int64_t processorNs(pid_t pid);
