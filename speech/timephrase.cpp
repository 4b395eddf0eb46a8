#include "speech/timephrase.h"

#include <cmath>

QString numberText(double wholeNumber)
{
    // Adding +0 turns -0 into 0, which must read " 0", not "-0".
    const double value = wholeNumber + 0.0;
    const QString digits = QString::number(value, 'f', 0);
    return std::signbit(value) ? digits : QLatin1Char(' ') + digits;
}

std::optional<ComposedTime> composeTimePhraseFor(double shownHour, double shownMinuteMark)
{
    if (!std::isfinite(shownHour) || !std::isfinite(shownMinuteMark))
        return std::nullopt;
    double wholeHour = std::floor(shownHour);
    if (wholeHour < 0 || wholeHour > 12)
        return std::nullopt;
    // Marks come out of fractional arithmetic a hair off the whole number, either way, so
    // they are rounded rather than truncated; exact halves go to the even mark.
    const double mark = std::nearbyint(shownMinuteMark) + 0.0;
    if (mark < 0 || mark > 11)
        return std::nullopt;

    ComposedTime result{};
    result.shownHour = shownHour;
    result.shownMinuteMark = mark;
    if (wholeHour == 0) {
        // Between twelve and one the hour is said as twelve; the fraction goes with it.
        wholeHour = 12;
        result.shownHour = 12;
    }

    const QString h = numberText(wholeHour);
    // The hour after, for the "to" phrases; twelve is followed by one, never by thirteen.
    const QString nextHour =
        h == QLatin1String(" 12") ? QStringLiteral("1") : QString::number(h.toDouble() + 1, 'f', 0);

    switch (static_cast<int>(mark)) {
    case 0:
        result.timePhrase = h + QLatin1String(" o clock");
        result.altTimePhrase = h + QLatin1String(" o clock");
        break;
    case 1:
        result.timePhrase = h + QLatin1String(" oh 5");
        result.altTimePhrase = QLatin1String("5 minutes after ") + h;
        break;
    case 2:
        result.timePhrase = h + QLatin1String(" 10");
        result.altTimePhrase = QLatin1String("10 minutes after ") + h;
        break;
    case 3:
        result.timePhrase = h + QLatin1String(" 15");
        result.altTimePhrase = QLatin1String("quarter after ") + h;
        break;
    case 4:
        result.timePhrase = h + QLatin1String(" 20");
        result.altTimePhrase = QLatin1String("20 minutes after ") + h;
        break;
    case 5:
        result.timePhrase = h + QLatin1String(" 25");
        result.altTimePhrase = QLatin1String("25 minutes after ") + h;
        break;
    case 6:
        result.timePhrase = h + QLatin1String(" 30");
        result.altTimePhrase = QLatin1String("half past ") + h;
        break;
    case 7:
        result.timePhrase = h + QLatin1String(" 35");
        result.altTimePhrase = QLatin1String("25 minutes to ") + nextHour;
        break;
    case 8:
        result.timePhrase = h + QLatin1String(" 40");
        result.altTimePhrase = QLatin1String("20 minutes to ") + nextHour;
        break;
    case 9:
        result.timePhrase = h + QLatin1String(" 45");
        result.altTimePhrase = QLatin1String("quarter to ") + nextHour;
        break;
    case 10:
        result.timePhrase = h + QLatin1String(" 50");
        result.altTimePhrase = QLatin1String("10 minutes to ") + nextHour;
        break;
    default: // 11, the only value left after the range check
        result.timePhrase = h + QLatin1String(" 55");
        result.altTimePhrase = QLatin1String("5 minutes to ") + nextHour;
        break;
    }
    return result;
}
