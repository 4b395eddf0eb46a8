#pragma once

// Helpers the language modules share; nothing outside speech/lang needs them.

#include <QString>
#include <array>
#include <cstddef>

// The hour the dial shows for any whole hour, those of a 24-hour clock included: 0 and 12
// are twelve, 13 is one.
constexpr int dialHour(int hour)
{
    const int h = (hour % 12 + 12) % 12;
    return h == 0 ? 12 : h;
}

// The hour a "to" phrase counts toward: twelve is followed by one.
constexpr int nextDialHour(int hour)
{
    return dialHour(hour) % 12 + 1;
}

// The word at index, or empty outside the table, so that no value reads past it.
template <std::size_t N> QString wordAt(const std::array<const char*, N>& words, int index)
{
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    return QString::fromUtf8(words[static_cast<std::size_t>(index)]);
}

// What a language writes beside a 12-hour time when it writes no a.m. or p.m. and leaves the
// part of the day to the picture.
inline QString nothingWritten(int /*hour24*/, int /*minute*/)
{
    return {};
}
