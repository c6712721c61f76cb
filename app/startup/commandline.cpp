// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/commandline.h"

#include "quarnelinfo.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <cstdio>

namespace {
// The argument as it was typed, for an option the parser names without its dashes.
QString typed(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        QString bare = argument.section('=', 0, 0);
        if (bare.startsWith('-') && QString(bare).remove(QRegularExpression("^-+")) == name)
            return bare;
    }
    return name;
}

// Qt's own options (QGuiApplication's, QApplication's, the X11 platform's), and
// whether each may take the next argument as its value; one whose value is
// unsure is taken to have one: the second pass judges after Qt.
struct QtOption {
    const char *name;
    bool takesValue;
};
// clang-format off
constexpr QtOption qtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"geometry", true}, {"qwindowtitle", true}, {"title", true},
    {"qwindowicon", true}, {"icon", true}, {"session", true}, {"display", true}, {"name", true},
    {"visual", true}, {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false}, {"sync", false}, {"nograb", false}, {"dograb", false}, {"widgetcount", false},
    {"testability", false}};
// clang-format on

// The arguments without Qt's options and their values.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList rest = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QString bare = argument.section('=', 0, 0).remove(QRegularExpression("^-+"));
        const auto *qt = std::find_if(std::begin(qtOptions), std::end(qtOptions),
                                      [&bare](const QtOption &option) { return bare == option.name; });
        if (!argument.startsWith('-') || qt == std::end(qtOptions))
            rest << argument;
        else if (qt->takesValue && !argument.contains('='))
            ++i;
    }
    return rest;
}

void print(std::FILE *stream, const QString &text) { std::fputs(text.toLocal8Bit().constData(), stream); }

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{"v", "version"}, QStringLiteral("Show the version and exit.")};
    QString program;

    explicit Parser(const QStringList &arguments)
        : program(QFileInfo(arguments.value(0, QStringLiteral("quarnel"))).fileName())
    {
        // Qt's options have one dash and whole words (-platform xcb).
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("Shows how light from two slits adds up to bright and dark bands on a screen."));
        parser.addOption(help);
        parser.addOption(version);
        parser.parse(arguments);
    }
};
} // namespace

std::optional<int> readCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's own options are still among the arguments: only these two are looked for.
    const Parser p(arguments);
    if (p.parser.isSet(p.help)) {
        // Without an application object Qt's usage line names no program; it is made here.
        print(stdout,
              "Usage: " + p.program + " [options]\n" + p.parser.helpText().section('\n', 1)
                  + "\nQt's own options, such as -platform, -display, -geometry and -style,\n"
                    "are accepted too; -reverse has no effect: the window is always laid out\n"
                    "left to right.\n"
                    "\nHome page: " QUARNEL_HOMEPAGE_URL "\n"
                    "Report bugs at " QUARNEL_BUGTRACKER_URL "\n");
        return 0;
    }
    if (p.parser.isSet(p.version)) {
        print(stdout,
              QStringLiteral("quarnel " QUARNEL_VERSION_STRING "\n"
                             "Copyright (C) 2026 The Quarnel developers\n"
                             "\n"
                             "Licence MIT: this is free software; you are free to change and\n"
                             "redistribute it. There is NO WARRANTY, to the extent permitted by law.\n"));
        return 0;
    }
    return refuseUnknownArguments(withoutQtOptions(arguments));
}

std::optional<int> refuseUnknownArguments(const QStringList &arguments)
{
    const Parser p(arguments);
    QString problem;
    if (!p.parser.unknownOptionNames().isEmpty()) {
        problem = "unknown option '" + typed(arguments, p.parser.unknownOptionNames().first()) + "'";
    } else if (!p.parser.positionalArguments().isEmpty()) {
        problem = "unexpected argument '" + p.parser.positionalArguments().first() + "'";
    } else {
        return std::nullopt;
    }
    print(stderr, p.program + ": " + problem + "; see '" + p.program + " --help'\n");
    return 2;
}
