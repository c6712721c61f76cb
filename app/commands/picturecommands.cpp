// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/picturecommands.h"

#include "commands/aboutdialog.h"
#include "commands/helpwindow.h"
#include "lab/labwindow.h"
#include "picture/scenepicture.h"
#include "picture/wholefile.h"
#include "picture/windowplace.h"
#include "picture/windowzoom.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QStandardPaths>

PictureCommands::PictureCommands(QWidget &window, ScenePicture &picture, WindowZoom &zoom,
                                 const WindowHandlers &handlers)
    : QObject(&window), window_(window), picture_(picture), zoom_(zoom)
{
    // The help as large as the window's zoom makes it (About and message boxes
    // size themselves to their text).
    connect(&zoom, &WindowZoom::zoomChanged, this, [this](int percent) {
        if (help_)
            help_->fitToZoom(percent);
    });
    constexpr bool everyWindow = true;
    // clang-format off
    const Row rows[] = {
        //: An entry of the picture's menu (right button); & marks the key that chooses it.
        {"copyPicture", QT_TR_NOOP("&Copy picture"), QKeySequence::keyBindings(QKeySequence::Copy),
         [this] { copyPicture(); }},
        //: An entry of the picture's menu: saves it as a PNG file, asking where.
        {"savePicture", QT_TR_NOOP("&Save picture as..."), QKeySequence::keyBindings(QKeySequence::Save),
         [this] { savePictureAs(); }},
        //: An entry of the picture's menu: opens the window that inspects the last run point by point.
        {"explore", QT_TR_NOOP("&Explore"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, handlers.explore, everyWindow},
        //: An entry of the picture's menu: opens a real two-slit experiment in nanometres and metres.
        {"lab", QT_TR_NOOP("Real e&xperiment"), {QKeySequence(Qt::CTRL | Qt::Key_L)},
         [&window, &zoom] { LabWindow::showFor(window, zoom); }},
        //: An entry of the picture's menu: plays the last run as sound, bottom to top,
        //: loud where the picture is bright and silent where it is dark.
        {"hearPattern", QT_TR_NOOP("Hea&r the pattern"), {QKeySequence(Qt::Key_H)}, handlers.hear, everyWindow},
        //: An entry of the picture's menu: plays the last run as sound at a quarter of the speed.
        {"hearPatternSlowly", QT_TR_NOOP("Hear it s&lowly"), {QKeySequence(Qt::SHIFT | Qt::Key_H)},
         handlers.hearSlowly, everyWindow},
        //: An entry of the picture's menu: starts a run, as the Start button does; & marks the key that chooses it.
        {"start", QT_TR_NOOP("S&tart"), {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)},
         handlers.start, everyWindow},
        //: An entry of the picture's menu: the screen reader says the last run's summary
        //: again (the bright bands, their distance, what changed); & marks the key.
        {"saySummary", QT_TR_NOOP("Say the s&ummary"), {QKeySequence(Qt::Key_D)}, handlers.summarize},
        {nullptr, nullptr, {}, {}},
        //: An entry of the picture's menu: the whole window one step larger.
        {"zoomIn", QT_TR_NOOP("Zoom &in"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [&zoom] { zoom.zoomIn(); }, everyWindow},
        //: An entry of the picture's menu: the whole window one step smaller.
        {"zoomOut", QT_TR_NOOP("Zoom &out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [&zoom] { zoom.zoomOut(); },
         everyWindow},
        //: An entry of the picture's menu: the window back at 100 %.
        {"zoomReset", QT_TR_NOOP("&Normal size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [&zoom] { zoom.reset(); },
         everyWindow},
        //: An entry of the picture's menu: the window fills the screen, or leaves it.
        {"fullScreen", QT_TR_NOOP("&Full screen"), {QKeySequence(Qt::Key_F11)}, [&zoom] { zoom.toggleFullScreen(); }},
        {nullptr, nullptr, {}, {}},
        //: An entry of the picture's menu: opens the help.
        {"help", QT_TR_NOOP("&Help"), QKeySequence::keyBindings(QKeySequence::HelpContents), [this] { showHelp(); },
         everyWindow},
        //: An entry of the picture's menu: opens About.
        {"about", QT_TR_NOOP("&About Quarnel"), {}, [this] { showAbout(); }},
        // Escape stops a run and the sound wherever the focus is; Ctrl+Q is Exit
        // from the keyboard, named outright: some desktops' key schemes have no quit key.
        {"stop", nullptr, {QKeySequence(Qt::Key_Escape)}, handlers.stop, everyWindow},
        {"quit", nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, handlers.quit, everyWindow},
    };
    // clang-format on
    menu_ = new QMenu(&window);
    //: What a screen reader calls the picture's menu.
    menu_->setAccessibleName(tr("Picture"));
    for (const Row &row : rows)
        add(row);
    addMenuKey();
}

PictureCommands::~PictureCommands()
{
    delete help_;
    delete about_;
}

HelpWindow *PictureCommands::help() const { return help_; }

QDialog *PictureCommands::about() const { return about_; }

void PictureCommands::closeWindows()
{
    for (QDialog *window : {static_cast<QDialog *>(help_.data()), about_.data()})
        if (window)
            window->close();
}

void PictureCommands::add(const Row &row)
{
    if (!row.name) {
        actions_ << nullptr;
        menu_->addSeparator();
        return;
    }
    auto *action = new QAction(row.text ? tr(row.text) : QString(), &window_);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setShortcuts(row.keys);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, row.handler);
    window_.addAction(action);
    if (row.everyWindow)
        everyWindow_ << action;
    if (row.text) {
        menu_->addAction(action);
        actions_ << action;
    }
}

void PictureCommands::addMenuKey()
{
    auto *menuKey = new QAction(&window_);
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this,
            [this] { showMenu(picture_.mapToGlobal(picture_.rect().center())); });
    window_.addAction(menuKey);
}

void PictureCommands::showMenu(const QPoint &globalPos) { menu_->popup(globalPos); }

// One action in several windows: a window shortcut acts in whichever of them is active.
void PictureCommands::installOn(QWidget &other) const { other.addActions(everyWindow_); }

void PictureCommands::copyPicture() { QGuiApplication::clipboard()->setImage(picture_.canvas().image()); }

void PictureCommands::raise(QDialog *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void PictureCommands::savePictureAs()
{
    if (save_) {
        raise(save_);
        return;
    }
    // The picture as it is now: a run going on meanwhile does not change what is saved.
    const QImage image = picture_.canvas().image();
    save_ =
        saveWithDialog(&window_,
                       {QStandardPaths::PicturesLocation,
                        //: The title of the file dialog that saves the picture.
                        tr("Save picture as"),
                        //: The file name the save dialog offers; a file name, so no spaces or slashes.
                        tr("interference.png"),
                        //: The save dialog's file type; keep "(*.png)" as it is.
                        tr("PNG images (*.png)"), QStringLiteral(".png"),
                        //: A message box: %1 is the file's path, %2 the system's reason (already translated).
                        tr("The picture could not be saved as \"%1\": %2")},
                       [image](QIODevice &file) {
                           // Encoded in memory first: a PNG encoder whose file fails part of
                           // the way gives up without freeing its buffers.
                           QByteArray png;
                           QBuffer buffer(&png);
                           return image.save(&buffer, "PNG") && file.write(png) == png.size();
                       });
}

void PictureCommands::showHelp()
{
    if (!help_) {
        auto *help = new HelpWindow(window_);
        help->fitToZoom(zoom_.percent());
        installOn(*help);
        help->move(windowplace::beside(help->size(), window_));
        help_ = help;
    }
    raise(help_);
}

void PictureCommands::showAbout()
{
    if (!about_) {
        about_ = new AboutDialog(window_);
        about_->setAttribute(Qt::WA_DeleteOnClose); // forgotten when closed
        installOn(*about_);
        about_->move(windowplace::beside(about_->size(), window_));
    }
    raise(about_);
}
