#include "platform/flitevoice.h"

VoiceCreation createVoice(const QString& className, SoundOutput& sound)
{
    if (className.compare(QLatin1String("SAPI.spVoice"), Qt::CaseInsensitive) != 0)
        return {nullptr,
                QStringLiteral("The speech voice \"%1\" is not installed on this computer.")
                    .arg(className)};
    auto voice = std::make_unique<FliteVoice>(sound);
    if (!voice->available())
        return {
            nullptr,
            QStringLiteral("The speech voice could not be started, so the clock will not speak.")};
    return {std::move(voice), QString()};
}
