#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The languages the program speaks. US English is the program's own and the fallback for
// every language it does not speak.
// Spanish is Spain's; SpanishAmericas the Spanish of the Americas, es-419.
enum class Language { EnglishUS, EnglishUK, German, French, Spanish, SpanishAmericas, Dutch };

// The --language codes, in the order --help lists them: en-US, en-GB, de, fr, es, es-419, nl.
QStringList languageCodes();
QString languageCode(Language language);
// Codes compare without regard to case, as language tags do ("EN-gb" is en-GB).
std::optional<Language> languageFromCode(const QString& code);

// The espeak-ng voice for a language, or null for English, which flite speaks.
const char* espeakVoiceName(Language language);

// A locale name as the environment holds it, language[_TERRITORY][.codeset][@modifier]
// ("de_DE.UTF-8@euro"): the language it asks for, or nothing for one the program does not
// speak, and for the C locale.
std::optional<Language> languageFromLocaleName(const QString& name);

// Reads an environment variable; empty when it is unset.
using EnvironmentLookup = std::function<QString(const char* name)>;

// The desktop's language, chosen as gettext chooses a translation: see language.cpp.
Language languageFromEnvironment(const EnvironmentLookup& environment);

struct LanguageChoice {
    Language language = Language::EnglishUS;
    // Set when --language named no language of the program's; the caller refuses to start.
    QString error;
};

// --language CODE when it was given (one of languageCodes(), or a locale name or language tag
// of a language the program speaks: "de_DE", "de-AT", "fr_CA.UTF-8"), the desktop's language
// otherwise.
LanguageChoice chooseLanguage(const std::optional<QString>& code,
                              const EnvironmentLookup& environment);
