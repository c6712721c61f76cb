// SPDX-License-Identifier: MIT
#include "startup/commandline.h"

#include "quarnelinfo.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace {
// The options QGuiApplication, QApplication and the X11 platform read from the
// command line themselves, as their documentation lists them.
constexpr const char *qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name", "title",
    "style", "stylesheet", "dialogs", "fontengine", "qmljsdebugger"};
constexpr const char *qtFlags[] = {"reverse", "widgetcount"};

void print(std::FILE *stream, const QString &text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// The argument as it was typed, for an option the parser names without its dashes.
QString typed(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        const QString bare = argument.section('=', 0, 0);
        if (bare.startsWith('-') && QString(bare).remove(QRegularExpression("^-+")) == name)
            return bare;
    }
    return name;
}
} // namespace

std::optional<int> handleCommandLine(int argc, char **argv)
{
    if (argc <= 1)
        return std::nullopt; // the usual start, from the menu: nothing to parse

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    // Qt's options have one dash and whole words (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Shows how light from two slits adds up to bright and dark bands on a screen."));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({"v", "version"}, QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        QString problem;
        if (!parser.unknownOptionNames().isEmpty())
            problem = "unknown option '" + typed(arguments, parser.unknownOptionNames().first()) + "'";
        else if (!parser.errorText().isEmpty()) // a missing value
            problem = parser.errorText().remove(QRegularExpression("\\.$"));
        else
            problem = "unexpected argument '" + parser.positionalArguments().first() + "'";
        problem[0] = problem[0].toLower();
        print(stderr, program + ": " + problem + "; see '" + program + " --help'\n");
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt's usage line names no program; it is made here.
        print(stdout, "Usage: " + program + " [options]\n" + parser.helpText().section('\n', 1)
                          + "\nQt's own options, such as -platform, -display, -geometry and -style,\n"
                            "are accepted too; -reverse has no effect: the window is always laid out\n"
                            "left to right.\n"
                            "\nHome page: " QUARNEL_HOMEPAGE_URL "\n"
                            "Report bugs at " QUARNEL_BUGTRACKER_URL "\n");
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("quarnel " QUARNEL_VERSION_STRING "\n"
                                     "Copyright (C) 2026 The Quarnel developers\n"
                                     "Licence MIT: this is free software; you are free to change and\n"
                                     "redistribute it. There is NO WARRANTY, to the extent permitted by law.\n"));
        return 0;
    }
    return std::nullopt;
}
