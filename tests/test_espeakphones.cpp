#include "speech/lang/phrasing.h"
#include "support/phrasedata.h"

#include <QTest>
#include <espeak-ng/speak_lib.h>

// What the voices of the languages espeak-ng speaks will say: espeak-ng's own phonemes of the
// text the voice is handed, against those of the worked words of tests/data/time-phrases.
// The voice is handed a phrasing's text as it stands.
namespace
{

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
// voice that is in use reads them.
QString phones(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const void* rest = utf8.constData();
    QStringList clauses;
    while (rest)
        clauses << QString::fromUtf8(espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, 0));
    return clauses.join(QLatin1Char('\n'));
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
}

void TestEspeakPhones::everyTextSoundsAsItsWords_data()
{
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("handed");
    QTest::addColumn<QString>("words");
    for (const QString& code : tabledLanguageCodes()) {
        const Language language = *languageFromCode(code);
        const char* voice = espeakVoiceName(language);
        if (!voice)
            continue; // English: flite speaks it
        const Phrasing& phrasing = phrasingFor(language);
        const auto addTimes = [&](const char* table, const QList<DialRow>& rows) {
            for (const DialRow& row : rows) {
                QTest::addRow("%s %sreading %d:%02d", voice, table, row.hour, row.minute)
                    << QByteArray(voice) << phrasing.reading(row.hour, row.minute) << row.reading;
                QTest::addRow("%s %sworded %d:%02d", voice, table, row.hour, row.minute)
                    << QByteArray(voice) << phrasing.worded(row.hour, row.minute) << row.worded;
            }
        };
        addTimes("", dialRows(code));
        addTimes("minutes ", minuteRows(code));
        for (const TextRow& row : textRows(code))
            QTest::addRow("%s %s", voice, qPrintable(row.key))
                << QByteArray(voice) << spokenFor(phrasing, row.key) << row.text;
    }
}

void TestEspeakPhones::everyTextSoundsAsItsWords()
{
    QFETCH(QByteArray, voice);
    QFETCH(QString, handed);
    QFETCH(QString, words);
    QCOMPARE(useVoice(voice), EE_OK);
    const QString heard = phones(handed);
    QCOMPARE(heard, phones(words));
    // espeak-ng marks a word it reads by another language's rules with that language's name
    // in brackets: the child would hear an English word in the middle of German.
    QVERIFY2(!heard.contains(QLatin1Char('(')), qPrintable(heard));
}

QTEST_APPLESS_MAIN(TestEspeakPhones)
#include "test_espeakphones.moc"
