// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"

#include "accessibility/announcement.h"
#include "commands/helptext.h"
#include "commands/helpwords.h"
#include "commands/teachertext.h"
#include "picture/savedialog.h"
#include "picture/wholefile.h"
#include "picture/windowplace.h"
#include "picture/zoom.h"

#include <QAction>
#include <QBuffer>
#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The print dialog's button for a PDF file's name opens Qt's file dialog with
// an event loop of its own (a run behind it would stop), and that dialog reads
// a name typed with double quotes as a list of names: a SaveDialog instead,
// which then picks the PDF printer as Qt's button does.
void chooseFileWithoutEventLoop(QPrintDialog *dialog)
{
    auto *browse = dialog->findChild<QToolButton *>(QStringLiteral("fileBrowser"));
    auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    if (!browse || !fileName || !printers)
        return;
    QObject::disconnect(browse, &QToolButton::clicked, nullptr, nullptr);
    QObject::connect(browse, &QToolButton::clicked, dialog, [dialog, fileName, printers] {
        //: Qt's text: the title of the file dialog that names the help's PDF file.
        const QString title = QCoreApplication::translate("QPrintDialog", "Print To File ...");
        auto *choose = new SaveDialog(dialog, title, fileName->text(), QString(), QString());
        choose->setOption(QFileDialog::DontConfirmOverwrite); // the print dialog asks
        choose->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(choose, &QFileDialog::fileSelected, fileName,
                         [fileName, printers](const QString &path) {
                             fileName->setText(path);
                             printers->setCurrentIndex(printers->count() - 1);
                         });
        choose->open();
    });
}
} // namespace

// A window (not a dialog, which the window system would keep above the
// program's other windows): the teacher may put it behind the picture.
HelpWindow::HelpWindow(QWidget &beside) : QDialog(nullptr, Qt::Window), beside_(beside)
{
    setObjectName(QStringLiteral("helpWindow"));
    // It does not keep the program going once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
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
    // A caret that the arrow keys move: a screen reader reads the line, word or
    // character it comes to (without it the keys only scroll, and say nothing).
    text_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    //: What a screen reader calls the help window's text.
    text_->setAccessibleName(tr("Help text"));
    text_->installEventFilter(this);
    headingSaid_ = new Announcement(this);
    // Ctrl+Down and Ctrl+Up: the caret to the next or the previous heading, as a
    // screen reader's own heading keys do in a web page (Orca's work only there).
    // Not H: H plays the pattern in every window of the program.
    const std::pair<QKeySequence, bool> headingKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Down), true},
                                                         {QKeySequence(Qt::CTRL | Qt::Key_Up), false}};
    for (const auto &[key, forward] : headingKeys) {
        auto *action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, forward = forward] { moveToHeading(forward); });
        addAction(action);
    }
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
    // The window opens in its text, its caret at the top: a screen reader reads on from there.
    text_->setFocus();
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

void HelpWindow::moveToHeading(bool forward)
{
    QTextCursor caret = text_->textCursor();
    QTextBlock block = caret.block();
    do
        block = forward ? block.next() : block.previous();
    while (block.isValid() && block.blockFormat().headingLevel() == 0);
    if (!block.isValid())
        return;
    caret.setPosition(block.position());
    text_->setTextCursor(caret);
    text_->ensureCursorVisible();
    // Orca reads the line a caret comes to only after its own reading keys (the
    // arrows, Page Up and Down, Home and End): the heading is said outright.
    headingSaid_->say(block.text());
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

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Left unaccepted, the key goes to the window's shortcuts instead of the browser.
    if (watched == text_ && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::Key_F5)) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::askToPrint()
{
    if (printDialog_) {
        printDialog_->raise();
        printDialog_->activateWindow();
        return;
    }
    keepFileDialogHistoryPrivate(); // the print dialog's button for the file opens a file dialog
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    // The name a PDF file is offered under: the part's.
    printer_->setDocName(parts_->button(shown_)->text());
    auto *dialog = new QPrintDialog(printer_.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), this, &HelpWindow::print);
    chooseFileWithoutEventLoop(dialog);
    dialog->open();
    printDialog_ = dialog;
}

void HelpWindow::print(QPrinter *printer)
{
    if (printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) {
        text_->document()->print(printer);
        return;
    }
    // A PDF file is made in memory and then written whole: the printer writing it
    // itself leaves the part it got to on a full disk, and says nothing.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer); // ends the file when destroyed
        writer.setPdfVersion(printer->pdfVersion());
        writer.setResolution(printer->resolution());
        writer.setPageLayout(printer->pageLayout());
        writer.setPageRanges(printer->pageRanges());
        writer.setTitle(printer->docName());
        writer.setCreator(printer->creator());
        text_->document()->print(&writer);
    }
    writeWholeFileOrSay(
        this, printer->outputFileName(), [&pdf](QIODevice &file) { return file.write(pdf) == pdf.size(); },
        //: A message box: %1 is the PDF file's path, %2 the system's reason (already translated).
        tr("The help could not be saved as \"%1\": %2"));
}

void HelpWindow::fitToZoom(int percent)
{
    constexpr QSize laidOut(520, 560);
    const QSize size = zoom::scaled(laidOut, percent);
    resize(windowplace::fitted(size, beside_));
}
