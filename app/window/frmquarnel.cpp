// SPDX-License-Identifier: MIT
#include "window/frmquarnel.h"

#include "accessibility/accessibility.h"
#include "window/captionfit.h"
#include "window/controltable.h"
#include "run/eventlooppacer.h"
#include "window/framebox.h"
#include "commands/helpwindow.h"
#include "accessibility/picturedescription.h"
#include "quarnelinfo.h"
#include "run.h"
#include "run/rungate.h"
#include "run/runtrace.h"
#include "picture/scenepicture.h"
#include "picture/surfacelabel.h"
#include "picture/zoom.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QStandardPaths>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

const QString frmQuarnel::caption = QStringLiteral("Quarnel  - " QUARNEL_HOMEPAGE_URL);

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

// A text of the control table in the user's language; as it is where no
// translation has it.
QString translated(const char *text) { return QCoreApplication::translate("frmQuarnel", text); }

QString captionOf(const ControlRow &row)
{
    if (row.kind == ControlKind::Field)
        return fromUtf8(row.caption); // a setting's text, never a word to translate
    if (row.kind == ControlKind::Option)
        return QCoreApplication::translate("SettingCaption", row.caption);
    return translated(row.caption);
}
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

    gate_ = new RunGate(*this);
    buildControls();
    buildActions();
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
        // With fallback fonts wider than the laid-out ones, captions are set smaller.
        if (!layoutFontsPresent())
            shrinkToFit(*control);
        if (neverShown(row))
            markNeverShown(*control);
        if (auto *label = qobject_cast<SurfaceLabel *>(control))
            label->setLaidOut(row.geometry, control->font());
        else
            laidOut_.push_back({control, row.geometry, control->font()});
        control->setAccessibleName(row.accessibleName ? translated(row.accessibleName) : captionOf(row));
        if (row.accessibleDescription)
            control->setAccessibleDescription(translated(row.accessibleDescription));
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
    const QString caption = captionOf(row);
    const auto makeLabel = [&] {
        auto *label = new SurfaceLabel(caption, this);
        if (row.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    };
    switch (row.kind) {
    case ControlKind::Picture:
        picture_ = new ScenePicture(this);
        return picture_;
    case ControlKind::Label: {
        SurfaceLabel *label = makeLabel();
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
        SurfaceLabel *label = makeLabel();
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
        const ValueHandler handler = std::get<ValueHandler>(row.handler);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, handler](int value) { scrollBarChanged(handler, value); });
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
        connect(option, &QRadioButton::toggled, this,
                [this, option, handler](bool checked) { optionToggled(option, handler, checked); });
        return option;
    }
    case ControlKind::Field: {
        // A field only holds its setting and is never shown. With nothing to
        // display it lays out no text: each text written to it would otherwise
        // be shaped, its glyphs loaded and hinted, before the window appears.
        auto *edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::NoEcho);
        edit->setReadOnly(true);
        const auto index = std::size_t(std::get<Setting>(row.holds));
        written_[index] = caption;
        markNeverShown(*edit); // before its first text, which is not announced
        edit->setText(caption);
        fields_[index] = edit;
        // Only the handlers write a setting: any other text is taken back at once.
        connect(edit, &QLineEdit::textChanged, this, [this, edit, index](const QString &text) {
            if (text != written_[index])
                edit->setText(written_[index]);
        });
        return edit;
    }
    }
    Q_UNREACHABLE();
}

QLineEdit *frmQuarnel::field(Setting setting) const { return fields_[std::size_t(setting)]; }

QString frmQuarnel::text(Setting setting) const { return field(setting)->text(); }

void frmQuarnel::writeSetting(Setting setting, const QString &text)
{
    written_[std::size_t(setting)] = text;
    field(setting)->setText(text);
}

void frmQuarnel::optionToggled(QRadioButton *option, void (frmQuarnel::*handler)(), bool checked)
{
    if (!checked || undoing_)
        return;
    QWidget *frame = option->parentWidget();
    if (!isRunning()) {
        selected_[frame] = option;
        (this->*handler)();
        return;
    }
    // Selected during a run: the run's option comes back now, this one after the run.
    if (QRadioButton *previous = selected_.value(frame)) {
        const QScopedValueRollback undoing(undoing_, true);
        previous->setChecked(true);
    }
    gate_->holdBack([option] { option->setChecked(true); });
}

