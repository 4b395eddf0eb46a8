#pragma once

// The practice's settings and the click cycle's state. The enumerators keep the names the
// program has always used for them ("5min" cannot be an identifier, hence fiveMin).

enum class PrecisionMode { hour, half, quarter, fiveMin, oneMin };

enum class OrderMode { sequence, random };

// get: the next left click shows a new time; say: it reveals the answer to the open one.
enum class ClickState { get, say };

// read: the clock shows a time and the child says it; set: the voice asks for a time and
// the child puts the hands there.
enum class PracticeMode { read, set };

// How the hours are told: the dial's twelve alone, as the clock always has, or each time
// placed in the day, by a.m. and p.m. (or the language's parts of the day) or on the
// 24-hour clock. A grown-up's choice, in the order of its words.
enum class Hours { twelve, amPm, twentyFour };

// Which turn of the dial a time of the day falls in: from midnight to noon, or after.
enum class DayHalf { am, pm };

// The hour of the day, 0..23, of a whole hour of the dial (0 and 12 both twelve) in a half:
// twelve in the morning's half is midnight, in the afternoon's noon.
constexpr int hourOfDay(int dialHour, DayHalf half)
{
    return (dialHour % 12 + 12) % 12 + (half == DayHalf::pm ? 12 : 0);
}
