#include "app/commandline.h"
#include "app/frmclock.h"
#include "app/readahead.h"
#include "app/resources.h"
#include "app/screentexts.h"
#include "app/timing.h"
#include "app/windowsystem.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace
{
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
    const auto started = std::chrono::steady_clock::now();
    CommandLine command;
    if (const std::optional<int> exitCode = handleCommandLine(argc, argv, command))
        return *exitCode;
    leaveSessionBusUnstarted();
    DisplayOpening opening(command, argv[0]);
    FontConfigurationAhead fonts;
    QApplication app(argc, argv);
    logMilestone("main", started);
    opening.done();
    // The window registers the pictures too, for windows made without this main; it is done
    // here first so that the picture read ahead can be found.
    initPictureResources();
    ImageFormatsAhead imageFormats(QStringLiteral(":/pictures/closecross.png"));
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("chimewise"));
    QApplication::setApplicationVersion(QStringLiteral(CHIMEWISE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.chimewise"));

    // Read once; the command line's choices hold over the file's for this run.
    Settings settings(Settings::userFile(), command.given);
    const Language language = languageToUse(
        settings.choices(), [](const char* name) { return qEnvironmentVariable(name); });
    auto texts = std::make_unique<ScreenTexts>(language);

    QWidget* window = nullptr;
    RealPlatform real([&window](const QString& text) { showNotice(window, text); });
    frmclock form(real.platform());
    form.windowed = command.windowed;
    form.language = language;
    form.settings = std::move(settings);
    form.screenTexts = std::move(texts);
    window = &form;
    form.Form_Load();
    if (form.isUnloaded())
        return 0;
    return QApplication::exec();
}