void frmQuarnel::scrollBarChanged(void (frmQuarnel::*handler)(int), int value)
{
    if (undoing_)
        return;
    if (!isRunning()) {
        scrollBarValue_ = value;
        (this->*handler)(value);
        return;
    }
    auto *bar = qobject_cast<QScrollBar *>(sender());
    if (!bar)
        return;
    {
        const QScopedValueRollback undoing(undoing_, true);
        bar->setValue(scrollBarValue_);
    }
    gate_->holdBack([bar = QPointer<QScrollBar>(bar), value] {
        if (bar)
            bar->setValue(value);
    });
}

void frmQuarnel::buildActions()
{
    struct ActionRow {
        const char *name;
        const char *text;
        QList<QKeySequence> keys;
        void (frmQuarnel::*handler)();
    };
    const ActionRow rows[] = {
        {"copyPicture", QT_TR_NOOP("&Copy picture"), QKeySequence::keyBindings(QKeySequence::Copy),
         &frmQuarnel::copyPicture},
        {"savePicture", QT_TR_NOOP("&Save picture as..."), QKeySequence::keyBindings(QKeySequence::Save),
         &frmQuarnel::savePictureAs},
        {nullptr, nullptr, {}, nullptr},
        {"zoomIn", QT_TR_NOOP("Zoom &in"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &frmQuarnel::zoomIn},
        {"zoomOut", QT_TR_NOOP("Zoom &out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &frmQuarnel::zoomOut},
        {"zoomReset", QT_TR_NOOP("&Normal size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
         &frmQuarnel::zoomReset},
        {"fullScreen", QT_TR_NOOP("&Full screen"), {QKeySequence(Qt::Key_F11)},
         &frmQuarnel::toggleFullScreen},
        {nullptr, nullptr, {}, nullptr},
        {"help", QT_TR_NOOP("&Help"), QKeySequence::keyBindings(QKeySequence::HelpContents),
         &frmQuarnel::showHelp},
        {"about", QT_TR_NOOP("&About Quarnel"), {}, &frmQuarnel::showAbout},
    };
    for (const ActionRow &row : rows) {
        if (!row.name) {
            pictureActions_ << nullptr; // a separator
            continue;
        }
        auto *action = new QAction(tr(row.text), this);
        action->setObjectName(QString::fromLatin1(row.name));
        action->setShortcuts(row.keys);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, row.handler);
        addAction(action);
        pictureActions_ << action;
    }
    // The menu from the keyboard, where the window system sends no menu key of its own.
    auto *menuKey = new QAction(this);
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this,
            [this] { showPictureMenu(picture_->mapToGlobal(picture_->rect().center())); });
    addAction(menuKey);
}

void frmQuarnel::setZoom(int percent)
{
    if (std::find(zoom::steps.begin(), zoom::steps.end(), percent) == zoom::steps.end()
        || percent == zoom_)
        return;
    zoom_ = percent;
    applyZoom();
}

void frmQuarnel::applyZoom()
{
    for (const LaidOut &control : laidOut_) {
        control.control->setGeometry(zoom::scaled(control.geometry, zoom_));
        control.control->setFont(zoom::scaled(control.font, zoom_));
    }
    // The labels with the picture, which knows where a run has moved them.
    picture_->setZoom(zoom_);
    if (!isFullScreen())
        resize(zoom::scaled(sceneSize, zoom_));
}

void frmQuarnel::zoomIn() { setZoom(zoom::next(zoom_, +1)); }
void frmQuarnel::zoomOut() { setZoom(zoom::next(zoom_, -1)); }
void frmQuarnel::zoomReset() { setZoom(zoom::steps.front()); }

void frmQuarnel::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        setZoom(zoomOutOfFullScreen_);
        return;
    }
    zoomOutOfFullScreen_ = zoom_;
    const QScreen *shownOn = screen();
    setZoom(zoom::largestFitting(sceneSize, shownOn ? shownOn->geometry().size() : size()));
    showFullScreen();
}

