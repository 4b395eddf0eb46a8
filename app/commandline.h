#pragma once

#include "app/choices.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for. It is read before anything of the GUI exists, so that
// --help and --version answer without a display and without a sound.
struct CommandLine {
    enum class Outcome { Run, Print, Refuse };
    Outcome outcome = Outcome::Run;
    // Printed on standard output for Print; the reason for Refuse.
    QString message;
    bool windowed = false;
    // -platform or -display: the person chose where to draw, not the environment.
    bool namesDisplay = false;
    // Their values, empty when not given.
    QString platform, display;
    // --language, --numerals, --size and --hours, for this run only: over the grown-ups'
    // settings, which are taken where none is given.
    GivenChoices given;
};

// Pure: the first argument is the program's name, as in argv.
CommandLine parseCommandLine(const QStringList& arguments);

// Parses argv and prints what it must. An exit code when the program must stop there:
// 0 after help or version, 1 with no display to open a window on, 2 for a wrong option, an
// unknown language or a word a choice does not have.
std::optional<int> handleCommandLine(int argc, char** argv, CommandLine& command);

// The one line said when there is no display to open a window on: why, and how to run
// the program on a virtual screen.
void printNoDisplay(const QString& why, const char* program);
