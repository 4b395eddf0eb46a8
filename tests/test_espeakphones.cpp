#include "platform/sound/voice/espeakstress.h"
#include "speech/lang/phrasing.h"
#include "support/phrasedata.h"

#include <QHash>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <espeak-ng/speak_lib.h>

// What the voices of the languages espeak-ng speaks will say: espeak-ng's own phonemes of what
// the voice hands it for a phrasing's text, against those of the worked words of
// tests/data/time-phrases.
namespace
{

// Where espeak-ng would stress a word on another syllable than the dictionaries do, the voice
// hands that word over as phonemes; what the child hears then is written out here, the stress
// where a teacher puts it.
const QHash<QString, QString> kWorkedPhonemes{
    {QStringLiteral("nl RandomOrder"), QStringLiteral("_!do:r _!Elk'a:r")},          // door el-KAAR
    {QStringLiteral("nl FiveMinutes"), QStringLiteral("p'Er v'EIf min'yt@n")},       // mi-NUU-ten
    {QStringLiteral("nl OneMinute"), QStringLiteral("p'Er min'yt")},                 // mi-NUUT
    {QStringLiteral("de RandomOrder"), QStringLiteral("ts'u:fElIg@ r'aIh@nf,Olg@")}, // ZU-fällige
    {QStringLiteral("fr askReading 1:15"), QStringLiteral("mO~tr@mw'a yn 'Wr k'E~z")}, // montre-MOI
    {QStringLiteral("fr askWorded 1:15"), QStringLiteral("mO~tr@mw'a yn 'Wr e k'ar")},
};

int discardSamples(short*, int, espeak_EVENT*)
{
    return 0;
}

// espeak-ng 1.51 leaks a little every time a voice is chosen, so it is chosen only when the
// language changes (the program's voice will choose it once).
espeak_ERROR useVoice(const QByteArray& voice)
{
    static QByteArray current;
    if (voice == current)
        return EE_OK;
    const espeak_ERROR result = espeak_SetVoiceByName(voice.constData());
    if (result == EE_OK)
        current = voice;
    return result;
}

// The phonemes of every clause of text, one line each, in espeak-ng's mnemonics, as the
// voice that is in use speaks them when it is handed the text with the voice's options.
QString phones(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    char* traced = nullptr;
    std::size_t size = 0;
    FILE* trace = open_memstream(&traced, &size);
    espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, trace);
    espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakInputOptions(), nullptr, nullptr);
    espeak_SetPhonemeTrace(0, nullptr);
    std::fclose(trace);
    const QString clauses = QString::fromUtf8(traced, qsizetype(size)).trimmed();
    std::free(traced);
    return clauses;
}

} // namespace

class TestEspeakPhones : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { espeak_Terminate(); }
    void everyTextSoundsAsItsWords_data();
    void everyTextSoundsAsItsWords();
};

void TestEspeakPhones::initTestCase()
{
    QVERIFY(espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) > 0);
    espeak_SetSynthCallback(discardSamples);
}

void TestEspeakPhones::everyTextSoundsAsItsWords_data()
{
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("handed");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("worked"); // phonemes, where the words alone would be misread
    for (const QString& code : tabledLanguageCodes()) {
        const Language language = *languageFromCode(code);
        const char* voice = espeakVoiceName(language);
        if (!voice)
            continue; // English: flite speaks it
        const Phrasing& phrasing = phrasingFor(language);
        const auto addTimes = [&](const char* table, const QList<DialRow>& rows) {
            for (const DialRow& row : rows) {
                QTest::addRow("%s %sreading %d:%02d", voice, table, row.hour, row.minute)
                    << QByteArray(voice) << phrasing.reading(row.hour, row.minute) << row.reading
                    << QString();
                QTest::addRow("%s %sworded %d:%02d", voice, table, row.hour, row.minute)
                    << QByteArray(voice) << phrasing.worded(row.hour, row.minute) << row.worded
                    << QString();
            }
        };
        addTimes("", dialRows(code));
        addTimes("minutes ", minuteRows(code));
        // The day's own words: every hour of the 24 and every part of the day stand at a
        // quarter past, noon and midnight on the hour; the minutes' words are the dial's.
        for (const DayRow& row : dayRows(code)) {
            if (row.minute != 15 && !(row.minute == 0 && row.hour % 12 == 0))
                continue;
            const DayPhrasing& day = phrasing.day;
            const int h = row.hour, m = row.minute;
            QTest::addRow("%s day %d:%02d a.m./p.m.", voice, h, m)
                << QByteArray(voice) << day.readingAmPm(h, m) << row.readingAmPm << QString();
            QTest::addRow("%s day %d:%02d 24-hour", voice, h, m)
                << QByteArray(voice) << day.reading24(h, m) << row.reading24 << QString();
            QTest::addRow("%s day %d:%02d worded", voice, h, m)
                << QByteArray(voice) << day.worded(h, m) << row.worded << QString();
        }
        for (const TextRow& row : textRows(code))
            QTest::addRow("%s %s", voice, qPrintable(row.key))
                << QByteArray(voice) << spokenFor(phrasing, row.key) << row.text
                << kWorkedPhonemes.value(QLatin1String(voice) + QLatin1Char(' ') + row.key);
    }
}

void TestEspeakPhones::everyTextSoundsAsItsWords()
{
    QFETCH(QByteArray, voice);
    QFETCH(QString, handed);
    QFETCH(QString, words);
    QFETCH(QString, worked);
    QCOMPARE(useVoice(voice), EE_OK);
    const QString heard = phones(espeakInput(voice, handed));
    QCOMPARE(heard, worked.isEmpty() ? phones(words) : worked);
    // espeak-ng marks a word it reads by another language's rules with that language's name
    // in brackets: the child would hear an English word in the middle of German.
    QVERIFY2(!heard.contains(QLatin1Char('(')), qPrintable(heard));
}

QTEST_APPLESS_MAIN(TestEspeakPhones)
#include "test_espeakphones.moc"
