// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QDialog;
class HelpWindow;
class QMenu;
class QWidget;
class ScenePicture;
class WindowZoom;

// The window's commands, from the keys and from the picture's context menu:
// start a run, copy and save the picture, explore the run, the real experiment,
// zoom, full screen, the help and About, the pattern played as sound and the
// run's summary said again (the run, the sound, Explore, the summary and
// quitting the window's own, handed in). Besides Start and Exit, which wait for
// the run's end as the buttons do, none of these waits for a run: they act on
// the picture as far as it has got. The dialogs run no event loop of their own,
// so a run goes on behind them.
//
// The keys that are the program's rather than the picture's (start, stop,
// hear, help, Explore, zoom, quit) are the same in every window: each window
// the program opens installs them (installOn), so that F1 or Escape in Explore
// does what it does in the main window.
class PictureCommands : public QObject {
    Q_OBJECT
public:
    // What the window does for the entries that are not the picture's.
    struct WindowHandlers {
        std::function<void()> start;
        std::function<void()> stop; // the run and the sound
        std::function<void()> quit;
        std::function<void()> explore;
        std::function<void()> hear;
        std::function<void()> hearSlowly;
        std::function<void()> summarize;
    };
    PictureCommands(QWidget &window, ScenePicture &picture, WindowZoom &zoom, const WindowHandlers &handlers);
    // The help and About are windows of their own, not the window's children: they go with it.
    ~PictureCommands() override;

    // The menu's entries in order, nullptr for a separator; each also a shortcut of the window.
    const QList<QAction *> &actions() const { return actions_; }
    void showMenu(const QPoint &globalPos);
    // Gives another of the program's windows the keys every window has.
    void installOn(QWidget &other) const;

    void copyPicture();
    void savePictureAs();
    // One help and one About, made when first asked for; shown again, each comes to the front.
    void showHelp();
    void showAbout();
    HelpWindow *help() const;
    QDialog *about() const;
    // Closes the help and About, as the window closes.
    void closeWindows();

private:
    // One command: a menu entry or a key only, or a separator (no name).
    struct Row {
        const char *name;
        const char *text; // nullptr: a key only, not in the menu
        QList<QKeySequence> keys;
        std::function<void()> handler;
        bool everyWindow = false; // installed in every window too (installOn)
    };
    void add(const Row &row);
    // The menu from the keyboard, where the window system sends no menu key of its own.
    void addMenuKey();
    void raise(QDialog *dialog);

    QWidget &window_;
    ScenePicture &picture_;
    WindowZoom &zoom_;
    QList<QAction *> actions_;
    QList<QAction *> everyWindow_;
    QMenu *menu_ = nullptr;
    QPointer<HelpWindow> help_;
    QPointer<QDialog> about_;
    QPointer<QDialog> save_;
};
