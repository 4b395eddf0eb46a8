#include "speech/lang/phrasing.h"
#include "support/phrasedata.h"

#include <QHash>
#include <QTest>
#include <limits>

// The worked tables and what the sources behind them are: tests/data/time-phrases.
class TestPhrasing : public QObject
{
    Q_OBJECT

private slots:
    void everyTimeOnTheDial_data();
    void everyTimeOnTheDial();
    void everyTimeOfTheDay_data();
    void everyTimeOfTheDay();
    void everythingElseSaid_data();
    void everythingElseSaid();
    void composedForTheWindow_data();
    void composedForTheWindow();
    void composedAtAMinute_data();
    void composedAtAMinute();
    void languageChoice_data();
    void languageChoice();
};

Q_DECLARE_METATYPE(DayRow)

namespace
{
const Phrasing& phrasingOf(const QString& code)
{
    return phrasingFor(languageFromCode(code).value_or(Language::EnglishUS));
}
} // namespace

void TestPhrasing::everyTimeOnTheDial_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("worded");
    for (const QString& code : tabledLanguageCodes())
        for (const DialRow& row : dialRows(code))
            QTest::addRow("%s %d:%02d", qPrintable(code), row.hour, row.minute)
                << code << row.hour << row.minute << row.reading << row.worded;
    for (const QString& code : minuteTabledLanguageCodes())
        for (const DialRow& row : minuteRows(code))
            QTest::addRow("%s minutes %d:%02d", qPrintable(code), row.hour, row.minute)
                << code << row.hour << row.minute << row.reading << row.worded;
}

void TestPhrasing::everyTimeOnTheDial()
{
    QFETCH(QString, code);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, reading);
    QFETCH(QString, worded);
    const Phrasing& phrasing = phrasingOf(code);
    QCOMPARE(phrasing.reading(hour, minute), reading);
    QCOMPARE(phrasing.worded(hour, minute), worded);
}

void TestPhrasing::everyTimeOfTheDay_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<DayRow>("row");
    for (const QString& code : minuteTabledLanguageCodes())
        for (const DayRow& row : dayRows(code))
            QTest::addRow("%s %d:%02d", qPrintable(code), row.hour, row.minute) << code << row;
}

void TestPhrasing::everyTimeOfTheDay()
{
    QFETCH(QString, code);
    QFETCH(DayRow, row);
    const DayPhrasing& day = phrasingOf(code).day;
    QCOMPARE(day.readingAmPm(row.hour, row.minute), row.readingAmPm);
    QCOMPARE(day.reading24(row.hour, row.minute), row.reading24);
    QCOMPARE(day.worded(row.hour, row.minute), row.worded);
    QCOMPARE(day.written(row.hour, row.minute), row.written);
}

void TestPhrasing::everythingElseSaid_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    for (const QString& code : tabledLanguageCodes())
        for (const TextRow& row : textRows(code))
            QTest::addRow("%s %s", qPrintable(code), qPrintable(row.key))
                << code << row.key << row.text;
    // US English is today's phrase code and texts, blanks and all; these rows show the module
    // hands them on rather than saying something of its own.
    const QString us = QStringLiteral("en-US");
    const auto add = [&](const char* key, const char* text) {
        QTest::addRow("en-US %s", key)
            << us << QString::fromLatin1(key) << QString::fromLatin1(text);
    };
    add("reading 3:15", " 3 15");
    add("worded 0:15", "quarter after  12");
    add("worded 11:55", "5 minutes to 12");
    add("announcement 21:05", "the current time is  9 o 5");
    add("FiveMinutes", " 5 minute precision");
    add("OneMinute", " 1 minute precision");
    add("Prompt", "click the clock to begin");
    add("askReading 3:15", "show me 3 15");
    add("askWorded 3:15", "show me quarter after  3");
    add("wrong 3:20", "that's 3 20, try again");
    add("announcementAmPm 21:05", "the current time is  9 oh 5 p.m.");
    add("announcementAmPm 0:00", "the current time is  12 midnight");
    add("announcement24 9:05", "the current time is  oh 9 oh 5");
}

void TestPhrasing::everythingElseSaid()
{
    QFETCH(QString, code);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(spokenFor(phrasingOf(code), key), text);
}

