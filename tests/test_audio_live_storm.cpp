// A storm of mouse input on the real window with the real sound stack and voice: every
// button, everywhere but the close cross and the settings' gear, clicks, double clicks, presses
// with no release and releases with no press. Nothing may crash, hang or grow.
#include "app/frmclock.h"
#include "platform/realplatform.h"
#include "platform/sound/serversound.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

class StormTest : public QObject
{
    Q_OBJECT
private slots:
    void mouseStorm();
};

namespace
{
long residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').value(0).toLong();
    return -1;
}

struct NoPause : EventPump {
    void processPendingEvents() override {}
};

const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                    Qt::BackButton, Qt::ForwardButton};

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at,
          Qt::KeyboardModifiers modifiers)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(w, &e);
}
} // namespace

void StormTest::mouseStorm()
{
    const int events = qEnvironmentVariableIntValue("CHIMEWISE_STORM_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("CHIMEWISE_STORM_EVENTS")
                           : 100000;
    RealPlatform real({}, [](const QString& dir) { return LoadedSound{makeServerSound(dir), {}}; });
    NoPause pump;
    real.platform().pump = &pump;
    frmclock w(real.platform());
    w.Form_Load();
    QVERIFY(w.isVisible());

    // The cross would end the storm, and the gear opens the grown-ups' window once, which
    // is not growth: both are left alone.
    const auto boxOf = [&w](const Control* c) {
        return QRectF(w.windowPosOf(c->Left, c->Top),
                      w.windowPosOf(c->Left + c->Width, c->Top + c->Height))
            .adjusted(-2, -2, 2, 2);
    };
    const QRectF cross = boxOf(w.Picture1), gear = boxOf(w.imgSettings);
    QRandomGenerator dice(7);
    long afterWarmUp = 0;
    int sent = 0;
    while (sent < events) {
        QPoint at(dice.bounded(w.width()), dice.bounded(w.height()));
        if (cross.contains(at) || gear.contains(at))
            continue;
        const Qt::MouseButton button = kButtons[dice.bounded(5)];
        const auto modifiers = Qt::KeyboardModifiers(dice.bounded(8) << 25);
        switch (dice.bounded(4)) {
        case 0: // click
            send(&w, QEvent::MouseButtonPress, button, at, modifiers);
            send(&w, QEvent::MouseButtonRelease, button, at, modifiers);
            sent += 2;
            break;
        case 1: // double click
            send(&w, QEvent::MouseButtonPress, button, at, modifiers);
            send(&w, QEvent::MouseButtonRelease, button, at, modifiers);
            send(&w, QEvent::MouseButtonDblClick, button, at, modifiers);
            send(&w, QEvent::MouseButtonRelease, button, at, modifiers);
            sent += 4;
            break;
        case 2: // pressed, then let go somewhere else
            send(&w, QEvent::MouseButtonPress, button, at, modifiers);
            ++sent;
            break;
        default:
            send(&w, QEvent::MouseButtonRelease, button, at, modifiers);
            ++sent;
            break;
        }
        if (sent % 1000 < 4)
            QApplication::processEvents();
        // The first tenth makes what is made once (the voice's and the fonts' first use, the
        // caches filling up to their bounds); what grows after it grows with the input.
        if (afterWarmUp == 0 && sent >= events / 10)
            afterWarmUp = residentKb();
    }
    QApplication::processEvents();
    QVERIFY(!w.isUnloaded());
    const long growthKb = residentKb() - afterWarmUp;
    qInfo("%d events; resident memory grew %ld kB after the first tenth", sent, growthKb);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    QVERIFY2(growthKb < 4096, qPrintable(QString::number(growthKb)));
#endif
}

QTEST_MAIN(StormTest)
#include "test_audio_live_storm.moc"
