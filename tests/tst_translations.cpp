// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// The translation files as a translator leaves them and as the build reads them.

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Message {
    QString context;
    QString source;
    QString disambiguation;    // lupdate's comment: which of two alike texts it is
    QString translatorComment; // the source's //: comment for translators
    QString type;              // the translation's type attribute: unfinished, vanished, obsolete or none
    QStringList translations;  // one, or one per plural form
};

// A translation's text, or the text of each of its plural forms.
void translationOf(QXmlStreamReader &xml, QStringList &texts)
{
    QString text;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"numerusform") {
            numerus = true;
            texts << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"translation")
            break;
    }
    if (!numerus)
        texts << text;
}

QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"comment" && !messages.isEmpty()) {
            messages.last().disambiguation = xml.readElementText();
        } else if (xml.name() == u"extracomment" && !messages.isEmpty()) {
            messages.last().translatorComment = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value("type").toString();
            translationOf(xml, messages.last().translations);
        }
    }
    if (xml.hasError())
        *error = path + ": " + xml.errorString();
    return messages;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(QUARNEL_SOURCE_DIR "/translations/quarnel_%1.ts").arg(language);
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?([1-9n])"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured(1);
    return found;
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QString(QUARNEL_LANGUAGES).split(' ', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(language)) << language;
    }

    // A source text the program gained (or lost) since the translation was
    // made: lupdate over the sources, into a copy, would add it unfinished.
    void upToDate_data() { languages_data(); }
    void upToDate()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath("quarnel_" + language + ".ts");
        QVERIFY(QFile::copy(tsPath(language), copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUARNEL_LUPDATE),
                      {QStringLiteral(QUARNEL_SOURCE_DIR "/app"), QStringLiteral(QUARNEL_SOURCE_DIR "/sim"),
                       "-extensions", "cpp,h", "-no-obsolete", "-locations", "none", "-silent", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QString error;
        const QList<Message> original = readTs(tsPath(language), &error);
        const QList<Message> updated = readTs(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const Message &m : updated)
            QVERIFY2(m.type.isEmpty(),
                     qPrintable("not translated yet: " + m.context + " / " + m.source
                                + " (cmake --build build --target update_translations)"));
        QCOMPARE(updated.size(), original.size());
    }

    // A launcher or metainfo text left untranslated or fuzzy in po/<language>.po,
    // or one of po/quarnel.pot that the .po lacks (msgfmt would install English).
    void poComplete_data() { languages_data(); }
    void poComplete()
    {
        QFETCH(QString, language);
        const QString po = QStringLiteral(QUARNEL_SOURCE_DIR "/po/%1.po").arg(language);
        QProcess msgfmt;
        msgfmt.start("msgfmt", {"--check", "--statistics", "-o", "/dev/null", po});
        QVERIFY(msgfmt.waitForFinished(30000));
        const QString statistics = QString::fromLocal8Bit(msgfmt.readAllStandardError());
        QVERIFY2(msgfmt.exitCode() == 0, qPrintable(statistics));
        QVERIFY2(statistics.contains("translated") && !statistics.contains("fuzzy")
                     && !statistics.contains("untranslated"),
                 qPrintable(statistics));
        QProcess msgcmp;
        msgcmp.start("msgcmp", {po, QStringLiteral(QUARNEL_SOURCE_DIR "/po/quarnel.pot")});
        QVERIFY(msgcmp.waitForFinished(30000));
        QVERIFY2(msgcmp.exitCode() == 0, msgcmp.readAllStandardError().constData());
    }

    // A text left unfinished or marked vanished or obsolete (lrelease leaves it
    // out: the user sees English), an empty one, one that drops or adds a %1, or
    // one that writes a number with another language's decimal separator ("0.5"
    // in a Czech sentence); or a text the sources give the translator no comment
    // on: where it shows, how large its box is, what its placeholders hold.
    void everyTextTranslated_data() { languages_data(); }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QString error;
        const QList<Message> messages = readTs(tsPath(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QChar point = QLocale(language).decimalPoint().front();
        static const QRegularExpression decimal(QStringLiteral("\\d([.,])\\d"));
        QVERIFY(!messages.isEmpty());
        for (const Message &m : messages) {
            QVERIFY2(m.type.isEmpty(), qPrintable(m.type + ": " + m.context + " / " + m.source));
            QVERIFY2(
                !m.translatorComment.trimmed().isEmpty(),
                qPrintable("no translator comment (//: in the source): " + m.context + " / " + m.source));
            for (const QString &text : m.translations) {
                const QString where = m.context + " / " + m.source + " -> " + text;
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(placeholders(text) == placeholders(m.source), qPrintable(where));
                for (const QRegularExpressionMatch &n : decimal.globalMatch(text))
                    QVERIFY2(n.captured(1) == point, qPrintable(where));
            }
        }
    }

    // One thing with two names in one language (the Photon density pattern
    // called "Fotony" on its option and "Gęstość fotonów" beside the plot): the
    // same English words in two places translate alike, unless a disambiguation
    // on each says they are two things (the spacing's "large", the distance's
    // "large"). A soft hyphen, which only marks where a word may break, aside.
    void oneNamePerThing_data() { languages_data(); }
    void oneNamePerThing()
    {
        QFETCH(QString, language);
        QString error;
        const QList<Message> messages = readTs(tsPath(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        int compared = 0;
        for (const Message &a : messages) {
            for (const Message &b : messages) {
                if (&a == &b || a.source != b.source
                    || (!a.disambiguation.isEmpty() && !b.disambiguation.isEmpty()))
                    continue;
                QCOMPARE(QStringList(a.translations).replaceInStrings(QChar(0x00AD), QString()),
                         QStringList(b.translations).replaceInStrings(QChar(0x00AD), QString()));
                ++compared;
            }
        }
        QVERIFY(compared > 0);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
