// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"

#include "commands/helptext.h"
#include "picture/zoom.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    //: The title of the help window, and of its print-out.
    setWindowTitle(tr("Quarnel help"));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setOpenExternalLinks(true);
    text_->setHtml(helpHtml());
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
    layout->addWidget(text_);
    layout->addWidget(buttons);
    fitToZoom(zoom::steps.front());
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::askToPrint()
{
    if (printDialog_) {
        printDialog_->raise();
        printDialog_->activateWindow();
        return;
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The name a PDF file is offered under.
        printer_->setDocName(windowTitle());
    }
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
    QSize size = zoom::scaled(laidOut, percent);
    if (const QScreen *shownOn = screen())
        size = size.boundedTo(shownOn->availableGeometry().size());
    resize(size);
}
