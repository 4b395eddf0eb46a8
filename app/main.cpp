#include "app/frmclock.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace
{
bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

void showNotice(QWidget* parent, const QString& text)
{
    std::fprintf(stderr, "chimewise: %s\n", qPrintable(text));
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Chimewise"), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    box->raise();
}
} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "chimewise: no display to open a window on (DISPLAY is not set); "
                     "to run it without a screen anyway: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chimewise"));
    QApplication::setApplicationVersion(QStringLiteral(CHIMEWISE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.chimewise"));

    QWidget* window = nullptr;
    RealPlatform real([&window](const QString& text) { showNotice(window, text); });
    frmclock form(real.platform());
    window = &form;
    form.Form_Load();
    if (form.isUnloaded())
        return 0;
    return QApplication::exec();
}
