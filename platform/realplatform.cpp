#include "platform/realplatform.h"

RealPlatform::RealPlatform(std::function<void(const QString&)> notice)
{
    wiring.clock = &clock;
    wiring.random = &random;
    wiring.pump = &pump;
    wiring.wave = &wave;
    wiring.makeVoice = [this](const QString& className) { return createVoice(className, service); };
    wiring.notice = std::move(notice);
}
