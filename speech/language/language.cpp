#include "speech/language/language.h"

#include <array>

namespace
{

struct LanguageRow {
    Language language;
    const char* code;
    const char* espeakVoice;
};
constexpr std::array<LanguageRow, 7> kLanguages{{
    {Language::EnglishUS, "en-US", nullptr},
    {Language::EnglishUK, "en-GB", nullptr},
    {Language::German, "de", "de"},
    {Language::French, "fr", "fr"},
    {Language::Spanish, "es", "es"},
    {Language::SpanishAmericas, "es-419", "es-419"},
    {Language::Dutch, "nl", "nl"},
}};

const LanguageRow& rowOf(Language language)
{
    for (const LanguageRow& row : kLanguages)
        if (row.language == language)
            return row;
    return kLanguages[0];
}

// English-speaking countries whose schools teach the clock in British forms.
constexpr std::array<const char*, 6> kBritishTerritories{"GB", "AU", "NZ", "IE", "ZA", "IN"};

// The Spanish-speaking territories of the Americas, the United States among them, and the
// region's own code, 419. All say c and z as s, and most prefer "cuarto para las seis" to
// Spain's "las seis menos cuarto".
constexpr std::array<const char*, 21> kAmericanSpanishTerritories{
    "419", "AR", "BO", "CL", "CO", "CR", "CU", "DO", "EC", "GT", "HN",
    "MX",  "NI", "PA", "PE", "PR", "PY", "SV", "US", "UY", "VE"};

bool isCLocale(const QString& name)
{
    // glibc treats C.UTF-8 as C when it chooses translations, and so does this.
    const QString base = name.section(QLatin1Char('.'), 0, 0);
    return name.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

} // namespace

QStringList languageCodes()
{
    QStringList codes;
    for (const LanguageRow& row : kLanguages)
        codes << QLatin1String(row.code);
    return codes;
}

QString languageCode(Language language)
{
    return QLatin1String(rowOf(language).code);
}

std::optional<Language> languageFromCode(const QString& code)
{
    for (const LanguageRow& row : kLanguages)
        if (code.compare(QLatin1String(row.code), Qt::CaseInsensitive) == 0)
            return row.language;
    return std::nullopt;
}

const char* espeakVoiceName(Language language)
{
    return rowOf(language).espeakVoice;
}

std::optional<Language> languageFromLocaleName(const QString& name)
{
    if (isCLocale(name))
        return std::nullopt;
    // Codeset and modifier say nothing about the language; a dash is taken like the
    // underscore because language tags ("en-GB") turn up in LANGUAGE too.
    QString tag = name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = tag.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = tag.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language == QLatin1String("en")) {
        for (const char* british : kBritishTerritories)
            if (territory == QLatin1String(british))
                return Language::EnglishUK;
        return Language::EnglishUS;
    }
    if (language == QLatin1String("es")) {
        for (const char* american : kAmericanSpanishTerritories)
            if (territory == QLatin1String(american))
                return Language::SpanishAmericas;
        return Language::Spanish;
    }
    for (const LanguageRow& row : kLanguages)
        if (language == QLatin1String(row.code))
            return row.language;
    return std::nullopt;
}

// gettext's order. The locale of messages is the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty; in the C locale (nothing set counts as C) LANGUAGE is ignored and nothing
// is translated. Otherwise a LANGUAGE that is set replaces that locale: its colon-separated
// entries are tried first to last, an entry naming a language the program does not speak is
// passed over ("pt:de" is German), and a C entry, or the end of the list, means untranslated.
// English counts as spoken, so "en:de" is English; gettext would go on to German when no
// English catalogue is installed, which is not what a person who put English first asked for.
Language languageFromEnvironment(const EnvironmentLookup& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isCLocale(locale))
        return Language::EnglishUS;
    const QString priorities = environment("LANGUAGE");
    if (priorities.isEmpty())
        return languageFromLocaleName(locale).value_or(Language::EnglishUS);
    for (const QString& entry : priorities.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (isCLocale(entry))
            break;
        if (const std::optional<Language> language = languageFromLocaleName(entry))
            return *language;
    }
    return Language::EnglishUS;
}

LanguageChoice chooseLanguage(const std::optional<QString>& code,
                              const EnvironmentLookup& environment)
{
    if (!code)
        return {languageFromEnvironment(environment), {}};
    // A parent may copy the code from `locale` ("de_DE.UTF-8") or write a language tag
    // ("de-AT"): both are read as the desktop's locale is.
    if (const std::optional<Language> language = languageFromCode(*code))
        return {*language, {}};
    if (const std::optional<Language> language = languageFromLocaleName(*code))
        return {*language, {}};
    return {Language::EnglishUS, QStringLiteral("Unknown language '%1'. The languages are: %2.")
                                     .arg(*code, languageCodes().join(QLatin1String(", ")))};
}
