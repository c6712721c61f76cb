// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/appearance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The installed tree, the launcher and metadata as the desktop's validators see
// them, and the Debian packages. The build directory, the checkout and CMake come
// from the build (QUARNEL_BUILD_DIR, QUARNEL_SOURCE_DIR, QUARNEL_CMAKE,
// QUARNEL_VERSION); the packages are built from the checkout by
// scripts/package-debian.sh, in the normal build only (QUARNEL_PACKAGE_TESTS).
namespace {
const QString appId = QStringLiteral("org.quarnel.Quarnel");
// Installed under the prefix, and packaged under /usr.
const QStringList installedFiles{"bin/quarnel", "share/applications/" + appId + ".desktop",
                                 "share/metainfo/" + appId + ".metainfo.xml",
                                 "share/icons/hicolor/scalable/apps/" + appId + ".svg",
                                 "share/icons/hicolor/256x256/apps/" + appId + ".png"};

struct Result {
    bool started = false;
    int exitCode = -1;
    QString output; // standard output and error together
};

Result run(const QString &program, const QStringList &arguments, const QString &directory = {},
           int timeoutMs = 120000, const QProcessEnvironment &environment = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    if (!directory.isEmpty())
        process.setWorkingDirectory(directory);
    process.start(program, arguments);
    Result result;
    result.started = process.waitForStarted(10000);
    if (result.started && process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

QString tool(const char *name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

// The environment with no display to connect to.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

// The packages are built from the checkout whatever this build's options: the
// normal build's suite checks them, the sanitizer build's skips them.
#define REQUIRE_PACKAGES()                                                                                   \
    do {                                                                                                     \
        if (!QUARNEL_PACKAGE_TESTS)                                                                          \
            QSKIP("the packages are checked in the normal build");                                           \
        QVERIFY2(packages(), qPrintable(packageLog_));                                                       \
    } while (false)

// Builds the Debian packages into a folder, without the tests (the suite runs
// them) and without ccache, which would hand the second build the first one's
// objects and hide what differs between them; `variant` builds under another
// time zone and locale.
Result buildPackages(const QString &folder, bool variant)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"CMAKE_CXX_COMPILER_LAUNCHER", "CMAKE_C_COMPILER_LAUNCHER", "DEB_BUILD_OPTIONS"})
        environment.remove(name);
    environment.insert("DEB_BUILD_OPTIONS", "nocheck parallel=2");
    if (variant) {
        environment.insert("TZ", "Pacific/Kiritimati");
        environment.insert("LC_ALL", "cs_CZ.UTF-8");
    }
    return run(QUARNEL_SOURCE_DIR "/scripts/package-debian.sh", {folder}, {}, 45 * 60 * 1000, environment);
}

// The keys of a desktop entry's [Desktop Entry] group (QSettings would take ';' for a comment).
QHash<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    QHash<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('['))
            inGroup = line == "[Desktop Entry]";
        else if (inGroup && line.contains('=') && !line.startsWith('#'))
            keys.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return keys;
}

