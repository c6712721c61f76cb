// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"

#include "commands/helptext.h"
#include "commands/helpwords.h"
#include "commands/teachertext.h"
#include "picture/windowplace.h"
#include "picture/zoom.h"

#include <QAction>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    //: The title of the help window, and of its print-out.
    setWindowTitle(tr("Quarnel help"));
    auto *partButtons = new QHBoxLayout;
    parts_ = new QButtonGroup(this);
    const std::pair<Part, QString> partNames[] = {{Help, helpwords::helpTitle()},
                                                  {Teacher, helpwords::teacherTitle()},
                                                  {Worksheet, helpwords::worksheetTitle()}};
    for (const auto &[part, name] : partNames) {
        auto *button = new QPushButton(name, this);
        button->setCheckable(true);
        button->setAutoDefault(false);
        parts_->addButton(button, part);
        partButtons->addWidget(button);
    }
    parts_->button(Help)->setObjectName(QStringLiteral("showHelp"));
    parts_->button(Teacher)->setObjectName(QStringLiteral("showTeacher"));
    parts_->button(Worksheet)->setObjectName(QStringLiteral("showWorksheet"));
    partButtons->addStretch(1);
    connect(parts_, &QButtonGroup::idClicked, this, [this](int part) { showPart(Part(part)); });
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("helpText"));
    // The links between the parts are followed here; others open in the desktop's browser.
    text_->setOpenLinks(false);
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    //: The help window's button that opens the print dialog (the help printed, or
    //: saved as a PDF file); & marks the key that presses it.
    QPushButton *printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("print"));
    connect(printButton, &QPushButton::clicked, this, &HelpWindow::askToPrint);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *print = new QAction(this);
    print->setObjectName(QStringLiteral("printHelp"));
    print->setShortcuts(QKeySequence::keyBindings(QKeySequence::Print));
    connect(print, &QAction::triggered, this, &HelpWindow::askToPrint);
    addAction(print);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(partButtons);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    fitToZoom(zoom::steps.front());
    showPart(Help);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showPart(Part part)
{
    // Each part is made afresh when shown: its numbers come from runs, in the language of the moment.
    switch (part) {
    case Help:
        text_->setHtml(helpHtml());
        break;
    case Teacher:
        text_->setHtml(teacherHtml());
        break;
    case Worksheet:
        text_->setHtml(worksheetHtml());
        break;
    }
    shown_ = part;
    parts_->button(part)->setChecked(true);
}

void HelpWindow::followLink(const QUrl &url)
{
    if (url.toString() == QLatin1String(helpwords::teacherLink))
        showPart(Teacher);
    else if (url.toString() == QLatin1String(helpwords::worksheetLink))
        showPart(Worksheet);
    else
        QDesktopServices::openUrl(url);
}

void HelpWindow::askToPrint()
{
    if (printDialog_) {
        printDialog_->raise();
        printDialog_->activateWindow();
        return;
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    // The name a PDF file is offered under: the part's.
    printer_->setDocName(parts_->button(shown_)->text());
    auto *dialog = new QPrintDialog(printer_.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), this, &HelpWindow::print);
    dialog->open();
    printDialog_ = dialog;
}

void HelpWindow::print(QPrinter *printer) const { text_->document()->print(printer); }

void HelpWindow::fitToZoom(int percent)
{
    constexpr QSize laidOut(520, 560);
    const QSize size = zoom::scaled(laidOut, percent);
    resize(parentWidget() ? windowplace::fitted(size, *parentWidget()) : size);
}
