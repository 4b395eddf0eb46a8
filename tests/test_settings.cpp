// The grown-ups' settings: what a settings file may hold and what is made of it, what is
// written and when, the gear that opens them only on purpose, each choice taking effect at
// once, and a choice remembered from one run to the next, in a scratch home.
#include "app/settings.h"
#include "app/settingsdialog.h"
#include "tests/support/child.h"
#include "tests/support/clockfixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace
{
// The lines said in chimewise.settings while a test runs; everything else is passed on.
QStringList said;
QtMessageHandler passOn = nullptr;

void catchSettingsLines(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (qstrcmp(context.category, "chimewise.settings") == 0 && type == QtWarningMsg)
        said << text;
    else
        passOn(type, context, text);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Everything under a folder, with each file's content: what a run may not change.
QString snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        entries << path + QLatin1Char(' ') +
                       (info.isFile() ? QString::fromLatin1(contentOf(path).toHex()) : QString());
    }
    entries.sort();
    return entries.join(QLatin1Char('\n'));
}

QString words(const Choices& choices)
{
    QStringList each;
    for (Choice choice : kChoices)
        each << choices.word(choice);
    return each.join(QLatin1Char(' '));
}

// Whether every choice of every list in the settings can be read whole in its list's field.
bool choicesReadWhole(const frmclock& w)
{
    for (const QComboBox* list : w.findChildren<QComboBox*>()) {
        QStyleOptionComboBox field;
        field.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &field, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < list->count(); ++i)
            if (list->fontMetrics().horizontalAdvance(list->itemText(i)) > room)
                return false;
    }
    return true;
}

// A grown-up's choice, made in the settings as they are opened.
void pick(frmclock& w, const QString& key, int index)
{
    w.openSettings();
    QComboBox* list = w.findChild<QComboBox*>(key);
    QVERIFY(list);
    list->setCurrentIndex(index);
}
} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { passOn = qInstallMessageHandler(catchSettingsLines); }
    void init() { said.clear(); }
    void fileValues_data();
    void fileValues();
    void commandLineHoldsForTheRunAlone();
    void choicesHoldWhenTheyCannotBeKept_data();
    void choicesHoldWhenTheyCannotBeKept();
    void opensOnlyOnPurpose_data();
    void opensOnlyOnPurpose();
    void choiceTakesEffectAtOnce_data();
    void choiceTakesEffectAtOnce();
    void halfOfTheDayInTheNewLanguage_data();
    void halfOfTheDayInTheNewLanguage();
    void rememberedAcrossRuns();
    void languageBeforeAnyPracticeTime();
};

void SettingsTest::fileValues_data()
{
    // Each row's file and the choices made of it (language, numerals, size, hours); every value
    // left out is said in a line of its own, holding these words.
    QTest::addColumn<QString>("kind"); // file, none, folder or pipe
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("lines");
    const QString defaults = "desktop arabic design 12";
    QTest::newRow("no file") << "none" << QByteArray() << defaults << QStringList();
    QTest::newRow("all four") << "file"
                              << QByteArray("language=de\nnumerals=roman\nsize=fill\nhours=24\n")
                              << "de roman fill 24" << QStringList();
    QTest::newRow("in [General], in capitals")
        << "file" << QByteArray("[General]\nlanguage=EN-gb\nnumerals=Roman\nhours=AmPm\n")
        << "en-GB roman design ampm" << QStringList();
    QTest::newRow("unknown word, the rest kept")
        << "file" << QByteArray("numerals=purple\nsize=fill\nlanguage=nl\n") << "nl arabic fill 12"
        << QStringList{"numerals is \"purple\", not arabic or roman; it is ignored."};
    QTest::newRow("hours unknown") << "file" << QByteArray("hours=13\n") << defaults
                                   << QStringList{"hours is \"13\", not 12, ampm or 24;"};
    QTest::newRow("a list") << "file" << QByteArray("numerals=roman, arabic\n") << defaults
                            << QStringList{"numerals is no single word"};
    QTest::newRow("a long word, said short")
        << "file"
        << "numerals=" + QByteArray(5000, 'x') + "\n"
        << defaults
        << QStringList{"numerals is \"" + QString(40, 'x') + "...\", not arabic or roman"};
    QTest::newRow("unknown key and section")
        << "file" << QByteArray("colour=blue\nnumerals=roman\n[Clock]\nsize=fill\n")
        << "desktop roman design 12"
        << QStringList{"\"colour\" is no setting", "\"Clock/size\" is no setting"};
    QTest::newRow("damaged")
        << "file" << QByteArray("\x01\x02\xff\xfe garbage\nnumerals=roman\n[broken\nsize=fill\n")
        << "desktop roman design 12"
        << QStringList{"it is damaged; the settings that could be read are used.",
                       "\"broken/size\" is no setting"};
    QTest::newRow("huge") << "file" << QByteArray("numerals=roman\n").repeated(70000) << defaults
                          << QStringList{"it holds 1050000 bytes, far more than settings take"};
    QTest::newRow("a folder in its place") << "folder" << QByteArray() << defaults
                                           << QStringList{"it is not a file; the settings in it"};
    // Read as a file, a pipe nobody writes to would never end.
    QTest::newRow("a pipe in its place")
        << "pipe" << QByteArray() << defaults << QStringList{"it is not a file"};
}

