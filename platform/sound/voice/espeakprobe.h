#pragma once

#include <QString>

// espeak-ng trusts its data: a phoneme table cut short, or an index of random bytes, loads
// without a word of complaint and then crashes the whole process at the first text spoken.
// So a voice is first tried in a child process, which sets espeak-ng up as this process would
// (unless this one has already), speaks a short text in it and ends. Returns why the voice's
// data cannot be used; empty when the child spoke, or when espeak-ng refused the data itself,
// which it says again, and safely, when it is set up here.
QString espeakDataFault(const QByteArray& voiceName, bool alreadySetUp);
