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
    // The gap between a release and the next press that a finger cannot make: it has to
    // lift the key past its switch and strike again, which takes well over this even in a
    // quick double tap, while repeats come 0 ms after their release from an X server and
    // one repeat period (about 33-40 ms at the usual 25-30 a second) from anything that
    // sends them as separate presses and releases. Qt's style hint for the repeat rate is a
    // fixed guess on X, not the server's setting, so a fixed bound serves as well.
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
