#include "platform/sound/voice/numberwords.h"

#include <QStringList>
#include <array>

namespace
{

constexpr std::array<const char*, 20> kOnes = {
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 10> kTens = {"",      "",      "twenty",  "thirty", "forty",
                                               "fifty", "sixty", "seventy", "eighty", "ninety"};
// Each step up is a thousand times the one before.
constexpr std::array<const char*, 4> kScales = {"", "thousand", "million", "billion"};
// Up to 999 billion; a longer number is more likely a code than an amount.
constexpr qsizetype kMaxDigits = 12;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void appendBelowThousand(int n, QStringList& words)
{
    if (n >= 100) {
        words << QLatin1String(kOnes[n / 100]) << QStringLiteral("hundred");
        n %= 100;
        if (n == 0)
            return;
    }
    if (n < 20) {
        words << QLatin1String(kOnes[n]);
        return;
    }
    words << QLatin1String(kTens[n / 10]);
    if (n % 10)
        words << QLatin1String(kOnes[n % 10]);
}

QString cardinal(qint64 n)
{
    if (n == 0)
        return QStringLiteral("zero");
    QStringList words;
    qint64 scale = 1'000'000'000;
    for (int step = 3; step >= 0; --step, scale /= 1000) {
        const int group = static_cast<int>(n / scale % 1000);
        if (group == 0)
            continue;
        appendBelowThousand(group, words);
        if (step > 0)
            words << QLatin1String(kScales[step]);
    }
    return words.join(QLatin1Char(' '));
}

// Whether the digits text[from, to) are a word of their own: only blanks, brackets,
// quotes or closing punctuation around them. Anything else (a sign, a currency, a letter,
// or a separator with more digits beyond) makes them part of a longer token that flite
// reads whole.
bool standsAlone(const QString& text, qsizetype from, qsizetype to)
{
    if (from > 0 && !text[from - 1].isSpace() && !QStringLiteral("([\"'").contains(text[from - 1]))
        return false;
    if (to < text.size() && !text[to].isSpace()) {
        if (!QStringLiteral(".,;:!?)]\"'").contains(text[to]))
            return false;
        if (to + 1 < text.size() && isAsciiDigit(text[to + 1]))
            return false;
    }
    const qsizetype length = to - from;
    return length <= kMaxDigits && (length == 1 || text[from] != QLatin1Char('0'));
}

} // namespace

QString numbersInWords(const QString& text)
{
    QString out;
    out.reserve(text.size() * 2);
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isAsciiDigit(text[i])) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isAsciiDigit(text[end]))
            ++end;
        const QStringView digits = QStringView(text).mid(i, end - i);
        if (standsAlone(text, i, end))
            out += cardinal(digits.toLongLong());
        else
            out += digits;
        i = end;
    }
    return out;
}
