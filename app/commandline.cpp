#include "app/commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace
{
// Options QApplication takes out of argv itself. They are let through here so that
// -platform, -display, -style and the like keep working.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"display", true},       {"name", true},
    {"title", true},         {"qwindowtitle", true},
    {"qwindowicon", true},   {"session", true},
    {"style", true},         {"stylesheet", true},
    {"reverse", false},      {"nograb", false},
    {"dograb", false},       {"widgetcount", false},
};
// Qt would apply these to the first window and the window then sets its own geometry,
// so they would be silently lost: say so instead.
const char* const kGeometryOptions[] = {"geometry", "qwindowgeometry"};

const char* const kEpilogue =
    "\nWithout --windowed the clock covers the whole screen. To quit, click the red cross at\n"
    "the top right, or press Ctrl+Q or Alt+F4.\n"
    "--language, --numerals, --size and --hours hold for one run. To keep them, choose them\n"
    "in the settings for grown-ups: press Ctrl+, or hold down the small gear under the clock.\n"
    "Qt's own options, such as -platform, -display and -style, are understood too.\n";

// The grown-ups' choices the command line may give for one run, beside --language.
struct ChoiceOption {
    Choice choice;
    const char* help;
};
const ChoiceOption kChoiceOptions[] = {
    {Choice::numerals, "The numerals round the dial: arabic (1 to 12) or roman (I to XII)."},
    {Choice::size, "The clock's size: design (its own size, in the middle of the screen) or "
                   "fill (as large as the screen allows)."},
    {Choice::hours, "How the hours are told: 12 (the dial's twelve hours), ampm (each time in "
                    "the morning or the afternoon, with a.m. and p.m. and a picture of the part "
                    "of the day) or 24 (the 24-hour clock)."},
};

void addHidden(QCommandLineParser& parser, const QString& name, bool takesValue)
{
    QCommandLineOption option(name);
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

QString qtOptionsText()
{
    QString text = QStringLiteral("\nQt's options that are understood:\n"), line;
    for (const QtOption& option : kQtOptions) {
        const QString word = QStringLiteral("  -%1%2").arg(
            QLatin1String(option.name), QLatin1String(option.takesValue ? " <value>" : ""));
        if (line.size() + word.size() > 79)
            text += line + QLatin1Char('\n'), line.clear();
        line += word;
    }
    return text + line + QLatin1Char('\n');
}

QString helpText(const QCommandLineParser& parser, const QString& program, bool withQt)
{
    // Qt names the program after the running application, which does not exist yet.
    const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
    return QStringLiteral("Usage: %1 [options]\n").arg(program) + options +
           QLatin1String(kEpilogue) + (withQt ? qtOptionsText() : QString());
}

CommandLine ending(CommandLine::Outcome outcome, const QString& message)
{
    CommandLine command;
    command.outcome = outcome;
    command.message = message;
    return command;
}

CommandLine refuse(const QString& reason)
{
    return ending(CommandLine::Outcome::Refuse, reason);
}

QString languageHelp()
{
    return QStringLiteral("Speak and show the clock in this language: %1 (US or British "
                          "English, German, French, Spanish of Spain or of the Americas, "
                          "Dutch), or a locale name of one of them, such as de_AT or es_MX. "
                          "Without it, the one chosen in the settings, else the desktop's "
                          "language, or US English where the clock does not speak that.")
        .arg(languageCodes().join(QLatin1String(", ")));
}

bool environmentHasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Chimewise teaches young children to read an analogue clock: click the clock,\n"
        "say the time out loud, click again to see and hear it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption windowed(
        QStringLiteral("windowed"),
        QStringLiteral("Show the clock in an ordinary window of its own size instead of over "
                       "the whole screen."));
    parser.addOption(windowed);
    const QCommandLineOption language(QStringLiteral("language"), languageHelp(),
                                      QStringLiteral("code"));
    parser.addOption(language);
    for (const ChoiceOption& option : kChoiceOptions)
        parser.addOption(QCommandLineOption(choiceKey(option.choice), QLatin1String(option.help),
                                            choiceWords(option.choice).join(QLatin1Char('|'))));
    for (const QtOption& option : kQtOptions)
        addHidden(parser, QLatin1String(option.name), option.takesValue);
    for (const char* name : kGeometryOptions)
        addHidden(parser, QLatin1String(name), true);

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    const QString program =
        arguments.isEmpty() ? QStringLiteral("chimewise") : QFileInfo(arguments[0]).fileName();
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll)
        return ending(CommandLine::Outcome::Print, helpText(parser, program, helpAll));
    if (parser.isSet(version))
        return ending(CommandLine::Outcome::Print,
                      QStringLiteral("chimewise " CHIMEWISE_VERSION "\n"));
    for (const char* name : kGeometryOptions) {
        if (parser.isSet(QLatin1String(name)))
            return refuse(QStringLiteral("The window's size and place are fixed, so -%1 is not "
                                         "supported; --windowed shows the clock in an ordinary "
                                         "window.")
                              .arg(QLatin1String(name)));
    }
    CommandLine command;
    if (parser.isSet(language)) {
        // The code alone decides; the desktop's language is asked for only without one.
        const LanguageChoice choice = chooseLanguage(parser.value(language), {});
        if (!choice.error.isEmpty())
            return refuse(choice.error);
        command.given[std::size_t(Choice::language)] =
            choiceIndex(Choice::language, languageCode(choice.language));
    }
    for (const ChoiceOption& option : kChoiceOptions) {
        const QString key = choiceKey(option.choice);
        if (!parser.isSet(key))
            continue;
        const std::optional<int> index = choiceIndex(option.choice, parser.value(key));
        if (!index)
            return refuse(QStringLiteral("--%1 takes %2, not '%3'.")
                              .arg(key, wordsInProse(option.choice), parser.value(key)));
        command.given[std::size_t(option.choice)] = index;
    }
    command.windowed = parser.isSet(windowed);
    command.namesDisplay =
        parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    command.platform = parser.value(QStringLiteral("platform"));
    command.display = parser.value(QStringLiteral("display"));
    return command;
}

std::optional<int> handleCommandLine(int argc, char** argv, CommandLine& command)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    command = parseCommandLine(arguments);
    const QByteArray program = argc > 0 ? argv[0] : "chimewise";
    switch (command.outcome) {
    case CommandLine::Outcome::Print:
        std::fputs(qPrintable(command.message), stdout);
        return 0;
    case CommandLine::Outcome::Refuse:
        std::fprintf(stderr, "chimewise: %s\nTry '%s --help' for more information.\n",
                     qPrintable(command.message), program.constData());
        return 2;
    case CommandLine::Outcome::Run:
        break;
    }
    if (!command.namesDisplay && !environmentHasDisplay()) {
        printNoDisplay(QStringLiteral("no display to open a window on (DISPLAY is not set)"),
                       program.constData());
        return 1;
    }
    return std::nullopt;
}

void printNoDisplay(const QString& why, const char* program)
{
    std::fprintf(stderr,
                 "chimewise: %s; to run it on a virtual screen: "
                 "xvfb-run -a -s \"-screen 0 1280x800x24\" %s\n",
                 qPrintable(why), program);
}
