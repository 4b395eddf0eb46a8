#include "platform/realplatform.h"

RealPlatform::RealPlatform(std::function<void(const QString&)> notice)
{
    wiring.clock = &clock;
    wiring.random = &random;
    wiring.pump = &pump;
    wiring.wave = &wave;
    wiring.makeVoice = [this](const QString& className, const QString& language) {
        return createVoice(className, language, service);
    };
    wiring.notice = std::move(notice);
}
