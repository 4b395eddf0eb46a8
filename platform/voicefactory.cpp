#include "platform/audio/audiooutput.h"
#include "platform/flitesynth.h"
#include "platform/flitevoice.h"
#include "platform/voice.h"

#include <exception>

namespace
{

std::unique_ptr<Voice> makeFliteVoice()
{
    AudioOutput& output = AudioOutput::instance();
    auto voice = std::make_unique<FliteVoice>(FliteSynth::instance(), output.mixer(),
                                              [&output] { output.ensureOpen(); });
    voice->setOnRequest([&output] { output.prepare(); });
    return voice;
}

} // namespace

VoiceCreation createVoice(const QString& className)
{
    const QString cannotStart =
        QStringLiteral("The speech voice could not be started, so the clock will not speak.");
    VoiceCreation made;
    if (className.compare(QLatin1String("SAPI.spVoice"), Qt::CaseInsensitive) != 0) {
        made.failure = QStringLiteral("The speech voice \"%1\" is not installed on this computer.")
                           .arg(className);
        return made;
    }
    try {
        if (!FliteSynth::instance().available()) {
            made.failure = cannotStart;
            return made;
        }
        made.voice = makeFliteVoice();
    } catch (const std::exception&) {
        made.failure = cannotStart;
    }
    return made;
}
