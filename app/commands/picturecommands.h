// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "explore/explorewindow.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QDialog;
class QMenu;
class QWidget;
class RunDriver;
class PatternPlayer;
class ScenePicture;
class WindowZoom;

// What the user can do with the picture besides running it, from the keys and
// from the picture's context menu: copy and save it, explore the run, zoom,
// full screen, the help and About, and the pattern played as sound. None of these waits for a run: they act on the picture as
// far as it has got. The dialogs are modal to the window but run no event loop
// of their own, so a run goes on behind them.
class PictureCommands : public QObject {
    Q_OBJECT
public:
    PictureCommands(QWidget &window, ScenePicture &picture, WindowZoom &zoom, RunDriver &driver);

    // The menu's entries in order, nullptr for a separator; each also a shortcut of the window.
    const QList<QAction *> &actions() const { return actions_; }
    void showMenu(const QPoint &globalPos);

    void copyPicture();
    void savePictureAs();
    void showHelp();
    void showAbout();
    // The Explore window, made on first use; one for the program's lifetime.
    void showExplore();
    ExploreWindow *explore() const { return explore_; }
    // Plays the last run as sound (H); Escape stops it.
    PatternPlayer &player() { return *player_; }

    // Writes the image as a PNG file, whole or not at all; says why it could not.
    static bool writePicture(const QImage &image, const QString &path, QString *error);

private:
    void raise(QDialog *dialog);

    QWidget &window_;
    ScenePicture &picture_;
    WindowZoom &zoom_;
    RunDriver &driver_;
    QList<QAction *> actions_;
    QMenu *menu_ = nullptr;
    PatternPlayer *player_ = nullptr;
    QPointer<QDialog> help_;
    QPointer<QDialog> about_;
    QPointer<QDialog> save_;
    QPointer<ExploreWindow> explore_;
};
