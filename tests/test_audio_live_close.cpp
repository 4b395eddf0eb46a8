// The red cross ends the real program at once whatever the sound server is doing: running,
// stopped, never answering or gone. Run under a sound server and a 1280 x 800 virtual screen
// (see CMakeLists.txt); the cross is clicked as a parent would, through the X server.
#include "tests/support/child.h"
#include "tests/support/listeningsocket.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <csignal>

namespace
{

bool send(int signal)
{
    return ::kill(pid_t(qEnvironmentVariableIntValue("PA_PID")), signal) == 0;
}

} // namespace

class CloseTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void crossEndsTheProgramAtOnce_data();
    void crossEndsTheProgramAtOnce();
};

void CloseTest::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("PA_PID") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs the private sound server and a virtual screen (see tests/CMakeLists.txt)");
    // The program finds its display through DISPLAY, not the offscreen setting tests get.
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("QT_LOGGING_RULES", "chimewise.timing.info=true");
    // Leak checking at exit is not what is timed here.
    qputenv("ASAN_OPTIONS", "detect_leaks=0");
}

void CloseTest::crossEndsTheProgramAtOnce_data()
{
    QTest::addColumn<QString>("server");
    // The last row kills the shared server, so it comes last.
    QTest::newRow("running") << "running";
    QTest::newRow("stopped") << "stopped";
    QTest::newRow("never answering") << "mute";
    QTest::newRow("killed") << "killed";
}

// How long to wait for something that must come: only a fault waits this long.
constexpr int kPatienceMs = 60000;

void CloseTest::crossEndsTheProgramAtOnce()
{
    QFETCH(QString, server);
    QTemporaryDir scratch;
    const QByteArray realServer = qgetenv("PULSE_SERVER");
    const ListeningSocket mute(scratch.filePath(QStringLiteral("mute")));
    const QString address = server == "mute" ? "unix:" + scratch.filePath("mute") : realServer;

    ChildProcess program;
    QVERIFY(program.start({"env", "PULSE_SERVER=" + address, QStringLiteral(CHIMEWISE_BINARY)},
                          ChildProcess::Keep::Errors));
    // Start-up ends with the spoken prompt; the server is then busy with it.
    QByteArray log;
    while (!log.contains("milestone announced") && program.running())
        log += program.read(100);
    QVERIFY2(log.contains("milestone announced"), log.constData());
    if (server == "stopped")
        QVERIFY(send(SIGSTOP));
    if (server == "killed")
        QVERIFY(send(SIGKILL));
    // A server that does not answer is waited for by its clients until they give up: the
    // program, which waits for it nowhere, is gone while one given a head start still waits.
    ChildProcess waiting;
    const bool unanswered = server == "stopped" || server == "mute";
    if (unanswered) {
        QVERIFY(waiting.start({"env", "PULSE_SERVER=" + address, "pactl", "info"}));
        QTest::qWait(500);
    }

    // The cross is at (958, 98) on a 1280 x 800 screen: the panel is centred at (267.5, 47.5)
    // and the cross's middle lies 691 x 51 pixels into it.
    ChildProcess click;
    QVERIFY(click.start({"xdotool", "mousemove", "958", "98", "click", "1"}));
    const int status = program.wait(kPatienceMs);
    const auto gone = std::chrono::steady_clock::now().time_since_epoch();
    const bool stillWaiting = waiting.running();
    if (server == "stopped")
        send(SIGCONT);
    QCOMPARE(click.wait(kPatienceMs), 0);
    QCOMPARE(status, 0);
    QVERIFY2(!unanswered || stillWaiting, "the program ended only once a client gave up");
    // The program logs the moment its cross was clicked, on the same clock.
    log += program.read(0);
    const qsizetype at = log.indexOf("milestone closing ");
    QVERIFY2(at >= 0, log.constData());
    const qint64 clicked = log.mid(at + 18).split('\n').value(0).toLongLong();
    // How soon is a figure of bench_sound.
    qInfo("process gone %.1f ms after the click",
          double(std::chrono::nanoseconds(gone).count() - clicked) / 1e6);
}

QTEST_GUILESS_MAIN(CloseTest)
#include "test_audio_live_close.moc"
