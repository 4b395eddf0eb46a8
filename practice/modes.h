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
