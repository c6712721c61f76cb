// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runrecord.h"
#include "settings.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QCloseEvent;
class QContextMenuEvent;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class CloseRequest;
class PictureCommands;
class RunDriver;
class ScenePicture;
class WindowZoom;
struct ControlRow;
enum class RunEnd;

// The program's one window. It holds the settings as the texts of five hidden
// text fields, and the picture as a kept image under the controls; every
// control is one row of the control table (controltable.h). The handlers of its
// controls are here; the RunDriver carries out the runs and keeps what waits for
// a run's end (rundriver.h says what may arrive during a run and what becomes of
// it), and the picture's own commands are PictureCommands.
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
    RunDriver &runDriver() { return *driver_; }
    WindowZoom &zoom() { return *zoom_; }
    PictureCommands &commands() { return *commands_; }
    bool isRunning() const;

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
    QLineEdit *field(Setting setting) const;
    void writeSetting(Setting setting, const QString &text);
    // Handlers of an option and the scroll bar: at once, or after the run.
    void optionToggled(QRadioButton *option, void (frmQuarnel::*handler)(), bool checked);
    void scrollBarChanged(QScrollBar *bar, void (frmQuarnel::*handler)(int), int value);
    void scrollBarMoved(QScrollBar *bar, int action);
    void waitForSlowDown(QScrollBar *bar, int value);
    void runStarted();
    void runFinished(RunEnd how);

    ScenePicture *picture_ = nullptr;
    RunDriver *driver_ = nullptr;
    WindowZoom *zoom_ = nullptr;
    PictureCommands *commands_ = nullptr;
    std::unique_ptr<CloseRequest> closeRequest_;
    std::array<QLineEdit *, 5> fields_{};       // indexed by Setting
    std::array<QString, 5> written_;            // what the handlers last wrote, by Setting
    QHash<QWidget *, QRadioButton *> selected_; // each frame's option whose handler ran last
    int scrollBarValue_ = 1;                    // the value whose handler ran last
    std::optional<int> slowDownWaiting_;        // the value the scroll bar takes after the run
    int slowDownsSubmitted_ = 0;
    bool undoing_ = false; // putting back what came during a run
    // The last finished run described, so that the next description says what changed.
    std::optional<RunRecord> describedRun_;
};