void SettingsTest::fileValues()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, choices);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chimewise.conf"));
    if (kind == QLatin1String("file"))
        write(path, content);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QString before = snapshot(folder.path());

    const Settings settings(path);
    QCOMPARE(words(settings.choices()), choices);
    QVERIFY2(said.size() == lines.size(), qPrintable(said.join('\n')));
    for (const QString& line : lines)
        QVERIFY2(said.filter(line).size() == 1, qPrintable(said.join('\n')));
    for (const QString& line : said)
        QVERIFY2(line.startsWith(path + ": ") && line.size() < 200, qPrintable(line));
    // Reading writes nothing, whatever it found.
    QCOMPARE(snapshot(folder.path()), before);
}

void SettingsTest::commandLineHoldsForTheRunAlone()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("config/chimewise/chimewise.conf"));
    GivenChoices given;
    given[std::size_t(Choice::numerals)] = 1;
    Settings settings(path, given);
    QCOMPARE(words(settings.choices()), QStringLiteral("desktop roman design 12"));
    QVERIFY(!QFile::exists(path));

    settings.choose(Choice::size, 1);
    QCOMPARE(words(settings.choices()), QStringLiteral("desktop roman fill 12"));
    QCOMPARE(contentOf(path), QByteArray("[General]\nsize=fill\n"));
    QCOMPARE(words(Settings(path).choices()), QStringLiteral("desktop arabic fill 12"));
    QVERIFY2(said.isEmpty(), qPrintable(said.join('\n')));
}

void SettingsTest::choicesHoldWhenTheyCannotBeKept_data()
{
    QTest::addColumn<QString>("blocked"); // what stands in the way, at the settings' folder
    QTest::addColumn<QString>("line");
    QTest::newRow("a file where the folder would be")
        << "folder"
        << "it or its folder cannot be written, so the choices made now hold only";
    QTest::newRow("a huge file, kept as it is")
        << "huge"
        << "far more than settings take, so the choices made now hold only";
}

void SettingsTest::choicesHoldWhenTheyCannotBeKept()
{
    QFETCH(QString, blocked);
    QFETCH(QString, line);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("chimewise"));
    const QString path = folder + QStringLiteral("/chimewise.conf");
    if (blocked == QLatin1String("folder")) {
        write(folder, "not a folder");
    } else {
        QVERIFY(QDir().mkdir(folder));
        write(path, QByteArray(100000, '#'));
    }
    const QString before = snapshot(home.path());
    Settings settings(path);
    said.clear();
    settings.choose(Choice::numerals, 1);
    settings.choose(Choice::size, 1);
    QCOMPARE(words(settings.choices()), QStringLiteral("desktop roman fill 12"));
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(line), qPrintable(said.first()));
    QCOMPARE(snapshot(home.path()), before);
}

void SettingsTest::opensOnlyOnPurpose_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a click") << "click" << false;
    QTest::newRow("held down briefly") << "brief" << false;
    QTest::newRow("held down, slid off") << "slid off" << false;
    QTest::newRow("held down a second") << "held" << true;
    QTest::newRow("a double click") << "double" << true;
    QTest::newRow("Space on the gear") << "key" << true;
    QTest::newRow("a screen reader's press") << "reader" << true;
    QTest::newRow("Ctrl+,") << "shortcut" << true;
    QTest::newRow("Ctrl+, once they were closed") << "shortcut again" << true;
}

