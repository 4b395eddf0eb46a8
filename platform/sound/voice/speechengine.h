#pragma once

#include <QString>
#include <functional>

// A speech synthesiser as a voice drives it, whichever engine it is.
class SpeechEngine
{
public:
    virtual ~SpeechEngine() = default;
    // Why the engine cannot speak, in words; empty when it can.
    virtual QString failure() const = 0;
    // The rate of the samples it makes.
    virtual int rate() const = 0;
    // Receives the samples as they are made, a few hundred at a time; returning false stops
    // the synthesis there.
    using Sink = std::function<bool(const short* samples, int count)>;
    // Speaks text into sink. True when it ran to the end.
    virtual bool synthesize(const QString& text, const Sink& sink) = 0;
};
