// The grown-ups' settings. The gear opens them only on purpose: held down for a second or
// double-clicked, pressed by a key or a screen reader, or with Ctrl+, from anywhere; a
// child's single click does nothing. Each choice takes effect at once and is remembered.
#include "app/form/textfit.h"
#include "app/frmclock.h"
#include "app/settingsdialog.h"

#include <QShortcut>

namespace
{
// Long enough that a child's press is over first, short enough that a grown-up waits.
constexpr int kHoldMs = 1000;

Language desktopLanguage()
{
    return languageFromEnvironment([](const char* name) { return qEnvironmentVariable(name); });
}
} // namespace

void frmclock::watchForSettings()
{
    // The desktop's usual key for preferences.
    auto* keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(keys, &QShortcut::activated, this, &frmclock::openSettings);
    settingsHold.setSingleShot(true);
    settingsHold.setInterval(kHoldMs);
    connect(&settingsHold, &QTimer::timeout, this, &frmclock::openSettings);
}

// At start-up, before the panel is placed and the dial laid out.
void frmclock::takeGrownUpsChoices()
{
    numerals = settings.choices().numerals();
    hours = settings.choices().hours();
    setPanelMayGrow(settings.choices().size() == PanelSize::fill);
}

void frmclock::imgSettings_MouseDown(int Button)
{
    if (Button == 1)
        settingsHold.start();
}

void frmclock::imgSettings_MouseMove(float X, float Y)
{
    // Slid off the gear, the press is no longer meant for it.
    if (X < 0 || Y < 0 || X >= imgSettings->Width || Y >= imgSettings->Height)
        settingsHold.stop();
}

void frmclock::imgSettings_MouseUp()
{
    settingsHold.stop();
}

void frmclock::imgSettings_DblClick()
{
    openSettings();
}

void frmclock::openSettings()
{
    settingsHold.stop();
    if (unloaded)
        return;
    if (!settingsDialog) {
        settingsDialog = new SettingsDialog(settings.choices(), desktopLanguage(), this);
        settingsDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(settingsDialog, &SettingsDialog::chosen, this, &frmclock::grownUpChose);
        // Without a window manager nothing hands the keyboard back to the clock, and its
        // keys for the whole window, Ctrl+, among them, would wait for a click on it.
        connect(settingsDialog, &QDialog::finished, this, [this] { activateWindow(); });
    }
    // Modal to the clock alone: a child's click on it waits until the grown-up is done.
    settingsDialog->open();
    settingsDialog->raise();
    settingsDialog->activateWindow();
}

void frmclock::grownUpChose(Choice choice, int index)
{
    const bool changed = settings.choices().index(choice) != index;
    settings.choose(choice, index);
    if (!changed)
        return;
    switch (choice) {
    case Choice::language:
        useLanguage(settings.choices().language().value_or(desktopLanguage()));
        break;
    case Choice::numerals:
        numerals = settings.choices().numerals();
        layoutDial();
        break;
    case Choice::size:
        setPanelMayGrow(settings.choices().size() == PanelSize::fill);
        break;
    case Choice::hours:
        useHours(settings.choices().hours());
        break;
    }
    update();
    emit contentChanged();
}

// The practice starts again from twelve, as with a new precision: the in-order cycle is
// twice as long with the day's hours, and a time asked in one form is not answered in the
// other. Nothing is said; the readout and the day's picture show the new form at once.
void frmclock::useHours(Hours chosen)
{
    hours = chosen;
    refreshClock();
}

// Everything the child sees and hears in the new language: the texts on the panel, what
// screen readers are told, the voice, and the phrases of the time on the clock. The practice
// itself goes on where it was.
void frmclock::useLanguage(Language chosen)
{
    if (chosen == language)
        return;
    Panel before;
    createControls(before);
    if (screenTexts)
        screenTexts->switchTo(chosen);
    else
        screenTexts = std::make_unique<ScreenTexts>(chosen);
    language = chosen;
    retranslate(before);
    voice.reset();
    createVoice();
    if (!voiceFailure.isEmpty() && os.notice)
        os.notice(voiceFailure);
    rephraseShownTime();
    rewriteReadout();
}

// The texts the controls were made with are made again in the new language; a control that
// shows one of them takes the new one. Texts set while the clock runs are set again by the
// methods that set them.
void frmclock::retranslate(const Panel& before)
{
    Panel after;
    createControls(after);
    for (const auto& control : panel().topToBottom()) {
        const Control* was = before.find(control->name);
        const Control* now = after.find(control->name);
        if (!was || !now)
            continue;
        if (control->Caption == was->Caption && was->Caption != now->Caption)
            setCaption(*control, now->Caption);
        if (control->toolTip == was->toolTip)
            control->toolTip = now->toolTip;
    }
    showTitle();
    showInstructions();
    if (!lblTop->Caption.isEmpty())
        setCaption(*lblTop, promptText());
    describeForScreenReaders();
}
