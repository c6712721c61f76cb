#include "frmquarnel.h"

#include "accessibility.h"
#include "appearance.h"
#include "controltable.h"
#include "eventlooppacer.h"
#include "framebox.h"
#include "picturedescription.h"
#include "run.h"
#include "runtrace.h"
#include "scenepicture.h"
#include "surfacelabel.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

const QString frmQuarnel::caption = QStringLiteral("Quarnel  - https://quarnel.org");

namespace {
// Every laid-out font is bold.
QFont layoutFont(const ControlFont &font)
{
    QFont f(QString::fromLatin1(font.family));
    f.setPointSizeF(font.points);
    f.setWeight(QFont::Bold);
    return f;
}

QString fromUtf8(const char *text) { return QString::fromUtf8(text); }
} // namespace

frmQuarnel::frmQuarnel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmQuarnel"));
    setWindowTitle(caption);
    // The layout is fixed left to right, whatever the language or -reverse say.
    setLayoutDirection(Qt::LeftToRight);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, toQColor(colours::silver));
    silver.setColor(QPalette::WindowText, Qt::black);
    setPalette(silver);
    setAutoFillBackground(true);
    setFont(dialogFont());
    resize(sceneSize);
    installAccessibleInterfaces();

    buildControls();
    Form_Load();
    setUpAccessibility(*this);
}

frmQuarnel::~frmQuarnel() = default;

void frmQuarnel::buildControls()
{
    std::vector<std::pair<int, QWidget *>> tabChain;
    QWidget *frame = nullptr; // the frame the option rows that follow belong to
    for (const ControlRow &row : controlTable()) {
        QWidget *control = makeControl(row, frame);
        control->setObjectName(fromUtf8(row.name));
        control->setGeometry(row.geometry);
        if (row.font.family)
            control->setFont(layoutFont(row.font));
        else if (row.kind == ControlKind::Option)
            control->setFont(font()); // the window's, not the frame's bold one
        if (!row.visible)
            control->setVisible(false);
        if (neverShown(row))
            markNeverShown(*control);
        control->setAccessibleName(row.accessibleName ? fromUtf8(row.accessibleName)
                                                      : fromUtf8(row.caption));
        if (row.accessibleDescription)
            control->setAccessibleDescription(fromUtf8(row.accessibleDescription));
        if (row.kind == ControlKind::Frame)
            frame = control;
        if (control->focusPolicy() != Qt::NoFocus)
            tabChain.emplace_back(row.tabIndex, control);
    }
    std::stable_sort(tabChain.begin(), tabChain.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1].second, tabChain[i].second);
    findChild<QWidget *>(QStringLiteral("cmdStart"))->setFocus();
}

QWidget *frmQuarnel::makeControl(const ControlRow &row, QWidget *frame)
{
    const QString caption = fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Picture:
        picture_ = new ScenePicture(this);
        return picture_;
    case ControlKind::Label: {
        auto *label = new SurfaceLabel(caption, this);
        if (row.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (!row.font.family) {
            // No colours of its own: the desktop's label colours, not the window's silver.
            QPalette colours = label->palette();
            const QPalette defaults = QApplication::palette("QLabel");
            colours.setColor(QPalette::Window, defaults.color(QPalette::Window));
            colours.setColor(QPalette::WindowText, defaults.color(QPalette::WindowText));
            label->setPalette(colours);
        }
        picture_->addSurfaceLabel(label);
        return label;
    }
    case ControlKind::SceneLabel: {
        auto *label = new SurfaceLabel(caption, this);
        if (row.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        picture_->addSceneLabel(std::get<SceneLabel>(row.holds), label);
        return label;
    }
    case ControlKind::PushButton: {
        auto *button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, std::get<ClickHandler>(row.handler));
        return button;
    }
    case ControlKind::ScrollBar: {
        auto *bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(1, 20);
        bar->setValue(1);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // Only a settled value counts, not each step of a thumb drag.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::StrongFocus);
        connect(bar, &QScrollBar::valueChanged, this, std::get<ValueHandler>(row.handler));
        return bar;
    }
    case ControlKind::Frame: {
        auto *box = new FrameBox(caption, this);
        box->setAutoFillBackground(true);
        return box;
    }
    case ControlKind::Option: {
        auto *option = new QRadioButton(caption, frame);
        // Selecting a button, by a click, a key or in code, runs its handler at once.
        const ClickHandler handler = std::get<ClickHandler>(row.handler);
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
        return option;
    }
    case ControlKind::Field: {
        // A field only holds its setting and is never shown. With nothing to
        // display it lays out no text: each text written to it would otherwise
        // be shaped, its glyphs loaded and hinted, before the window appears.
        auto *edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::NoEcho);
        markNeverShown(*edit); // before its first text, which is not announced
        edit->setText(caption);
        fields_[std::size_t(std::get<Setting>(row.holds))] = edit;
        return edit;
    }
    }
    Q_UNREACHABLE();
}

QLineEdit *frmQuarnel::field(Setting setting) const { return fields_[std::size_t(setting)]; }

