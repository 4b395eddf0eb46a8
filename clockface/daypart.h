#pragma once

#include <QString>

// The parts of the day the dial's small window shows, so that a child who cannot read yet
// knows which of the day's two turns the hands are on: the night's moon, the sun rising, the
// sun high, the sun setting.
enum class DayPart { night, morning, afternoon, evening };

// The part an hour of the day (0..23) falls in: morning from six, afternoon from noon,
// evening from six, night from nine. The words each language adds to a time keep their own
// boundaries; the picture only has to look like the hour.
DayPart dayPartAt(int hour24);

// Its picture, a resource of the pictures folder.
QString dayPartPicture(DayPart part);