void frmQuarnel::contextMenuEvent(QContextMenuEvent *event)
{
    showPictureMenu(event->globalPos());
}

void frmQuarnel::showPictureMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.setAccessibleName(tr("Picture"));
    for (QAction *action : std::as_const(pictureActions_)) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
    menu.exec(globalPos);
}

void frmQuarnel::copyPicture() { QGuiApplication::clipboard()->setImage(picture_->canvas().image()); }

void frmQuarnel::savePictureAs()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = QFileDialog::getSaveFileName(this, tr("Save picture as"),
                                                QDir(folder).filePath(tr("interference.png")),
                                                tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".png");
    QString error;
    if (!writePicture(path, &error))
        QMessageBox::warning(this, caption,
                             tr("The picture could not be saved as \"%1\": %2")
                                 .arg(QDir::toNativeSeparators(path), error));
}

bool frmQuarnel::writePicture(const QString &path, QString *error)
{
    // Written to a temporary file beside the target and renamed over it only when whole.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && picture_->canvas().image().save(&file, "PNG") && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

void frmQuarnel::showHelp()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmQuarnel::showAbout()
{
    QMessageBox::about(
        this, tr("About Quarnel"),
        tr("<h3>Quarnel %1</h3>"
           "<p>A teaching program that shows the interference of light behind two slits.</p>"
           "<p>Licence: MIT</p>"
           "<p><a href=\"%2\">%2</a></p>"
           "<p>Qt %3</p>")
            .arg(QStringLiteral(QUARNEL_VERSION_STRING), QStringLiteral(QUARNEL_HOMEPAGE_URL),
                 QString::fromLatin1(qVersion())));
}

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
    // A press made during a run that was stopped is dropped with it.
    if (gate_->replayingStoppedRun())
        return;
    switch (state_) {
    case RunState::Closed:
    case RunState::RunningThenClose:
        // A press queued behind Exit or a close starts no run: a run's local
        // event loop would drop the quit that the closing posted, and the
        // program would go on with no window.
        return;
    case RunState::Running:
        // A press that reaches the window during a run (never real input, which
        // the gate keeps) starts its run after this one, as a held click does.
        gate_->holdBack([this] { cmdStart_Click(); });
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
}

namespace {
// The window's pacer, or one given for tests, stopped through the run's gate.
class GatedPacer : public Pacer {
public:
    GatedPacer(Pacer &pacer, const RunGate &gate) : pacer_(pacer), gate_(gate) {}
    void countDown(long long steps) override { pacer_.countDown(steps); }
    bool stopRequested() const override { return gate_.stopRequested(); }

private:
    Pacer &pacer_;
    const RunGate &gate_;
};
} // namespace

void frmQuarnel::runOnce()
{
    RunTrace trace(*this);
    picture_->prepareRun();
    state_ = RunState::Running;
    gate_->shut();
    RunEnd end = RunEnd::Finished;
    try {
        EventLoopPacer ownPacer(*picture_);
        GatedPacer pacer(pacer_ ? *pacer_ : ownPacer, *gate_);
        end = PerformRun(picture_->canvas(), *this, *picture_, random_, pacer, picture_);
        picture_->setAccessibleDescription(describePicture(picture_->lastRun(), *this));
    } catch (const SettingNotNumber &error) {
        QMessageBox::warning(this, caption,
                             tr("The run stopped: the setting text \"%1\" is not a number.")
                                 .arg(error.text));
    } catch (const SettingOutOfRange &error) {
        QMessageBox::warning(this, caption,
                             tr("The run stopped: the setting text \"%1\" is not a value of its control.")
                                 .arg(error.text));
    }
    picture_->renderPendingLabels();
    if (end == RunEnd::Stopped)
        trace.setStopped();
    gate_->open(end == RunEnd::Stopped);
}

void frmQuarnel::cmdKonec_Click() { close(); }

void frmQuarnel::closeEvent(QCloseEvent *event)
{
    // A close that reaches the window during a run takes effect when the run
    // ends; the window system's close request also stops the run at once.
    if (isRunning()) {
        state_ = RunState::RunningThenClose;
        if (event->spontaneous())
            gate_->requestStop();
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
