// The command line: what each option leads to, and, on the real program, that help,
// version, a wrong option and a missing or dead display all end before any window or sound.
#include "app/commandline.h"
#include "tests/support/listeningsocket.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

using Outcome = CommandLine::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace
{
// A row's exit code for a program that is to keep running: it is stopped after start-up, and
// must have said what the row expects once, and nothing else of its kind (the words before
// the first colon).
constexpr int kKeepsRunning = -1;

// Leading NAME=value words of a row's options go into the environment, as env(1) takes them.
QStringList takeEnvironment(QStringList options, QProcessEnvironment& env)
{
    while (!options.isEmpty() && options.first().contains(QLatin1Char('=')) &&
           !options.first().startsWith(QLatin1Char('-'))) {
        const QString assignment = options.takeFirst();
        env.insert(assignment.section(QLatin1Char('='), 0, 0),
                   assignment.section(QLatin1Char('='), 1));
    }
    return options;
}
// A copy of espeak-ng's installed data in dir, of links but for one file, which is cut to
// `size` bytes or, at -1, replaced by random bytes of its own length. The folder it returns
// goes into ESPEAK_DATA_PATH.
QString damagedEspeakData(const QString& dir, const QString& name, qint64 size)
{
    espeak_ng_InitializePath(nullptr);
    const char* installed = nullptr;
    espeak_Info(&installed);
    const QDir from(QString::fromLocal8Bit(installed));
    const QString to = dir + QStringLiteral("/espeak-ng-data");
    if (!QDir().mkpath(to))
        return {};
    for (const QString& entry : from.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry != name && !QFile::link(from.filePath(entry), to + '/' + entry))
            return {};
    QFile original(from.filePath(name));
    QFile damaged(to + '/' + name);
    if (!original.open(QIODevice::ReadOnly) || !damaged.open(QIODevice::WriteOnly))
        return {};
    QByteArray bytes = original.readAll();
    QRandomGenerator random(26); // the same bytes every run
    if (size < 0)
        for (char& byte : bytes)
            byte = char(random.bounded(256));
    else
        bytes.truncate(size);
    return damaged.write(bytes) == bytes.size() ? dir : QString();
}
} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void realProgramStopsBeforeAnyWindowOrSound_data();
    void realProgramStopsBeforeAnyWindowOrSound();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("windowed");
    QTest::addColumn<bool>("namesDisplay");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("given"); // the choices for the run, "key=word ..."; empty: none
    const QString none;
    QTest::newRow("none") << QStringList() << Outcome::Run << false << false << none << none;
    QTest::newRow("windowed") << QStringList{"--windowed"} << Outcome::Run << true << false << none
                              << none;
    QTest::newRow("Qt's options pass")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "-windowed"}
        << Outcome::Run << true << true << none << none;
    QTest::newRow("Qt's option, two dashes")
        << QStringList{"--display", ":5"} << Outcome::Run << false << true << none << none;
    QTest::newRow("help") << QStringList{"--help"} << Outcome::Print << false << false
                          << "Usage: chimewise [options]\n"
                          << none;
    QTest::newRow("-h") << QStringList{"-h"} << Outcome::Print << false << false << "--windowed"
                        << none;
    QTest::newRow("help-all") << QStringList{"--help-all"} << Outcome::Print << false << false
                              << "-widgetcount" << none;
    QTest::newRow("version") << QStringList{"--version"} << Outcome::Print << false << false
                             << "chimewise " CHIMEWISE_VERSION "\n"
                             << none;
    QTest::newRow("-v") << QStringList{"-v"} << Outcome::Print << false << false
                        << "chimewise " CHIMEWISE_VERSION "\n"
                        << none;
    QTest::newRow("unknown") << QStringList{"--bogus"} << Outcome::Refuse << false << false
                             << "Unknown option 'bogus'." << none;
    QTest::newRow("letters are not bundled") << QStringList{"-hv"} << Outcome::Refuse << false
                                             << false << "Unknown option 'hv'." << none;
    QTest::newRow("argument") << QStringList{"now"} << Outcome::Refuse << false << false
                              << "Unexpected argument 'now'." << none;
    QTest::newRow("value missing") << QStringList{"-style"} << Outcome::Refuse << false << false
                                   << "Missing value after '-style'." << none;
    QTest::newRow("geometry") << QStringList{"-geometry", "800x600"} << Outcome::Refuse << false
                              << false << "-geometry is not supported; --windowed" << none;
    QTest::newRow("language") << QStringList{"--language", "de"} << Outcome::Run << false << false
                              << none << "language=de";
    QTest::newRow("numerals, size and hours")
        << QStringList{"--numerals", "roman", "--size=fill", "--hours", "24"} << Outcome::Run
        << false << false << none << "numerals=roman size=fill hours=24";
    QTest::newRow("a choice's word in capitals")
        << QStringList{"--language", "EN-gb", "--numerals", "Arabic"} << Outcome::Run << false
        << false << none << "language=en-GB numerals=arabic";
    QTest::newRow("unknown numerals")
        << QStringList{"--numerals", "greek"} << Outcome::Refuse << false << false
        << "--numerals takes arabic or roman, not 'greek'." << none;
    QTest::newRow("unknown hours") << QStringList{"--hours=pm"} << Outcome::Refuse << false << false
                                   << "--hours takes 12, ampm or 24, not 'pm'." << none;
    QTest::newRow("help names the choices' words")
        << QStringList{"-h"} << Outcome::Print << false << false << "--size <design|fill>" << none;
    QTest::newRow("unknown language")
        << QStringList{"--language=xx"} << Outcome::Refuse << false << false
        << "Unknown language 'xx'. The languages are: en-US, en-GB, de, fr, es, es-419, nl."
        << none;
    QTest::newRow("help names the languages") << QStringList{"-h"} << Outcome::Print << false
                                              << false << "de, fr, es, es-419, nl" << none;
    QTest::newRow("qwindowgeometry")
        << QStringList{"--windowed", "-qwindowgeometry", "+0+0"} << Outcome::Refuse << false
        << false << "-qwindowgeometry" << none;
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, options);
    QFETCH(Outcome, outcome);
    QFETCH(bool, windowed);
    QFETCH(bool, namesDisplay);
    QFETCH(QString, message);
    const CommandLine command = parseCommandLine(QStringList{"/usr/bin/chimewise"} + options);
    QCOMPARE(command.outcome, outcome);
    QCOMPARE(command.windowed, windowed);
    QCOMPARE(command.namesDisplay, namesDisplay);
    QVERIFY2(command.message.contains(message), qPrintable(command.message));
    QStringList given;
    for (Choice choice : kChoices)
        if (const std::optional<int> index = command.given[std::size_t(choice)])
            given << choiceKey(choice) + QLatin1Char('=') + choiceWords(choice).at(*index);
    QTEST(given.join(QLatin1Char(' ')), "given");
}

