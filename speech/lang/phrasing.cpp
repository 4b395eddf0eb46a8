#include "speech/lang/phrasing.h"

#include <cmath>

// The modules, one per language, each in its own file.
extern const Phrasing kEnglishUS;
extern const Phrasing kEnglishUK;
extern const Phrasing kGerman;
extern const Phrasing kFrench;
extern const Phrasing kSpanish;
extern const Phrasing kSpanishAmericas;
extern const Phrasing kDutch;

const Phrasing& phrasingFor(Language language)
{
    switch (language) {
    case Language::EnglishUK:
        return kEnglishUK;
    case Language::German:
        return kGerman;
    case Language::French:
        return kFrench;
    case Language::Spanish:
        return kSpanish;
    case Language::SpanishAmericas:
        return kSpanishAmericas;
    case Language::Dutch:
        return kDutch;
    case Language::EnglishUS:
        break;
    }
    return kEnglishUS;
}

QString saying(const Phrasing& phrasing, Saying which)
{
    return QString::fromUtf8(phrasing.sayings[static_cast<std::size_t>(which)]);
}

std::optional<ComposedTime> composeTimePhraseIn(const Phrasing& phrasing, double shownHour,
                                                double shownMinuteMark)
{
    std::optional<ComposedTime> composed = composeTimePhraseFor(shownHour, shownMinuteMark);
    if (!composed)
        return std::nullopt;
    // Checked and rounded above: the whole hour is 1..12 and the mark 0..11.
    const int hour = static_cast<int>(std::floor(composed->shownHour));
    const int mark = static_cast<int>(composed->shownMinuteMark);
    composed->timePhrase = phrasing.reading(hour, 5 * mark);
    composed->altTimePhrase = phrasing.worded(hour, 5 * mark);
    return composed;
}

std::optional<ComposedTime> composeMinutePhraseIn(const Phrasing& phrasing, int hour, int minute)
{
    if (hour < 0 || hour > 12 || minute < 0 || minute > 59)
        return std::nullopt;
    const int dialHour = hour == 0 ? 12 : hour;
    return ComposedTime{double(dialHour), minute / 5.0, phrasing.reading(dialHour, minute),
                        phrasing.worded(dialHour, minute)};
}
