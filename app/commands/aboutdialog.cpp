// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/aboutdialog.h"

#include "picture/windowplace.h"
#include "quarnelinfo.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString licenceLink = QStringLiteral("#licence");

// Not shown themselves: each translation names its language and its translators here.
//: Not shown as it is. Write your language's name in your language, as About
//: lists it with the names of its translators: for example Čeština, Deutsch.
const char *const languageName = QT_TRANSLATE_NOOP("AboutDialog", "language-name");
//: Not shown as it is. Write the names of the people who translated Quarnel into
//: your language, separated by commas: About lists them beside your language's name.
const char *const translatorCredits = QT_TRANSLATE_NOOP("AboutDialog", "translator-credits");

QString link(const QString &url) { return QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped()); }

// The copyright line of the licence, as LICENSE has it ("Copyright (c) ...").
QString copyrightLine()
{
    for (const QString &line : AboutDialog::licenceText().split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Copyright")))
            return QString(line).replace(QLatin1String("(c)"), QStringLiteral("\u00a9"));
    }
    return {};
}
} // namespace

AboutDialog::AboutDialog(QWidget &beside) : QDialog(nullptr, Qt::Window), beside_(beside)
{
    setObjectName(QStringLiteral("about"));
    setAttribute(Qt::WA_QuitOnClose, false);
    //: The title of the About window.
    setWindowTitle(tr("About Quarnel"));

    QString credits;
    for (const auto &[language, names] : translators())
        credits += QStringLiteral("<br>%1: %2").arg(language.toHtmlEscaped(), names.toHtmlEscaped());
    auto *text = text_ = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    //: About's one sentence on what Quarnel is.
    const QString what = tr("A teaching program that shows the interference of light behind two slits.");
    //: Keep the link as it is: clicking "MIT licence" shows the licence's text
    //: (which stays in English, as the licence is written).
    const QString licence = tr("Free software under the <a href=\"%1\">MIT licence</a>.").arg(licenceLink);
    //: %1 is the address of Quarnel's home page, as a link.
    const QString home = tr("Home page: %1").arg(link(QStringLiteral(QUARNEL_HOMEPAGE_URL)));
    //: %1 is the address where bugs are reported, as a link.
    const QString bugs = tr("Report bugs at: %1").arg(link(QStringLiteral(QUARNEL_BUGTRACKER_URL)));
    //: The heading of About's list of languages, each with the names of its translators.
    const QString translations = tr("Translations");
    //: %1 is the version of the Qt libraries Quarnel runs on, such as 6.4.2.
    const QString qt = tr("Runs on Qt %1").arg(QString::fromLatin1(qVersion()));
    text->setText(
        QStringLiteral("<h3>Quarnel " QUARNEL_VERSION_STRING "</h3><p>%1</p><p>%2<br>%3</p><p>%4<br>%5</p>"
                       "<p><b>%6</b>%7</p><p>%8</p>")
            .arg(what, copyrightLine().toHtmlEscaped(), licence, home, bugs, translations, credits, qt));
    connect(text, &QLabel::linkActivated, this, [this](const QString &target) {
        if (target != licenceLink) {
            QDesktopServices::openUrl(QUrl(target));
            return;
        }
        licence_->setVisible(true);
        fitToText();
    });

    licence_ = new QPlainTextEdit(licenceText(), this);
    licence_->setObjectName(QStringLiteral("licence"));
    licence_->setReadOnly(true);
    licence_->setVisible(false);

    icon_ = new QLabel(this);
    icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    showIcon();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *top = new QHBoxLayout;
    top->addWidget(icon_);
    top->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(licence_, 1);
    layout->addWidget(buttons);
    fitToText();
}

QString AboutDialog::licenceText()
{
    QFile file(QStringLiteral(":/LICENSE"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QList<std::pair<QString, QString>> AboutDialog::translators()
{
    QList<std::pair<QString, QString>> found;
    const QDir folder(QStringLiteral(":/i18n"));
    for (const QString &name : folder.entryList({QStringLiteral("quarnel_*.qm")}, QDir::Files, QDir::Name)) {
        QTranslator translation;
        if (!translation.load(folder.filePath(name)))
            continue;
        found.append({translation.translate("AboutDialog", languageName),
                      translation.translate("AboutDialog", translatorCredits)});
    }
    return found;
}

// The program's icon as large as a message box's: at the window's zoom.
void AboutDialog::showIcon()
{
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon_->setPixmap(QGuiApplication::windowIcon().pixmap(size, size));
}

// Lines of about 60 characters: a wrapped label would otherwise take a width of
// its own choosing, not one that grows with the zoom.
void AboutDialog::fitToText()
{
    text_->setMinimumWidth(60 * text_->fontMetrics().averageCharWidth());
    adjustSize();
    resize(windowplace::fitted(size(), beside_));
}

void AboutDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // At another zoom: the icon at the style's new size, the window at the text's.
    if (event->type() == QEvent::StyleChange)
        showIcon();
    if (text_ && (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange))
        fitToText();
}