void TestPhrasing::composedForTheWindow_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("shownHour");
    QTest::addColumn<double>("shownMinuteMark");
    QTest::addColumn<bool>("composed");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("timePhrase");
    QTest::addColumn<QString>("altTimePhrase");

    // The window keeps the hour with its fraction and a mark a hair off the whole number;
    // between twelve and one the hour becomes a whole twelve.
    QTest::newRow("US as today") << "en-US" << 0.25 << 2.9999 << true << 12.0 << 3.0 << " 12 15"
                                 << "quarter after  12";
    QTest::newRow("German, twelve")
        << "de" << 0.25 << 3.0001 << true << 12.0 << 3.0 << "zwölf Uhr fünfzehn"
        << "Viertel nach zwölf";
    QTest::newRow("Spanish, half past eleven")
        << "es" << 11.5 << 6.0 << true << 11.5 << 6.0 << "las once y treinta"
        << "las once y media";
    QTest::newRow("mark rounding past 11") << "fr" << 3.0 << 11.5 << false << 0.0 << 0.0 << ""
                                           << "";
    QTest::newRow("not a number") << "nl" << std::numeric_limits<double>::quiet_NaN() << 0.0
                                  << false << 0.0 << 0.0 << ""
                                  << "";
}

void TestPhrasing::composedForTheWindow()
{
    QFETCH(QString, code);
    QFETCH(double, shownHour);
    QFETCH(double, shownMinuteMark);
    QFETCH(bool, composed);
    const std::optional<ComposedTime> result =
        composeTimePhraseIn(phrasingOf(code), shownHour, shownMinuteMark);
    QCOMPARE(result.has_value(), composed);
    if (!result)
        return;
    QTEST(result->shownHour, "hour");
    QTEST(result->shownMinuteMark, "mark");
    QTEST(result->timePhrase, "timePhrase");
    QTEST(result->altTimePhrase, "altTimePhrase");
}

void TestPhrasing::composedAtAMinute_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("hourIn");
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("composed");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("timePhrase");
    QTest::addColumn<QString>("altTimePhrase");

    // The hand stands between the marks, where the minute puts it; the hour 0 is twelve.
    QTest::newRow("US 0:07") << "en-US" << 0 << 7 << true << 12.0 << 1.4 << " 12 oh 7"
                             << "7 minutes after  12";
    QTest::newRow("Dutch 12:59") << "nl" << 12 << 59 << true << 12.0 << 11.8
                                 << "twaalf uur negenenvijftig"
                                 << "één voor één";
    QTest::newRow("hour 13") << "en-US" << 13 << 0 << false << 0.0 << 0.0 << ""
                             << "";
    QTest::newRow("minute 60") << "de" << 3 << 60 << false << 0.0 << 0.0 << ""
                               << "";
}

void TestPhrasing::composedAtAMinute()
{
    QFETCH(QString, code);
    QFETCH(int, hourIn);
    QFETCH(int, minute);
    QFETCH(bool, composed);
    const std::optional<ComposedTime> result =
        composeMinutePhraseIn(phrasingOf(code), hourIn, minute);
    QCOMPARE(result.has_value(), composed);
    if (!result)
        return;
    QTEST(result->shownHour, "hour");
    QTEST(result->shownMinuteMark, "mark");
    QTEST(result->timePhrase, "timePhrase");
    QTEST(result->altTimePhrase, "altTimePhrase");
}

