#pragma once

#include "labels.h"
#include "photonrandom.h"
#include "settings.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Pacer;
class ScenePicture;
class SurfaceLabel;

// The program's one window. It holds the settings as the texts of five hidden
// text fields, and the picture as a kept image under the controls.
//
// The handlers carry the names of their controls; several of these contain
// Czech letters, which moc cannot read, so they are plain member functions
// connected by pointer, not slots.
class frmQuarnel : public QWidget, public Settings, public SceneLabels {
    Q_OBJECT
public:
    static const QString caption;
    // The whole scene must show: it reaches x 800 and y 580.
    static constexpr QSize initialClientSize{801, 581};

    explicit frmQuarnel(QWidget *parent = nullptr);
    ~frmQuarnel() override;

    // Settings: the current text of the setting's hidden field.
    QString text(Setting setting) const override;

    // SceneLabels, as the run's last step sets them.
    void showLabel(SceneLabel label, bool visible) override;
    void setLabelLeft(SceneLabel label, float x) override;
    void setLabelTop(SceneLabel label, float y) override;

    ScenePicture &picture() { return *picture_; }
    bool isRunning() const { return running_; }
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
    QLineEdit *field(Setting setting) const;
    void writeSetting(Setting setting, const QString &text);
    SurfaceLabel *sceneLabel(SceneLabel label) const;
    // Renders the visible labels that were shown or moved into the picture.
    void renderPendingLabels();
    // Renders the labels shown from the start into the picture, once.
    void paintInitialLabels();
    void runOnce();

    ScenePicture *picture_ = nullptr;
    SurfaceLabel *labInterference_ = nullptr;
    SurfaceLabel *labKlepnete_ = nullptr;
    SurfaceLabel *Label1_ = nullptr;
    QPushButton *cmdStart_ = nullptr;
    QPushButton *cmdKonec_ = nullptr;
    QScrollBar *HScroll1_ = nullptr;
    std::array<QLineEdit *, 5> fields_{};        // indexed by Setting
    std::array<SurfaceLabel *, 8> sceneLabels_{}; // indexed by SceneLabel
    std::array<bool, 8> labelPending_{};

    PhotonRandom random_; // the one generator of the program's lifetime
    bool running_ = false;
    bool initialLabelsPainted_ = false;
    int pendingStarts_ = 0;
    bool closeAfterRun_ = false;
    bool closed_ = false; // the close was accepted: the program is ending
    Pacer *pacer_ = nullptr;
};
