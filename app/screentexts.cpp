#include "app/screentexts.h"

#include <QCoreApplication>

ScreenTexts::ScreenTexts(Language language)
{
    install(language);
}

ScreenTexts::~ScreenTexts()
{
    uninstall();
}

void ScreenTexts::switchTo(Language language)
{
    uninstall();
    install(language);
}

void ScreenTexts::install(Language language)
{
    if (language == Language::EnglishUS)
        return;
    // Translations are named as Qt names them, language_TERRITORY: chimewise_en_GB.qm.
    const QString name = QLatin1String("chimewise_") +
                         languageCode(language).replace(QLatin1Char('-'), QLatin1Char('_'));
    active = translator.load(name, QStringLiteral(":/translations")) &&
             QCoreApplication::installTranslator(&translator);
}

void ScreenTexts::uninstall()
{
    if (std::exchange(active, false))
        QCoreApplication::removeTranslator(&translator);
}
