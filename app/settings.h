#pragma once

#include "app/choices.h"

#include <QString>

class QSettings;

// The grown-ups' choices of one run: read once from the settings file as the program starts,
// with the command line's over them, and each new choice written at once. A file's value
// that cannot be used is said on standard error (chimewise.settings) and left out, the rest
// kept; a file that cannot be written is said once, and the choices hold for the run.
class Settings
{
public:
    // No file: the choices start as the clock's own and are never written.
    Settings() = default;
    // given: the command line's choices, which hold for this run and are never written.
    explicit Settings(QString file, const GivenChoices& given = {});

    // Where the desktop keeps this program's settings, ~/.config/chimewise/chimewise.conf.
    static QString userFile();

    const QString& fileName() const { return file; }
    // What the clock uses now.
    const Choices& choices() const { return run; }
    // A grown-up's choice: it holds from now on, over the command line's, and is written
    // unless the file already holds it.
    void choose(Choice choice, int index);
    // Each choice of the run and where it came from, for the log.
    QString describe() const;

private:
    enum class Source { unset, file, commandLine, grownUp };
    void read();
    void readValue(const QSettings& values, const QString& key);
    void cannotWrite(const QString& why);

    QString file;
    Choices run;
    // What the file holds, where it holds a word of the choice's.
    std::array<std::optional<int>, kChoiceCount> inFile;
    std::array<Source, kChoiceCount> source{};
    // Why the file, found but not read, must not be written over either; empty when it may.
    QString unusable;
    bool failureSaid = false;
};
