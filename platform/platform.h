#pragma once

#include "platform/eventpump.h"
#include "platform/randomsource.h"
#include "platform/systemclock.h"
#include "platform/voice.h"
#include "platform/waveplayer.h"

#include <QString>
#include <functional>
#include <memory>

// Everything the window needs from outside itself. The program fills it with the real
// services; tests fill it with fakes.
struct Platform {
    SystemClock* clock = nullptr;
    RandomSource* random = nullptr;
    EventPump* pump = nullptr;
    WavePlayer* wave = nullptr;
    // Makes the voice at start-up, and again when a grown-up chooses another language, with
    // the class name and the language code ("en-US", "de") it is to speak.
    std::function<VoiceCreation(const QString& className, const QString& language)> makeVoice;
    // Tells the person at the computer about a problem the program carries on through.
    std::function<void(const QString&)> notice;
    // Called once the window's first frame is out, or when the start-up pause ends without
    // one: what the first frame does not need may start then.
    std::function<void()> afterFirstFrame;
};
