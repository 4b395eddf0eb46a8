#include "platform/flitevoice.h"
#include "platform/voice.h"

VoiceCreation createVoice(const QString& className, SoundOutput& sound)
{
    VoiceCreation made;
    if (className.compare(QLatin1String("SAPI.spVoice"), Qt::CaseInsensitive) != 0) {
        made.failure = QStringLiteral("The speech voice \"%1\" is not installed on this computer.")
                           .arg(className);
        return made;
    }
    auto voice = std::make_unique<FliteVoice>(sound);
    if (!voice->available()) {
        made.failure =
            QStringLiteral("The speech voice could not be started, so the clock will not speak.");
        return made;
    }
    made.voice = std::move(voice);
    return made;
}