void SettingsTest::opensOnlyOnPurpose()
{
    QFETCH(QString, how);
    QFETCH(bool, opens);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QStringList spoken = fixture.fakes.sounds.spoken();
    const QPoint gear = fixture.middleOf(w.imgSettings);
    const auto slide = [&w](QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, w.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
    };
    if (how == QLatin1String("click")) {
        QTest::mouseClick(&w, Qt::LeftButton, {}, gear);
    } else if (how == QLatin1String("double")) {
        QTest::mouseDClick(&w, Qt::LeftButton, {}, gear);
    } else if (how == QLatin1String("key")) {
        for (int tab = 0; tab < 20 && w.focusedControl() != w.imgSettings; ++tab)
            QTest::keyClick(&w, Qt::Key_Tab);
        QTest::keyClick(&w, Qt::Key_Space);
    } else if (how == QLatin1String("reader")) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&w);
        QAccessibleInterface* gearToReaders = root->child(root->childCount() - 2);
        QCOMPARE(gearToReaders->text(QAccessible::Name), QStringLiteral("Settings for grown-ups"));
        QCOMPARE(gearToReaders->role(), QAccessible::Button);
        gearToReaders->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else if (how.startsWith(QLatin1String("shortcut"))) {
        if (how.endsWith(QLatin1String("again"))) {
            QTest::keyClick(&w, Qt::Key_Comma, Qt::ControlModifier);
            QPointer<SettingsDialog> first = w.findChild<SettingsDialog*>();
            QVERIFY(first);
            first->reject();
            QTRY_VERIFY(!first);
        }
        QTest::keyClick(&w, Qt::Key_Comma, Qt::ControlModifier);
    } else {
        QTest::mousePress(&w, Qt::LeftButton, {}, gear);
        if (how == QLatin1String("slid off"))
            slide(gear + QPoint(40, 0));
        QTest::qWait(how == QLatin1String("brief") ? 400 : 1300);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, gear);
        QTest::qWait(how == QLatin1String("brief") ? 900 : 0);
    }
    const SettingsDialog* dialog = w.findChild<SettingsDialog*>();
    QCOMPARE(dialog && dialog->isVisible(), opens);
    // Nothing of the clock was clicked.
    QCOMPARE(w.clickState, ClickState::get);
    QCOMPARE(fixture.fakes.sounds.spoken(), spoken);
}

void SettingsTest::choiceTakesEffectAtOnce_data()
{
    // Worked by hand: the offscreen screen is 800 x 800, so the 745 x 705 panel grows to
    // 800 / 745 of its size.
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("words"); // what a right click says then
    QTest::addColumn<QString>("close"); // the settings' own button
    const QString prompt = "Say The Time Outloud", words = "5 minutes after  12";
    QTest::newRow("I to XII") << "numerals" << 1 << "n9"
                              << "IX" << 1.0 << "en-US" << prompt << words << "Close";
    QTest::newRow("fill the screen") << "size" << 1 << "n9"
                                     << "9" << 800.0 / 745 << "en-US" << prompt << words << "Close";
    QTest::newRow("Deutsch") << "language" << 3 << "Label4"
                             << "Reihenfolge" << 1.0 << "de"
                             << "Sag die Uhrzeit laut" << QString::fromUtf8("fünf nach zwölf")
                             << QString::fromUtf8("Schließen");
}

void SettingsTest::choiceTakesEffectAtOnce()
{
    QFETCH(QString, choice);
    QFETCH(int, index);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(double, scale);
    QFETCH(QString, voice);
    QFETCH(QString, prompt);
    QFETCH(QString, words);
    QFETCH(QString, close);
    ClockFixture fixture;
    frmclock& w = fixture.load();
    // A practice under way, which the choice must leave as it is.
    w.lblOrder_Click();
    w.lbl5min_Click();
    w.lblClickMe_MouseUp(1, 0, 0, 0);
    const auto practice = [&w] {
        return QStringLiteral("%1 %2 %3 %4 %5 %6")
            .arg(int(w.orderMode))
            .arg(int(w.precisionMode))
            .arg(int(w.clickState))
            .arg(w.shownHour)
            .arg(w.shownMinuteMark)
            .arg(w.lblDigital->Caption);
    };
    const QString before = practice();

    pick(w, choice, index);
    QCOMPARE(w.panel().find(control)->Caption, caption);
    QCOMPARE(w.panelScale(), scale);
    QCOMPARE(fixture.fakes.voiceLanguageAsked, voice);
    QCOMPARE(practice(), before);
    QVERIFY(w.shpOrder->Visible && w.shp5min->Visible && !w.lblDigital->Visible);
    QCOMPARE(w.lblTop->Caption, prompt);
    QTRY_COMPARE(w.findChild<QPushButton*>()->text(), close);
    QVERIFY(choicesReadWhole(w));
    w.lblClickMe_MouseUp(2, 0, 0, 0);
    QCOMPARE(fixture.fakes.sounds.spoken().last(), words);
}