QString frmQuarnel::text(Setting setting) const { return field(setting)->text(); }

void frmQuarnel::writeSetting(Setting setting, const QString &text) { field(setting)->setText(text); }

void frmQuarnel::Form_Load()
{
    findChild<QRadioButton *>(QStringLiteral("op60"))->setChecked(true);
    findChild<QRadioButton *>(QStringLiteral("opDc200"))->setChecked(true);
    findChild<QRadioButton *>(QStringLiteral("op2"))->setChecked(true);
    findChild<QRadioButton *>(QString::fromUtf8("opSvětlo"))->setChecked(true);
    findChild<QRadioButton *>(QString::fromUtf8("opRychlá"))->setChecked(true);
    writeSetting(Setting::nSpomaleni, QStringLiteral("1"));
}

void frmQuarnel::cmdStart_Click()
{
    switch (state_) {
    case RunState::Closed:
    case RunState::RunningThenClose:
        // A press queued behind Exit or a close starts no run: a run's local
        // event loop would drop the quit that the closing posted, and the
        // program would go on with no window.
        return;
    case RunState::Running:
        // A press that reaches the window during a run (never real input, which
        // the run holds back) starts its run after this one, as a held click would.
        ++pendingStarts_;
        return;
    case RunState::Idle:
        break;
    }
    runOnce();
    if (state_ == RunState::RunningThenClose) {
        state_ = RunState::Closed;
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    state_ = RunState::Idle;
    if (pendingStarts_ > 0) {
        --pendingStarts_;
        QTimer::singleShot(0, this, &frmQuarnel::cmdStart_Click);
    }
}

void frmQuarnel::runOnce()
{
    const RunTrace trace(*this);
    picture_->prepareRun();
    state_ = RunState::Running;
    try {
        EventLoopPacer ownPacer(*picture_);
        PerformRun(picture_->canvas(), *this, *picture_, random_, pacer_ ? *pacer_ : ownPacer, picture_);
        picture_->setAccessibleDescription(describePicture(picture_->lastRun(), *this));
    } catch (const SettingNotNumber &error) {
        QMessageBox::warning(this, caption,
                             tr("The run stopped: the setting text \"%1\" is not a number.")
                                 .arg(error.text));
    }
    picture_->renderPendingLabels();
    // Input held back during the run waits in the queue until the loop wakes.
    QCoreApplication::eventDispatcher()->wakeUp();
}

void frmQuarnel::cmdKonec_Click() { close(); }

void frmQuarnel::closeEvent(QCloseEvent *event)
{
    // A close that reaches the window during a run takes effect when the run ends.
    if (isRunning()) {
        state_ = RunState::RunningThenClose;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted())
        state_ = RunState::Closed;
}

void frmQuarnel::resizeEvent(QResizeEvent *event)
{
    picture_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void frmQuarnel::HScroll1_Change(int value)
{
    writeSetting(Setting::nSpomaleni, QString::number(value));
}

void frmQuarnel::opVelka_Click() { writeSetting(Setting::nOdchylka, QStringLiteral("40")); }
void frmQuarnel::op60_Click() { writeSetting(Setting::nOdchylka, QStringLiteral("15")); }
void frmQuarnel::op40_Click() { writeSetting(Setting::nOdchylka, QStringLiteral("10")); }
void frmQuarnel::op20_Click() { writeSetting(Setting::nOdchylka, QStringLiteral("5")); }
void frmQuarnel::op0_Click() { writeSetting(Setting::nOdchylka, QStringLiteral("0")); }
void frmQuarnel::opDc200_Click() { writeSetting(Setting::nVzdalenost, QStringLiteral("200")); }
void frmQuarnel::opDc150_Click() { writeSetting(Setting::nVzdalenost, QStringLiteral("150")); }
void frmQuarnel::opdc100_Click() { writeSetting(Setting::nVzdalenost, QStringLiteral("100")); }
void frmQuarnel::op2_Click() { writeSetting(Setting::nKmitočet, QStringLiteral("2")); }
void frmQuarnel::op05_Click() { writeSetting(Setting::nKmitočet, numberText(0.5)); }
void frmQuarnel::op03_Click() { writeSetting(Setting::nKmitočet, numberText(0.3)); }
void frmQuarnel::op01_Click() { writeSetting(Setting::nKmitočet, numberText(0.1)); }
void frmQuarnel::opSvětlo_Click() { writeSetting(Setting::nInterference, QStringLiteral("0")); }
void frmQuarnel::opFoton_Click() { writeSetting(Setting::nInterference, QStringLiteral("1")); }
void frmQuarnel::opDopad_Click() { writeSetting(Setting::nInterference, QStringLiteral("2")); }
void frmQuarnel::opRychlá_Click() { writeSetting(Setting::nSpomaleni, QStringLiteral("1")); }
void frmQuarnel::opPomalejší_Click() { writeSetting(Setting::nSpomaleni, QStringLiteral("10")); }
void frmQuarnel::opPomalá_Click() { writeSetting(Setting::nSpomaleni, QStringLiteral("20")); }
