// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QCloseEvent;
class QContextMenuEvent;
class QLineEdit;
class QScrollBar;
class CloseRequest;
class PictureCommands;
class Announcement;
class ExploreWindow;
class PatternPlayer;
struct RunReading;
class RunSession;
class ScenePicture;
class WindowZoom;
struct ControlRow;
enum class RunEnd;

// The program's one window, where its parts are made and connected: every
// control is one row of the control table (controltable.h), the picture a kept
// image under the controls. The controls' handlers write the settings into the
// RunSession, which carries out the runs, keeps what waits for a run's end and
// what is known of each run (runsession.h); five hidden text fields show its
// settings. The picture's own commands are PictureCommands; the sound of a run
// is the PatternPlayer's, the Explore window is made on first use.
//
// The handlers carry the names of their controls; several of these contain
// Czech letters, which moc cannot read, so they are plain member functions
// connected by pointer, not slots.
class frmQuarnel : public QWidget, public Settings {
    Q_OBJECT
public:
    static const QString caption;

    explicit frmQuarnel(QWidget *parent = nullptr);
    ~frmQuarnel() override;

    // Settings: the current text of the setting's hidden field.
    QString text(Setting setting) const override;

    ScenePicture &picture() { return *picture_; }
    RunSession &session() { return *session_; }
    WindowZoom &zoom() { return *zoom_; }
    PictureCommands &commands() { return *commands_; }
    PatternPlayer &player() { return *player_; }
    // The Explore window, made on first use; one for the program's lifetime.
    void showExplore();
    ExploreWindow *explore() const;
    // D: the screen reader says the last run's summary again (how far a run
    // going on has got; before the first run, that nothing is drawn yet).
    void saySummary();

    void Form_Load();
    void cmdStart_Click();
    void cmdKonec_Click();
    void HScroll1_Change(int value);

    void opVelka_Click();
    void op60_Click();
    void op40_Click();
    void op20_Click();
    void op0_Click();
    void opDc200_Click();
    void opDc150_Click();
    void opdc100_Click();
    void op2_Click();
    void op05_Click();
    void op03_Click();
    void op01_Click();
    void opSvětlo_Click();
    void opFoton_Click();
    void opDopad_Click();
    void opRychlá_Click();
    void opPomalejší_Click();
    void opPomalá_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    QWidget *makeControl(const ControlRow &row, QWidget *frame);
    QScrollBar *makeScrollBar(void (frmQuarnel::*handler)(int));
    // Name, place, font, zoom, accessible texts and tooltip, as the row has them.
    void setUpControl(const ControlRow &row, QWidget &control);
    // An option's handler: its setting takes the text the option writes.
    void writeChoice(const char *option);
    void runFinished(RunEnd how, const RunReading &run);

    ScenePicture *picture_ = nullptr;
    RunSession *session_ = nullptr;
    WindowZoom *zoom_ = nullptr;
    PictureCommands *commands_ = nullptr;
    PatternPlayer *player_ = nullptr;
    Announcement *soundNotice_ = nullptr; // the player's notices, for a screen reader
    QPointer<ExploreWindow> explore_;
    std::unique_ptr<CloseRequest> closeRequest_;
    std::array<QLineEdit *, 5> fields_{}; // indexed by Setting
    QString summary_;                     // the last run's, as its end announced it
};
