#pragma once

#include <QByteArray>
#include <QString>

// espeak-ng reads a few of the words the clock says with the stress on the wrong syllable
// ("door elkaar" as 'EL-kaar', not el-KAAR); a child learns the word as it hears it. The voice
// hands those words over as phonemes with the right stress, which espeak-ng takes between
// [[ and ]] when it is given espeakPHONEMES.

// The text as the voice hands it to espeak-ng in the given voice ("nl").
QString espeakInput(const QByteArray& voice, const QString& text);

// The options espeak_Synth takes with espeakInput's text: UTF-8, with phonemes between [[ ]].
unsigned espeakInputOptions();
