#pragma once

#include "speech/language/language.h"

#include <QTranslator>

// The screen texts of a language, installed in the application for as long as this lives:
// make it before the window, whose texts are translated when its controls are made. US
// English is the texts' own language and needs no translation.
class ScreenTexts
{
public:
    explicit ScreenTexts(Language language);
    ~ScreenTexts();
    ScreenTexts(const ScreenTexts&) = delete;
    ScreenTexts& operator=(const ScreenTexts&) = delete;

    // False when the language's translation was missing; the texts then stay in English.
    bool installed() const { return active; }
    // The texts of another language from now on; what is shown must be translated again.
    void switchTo(Language language);

private:
    void install(Language language);
    void uninstall();

    QTranslator translator;
    bool active = false;
};
