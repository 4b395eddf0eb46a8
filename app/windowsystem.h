#pragma once

#include "app/commandline.h"

// What the program settles about the window system before the application object
// exists, where Qt's own defaults would do harm.

// With no session bus to join, Qt's screen-reader bridge asks for one anyway and libdbus
// starts one of its own through dbus-launch: a daemon that outlives the program, and files
// in the home folder and /tmp. No screen reader could reach the program on that bus, so
// leave the program without one instead. Call it before any thread starts.
void leaveSessionBusUnstarted();

// Qt aborts when the window system it is to use cannot be reached, telling the user to
// reinstall. From construction until done(), that ends the program instead with a line
// saying which display could not be reached, and exit code 1, as a missing one does.
class DisplayOpening
{
public:
    DisplayOpening(const CommandLine& command, const char* program);
    ~DisplayOpening() { done(); }
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
    void done();
};
