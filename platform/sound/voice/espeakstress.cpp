#include "platform/sound/voice/espeakstress.h"

#include <array>
#include <espeak-ng/speak_lib.h>

namespace
{

struct Respelling {
    const char* voice;
    const char* word;     // as the texts write it, matched as a whole word in any case
    const char* phonemes; // espeak-ng's own phoneme names, ' before the stressed syllable
};

// The words of the clock's texts whose syllable espeak-ng stresses (as espeak_TextToPhonemes
// shows) is not the one the language's dictionaries give. Everything else goes as it is.
constexpr std::array<Respelling, 5> kRespellings{{
    {"nl", "elkaar", "_!Elk'a:r"},      // el-KAAR, not EL-kaar
    {"nl", "minuten", "min'yt@n"},      // mi-NUU-ten
    {"nl", "minuut", "min'yt"},         // mi-NUUT
    {"de", "zufällige", "ts'u:fElIg@"}, // ZU-fällige, as "Zufall"
    {"fr", "Montre-moi", "mO~tr@mw'a"}, // montre-MOI: French stresses the group's end
}};

bool isLetterAt(const QString& text, qsizetype at)
{
    return at >= 0 && at < text.size() && text.at(at).isLetter();
}

// Every whole-word occurrence of word, in any case, replaced by its phonemes.
void respell(QString& text, const Respelling& respelling)
{
    const QString word = QString::fromUtf8(respelling.word);
    const QString phonemes =
        QLatin1String("[[") + QLatin1String(respelling.phonemes) + QLatin1String("]]");
    qsizetype at = 0;
    while ((at = text.indexOf(word, at, Qt::CaseInsensitive)) >= 0) {
        if (isLetterAt(text, at - 1) || isLetterAt(text, at + word.size())) {
            at += word.size();
            continue;
        }
        text.replace(at, word.size(), phonemes);
        at += phonemes.size();
    }
}

} // namespace

QString espeakInput(const QByteArray& voice, const QString& text)
{
    QString input = text;
    for (const Respelling& respelling : kRespellings)
        if (voice == respelling.voice)
            respell(input, respelling);
    return input;
}

unsigned espeakInputOptions()
{
    return espeakCHARS_UTF8 | espeakPHONEMES;
}
