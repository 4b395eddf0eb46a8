#include "app/settings.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

namespace
{
Q_LOGGING_CATEGORY(lcSettings, "chimewise.settings", QtWarningMsg)

// The program's settings take a few lines; a larger file was never written by it, and is
// not read into memory to find out.
constexpr qint64 kLargestFile = 64 * 1024;

// A value as the log shows it: in quotes, on one line, and short whatever its length.
QString quoted(const QString& value)
{
    constexpr int kShown = 40;
    QString shown = value.left(kShown);
    for (QChar& c : shown)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return QLatin1Char('"') + shown + QLatin1String(value.size() > kShown ? "...\"" : "\"");
}

std::optional<Choice> choiceOfKey(const QString& key)
{
    for (Choice choice : kChoices)
        if (choiceKey(choice) == key)
            return choice;
    return std::nullopt;
}
} // namespace

Settings::Settings(QString file, const GivenChoices& given) : file(std::move(file))
{
    read();
    for (Choice choice : kChoices)
        if (const std::optional<int> index = given[std::size_t(choice)]) {
            run.set(choice, *index);
            source[std::size_t(choice)] = Source::commandLine;
        }
    qCInfo(lcSettings, "%s", qPrintable(describe()));
}

QString Settings::userFile()
{
    // Where QSettings(organisation, application) keeps them, worked out without opening the
    // file: QSettings reads it as it is made, before it could be checked as read() does.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/chimewise/chimewise.conf");
}

void Settings::read()
{
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists())
        return;
    // A folder or a pipe in the file's place would hang or fail the reading.
    if (!info.isFile())
        unusable = QStringLiteral("it is not a file");
    else if (info.size() > kLargestFile)
        unusable =
            QStringLiteral("it holds %1 bytes, far more than settings take").arg(info.size());
    else if (!info.isReadable())
        unusable = QStringLiteral("it cannot be read");
    if (!unusable.isEmpty()) {
        qCWarning(lcSettings, "%s: %s; the settings in it are ignored.", qPrintable(file),
                  qPrintable(unusable));
        return;
    }
    const QSettings values(file, QSettings::IniFormat);
    if (values.status() == QSettings::AccessError) {
        unusable = QStringLiteral("it cannot be read");
        qCWarning(lcSettings, "%s: it cannot be read; the settings in it are ignored.",
                  qPrintable(file));
        return;
    }
    if (values.status() == QSettings::FormatError)
        qCWarning(lcSettings, "%s: it is damaged; the settings that could be read are used.",
                  qPrintable(file));
    for (const QString& key : values.allKeys())
        readValue(values, key);
}

void Settings::readValue(const QSettings& values, const QString& key)
{
    const std::optional<Choice> choice = choiceOfKey(key);
    if (!choice) {
        qCWarning(lcSettings, "%s: %s is no setting of this program; it is ignored.",
                  qPrintable(file), qPrintable(quoted(key)));
        return;
    }
    // A list ("a, b") or a stored variant is never one of the words.
    const QVariant value = values.value(key);
    const bool isText = value.typeId() == QMetaType::QString;
    const std::optional<int> index = isText ? choiceIndex(*choice, value.toString()) : std::nullopt;
    if (!index) {
        qCWarning(lcSettings, "%s: %s is %s, not %s; it is ignored.", qPrintable(file),
                  qPrintable(key),
                  qPrintable(isText ? quoted(value.toString()) : QStringLiteral("no single word")),
                  qPrintable(wordsInProse(*choice)));
        return;
    }
    const std::size_t at = std::size_t(*choice);
    inFile[at] = *index;
    run.set(*choice, *index);
    source[at] = Source::file;
}

void Settings::choose(Choice choice, int index)
{
    const std::size_t at = std::size_t(choice);
    run.set(choice, index);
    source[at] = Source::grownUp;
    if (file.isEmpty() || inFile[at] == run.index(choice))
        return;
    if (!unusable.isEmpty()) {
        cannotWrite(unusable);
        return;
    }
    QSettings values(file, QSettings::IniFormat);
    values.setValue(choiceKey(choice), run.word(choice));
    values.sync();
    // A damaged file is still written over; only a failed access is a failure here.
    if (values.status() == QSettings::AccessError) {
        cannotWrite(QStringLiteral("it or its folder cannot be written"));
        return;
    }
    inFile[at] = run.index(choice);
}

void Settings::cannotWrite(const QString& why)
{
    if (std::exchange(failureSaid, true))
        return;
    qCWarning(lcSettings, "%s: %s, so the choices made now hold only until the clock is closed.",
              qPrintable(file), qPrintable(why));
}

QString Settings::describe() const
{
    static const char* const kFrom[] = {"the clock's own", "the settings file", "the command line",
                                        "chosen now"};
    QStringList each;
    for (Choice choice : kChoices)
        each << QStringLiteral("%1 %2 (%3)")
                    .arg(choiceKey(choice), run.word(choice),
                         QLatin1String(kFrom[int(source[std::size_t(choice)])]));
    return QStringLiteral("Settings of %1: %2.")
        .arg(file.isEmpty() ? QStringLiteral("no file") : file, each.join(QLatin1String(", ")));
}
