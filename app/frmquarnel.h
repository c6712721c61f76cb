#pragma once

#include "photonrandom.h"
#include "settings.h"

#include <QWidget>
#include <array>

class QLineEdit;
class Pacer;
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
// stack, the run's pacer spins a local event loop that paints and runs timers
// but holds back user input, which reaches the window, in order, after the run.
// What can still arrive during a run, and what becomes of it:
// - Start pressed by code or an accessibility action: counted; each such press
//   starts one more run after this one, unless the window is closing by then.
// - The close request (the title bar's button, Exit by code): ignored for now;
//   the state becomes RunningThenClose and the window closes when the run ends.
// - Keys, clicks and the scroll bar's input: held back with the other input.
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

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    QWidget *makeControl(const ControlRow &row, QWidget *frame);
    QLineEdit *field(Setting setting) const;
    void writeSetting(Setting setting, const QString &text);
    void runOnce();

    ScenePicture *picture_ = nullptr;
    std::array<QLineEdit *, 5> fields_{}; // indexed by Setting

    PhotonRandom random_; // the one generator of the program's lifetime
    RunState state_ = RunState::Idle;
    int pendingStarts_ = 0;
    Pacer *pacer_ = nullptr;
};
