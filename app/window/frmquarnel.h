// SPDX-License-Identifier: MIT
#pragma once

#include "photonrandom.h"
#include "settings.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QContextMenuEvent;
class QLineEdit;
class QRadioButton;
class Pacer;
class RunGate;
class ScenePicture;
struct ControlRow;

// The program's one window. It holds the settings as the texts of five hidden
// text fields, and the picture as a kept image under the controls; every
// control is one row of the control table (controltable.h).
//
// The handlers carry the names of their controls; several of these contain
// Czech letters, which moc cannot read, so they are plain member functions
// connected by pointer, not slots.
//
// Runs. Start performs a whole run inside its handler; while the run is on the
// stack, the run's pacer spins a local event loop that paints and runs timers,
// and the RunGate keeps user input from acting until the run has ended. Nothing
// changes a run's settings once it has started. What can arrive during a run,
// and what becomes of it:
// - Keys, clicks, wheel and shortcuts from the window system: kept by the gate
//   and replayed in order after the run; Escape stops the run instead.
// - Start pressed by code or an accessibility action: held back like a click;
//   it starts one more run after this one, unless the window is closing by then
//   or the run was stopped (then it is dropped).
// - An option selected or the scroll bar set by code, an accessibility action
//   or a timer (an arrow's auto-repeat): undone at once and done again after the run.
// - A text written into a setting field by anything but the handlers: undone.
// - The window system's close request (the title bar's button, Alt+F4, logging
//   out): stops the run; the window closes when the run has unwound, and the
//   program ends. Exit pressed by code: RunningThenClose, the window closes when
//   the run ends.
class frmQuarnel : public QWidget, public Settings {
    Q_OBJECT
public:
    enum class RunState {
        Idle,
        Running,
        RunningThenClose, // a close request came during the run
        Closed,           // the close is decided: no run starts any more
    };

    static const QString caption;

    explicit frmQuarnel(QWidget *parent = nullptr);
    ~frmQuarnel() override;

    // Settings: the current text of the setting's hidden field.
    QString text(Setting setting) const override;

    ScenePicture &picture() { return *picture_; }

    // The zoom, in per cent, one of zoom::steps: every control, its font and the
    // picture are shown that much larger, as laid out. Out of full screen the
    // window takes the zoomed size.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // Full screen at the largest zoom that fits the screen, and back to the zoom before.
    void toggleFullScreen();
    RunState runState() const { return state_; }
    bool isRunning() const { return state_ == RunState::Running || state_ == RunState::RunningThenClose; }
    // The pacer every later run waits through, owned by the caller; nullptr (the
    // default) waits out the slow-down with the window's own EventLoopPacer.
    void setPacer(Pacer *pacer) { pacer_ = pacer; }

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

    // The picture's commands, also in its context menu.
    void copyPicture();
    void savePictureAs();
    void showHelp();
    void showAbout();
    // Writes the picture as a PNG file, whole or not at all; says why it could not.
    bool writePicture(const QString &path, QString *error);

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void buildActions();
    void showPictureMenu(const QPoint &globalPos);
    QWidget *makeControl(const ControlRow &row, QWidget *frame);
    QLineEdit *field(Setting setting) const;
    void writeSetting(Setting setting, const QString &text);
    void runOnce();
    void applyZoom();
    // Handlers of an option and the scroll bar, through the run's gate.
    void optionToggled(QRadioButton *option, void (frmQuarnel::*handler)(), bool checked);
    void scrollBarChanged(void (frmQuarnel::*handler)(int), int value);

    ScenePicture *picture_ = nullptr;
    RunGate *gate_ = nullptr;
    QList<QAction *> pictureActions_; // the context menu's entries, in order
    // Each control's laid-out place and font, which every zoom is made from.
    struct LaidOut {
        QWidget *control;
        QRect geometry;
        QFont font;
    };
    std::vector<LaidOut> laidOut_;
    int zoom_ = 100;
    int zoomOutOfFullScreen_ = 100;
    QPointer<QWidget> help_;
    std::array<QLineEdit *, 5> fields_{};  // indexed by Setting
    std::array<QString, 5> written_;       // what the handlers last wrote, by Setting
    QHash<QWidget *, QRadioButton *> selected_; // each frame's option whose handler ran last
    int scrollBarValue_ = 1;               // the value whose handler ran last
    bool undoing_ = false;                 // putting back what came during a run

    PhotonRandom random_; // the one generator of the program's lifetime
    RunState state_ = RunState::Idle;
    Pacer *pacer_ = nullptr;
};
