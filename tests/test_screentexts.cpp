// The screen texts in every language: each translation is embedded and found, and every text
// lies inside the room it may take, measured in the fonts the program really draws with.
#include "app/form/textfit.h"
#include "app/screentexts.h"
#include "tests/support/clockfixture.h"

#include <QFontMetricsF>
#include <QtTest>

Q_DECLARE_METATYPE(Language)

class ScreenTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachLanguageIsFound_data();
    void eachLanguageIsFound();
    void everyTextInsideItsRoom_data();
    void everyTextInsideItsRoom();
    void textShrinksToFit_data();
    void textShrinksToFit();
    void everyCharacterDrawn_data();
    void everyCharacterDrawn();
};

namespace
{
// The languages with texts of their own; the Spanish of the Americas shows Spain's.
constexpr Language kLanguages[] = {Language::EnglishUS, Language::EnglishUK, Language::German,
                                   Language::French,    Language::Spanish,   Language::Dutch};

// One line of a label's text as drawn, in twips.
qreal drawnWidth(const Control& label)
{
    return QFontMetricsF(labelFont(label)).horizontalAdvance(label.Caption) * 15;
}

QRectF wrappedBox(const Control& label, const QFont& font)
{
    const QRectF room(0, 0, label.Width / 15.0, 1e6);
    const QRectF used = QFontMetricsF(font).boundingRect(room, Qt::TextWordWrap, label.Caption);
    return {0, 0, used.width() * 15, used.height() * 15};
}
} // namespace

void ScreenTextsTest::eachLanguageIsFound_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("en-US") << Language::EnglishUS << "Label4"
                           << "Times Shown";
    QTest::newRow("en-GB") << Language::EnglishUK << "Label1"
                           << " right click the clock for an alternative time phrase.";
    // "outloud" is the design's own US text; British schools write two words.
    QTest::newRow("en-US outloud")
        << Language::EnglishUS << "lblClickTheGreen"
        << "click the clock, then say the time outloud, then click the clock again to check "
           "your response.";
    QTest::newRow("en-GB out loud")
        << Language::EnglishUK << "lblClickTheGreen"
        << "click the clock, then say the time out loud, then click the clock again to check "
           "your response.";
    QTest::newRow("de") << Language::German << "Label4"
                        << "Reihenfolge";
    QTest::newRow("fr") << Language::French << "Label4"
                        << "Ordre";
    QTest::newRow("es") << Language::Spanish << "Label4"
                        << "Orden";
    // No translation of its own: Qt falls back from chimewise_es_419 to chimewise_es.
    QTest::newRow("es-419") << Language::SpanishAmericas << "Label4"
                            << "Orden";
    QTest::newRow("nl") << Language::Dutch << "Label4"
                        << "Volgorde";
}

void ScreenTextsTest::eachLanguageIsFound()
{
    QFETCH(Language, language);
    QFETCH(QString, control);
    QFETCH(QString, text);
    const ScreenTexts texts(language);
    QCOMPARE(texts.installed(), language != Language::EnglishUS);
    ClockFixture fixture;
    QCOMPARE(fixture.window->panel().find(control)->Caption, text);
}

void ScreenTextsTest::everyTextInsideItsRoom_data()
{
    // Where each text may lie, in panel twips: the banner left of the close cross, the
    // prompt on the dial's white face, the headings right of the dial (Practice's left of the
    // readout), the option captions on their buttons clear of the rounded ends, the version
    // under the dial. The wrapped instructions (left 0) keep to their own box.
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("control");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("right");
    struct Room {
        const char* control;
        float left, right;
    };
    const Room rooms[] = {
        {"lblTop1", 0, 10080},        {"Label1", 0, 11175},      {"lblTop", 1200, 7920},
        {"Label4", 8160, 11175},      {"Label10", 8160, 11175},  {"lblRandom1", 8865, 10470},
        {"lblOrder1", 8865, 10470},   {"lblHour1", 8865, 10470}, {"lblHalf1", 8865, 10470},
        {"lblQuarter1", 8865, 10470}, {"lbl5min1", 8865, 10470}, {"lbl1min1", 8865, 10470},
        {"Label3", 960, 8160},        {"Label5", 0, 3315},       {"lblRead1", 540, 2145},
        {"lblSet1", 540, 2145},       {"lblClickTheGreen", 0, 0}};
    for (Language language : kLanguages)
        for (const Room& room : rooms)
            QTest::addRow("%s %s", qPrintable(languageCode(language)), room.control)
                << language << QString::fromLatin1(room.control) << room.left << room.right;
}

