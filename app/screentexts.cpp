#include "app/screentexts.h"

#include <QCoreApplication>

ScreenTexts::ScreenTexts(Language language)
{
    if (language == Language::EnglishUS)
        return;
    // Translations are named as Qt names them, language_TERRITORY: chimewise_en_GB.qm.
    const QString name = QLatin1String("chimewise_") +
                         languageCode(language).replace(QLatin1Char('-'), QLatin1Char('_'));
    active = translator.load(name, QStringLiteral(":/translations")) &&
             QCoreApplication::installTranslator(&translator);
}

ScreenTexts::~ScreenTexts()
{
    if (active)
        QCoreApplication::removeTranslator(&translator);
}