// The text of every element of a metainfo file, by element name (the first of each).
QHash<QString, QString> metainfoElements(const QString &path, QHash<QString, QString> *attributes)
{
    QFile file(path);
    QHash<QString, QString> elements;
    if (!file.open(QIODevice::ReadOnly))
        return elements;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        for (const QXmlStreamAttribute &attribute : xml.attributes())
            attributes->insert(name + "@" + attribute.name().toString(), attribute.value().toString());
        if (name != "description" && name != "component" && name != "screenshots" && name != "screenshot"
            && name != "releases" && name != "provides" && !elements.contains(name))
            elements.insert(name, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (xml.hasError())
        elements.insert("error", xml.errorString());
    return elements;
}
} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private:
    QTemporaryDir prefix_;
    QString installLog_;
    QTemporaryDir packageDir_;
    bool packaged_ = false;
    QString packageLog_; // made once, by the first test that needs them

    QString installed(const QString &path) const { return prefix_.filePath(path); }
    // A package's file in the output folder (quarnel_<version>_<arch>.deb, ...),
    // and a path in the quarnel package, unpacked.
    QString packageFile(const QString &pattern) const
    {
        const QStringList found = QDir(packageDir_.filePath("out")).entryList({pattern});
        return found.size() == 1 ? packageDir_.filePath("out/" + found.first()) : QString();
    }
    QString unpacked(const QString &path) const { return packageDir_.filePath("root/" + path); }

    // The Debian packages, built once, and quarnel unpacked; false on failure, with the log.
    bool packages()
    {
        if (!packaged_ && packageLog_.isEmpty()) {
            const Result build = buildPackages(packageDir_.filePath("out"), false);
            const Result extract =
                run(tool("dpkg-deb"), {"--extract", packageFile("quarnel_*.deb"), unpacked("")});
            packageLog_ = build.output + "\n" + extract.output;
            packaged_ = build.exitCode == 0 && extract.exitCode == 0;
        }
        return packaged_;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        const Result install =
            run(QUARNEL_CMAKE, {"--install", QUARNEL_BUILD_DIR, "--prefix", prefix_.path()});
        installLog_ = install.output;
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    // A file missing from the install rules leaves the launcher, menu or software
    // centre without it; the paths are the ones the desktop reads.
    void installedTree()
    {
        for (const QString &path : installedFiles) {
            const QFileInfo file(installed(path));
            QVERIFY2(file.isFile() && file.size() > 0, qPrintable(path + "\n" + installLog_));
            QCOMPARE(file.isExecutable(), path.startsWith("bin/"));
        }
        // The sound module where the installed program looks for it, from its own folder.
        const QFileInfo module(installed("bin/" QUARNEL_SOUND_MODULE_DIR "/quarnel_sound.so"));
        QVERIFY2(module.isFile() && !module.isExecutable(),
                 qPrintable(module.filePath() + "\n" + installLog_));
    }

    // Each file names the others by the same id: a launcher whose Icon or Exec
    // names nothing installed shows a blank icon or does not start; metadata whose
    // launchable names another file is not shown with the program.
    void filesNameEachOther()
    {
        const QHash<QString, QString> entry =
            desktopEntry(installed("share/applications/" + appId + ".desktop"));
        QVERIFY(QFileInfo(installed("bin/" + entry.value("Exec"))).isExecutable());
        QCOMPARE(entry.value("Icon"), appId);
        const QStringList categories = entry.value("Categories").split(';', Qt::SkipEmptyParts);
        for (const char *category : {"Education", "Physics"})
            QVERIFY2(categories.contains(category), category);

        QHash<QString, QString> attributes;
        const QHash<QString, QString> metainfo =
            metainfoElements(installed("share/metainfo/" + appId + ".metainfo.xml"), &attributes);
        QVERIFY2(!metainfo.contains("error"), qPrintable(metainfo.value("error")));
        QCOMPARE(metainfo.value("id"), appId);
        QCOMPARE(metainfo.value("launchable"), appId + ".desktop");
        QCOMPARE(metainfo.value("binary"), entry.value("Exec"));
        QCOMPARE(attributes.value("release@version"), QString(QUARNEL_VERSION));
        QVERIFY(metainfo.value("image").startsWith("https://"));
        QVERIFY(metainfo.value("image").endsWith("/quarnel.png"));
    }

    // A language of po/LINGUAS left out of what is installed, or a text kept from
    // translators: on that desktop the launcher's name, comment and keywords, or
    // the software centre's name, summary, description and screenshot caption,
    // would stay English (and appstream-util's strict check fails an untranslated
    // name).
    void everyLanguageInstalled_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QString(QUARNEL_LANGUAGES).split(' ', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyLanguageInstalled()
    {
        QFETCH(QString, language);
        const QHash<QString, QString> entry =
            desktopEntry(installed("share/applications/" + appId + ".desktop"));
        for (const QString key : {"GenericName", "Comment", "Keywords"}) {
            const QString translated = entry.value(key + "[" + language + "]");
            QVERIFY2(!translated.isEmpty() && translated != entry.value(key), qPrintable(key));
        }

        // Each translatable element by its path, in English and in this language.
        QFile file(installed("share/metainfo/" + appId + ".metainfo.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList path;
        QHash<QString, int> english, translated;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement())
                path.removeLast();
            if (!xml.isStartElement())
                continue;
            path << xml.name().toString();
            const QString where = path.join('/');
            if (where != "component/name" && where != "component/summary"
                && where != "component/screenshots/screenshot/caption"
                && !(where.startsWith("component/description/")
                     && (path.last() == "p" || path.last() == "li")))
                continue;
            const QString lang = xml.attributes().value("xml:lang").toString();
            if (lang.isEmpty())
                ++english[where];
            else if (lang == language)
                ++translated[where];
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(english.contains("component/description/p"));
        QCOMPARE(translated, english);
    }

    // The PNG icon, installed and shown (scaled down) as the window's icon, is
    // the SVG rendered afresh: an SVG changed without its PNG fails here, and so
    // does a window icon left over from an older PNG.
    void pngIconIsTheSvgRendered()
    {
        const QImage png(installed("share/icons/hicolor/256x256/apps/" + appId + ".png"));
        QCOMPARE(png.size(), QSize(256, 256));
        QVERIFY2(!qApp->windowIcon().isNull(), "the icon resource is not in the program");
        const QList<QSize> sizes = qApp->windowIcon().availableSizes();
        QVERIFY2(!sizes.isEmpty() && sizes.size() <= 4, "the window icon is not the small set of sizes");
        for (const QSize &size : sizes) {
            QVERIFY2(size.width() <= 64, "a window icon larger than a window is ever shown with");
            const QImage windowIcon = qApp->windowIcon().pixmap(size).toImage();
            const QImage expected = png.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QCOMPARE(windowIcon.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }

        const QString rsvg = tool("rsvg-convert");
        if (rsvg.isEmpty())
            QSKIP("rsvg-convert is not installed (Debian: librsvg2-bin)");
        QTemporaryDir scratch;
        const QString fresh = scratch.filePath("icon.png");
        const Result render = run(rsvg,
                                  {"-w", "256", "-h", "256", "-o", fresh,
                                   installed("share/icons/hicolor/scalable/apps/" + appId + ".svg")});
        QVERIFY2(render.exitCode == 0, qPrintable(render.output));
        const QImage a = QImage(fresh).convertToFormat(QImage::Format_ARGB32);
        const QImage b = png.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(a.size(), b.size());
        int differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2
                    || std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2)
                    ++differing;
            }
        QVERIFY2(differing == 0,
                 qPrintable(QString("%1 pixels differ; cmake --build build --target "
                                    "icon-png renders it again")
                                .arg(differing)));
    }

    // A manual page that is only --help again (help2man without its include file),
    // or whose include file displaces what --help gives, that leaves the sound
    // module out of its files, or that runs the copyright holder and the licence
    // into one line: each section, with a pattern of what it must hold.
    void manualPage_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("DESCRIPTION from --help") << "DESCRIPTION" << "Shows how light from two slits";
        QTest::newRow("DESCRIPTION") << "DESCRIPTION" << "Every twentieth point shows its construction";
        QTest::newRow("OPTIONS") << "OPTIONS" << "Show the version and exit.";
        QTest::newRow("KEYS") << "KEYS" << "\\.B Ctrl\\+Q\nQuit";
        QTest::newRow("FILES") << "FILES" << "/usr/share/applications/" + appId + "\\.desktop";
        QTest::newRow("FILES, the sound") << "FILES" << "/usr/lib/[^ ]*/quarnel_sound\\.so\n.*quarnel\\\\-sound";
        QTest::newRow("COPYRIGHT") << "COPYRIGHT" << "developers\n\\.(PP|br)\nLicence MIT";
        QTest::newRow("SEE ALSO") << "\"SEE ALSO\"" << "The help in the program";
        // clang-format on
    }
    void manualPage()
    {
        QFETCH(QString, section);
        QFETCH(QString, text);
        const Result page = run(tool("gzip"), {"-dc", installed("share/man/man1/quarnel.1.gz")});
        QVERIFY2(page.exitCode == 0, qPrintable(page.output));
        const QStringList sections = page.output.split("\n.SH ");
        const auto found = std::find_if(sections.begin(), sections.end(),
                                        [&](const QString &s) { return s.startsWith(section + "\n"); });
        QVERIFY2(found != sections.end(), qPrintable(page.output));
        QVERIFY2(found->contains(QRegularExpression(text, QRegularExpression::DotMatchesEverythingOption)),
                 qPrintable(*found));
    }

    // What each Debian package depends on and holds: quarnel must not pull in Qt
    // Multimedia (and with it GStreamer and FFmpeg) for a sound never asked for,
    // nor hold the sound output; quarnel-sound holds only that, which depends on
    // Qt Multimedia and on the program of its own version, whose interface it
    // implements, and not on the window's libraries. (A file installed but in
    // neither package fails the build itself: dh_missing --fail-missing.)
    void debianPackages_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QStringList>("relations"); // "Field: package", each one of the field's entries
        QTest::addColumn<QString>("notRelated");    // a pattern no line of Depends or Recommends matches
        QTest::addColumn<QString>("notFiles");      // a pattern no path under /usr matches
        QStringList program;
        for (const char *name :
             {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libc6", "qt6-qpa-plugins", "fonts-liberation"})
            program << QString("Depends: ") + name;
        QTest::newRow("quarnel") << "quarnel" << program + QStringList{"Recommends: quarnel-sound"}
                                 << "^Depends:.*multimedia"
                                 << "lib/.*quarnel_sound";
        // The two packages share no file: dpkg would refuse to install the second.
        QTest::newRow("quarnel-sound")
            << "quarnel-sound"
            << QStringList{"Depends: libqt6multimedia6", "Depends: quarnel (= " QUARNEL_VERSION ")"}
            << "^Depends:.*libqt6widgets"
            << "bin/|share/(applications|icons|metainfo|man)/";
    }
    void debianPackages()
    {
        QFETCH(QString, package);
        QFETCH(QStringList, relations);
        QFETCH(QString, notRelated);
        QFETCH(QString, notFiles);
        REQUIRE_PACKAGES();
        const QString deb = packageFile(package + "_*.deb");
        const Result fields = run(tool("dpkg-deb"), {"--field", deb, "Depends", "Recommends"});
        const auto lines = QRegularExpression::MultilineOption;
        for (const QString &relation : relations)
            QVERIFY2(fields.output.contains(QRegularExpression(
                         "^" + relation.section(": ", 0, 0) + ": (.*, )?"
                             + QRegularExpression::escape(relation.section(": ", 1)) + "( |,|$)",
                         lines)),
                     qPrintable(relation + " missing from:\n" + fields.output));
        QVERIFY2(!fields.output.contains(QRegularExpression(notRelated, lines)), qPrintable(fields.output));
        const Result contents = run(tool("dpkg-deb"), {"--contents", deb});
        QVERIFY2(!contents.output.contains(QRegularExpression(" \\./usr/(" + notFiles + ")", lines)),
                 qPrintable(contents.output));
    }

    // A release that adds its changelog entry but not its metainfo release, or the
    // other way round; and a packaged program that does not start: with Qt's own
    // options on its command line reaching Qt, no display, the platform named there.
    void packagedProgram()
    {
        REQUIRE_PACKAGES();
        const Result changelog = run(tool("gzip"), {"-dc", unpacked("usr/share/doc/quarnel/changelog.gz")});
        const QString top = changelog.output.section("\n\n", 0, 0);
        QVERIFY2(top.startsWith("quarnel (" QUARNEL_VERSION ") "), qPrintable(changelog.output));
        const QDateTime date = QDateTime::fromString(
            changelog.output.section("\n -- ", 1, 1).section("  ", 1, 1).section('\n', 0, 0),
            Qt::RFC2822Date);
        QHash<QString, QString> attributes;
        metainfoElements(unpacked("usr/share/metainfo/" + appId + ".metainfo.xml"), &attributes);
        QCOMPARE(attributes.value("release@date"), date.toUTC().date().toString(Qt::ISODate));

        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(unpacked("usr/bin/quarnel"),
                      {"-platform", "offscreen", "-reverse", "-style", "fusion"});
        QVERIFY(program.waitForStarted(5000));
        QVERIFY2(!program.waitForFinished(1500), qPrintable(program.readAll()));
        program.kill();
        program.waitForFinished(3000);
    }

    // Two builds of the same files that differ: a file time, the order of a
    // folder's entries, the build folder's path, the time zone or the locale
    // reaching the program, a compiled translation, the manual page, the gzipped
    // changelog or the source archive. The second build runs later, in another
    // folder, under another time zone and locale.
    void reproducible()
    {
        REQUIRE_PACKAGES();
        QTemporaryDir again;
        const Result build = buildPackages(again.filePath("out"), true);
        QVERIFY2(build.exitCode == 0, qPrintable(build.output));
        const QStringList first = QDir(packageDir_.filePath("out")).entryList({"*.deb", "*.dsc", "*.tar.xz"});
        QCOMPARE(QDir(again.filePath("out")).entryList({"*.deb", "*.dsc", "*.tar.xz"}), first);
        QStringList differing; // diffoscope shows how
        for (const QString &name : first) {
            QFile a(packageDir_.filePath("out/" + name)), b(again.filePath("out/" + name));
            if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll())
                differing << name;
        }
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(' ')));
    }

    // The desktop's, the software centres' and Flathub's validators pass the
    // installed launcher and metadata (offline; the launcher with no hint, as a
    // second main category lists it twice in some menus; the metadata strictly,
    // with no info either, its id's capitals, a pedantic note, aside);
    // lintian finds no error and no warning in the source package or the binary
    // ones (a missing licence, changelog, maintainer address or manual page is
    // one), and the packaged program is built with the hardening Debian builds with; reuse finds a licence and a
    // copyright holder for every file of the checkout (a new file without its two
    // SPDX lines, a data file missing from .reuse/dep5, a licence with no text in
    // LICENSES/). In the arguments "prefix/…" is the installed tree, "changes" the
    // packages' .changes file, which names them all, "usr/…" the quarnel package
    // unpacked and "checkout" the source folder.
    void checkers_data()
    {
        QTest::addColumn<QString>("checker");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("debianPackage");
        QTest::addColumn<QString>("fault"); // in the output, a fault even with status 0
        const QString desktop = "prefix/share/applications/" + appId + ".desktop";
        const QString metainfo = "prefix/share/metainfo/" + appId + ".metainfo.xml";
        const QString errorLine = "error:", errorOrWarning = "^[EW]: ";
        QTest::newRow("desktop-file-validate")
            << "desktop-file-validate" << QStringList{desktop} << "desktop-file-utils"
            << "(error|warning|hint):";
        QTest::newRow("appstreamcli")
            << "appstreamcli" << QStringList{"validate", "--pedantic", "--no-net", metainfo} << "appstream"
            << "^[EWI]: ";
        QTest::newRow("appstream-util")
            << "appstream-util" << QStringList{"validate-strict", "--nonet", metainfo} << "appstream-util"
            << errorLine;
        QTest::newRow("lintian") << "lintian" << QStringList{"--display-info", "--pedantic", "changes"}
                                 << "lintian" << errorOrWarning;
        // The control-flow marking needs start files that have it, which Debian 12's lack.
        QTest::newRow("hardening-check")
            << "hardening-check" << QStringList{"--nocfprotection", "usr/bin/quarnel"} << "devscripts"
            << errorOrWarning;
        QTest::newRow("reuse") << "reuse" << QStringList{"--root", "checkout", "lint"} << "reuse"
                               << "not compliant";
    }
    void checkers()
    {
        QFETCH(QString, checker);
        QFETCH(QStringList, arguments);
        QFETCH(QString, debianPackage);
        QFETCH(QString, fault);
        const QString program = tool(qPrintable(checker));
        if (program.isEmpty())
            QSKIP(qPrintable(checker + " is not installed (Debian: " + debianPackage + ")"));
        for (QString &argument : arguments) {
            if (argument.startsWith("prefix/")) {
                argument = installed(argument.mid(7));
            } else if (argument == "changes" || argument.startsWith("usr/")) {
                REQUIRE_PACKAGES();
                argument = argument == "changes" ? packageFile("quarnel_*.changes") : unpacked(argument);
            } else if (argument == "checkout") {
                // Without git, reuse would take the build folders for sources.
                if (!QFileInfo::exists(QUARNEL_SOURCE_DIR "/.git"))
                    QSKIP("the sources are not a git checkout");
                argument = QUARNEL_SOURCE_DIR;
            }
        }
        const Result result = run(program, arguments);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QVERIFY2(!result.output.contains(QRegularExpression(fault, QRegularExpression::MultilineOption)),
                 qPrintable(result.output));
    }

    // --help and --version answer on standard output without a display; an argument
    // neither Qt nor the program knows is refused with one line on standard error,
    // a display or not; without a display the program says so and ends with
    // status 1, not with a core.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // xcb with no display to reach, or offscreen
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        // Qt may warn first (the offscreen platform about a runtime folder).
        const QString refused = "(^|\\n)quarnel: [^\\n]*%1[^\\n]*--help[^\\n]*\\n$";
        QTest::newRow("--version") << QStringList{"--version"} << "xcb" << 0
                                   << "^quarnel " + QRegularExpression::escape(QUARNEL_VERSION) + "\n"
                                   << "^$";
        QTest::newRow("--help") << QStringList{"-platform", "xcb", "--help"} << "xcb" << 0
                                << "^Usage: quarnel \\[options\\]\n.*--version.*\nReport bugs at https?://"
                                << "^$";
        QTest::newRow("no display") << QStringList{} << "xcb" << 1 << "^$"
                                    << "\nquarnel: cannot open the window: no display could be reached";
        QTest::newRow("unknown option, no display")
            << QStringList{"--bogus"} << "xcb" << 2 << "^$" << refused.arg("'--bogus'");
        // Qt's options and their values refused for want of a display to hand them to.
        QTest::newRow("Qt's options, no display")
            << QStringList{"-display", ":99", "--style", "fusion"} << "xcb" << 1 << "^$"
            << "cannot open the window";
        QTest::newRow("unknown option with a value") << QStringList{"-style", "fusion", "-bogus=1"}
                                                     << "offscreen" << 2 << "^$" << refused.arg("'-bogus'");
        QTest::newRow("file name") << QStringList{"picture.png"} << "offscreen" << 2 << "^$"
                                   << refused.arg("'picture.png'");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = withoutDisplay();
        environment.insert("QT_QPA_PLATFORM", platform);
        program.setProcessEnvironment(environment);
        program.start(installed("bin/quarnel"), arguments);
        QVERIFY(program.waitForFinished(10000));
        const QString stdOut = program.readAllStandardOutput(), stdErr = program.readAllStandardError();
        const QString report = "out: " + stdOut + "\nerr: " + stdErr;
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == exitCode,
                 qPrintable(report));
        const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(stdOut.contains(QRegularExpression(out, dotAll)), qPrintable(report));
        QVERIFY2(stdErr.contains(QRegularExpression(err, dotAll)), qPrintable(report));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpAppearance(app);
    TestInstall test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_install.moc"