void SettingsTest::halfOfTheDayInTheNewLanguage_data()
{
    // With a.m. and p.m. at 14:07 the readout writes "pm" in US English; another language
    // chosen in the settings writes the half its own way, or not at all, at once.
    QTest::addColumn<bool>("revealed"); // a practice time shown, not start-up's
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("half");
    QTest::addColumn<QString>("told"); // what screen readers are told of the clock
    QTest::newRow("start-up's time, Deutsch") << false << 3 << ""
                                              << "Die Uhr zeigt 2:07.";
    // The abbreviation's full stop ends the sentence.
    QTest::newRow("start-up's time, Español") << false << 5 << "p. m."
                                              << "El reloj marca 2:07 p. m.";
    QTest::newRow("a time revealed, Nederlands") << true << 7 << ""
                                                 << "";
}

void SettingsTest::halfOfTheDayInTheNewLanguage()
{
    QFETCH(bool, revealed);
    QFETCH(int, index);
    QFETCH(QString, half);
    QFETCH(QString, told);
    ClockFixture fixture;
    fixture.window->settings.choose(Choice::hours, 1);
    frmclock& w = fixture.load();
    if (revealed) {
        w.lblClickMe_MouseUp(1, 0, 0, 0);
        w.lblClickMe_MouseUp(1, 0, 0, 0);
    }
    QVERIFY(w.lblDigital->Visible);
    QVERIFY(!w.lblDigital->smallText.isEmpty());
    const QString digits = w.lblDigital->Caption;
    pick(w, "language", index);
    QCOMPARE(w.lblDigital->smallText, half);
    QCOMPARE(w.lblDigital->Caption, digits);
    if (!told.isEmpty())
        QCOMPARE(w.accessibleDescription(*w.lblClickMe), told);
}

void SettingsTest::rememberedAcrossRuns()
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const QString file = Settings::userFile();
    QCOMPARE(file, home.path() + QStringLiteral("/.config/chimewise/chimewise.conf"));
    {
        ClockFixture first;
        first.window->settings = Settings(file);
        pick(first.load(), QStringLiteral("numerals"), 1);
        QCOMPARE(first.window->n9->Caption, QStringLiteral("IX"));
    }
    QCOMPARE(contentOf(file), QByteArray("[General]\nnumerals=roman\n"));
    {
        ClockFixture second;
        second.window->settings = Settings(file);
        QCOMPARE(second.load().n9->Caption, QStringLiteral("IX"));
    }
    {
        // Filling the screen for one run, then chosen again as the settings show it: kept.
        GivenChoices given;
        given[std::size_t(Choice::size)] = 1;
        ClockFixture third;
        third.window->settings = Settings(file, given);
        frmclock& w = third.load();
        w.openSettings();
        QComboBox* size = w.findChild<QComboBox*>(QStringLiteral("size"));
        QCOMPARE(size->currentIndex(), 1);
        emit size->activated(1);
    }
    QCOMPARE(contentOf(file), QByteArray("[General]\nnumerals=roman\nsize=fill\n"));
    const QString written = snapshot(home.path());

    // The program itself, in the same home: the command line holds for its run alone.
    qputenv("QT_LOGGING_RULES", "chimewise.settings.info=true");
    const QList<QPair<QStringList, QString>> runs = {
        {{QStringLiteral("--numerals"), QStringLiteral("arabic")},
         "numerals arabic (the command line)"},
        {{}, "numerals roman (the settings file)"},
    };
    for (const auto& [options, expected] : runs) {
        ChildProcess program;
        QVERIFY(program.start(QStringList{QStringLiteral(CHIMEWISE_BINARY)} + options,
                              ChildProcess::Keep::Errors));
        QByteArray errors;
        for (int tries = 0; tries < 100 && !errors.contains("Settings of"); ++tries)
            errors += program.read(100);
        program.kill();
        QVERIFY2(errors.contains(expected.toUtf8()), errors.constData());
    }
    qunsetenv("QT_LOGGING_RULES");
    QCOMPARE(snapshot(home.path()), written);
}

// Straight after start-up there is no practice time: the hands hold the announcement's hour and
// minute, which a new language must not read as a time of its own (2:07 read as 2:35).
void SettingsTest::languageBeforeAnyPracticeTime()
{
    ClockFixture fixture(14, 7);
    frmclock& w = fixture.load();
    pick(w, QStringLiteral("language"), 3);
    fixture.fakes.sounds.events.clear();
    w.lblClickMe_MouseUp(2, 0, 0, 0);
    QCOMPARE(fixture.fakes.sounds.spoken(), QStringList{QString()});
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