void CommandLineTest::realProgramStopsBeforeAnyWindowOrSound_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{"--help"} << true << 0 << "--windowed"
                          << "";
    QTest::newRow("help, no display") << QStringList{"-h"} << false << 0 << "Usage:"
                                      << "";
    QTest::newRow("version") << QStringList{"--version"} << true << 0
                             << "chimewise " CHIMEWISE_VERSION "\n"
                             << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << true << 2 << ""
                                    << "chimewise: Unknown option 'bogus'.\nTry '" CHIMEWISE_BINARY
                                       " --help' for more information.\n";
    QTest::newRow("unknown language") << QStringList{"--language", "xx"} << true << 2 << ""
                                      << "chimewise: Unknown language 'xx'. The languages are: "
                                         "en-US, en-GB, de, fr, es, es-419, nl.\n";
    QTest::newRow("unknown size") << QStringList{"--size", "huge"} << true << 2 << ""
                                  << "chimewise: --size takes design or fill, not 'huge'.\n";
    QTest::newRow("no display") << QStringList() << false << 1 << ""
                                << "no display to open a window on";
    // A display no X server answers at: Qt gives up making the application object.
    QTest::newRow("dead display") << QStringList{"-display", ":4077"} << false << 1 << ""
                                  << "cannot reach the display \":4077\"";
    // libpulse fails an assertion on a host name of ten kilobytes or more.
    QTest::newRow("oversized PULSE_SERVER")
        << QStringList{"QT_QPA_PLATFORM=offscreen", "PULSE_SERVER=" + QString(12000, 'a')} << true
        << kKeepsRunning << ""
        << "No sound: PULSE_SERVER holds an address of 12000 bytes";
    // espeak-ng would end the program when its data is missing; the clock goes on silently.
    QTest::newRow("no espeak-ng data")
        << QStringList{"QT_QPA_PLATFORM=offscreen", "ESPEAK_DATA_PATH=/", "--language", "de"}
        << true << kKeepsRunning << ""
        << "No voice for the language de: espeak-ng's data cannot be read from / (";
    // Data that espeak-ng sets itself up from without a word, and crashes on when it speaks.
    const std::pair<const char*, qint64> damages[] = {
        {"phontab", 100}, {"phontab", 0}, {"phondata", 1000}, {"phonindex", -1}};
    for (const auto& [file, size] : damages)
        QTest::addRow("espeak-ng's %s %s", file,
                      size < 0 ? "of random bytes"
                               : qPrintable(QStringLiteral("cut to %1").arg(size)))
            << QStringList{"QT_QPA_PLATFORM=offscreen",
                           QStringLiteral("ESPEAK_DATA_PATH=damaged %1 %2").arg(file).arg(size),
                           "--language", "de"}
            << true << kKeepsRunning << ""
            << "No voice for the language de: espeak-ng's data in ";
}

void CommandLineTest::realProgramStopsBeforeAnyWindowOrSound()
{
    QFETCH(QStringList, options);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    // A display whose plugin does not exist: making the application object, and so any
    // window, would abort. The sound server is a socket that must never be called.
    if (display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("chimewise-no-such-qpa"));
    const ListeningSocket server(scratch.filePath(QStringLiteral("pulse")));
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + server.path);
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("chimewise.*=true"));

    options = takeEnvironment(options, env);
    const QStringList damage = env.value(QStringLiteral("ESPEAK_DATA_PATH")).split(' ');
    if (damage.first() == QLatin1String("damaged")) {
        const QString data = damagedEspeakData(scratch.path(), damage[1], damage[2].toLongLong());
        QVERIFY(!data.isEmpty());
        env.insert(QStringLiteral("ESPEAK_DATA_PATH"), data);
    }

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CHIMEWISE_BINARY), options);
    if (exitCode == kKeepsRunning) {
        // Through start-up, which ticks and speaks, and until the row's news is out: the sound
        // and the voice are made on a thread of their own, which a busy machine may hold up.
        QByteArray said;
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(((said += program.readAllStandardError()).contains("announced") &&
                                  said.contains(err.toUtf8())) ||
                                     program.state() != QProcess::Running,
                                 60000);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(3000);
        const QByteArray kind = err.section(QLatin1Char(':'), 0, 0).toUtf8();
        QVERIFY2(said.count(err.toUtf8()) == 1 && said.count(kind) == 1, said.constData());
        return;
    }
    QVERIFY(program.waitForFinished(60000));
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
    QVERIFY(!server.wasCalled());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
