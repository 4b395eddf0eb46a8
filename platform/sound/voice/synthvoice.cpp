#include "platform/sound/voice/synthvoice.h"

#include "platform/sound/voice/speechparts.h"

#include <malloc.h>

SynthVoice::SynthVoice(SoundOutput& sound, std::unique_ptr<SpeechEngine> engine)
    : sound(sound), engine(std::move(engine)), worker([this] { run(); })
{
}

SynthVoice::~SynthVoice()
{
    {
        std::lock_guard guard(lock);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
}

// The window only ever asks to speak asynchronously and to drop what is being said, so
// that is what every request does.
int SynthVoice::Speak(const QString& text, int)
{
    {
        std::lock_guard guard(lock);
        ++asking;
    }
    const std::uint64_t ticket = sound.begin(SoundSlot::Speech, engine->rate());
    {
        std::lock_guard guard(lock);
        --asking;
        newest = ticket;
        if (text.trimmed().isEmpty())
            request.reset(); // quiet is all that was asked for
        else
            request = Request{text, ticket};
    }
    wake.notify_all();
    return 0;
}

void SynthVoice::prepare(const QStringList& texts)
{
    {
        std::lock_guard guard(lock);
        toPrepare = texts;
    }
    wake.notify_all();
}

void SynthVoice::run()
{
    std::unique_lock guard(lock);
    for (;;) {
        wake.wait(guard, [this] { return stopping || request || !toPrepare.empty(); });
        if (stopping)
            return;
        const Request next = request ? *std::exchange(request, std::nullopt)
                                     : Request{toPrepare.takeFirst(), std::nullopt};
        guard.unlock();
        say(next);
        guard.lock();
        // flite borrows a megabyte or two for every text and the allocator keeps it; with
        // nothing left to make, it goes back to the system, whichever engine borrowed it.
        if (!stopping && !request && toPrepare.isEmpty()) {
            guard.unlock();
            malloc_trim(0);
            guard.lock();
        }
    }
}

// Streams the text into its sound as the engine makes it, unless it is known already or only
// to be prepared. Gives way to any request that comes meanwhile.
void SynthVoice::say(const Request& next)
{
    if (Samples whole = known.recall(next.text)) {
        if (next.ticket)
            sound.add(SoundSlot::Speech, *next.ticket, std::move(whole), true);
        return;
    }
    SpeechParts parts(engine->rate());
    const bool finished = engine->synthesize(next.text, [&](const short* samples, int count) {
        parts.add(samples, count);
        if (Samples part = next.ticket ? parts.take(false) : nullptr)
            sound.add(SoundSlot::Speech, *next.ticket, std::move(part), false);
        return !interrupted(next);
    });
    if (!finished)
        return; // cut off by a newer text, which is served next
    Samples tail = parts.take(true);
    if (next.ticket)
        sound.add(SoundSlot::Speech, *next.ticket, std::move(tail), true);
    known.remember(next.text, parts.whole());
}

// Any text asked for, even a blank one, ends what is being said; only being asked to say
// something ends making one ready.
bool SynthVoice::interrupted(const Request& making)
{
    std::lock_guard guard(lock);
    return stopping || asking > 0 || request.has_value() ||
           (making.ticket && *making.ticket != newest);
}
