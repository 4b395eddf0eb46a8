#include "platform/sound/soundlog.h"
#include "platform/sound/voice/espeakvoice.h"
#include "platform/sound/voice/flitevoice.h"
#include "speech/language/language.h"

namespace
{
// The clock still shows the language's times; it only says nothing. Said once, on stderr.
VoiceCreation silentFor(const QString& language, const QString& why)
{
    qCWarning(lcSound, "No voice for the language %s: %s. The clock will not speak.",
              qPrintable(language), qPrintable(why));
    return {nullptr, QString()};
}
} // namespace

VoiceCreation createVoice(const QString& className, const QString& language, SoundOutput& sound)
{
    if (className.compare(QLatin1String("SAPI.spVoice"), Qt::CaseInsensitive) != 0)
        return {nullptr,
                QStringLiteral("The speech voice \"%1\" is not installed on this computer.")
                    .arg(className)};
    const std::optional<Language> known = languageFromCode(language);
    if (!known)
        return silentFor(language, QStringLiteral("no voice speaks it"));
    // English is flite's; the other languages are espeak-ng's.
    if (const char* name = espeakVoiceName(*known)) {
        auto voice = std::make_unique<EspeakVoice>(sound, name);
        if (!voice->failure().isEmpty())
            return silentFor(language, voice->failure());
        return {std::move(voice), QString()};
    }
    auto voice = std::make_unique<FliteVoice>(sound);
    if (!voice->failure().isEmpty())
        return {
            nullptr,
            QStringLiteral("The speech voice could not be started, so the clock will not speak.")};
    return {std::move(voice), QString()};
}
