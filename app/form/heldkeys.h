#pragma once

#include <QtGlobal>
#include <set>

// Tells a new press of a key from the keyboard repeating a key that is held down.
//
// Qt flags most repeats, not all: an X server repeats a held key as a release and a press
// that carry the same time, and Qt recognises the pair only when the press has already
// arrived as it reads the release. A press is therefore also a repeat when its key is
// still down, or when the same key was released less than kRepeatGapMs before.
class HeldKeys
{
public:
    // No finger lets a key up and strikes it again this quickly: the key has to rise past
    // its switch first, and even a quick double tap leaves it up for longer. Repeats come
    // 0 ms after their release from an X server, and one repeat period later (33-40 ms at
    // the usual 25-30 a second) from whatever sends them as separate presses and releases.
    // Qt's style hint for the repeat rate is a fixed guess on X, not the server's setting,
    // so it would be no better than a fixed bound.
    static constexpr quint64 kRepeatGapMs = 60;

    // Records a press at timestampMs (the event's time; 0 when it has none, as with events
    // a program makes) and says whether it is a repeat.
    bool pressIsRepeat(int key, quint64 timestampMs, bool flaggedRepeat);
    void release(int key, quint64 timestampMs, bool flaggedRepeat);
    // Keys go up unseen while another window has the keyboard.
    void forgetAll();

private:
    std::set<int> down;
    int lastReleased = 0;
    quint64 lastReleaseMs = 0;
};
