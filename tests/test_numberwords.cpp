#include "platform/sound/voice/flitesynth.h"
#include "platform/sound/voice/numberwords.h"
#include "speech/currenttimetext.h"
#include "speech/timephrase.h"

#include <QTest>

// flite's headers declare C functions without saying so.
extern "C" {
#include <flite/cst_synth.h>
#include <flite/flite.h>
cst_voice* register_cmu_us_slt(const char* voxdir);
}

namespace
{

// Written out by hand: every number the program's texts contain is below sixty.
const char* const kWords[60] = {
    "zero",        "one",          "two",          "three",        "four",         "five",
    "six",         "seven",        "eight",        "nine",         "ten",          "eleven",
    "twelve",      "thirteen",     "fourteen",     "fifteen",      "sixteen",      "seventeen",
    "eighteen",    "nineteen",     "twenty",       "twenty one",   "twenty two",   "twenty three",
    "twenty four", "twenty five",  "twenty six",   "twenty seven", "twenty eight", "twenty nine",
    "thirty",      "thirty one",   "thirty two",   "thirty three", "thirty four",  "thirty five",
    "thirty six",  "thirty seven", "thirty eight", "thirty nine",  "forty",        "forty one",
    "forty two",   "forty three",  "forty four",   "forty five",   "forty six",    "forty seven",
    "forty eight", "forty nine",   "fifty",        "fifty one",    "fifty two",    "fifty three",
    "fifty four",  "fifty five",   "fifty six",    "fifty seven",  "fifty eight",  "fifty nine"};

// The text as a person would write out what they say: each blank-separated number
// replaced by its words from the table above.
QString writtenOut(const QString& text)
{
    QStringList tokens = text.split(QLatin1Char(' '));
    for (QString& token : tokens) {
        bool isNumber = false;
        const int n = token.toInt(&isNumber);
        if (isNumber)
            token = QLatin1String(kWords[n]);
    }
    return tokens.join(QLatin1Char(' '));
}

// The sounds flite will make for text, with the program's voice: its Segment relation after
// tokenising, lexical lookup, pauses and post-lexical rules, without synthesising a wave.
QString phones(const QString& text)
{
    static cst_voice* const voice = [] {
        flite_init();
        return register_cmu_us_slt(nullptr);
    }();
    static const cst_synth_module upToPhones[] = {
        {"tokenizer_func", default_tokenization},
        {"textanalysis_func", default_textanalysis},
        {"pos_tagger_func", default_pos_tagger},
        {"phrasing_func", default_phrasing},
        {"lexical_insertion_func", default_lexical_insertion},
        {"pause_insertion_func", default_pause_insertion},
        {"postlex_func", nullptr},
        {nullptr, nullptr}};
    const QByteArray utf8 = text.toUtf8();
    cst_utterance* utt = new_utterance();
    utt_set_input_text(utt, utf8.constData());
    utt_init(utt, voice);
    apply_synth_method(utt, upToPhones);
    QStringList names;
    for (cst_item* s = relation_head(utt_relation(utt, "Segment")); s; s = item_next(s))
        names << QString::fromLatin1(item_feat_string(s, "name"));
    delete_utterance(utt);
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestNumberWords : public QObject
{
    Q_OBJECT

private slots:
    void everyProgramTextSoundsAsSaid_data();
    void everyProgramTextSoundsAsSaid();
    void anyText_data();
    void anyText();
};

void TestNumberWords::everyProgramTextSoundsAsSaid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("worked"); // flite's phones, where the words alone would mislead
    const auto add = [](const QString& text) {
        QTest::newRow(qPrintable(text)) << text << QString();
    };
    for (int hour = 0; hour <= 12; ++hour)
        for (int mark = 0; mark <= 11; ++mark) {
            const std::optional<ComposedTime> composed = composeTimePhraseFor(hour, mark);
            QVERIFY(composed);
            add(composed->timePhrase);
            add(composed->altTimePhrase);
        }
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; ++minute)
            add(currentTimeText(hour, minute).spoken);
    for (const char* text : {"click the clock to begin", "in order", "random order", "hourly",
                             "half hour", "quarter hour", " 5 minute precision"})
        add(QString::fromLatin1(text));
    // Written out as they are heard: "oh" as the letter, not spelt; two blanks not a pause;
    // "minute" the noun, not "my-NOOT"; "read" in the present, not "red".
    const auto worked = [](const char* text, const char* phones) {
        QTest::newRow(text) << QString::fromLatin1(text) << QString::fromLatin1(phones);
    };
    worked(" 3 oh 7", "pau th r iy ow s eh v ax n pau");
    worked("7 minutes after  3", "pau s eh v ax n m ih n ax t s ae f t er th r iy pau");
    worked(" 1 minute precision", "pau w ah n m ih n ax t p r iy s ih zh ax n pau");
    worked("read the clock", "pau r iy d dh ax k l aa k pau");
}

void TestNumberWords::everyProgramTextSoundsAsSaid()
{
    QFETCH(QString, text);
    QFETCH(QString, worked);
    QCOMPARE(phones(fliteInput(text)), worked.isEmpty() ? phones(writtenOut(text)) : worked);
}

void TestNumberWords::anyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("blanks kept") << " 12  30 "
                                 << " twelve  thirty ";
    QTest::newRow("teens and tens") << "13 40 99"
                                    << "thirteen forty ninety nine";
    QTest::newRow("hundreds") << "100 105 999"
                              << "one hundred one hundred five nine hundred "
                                 "ninety nine";
    QTest::newRow("thousands and up")
        << "2024 1000000 123456789012"
        << "two thousand twenty four one million one hundred twenty three billion four hundred "
           "fifty six million seven hundred eighty nine thousand twelve";
    QTest::newRow("punctuation around") << "(3), \"4\" 5."
                                        << "(three), \"four\" five.";
    QTest::newRow("whole tokens left to flite") << "12:30 1/2 3.5 -4 $5 1st mp3 007 1,000"
                                                << "12:30 1/2 3.5 -4 $5 1st mp3 007 1,000";
    QTest::newRow("too long to say") << "1234567890123"
                                     << "1234567890123";
    QTest::newRow("no numbers") << "quarter after  3x"
                                << "quarter after  3x";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNumberWords::anyText()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(numbersInWords(text), spoken);
}

QTEST_APPLESS_MAIN(TestNumberWords)
#include "test_numberwords.moc"
