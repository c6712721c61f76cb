// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QDialog;
class QMenu;
class QWidget;
class ScenePicture;
class WindowZoom;

// The window's actions on the picture besides running it, from the keys and
// from the picture's context menu: copy and save it, explore the run, zoom,
// full screen, the help and About, the pattern played as sound and the run's
// summary said again (the last three the window's own, handed in). None of these waits for a run: they act on the picture as
// far as it has got. The dialogs are modal to the window but run no event loop
// of their own, so a run goes on behind them.
class PictureCommands : public QObject {
    Q_OBJECT
public:
    // What the window does for the entries that are not the picture's.
    struct WindowHandlers {
        std::function<void()> explore;
        std::function<void()> hear;
        std::function<void()> hearSlowly;
        std::function<void()> summarize;
    };
    PictureCommands(QWidget &window, ScenePicture &picture, WindowZoom &zoom, const WindowHandlers &handlers);

    // The menu's entries in order, nullptr for a separator; each also a shortcut of the window.
    const QList<QAction *> &actions() const { return actions_; }
    void showMenu(const QPoint &globalPos);

    void copyPicture();
    void savePictureAs();
    void showHelp();
    void showAbout();

private:
    void raise(QDialog *dialog);

    QWidget &window_;
    ScenePicture &picture_;
    WindowZoom &zoom_;
    QList<QAction *> actions_;
    QMenu *menu_ = nullptr;
    QPointer<QDialog> help_;
    QPointer<QDialog> about_;
    QPointer<QDialog> save_;
};
