#include "platform/flitevoice.h"

#include <cstdio>

VoiceCreation createVoice(const QString& className, const QString& language, SoundOutput& sound)
{
    if (className.compare(QLatin1String("SAPI.spVoice"), Qt::CaseInsensitive) != 0)
        return {nullptr,
                QStringLiteral("The speech voice \"%1\" is not installed on this computer.")
                    .arg(className)};
    // flite speaks English only; read in its voice, the other languages would be gibberish.
    if (!language.startsWith(QLatin1String("en-"), Qt::CaseInsensitive)) {
        std::fprintf(stderr,
                     "chimewise: there is no voice for the language %s, so the clock "
                     "will not speak\n",
                     qPrintable(language));
        return {nullptr, QString()};
    }
    auto voice = std::make_unique<FliteVoice>(sound);
    if (!voice->failure().isEmpty())
        return {
            nullptr,
            QStringLiteral("The speech voice could not be started, so the clock will not speak.")};
    return {std::move(voice), QString()};
}