void TestPhrasing::languageChoice_data()
{
    QTest::addColumn<QString>("environment"); // NAME=value pairs, blank-separated
    QTest::addColumn<QString>("option");      // --language's value; "-" when not given
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("error");

    const auto row = [](const char* name, const char* environment, const char* language) {
        QTest::newRow(name) << QString::fromLatin1(environment) << "-"
                            << QString::fromLatin1(language) << QString();
    };
    row("nothing set", "", "en-US");
    row("LANG", "LANG=de_DE.UTF-8", "de");
    row("British", "LANG=en_GB.UTF-8", "en-GB");
    row("Australian", "LANG=en_AU.UTF-8", "en-GB");
    row("Indian, lower case", "LANG=en_in.utf8", "en-GB");
    row("Irish with modifier", "LANG=en_IE@euro", "en-GB");
    row("American", "LANG=en_US.UTF-8", "en-US");
    row("Canadian", "LANG=en_CA.UTF-8", "en-US");
    row("English alone", "LANG=en", "en-US");
    row("Canadian French", "LANG=fr_CA.UTF-8", "fr");
    row("Mexican Spanish", "LANG=es_MX", "es-419");
    row("Spanish of Spain", "LANG=es_ES.UTF-8", "es");
    row("Spanish of the United States", "LANG=es_US.UTF-8", "es-419");
    row("Spanish alone", "LANG=es", "es");
    row("Flemish", "LANG=nl_BE.UTF-8", "nl");
    row("codeset and modifier", "LANG=de_DE.UTF-8@euro", "de");
    row("not spoken", "LANG=ja_JP.UTF-8", "en-US");
    row("LC_ALL first", "LC_ALL=fr_FR.UTF-8 LC_MESSAGES=nl_NL LANG=de_DE.UTF-8", "fr");
    row("LC_MESSAGES before LANG", "LC_MESSAGES=nl_NL.UTF-8 LANG=de_DE.UTF-8", "nl");
    row("LANGUAGE before the locale", "LANGUAGE=de LANG=en_US.UTF-8", "de");
    row("LANGUAGE passes over what is not spoken", "LANGUAGE=pt_BR:pt:es LANG=pt_BR.UTF-8", "es");
    row("LANGUAGE entries in locale form", "LANGUAGE=::nl_NL.UTF-8@x LANG=fr_FR", "nl");
    row("LANGUAGE English first", "LANGUAGE=en_GB:de LANG=de_DE.UTF-8", "en-GB");
    row("LANGUAGE replaces the locale", "LANGUAGE=pt LANG=de_DE.UTF-8", "en-US");
    row("LANGUAGE C entry ends it", "LANGUAGE=C:de LANG=fr_FR.UTF-8", "en-US");
    row("LANGUAGE ignored without a locale", "LANGUAGE=de", "en-US");
    row("LANGUAGE ignored in C", "LANGUAGE=de LANG=C", "en-US");
    row("LANGUAGE ignored in C.UTF-8", "LANGUAGE=de LC_ALL=C.UTF-8 LANG=fr_FR", "en-US");
    row("POSIX", "LANG=POSIX", "en-US");

    const auto option = [](const char* name, const char* code, const char* language,
                           const char* error) {
        QTest::newRow(name) << "LANGUAGE=fr LANG=fr_FR.UTF-8" << QString::fromLatin1(code)
                            << QString::fromLatin1(language) << QString::fromLatin1(error);
    };
    option("--language over the desktop", "de", "de", "");
    option("--language any case", "EN-gb", "en-GB", "");
    option("--language en-US", "en-US", "en-US", "");
    option("--language unknown", "xx", "en-US",
           "Unknown language 'xx'. The languages are: en-US, en-GB, de, fr, es, es-419, nl.");
    // What a parent copies from `locale` or writes as a language tag.
    option("--language locale form", "en_GB", "en-GB", "");
    option("--language tag with a country", "de-AT", "de", "");
    option("--language with codeset", "fr_CA.UTF-8", "fr", "");
    option("--language Flemish", "nl_BE", "nl", "");
    option("--language Australian", "en_AU", "en-GB", "");
    option("--language Canadian English", "en-CA", "en-US", "");
    option("--language Mexican tag", "es-MX", "es-419", "");
    option("--language Latin American locale form", "es_419", "es-419", "");
    option("--language a language not spoken", "pt_BR", "en-US",
           "Unknown language 'pt_BR'. The languages are: en-US, en-GB, de, fr, es, es-419, nl.");
    option("--language C", "C", "en-US",
           "Unknown language 'C'. The languages are: en-US, en-GB, de, fr, es, es-419, nl.");
    option("--language empty", "", "en-US",
           "Unknown language ''. The languages are: en-US, en-GB, de, fr, es, es-419, nl.");
}

void TestPhrasing::languageChoice()
{
    QFETCH(QString, environment);
    QFETCH(QString, option);
    QFETCH(QString, language);
    QFETCH(QString, error);

    QHash<QString, QString> variables;
    for (const QString& pair : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        variables.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    const EnvironmentLookup lookup = [&](const char* name) {
        return variables.value(QLatin1String(name));
    };
    const std::optional<QString> code =
        option == QLatin1String("-") ? std::nullopt : std::optional<QString>(option);
    const LanguageChoice choice = chooseLanguage(code, lookup);
    QCOMPARE(languageCode(choice.language), language);
    QCOMPARE(choice.error, error);
}

QTEST_APPLESS_MAIN(TestPhrasing)
#include "test_phrasing.moc"
