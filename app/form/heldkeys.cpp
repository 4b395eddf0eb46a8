#include "app/form/heldkeys.h"

bool HeldKeys::pressIsRepeat(int key, quint64 timestampMs, bool flaggedRepeat)
{
    if (flaggedRepeat)
        return true;
    const bool wasDown = !down.insert(key).second;
    // Without a time on both events the gap cannot be told, and a scripted press and
    // release come back to back: only the flag and the key being down count then.
    const bool timed = timestampMs != 0 && lastReleaseMs != 0;
    const bool soonAfterRelease = timed && key == lastReleased && timestampMs >= lastReleaseMs &&
                                  timestampMs - lastReleaseMs < kRepeatGapMs;
    return wasDown || soonAfterRelease;
}

void HeldKeys::release(int key, quint64 timestampMs, bool flaggedRepeat)
{
    // A release Qt flags is half of a repeat pair: the key has not really gone up.
    if (flaggedRepeat)
        return;
    down.erase(key);
    lastReleased = key;
    lastReleaseMs = timestampMs;
}

void HeldKeys::forgetAll()
{
    down.clear();
    lastReleased = 0;
    lastReleaseMs = 0;
}