void ScreenTextsTest::everyTextInsideItsRoom()
{
    QFETCH(Language, language);
    QFETCH(QString, control);
    QFETCH(float, left);
    QFETCH(float, right);
    const ScreenTexts texts(language);
    ClockFixture fixture;
    fixture.window->language = language;
    frmclock& w = fixture.load();
    const Control& label = *w.panel().find(control);
    const auto inside = [&] {
        const QFont font = labelFont(label);
        // Smaller than three quarters of the design's size, a child's text is too small to read.
        QVERIFY2(font.pixelSize() * 4 >= resolveFont(label.font).pixelSize() * 3,
                 qPrintable(QString::number(font.pixelSize())));
        if (!label.fitsText) {
            const QRectF used = wrappedBox(label, font);
            QVERIFY2(used.width() <= label.Width && used.height() <= label.Height,
                     qPrintable(QStringLiteral("%1 x %2").arg(used.width()).arg(used.height())));
            return;
        }
        const qreal width = drawnWidth(label);
        QVERIFY2(label.Left >= left && label.Left + width <= right,
                 qPrintable(QStringLiteral("%1 .. %2").arg(label.Left).arg(label.Left + width)));
    };
    // Each practice has its own instructions and its own prompt on the dial.
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    inside();
    if (QTest::currentTestFailed())
        return;
    w.lblSet_Click();
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    inside();
}

void ScreenTextsTest::textShrinksToFit_data()
{
    // A 13-pixel label; each text in turn becomes its caption.
    QTest::addColumn<bool>("fitted");
    QTest::addColumn<float>("limit"); // a fitted label's widest text, a wrapped one's height
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("shrinks");
    const QString instructions = QStringLiteral("Klicke auf die Uhr, sag die Uhrzeit laut und "
                                                "klicke dann noch einmal auf die Uhr.");
    QTest::newRow("fits") << true << 1500.f << QStringList{"Der Reihe nach"} << false;
    QTest::newRow("no limit") << true << 0.f << QStringList{instructions} << false;
    QTest::newRow("too wide") << true << 1200.f << QStringList{"Der Reihe nach"} << true;
    QTest::newRow("too tall") << false << 450.f << QStringList{instructions} << true;
    QTest::newRow("a short text after a long one")
        << true << 1000.f << QStringList{"Der Reihe nach", "Uur"} << false;
    QTest::newRow("too long even at half the size")
        << true << 300.f << QStringList{instructions} << true;
}

void ScreenTextsTest::textShrinksToFit()
{
    QFETCH(bool, fitted);
    QFETCH(float, limit);
    QFETCH(QStringList, texts);
    QFETCH(bool, shrinks);
    Control label;
    label.font = {QStringLiteral("Comic Sans MS"), 9.75, false};
    label.fitsText = fitted;
    label.maxWidth = fitted ? limit : 0;
    label.Width = 2000, label.Height = fitted ? 270 : limit;
    for (const QString& text : texts)
        setCaption(label, text);
    const QFont design = resolveFont(label.font);
    const auto fits = [&](int pixels) {
        QFont font = design;
        font.setPixelSize(pixels);
        if (fitted)
            return limit <= 0 || QFontMetricsF(font).horizontalAdvance(label.Caption) * 15 <= limit;
        return wrappedBox(label, font).height() <= limit;
    };
    QCOMPARE(design.pixelSize(), 13);
    QCOMPARE(!fits(13), shrinks);
    const int drawn = labelFont(label).pixelSize();
    if (fits(13)) {
        QCOMPARE(label.shrunkPixelSize, 0);
    } else if (!fits(7)) {
        QCOMPARE(drawn, 6);
    } else {
        // The largest size that fits.
        QVERIFY2(fits(drawn) && !fits(drawn + 1), qPrintable(QString::number(drawn)));
        QVERIFY(drawn < 13);
    }
}

void ScreenTextsTest::everyCharacterDrawn_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters of the label's font") << QStringLiteral("Zwölf Uhr, señor");
    // Comic Neue has no Cyrillic; DejaVu Sans, next in line, has.
    QTest::newRow("a letter it lacks") << QStringLiteral("Ж");
    QTest::newRow("both in one text") << QStringLiteral("Uhr Ж");
}

void ScreenTextsTest::everyCharacterDrawn()
{
    QFETCH(QString, text);
    Control label;
    label.font = {QStringLiteral("Comic Sans MS"), 9.75, false};
    label.fitsText = true;
    setCaption(label, text);
    const QFontMetricsF metrics(labelFont(label));
    for (const char32_t c : text.toUcs4())
        QVERIFY2(metrics.inFontUcs4(c), qPrintable(QString::number(c, 16)));
    QVERIFY(label.Width > 0);
}

QTEST_MAIN(ScreenTextsTest)
#include "test_screentexts.moc"
