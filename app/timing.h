#pragma once

#include <QLoggingCategory>

// Milestones of start-up, for the benchmark: enabled with
// QT_LOGGING_RULES="chimewise.timing.info=true"; each line carries the monotonic clock in
// nanoseconds so another process can line it up with its own.
Q_DECLARE_LOGGING_CATEGORY(lcTiming)

#include <chrono>

void logMilestone(const char* name);
// A milestone reached before the logging rules were read (they are read with the
// application), logged afterwards with the time it was reached.
void logMilestone(const char* name, std::chrono::steady_clock::time_point reached);
// The file names of the shared libraries the process has mapped, on one line after the
// milestone's name. Read from inside, as only then is it known what was there at that moment.
void logMappedLibraries(const char* milestone);
