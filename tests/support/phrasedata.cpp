#include "phrasedata.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>

namespace
{

const char* const kSayingNames[kSayingCount] = {
    "Prompt",      "InOrder",     "RandomOrder", "Hourly",   "HalfHour",
    "QuarterHour", "FiveMinutes", "OneMinute",   "ReadMode", "SetMode"};

// The data rows of a file, split at tabs, comments and blank lines left out.
QList<QStringList> readTable(const QString& name, int columns)
{
    QFile file(QStringLiteral(CHIMEWISE_PHRASE_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != columns)
            qFatal("%s: not %d columns: %s", qPrintable(name), columns, qPrintable(line));
        rows << fields;
    }
    return rows;
}

} // namespace

QStringList tabledLanguageCodes()
{
    return {QStringLiteral("en-GB"), QStringLiteral("de"),     QStringLiteral("fr"),
            QStringLiteral("es"),    QStringLiteral("es-419"), QStringLiteral("nl")};
}

QList<DialRow> dialRows(const QString& code)
{
    QList<DialRow> rows;
    for (const QStringList& f : readTable(code + QLatin1String(".tsv"), 4))
        rows << DialRow{f[0].toInt(), 5 * f[1].toInt(), f[2], f[3]};
    if (rows.size() != 13 * 12)
        qFatal("%s.tsv: %lld rows, not 156", qPrintable(code), static_cast<long long>(rows.size()));
    return rows;
}

QStringList minuteTabledLanguageCodes()
{
    return QStringList{QStringLiteral("en-US")} + tabledLanguageCodes();
}

QList<DialRow> minuteRows(const QString& code)
{
    QList<DialRow> rows;
    QSet<int> minutes;
    for (const QStringList& f : readTable(code + QLatin1String("-minutes.tsv"), 4)) {
        rows << DialRow{f[0].toInt(), f[1].toInt(), f[2], f[3]};
        minutes << rows.last().minute;
    }
    for (int minute = 0; minute < 60; ++minute)
        if (!minutes.contains(minute))
            qFatal("%s-minutes.tsv: no row at minute %d", qPrintable(code), minute);
    return rows;
}

QList<DayRow> dayRows(const QString& code)
{
    QList<DayRow> rows;
    QSet<int> hours;
    for (const QStringList& f : readTable(code + QLatin1String("-day.tsv"), 6)) {
        rows << DayRow{f[0].toInt(), f[1].toInt(), f[2], f[3], f[4], f[5]};
        hours << rows.last().hour;
    }
    for (int hour = 0; hour < 24; ++hour)
        if (!hours.contains(hour))
            qFatal("%s-day.tsv: no row at hour %d", qPrintable(code), hour);
    return rows;
}

QList<TextRow> textRows(const QString& code)
{
    QList<TextRow> rows;
    for (const QStringList& f : readTable(code + QLatin1String("-texts.tsv"), 2))
        rows << TextRow{f[0], f[1]};
    return rows;
}

QString spokenFor(const Phrasing& phrasing, const QString& key)
{
    for (int i = 0; i < kSayingCount; ++i)
        if (key == QLatin1String(kSayingNames[i]))
            return saying(phrasing, static_cast<Saying>(i));
    const QString kind = key.section(QLatin1Char(' '), 0, 0);
    const QString time = key.section(QLatin1Char(' '), 1, 1);
    const int hour = time.section(QLatin1Char(':'), 0, 0).toInt();
    const int minute = time.section(QLatin1Char(':'), 1, 1).toInt();
    if (kind == QLatin1String("announcement"))
        return phrasing.announcement(hour, minute);
    if (kind == QLatin1String("announcementAmPm"))
        return phrasing.day.announcementAmPm(hour, minute);
    if (kind == QLatin1String("announcement24"))
        return phrasing.day.announcement24(hour, minute);
    const QString reading = phrasing.reading(hour, minute);
    const QString worded = phrasing.worded(hour, minute);
    if (kind == QLatin1String("reading"))
        return reading;
    if (kind == QLatin1String("worded"))
        return worded;
    if (kind == QLatin1String("askReading"))
        return phrasing.askReading(reading);
    if (kind == QLatin1String("askWorded"))
        return phrasing.askWorded(worded);
    if (kind == QLatin1String("right"))
        return phrasing.right(reading);
    if (kind == QLatin1String("wrong"))
        return phrasing.wrong(reading);
    if (kind == QLatin1String("shown"))
        return phrasing.shown(reading);
    return {};
}
