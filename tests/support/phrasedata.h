#pragma once

#include "speech/lang/phrasing.h"

#include <QList>
#include <QString>

// The worked tables of tests/data/time-phrases: <code>.tsv holds the reading and the worded
// phrase of every hour 0..12 and mark 0..11, <code>-minutes.tsv those of every minute of one
// hour and of the hour's turns, <code>-day.tsv the day's hours (every hour of the day at the
// quarters, and single minutes), <code>-texts.tsv everything else the language says, by key.

struct DialRow {
    int hour;
    int minute;
    QString reading;
    QString worded;
};

// A time of the day: hour 0..23, minute, and what DayPhrasing makes of it.
struct DayRow {
    int hour;
    int minute;
    QString readingAmPm;
    QString reading24;
    QString worded;
    QString written;
};

struct TextRow {
    QString key;
    QString text;
};

// The languages that have tables; US English is the program's own and has its own tests.
QStringList tabledLanguageCodes();
// All 156 rows, the marks as minutes (0, 5 ... 55); a missing or short file stops the test.
QList<DialRow> dialRows(const QString& code);
// The minute tables, US English's among them; one that misses a minute of the hour stops the
// test.
QStringList minuteTabledLanguageCodes();
QList<DialRow> minuteRows(const QString& code);
// The day tables, US English's among them; one that misses an hour of the day stops the test.
QList<DayRow> dayRows(const QString& code);
QList<TextRow> textRows(const QString& code);

// What the phrasing says for a key of a texts file: a Saying's name ("Prompt"), or
// "<kind> H:MM" with kind reading, worded, announcement, announcementAmPm or announcement24
// (H 0..23), or a set-the-clock text
// (askReading, askWorded, right, wrong, shown) around the reading or worded phrase of H:MM.
// Empty for a key it does not know.
QString spokenFor(const Phrasing& phrasing, const QString& key);
