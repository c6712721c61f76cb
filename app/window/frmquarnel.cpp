// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/frmquarnel.h"

#include "accessibility/accessibility.h"
#include "accessibility/announcement.h"
#include "accessibility/picturedescription.h"
#include "accessibility/runannouncement.h"
#include "accessibility/settingcaptions.h"
#include "commands/picturecommands.h"
#include "explore/explorewindow.h"
#include "picture/scenepicture.h"
#include "picture/surfacelabel.h"
#include "picture/windowzoom.h"
#include "quarnelinfo.h"
#include "run/runsession.h"
#include "sound/patternplayer.h"
#include "window/captionfit.h"
#include "window/closerequest.h"
#include "window/controltable.h"
#include "window/framebox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <tuple>
#include <vector>

const QString frmQuarnel::caption = QStringLiteral("Quarnel  - " QUARNEL_HOMEPAGE_URL);

namespace {
// No colours of its own: the desktop's label colours, not the window's silver.
void useDesktopLabelColours(QWidget &label)
{
    QPalette colours = label.palette();
    const QPalette defaults = QApplication::palette("QLabel");
    colours.setColor(QPalette::Window, defaults.color(QPalette::Window));
    colours.setColor(QPalette::WindowText, defaults.color(QPalette::WindowText));
    label.setPalette(colours);
}

// A text of the control table in the user's language; as it is where no
// translation has it.
QString translated(const char *text) { return QCoreApplication::translate("frmQuarnel", text); }

QString captionOf(const ControlRow &row)
{
    if (row.kind == ControlKind::Field)
        return QString::fromUtf8(row.caption); // a setting's text, never a word to translate
    if (const auto *choice = std::get_if<const Choice *>(&row.holds))
        return translatedCaption(**choice);
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

    picture_ = new ScenePicture(this);
    zoom_ = new WindowZoom(*this, *picture_);
    session_ = new RunSession(*picture_, this);
    player_ = new PatternPlayer(*session_, this);
    buildControls();
    // Escape also silences the pattern that H plays; Ctrl+Q waits for the run's end as Exit does.
    commands_ = new PictureCommands(
        *this, *picture_, *zoom_,
        {[this] { cmdStart_Click(); },
         [this] {
             session_->stopRun();
             player_->stop();
         },
         [this] { cmdKonec_Click(); }, [this] { showExplore(); }, [this] { player_->play(); },
         [this] { player_->play(PatternPlayer::slowly); }, [this] { saySummary(); }});
    connect(session_, &RunSession::started, this, [this] {
        setCursor(Qt::BusyCursor);
        setBusy(*picture_, true);
    });
    connect(session_, &RunSession::finished, this, &frmQuarnel::runFinished);
    // A word at each quarter of a slow run, so that a long silence is not taken for a hang.
    connect(session_, &RunSession::progressed, this,
            [this](int quarters) { announce(*this, runProgressAnnouncement(quarters)); });
    connect(session_, &RunSession::refused, this, [this](const QString &why) {
        auto *box = new QMessageBox(QMessageBox::Warning, caption, why, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    // The hidden fields show the chosen settings.
    connect(session_, &RunSession::chosen, this,
            [this](Setting setting, const QString &text) { fields_[std::size_t(setting)]->setText(text); });
    // Why H plays nothing, or plays later: beside the picture and to the screen
    // reader, without a sound. Told by a notification of its own: a point's tone
    // fails a moment after Explore has said the point (N), and in the one
    // notification the failure took the point's place before Orca read it.
    connect(player_, &PatternPlayer::notice, this, [this](const QString &text) {
        QToolTip::showText(picture_->mapToGlobal(picture_->rect().center()), text, picture_);
        soundNotice_->say(text);
    });
    closeRequest_ = std::make_unique<CloseRequest>(*this, [this] {
        session_->close();
        close();
    });

    Form_Load();
    setUpAccessibility(*this);
    // After the window's own notification, which announce() finds first.
    soundNotice_ = new Announcement(this);
    soundNotice_->setObjectName(QStringLiteral("soundAnnouncement"));
}

// Explore is a window of its own, not the main window's child: it goes first,
// while the picture its mark lies on and the session it reads are still there.
frmQuarnel::~frmQuarnel() { delete explore_; }

ExploreWindow *frmQuarnel::explore() const { return explore_; }

void frmQuarnel::showExplore()
{
    if (!explore_) {
        explore_ = new ExploreWindow(*session_, *picture_, *zoom_, *this);
        commands_->installOn(*explore_);
        connect(explore_, &ExploreWindow::toneWanted, player_, &PatternPlayer::playTone);
    }
    explore_->show();
    explore_->raise();
    explore_->activateWindow();
}

void frmQuarnel::buildControls()
{
    // An option's place in the Tab order is its frame's: each group is one stop,
    // at the same place whichever option is selected (Tab enters it at that
    // option, the arrow keys move within it); its own index orders it in the group.
    struct Stop {
        int place;
        int index;
        QWidget *control;
    };
    std::vector<Stop> tabChain;
    QWidget *frame = nullptr; // the frame the option rows that follow belong to
    int framePlace = 0;
    for (const ControlRow &row : controlTable()) {
        QWidget *control = makeControl(row, frame);
        setUpControl(row, *control);
        if (row.kind == ControlKind::Frame) {
            frame = control;
            framePlace = row.tabIndex;
        }
        if (control->focusPolicy() != Qt::NoFocus)
            tabChain.push_back(
                {row.kind == ControlKind::Option ? framePlace : row.tabIndex, row.tabIndex, control});
    }
    std::stable_sort(tabChain.begin(), tabChain.end(), [](const Stop &a, const Stop &b) {
        return std::tie(a.place, a.index) < std::tie(b.place, b.index);
    });
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1].control, tabChain[i].control);
    findChild<QWidget *>(QStringLiteral("cmdStart"))->setFocus();
}

QScrollBar *frmQuarnel::makeScrollBar(ValueHandler handler)
{
    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setRange(1, 20); // at 1 from the start
    bar->setPageStep(1);
    // Only a settled value counts, not each step of a thumb drag.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    connect(bar, &QScrollBar::valueChanged, this, handler);
    return bar;
}

void frmQuarnel::setUpControl(const ControlRow &row, QWidget &control)
{
    control.setObjectName(QString::fromUtf8(row.name));
    control.setGeometry(row.geometry);
    if (row.font.family) {
        QFont laidOut(QString::fromLatin1(row.font.family), -1, QFont::Bold); // every laid-out font is bold
        laidOut.setPointSizeF(row.font.points);
        control.setFont(laidOut);
    } else if (row.kind == ControlKind::Option)
        control.setFont(font()); // the window's, not the frame's bold one
    if (!row.visible)
        control.setVisible(false);
    // A translated caption, or any with fallback fonts wider than the laid-out
    // ones, is set smaller until it fits its box: a word that fits is better
    // than a shorter one that loses its meaning. The English captions fit as
    // laid out, and keep their fonts.
    if (!layoutFontsPresent() || captionOf(row) != QString::fromUtf8(row.caption))
        shrinkToFit(control);
    if (neverShown(row))
        markNeverShown(control);
    if (auto *label = qobject_cast<SurfaceLabel *>(&control))
        label->setLaidOut(row.geometry, control.font());
    else
        zoom_->add(&control, row.geometry, control.font());
    control.setAccessibleName(row.accessibleName ? translated(row.accessibleName)
                                                 : withoutSoftHyphens(captionOf(row)));
    if (row.accessibleDescription) {
        // An option's value given as its setting holds it.
        const QString text = translated(row.accessibleDescription);
        const auto *choice = std::get_if<const Choice *>(&row.holds);
        control.setAccessibleDescription(
            choice && text.contains(QLatin1String("%1")) ? text.arg(choiceText(**choice)) : text);
    }
    // The picture lets the pointer through to the window: the window shows its
    // tooltip, wherever no control shows one of its own.
    const char *toolTip = row.toolTip ? row.toolTip : row.accessibleDescription;
    if (toolTip && !neverShown(row))
        (row.kind == ControlKind::Picture ? static_cast<QWidget *>(this) : &control)
            ->setToolTip(translated(toolTip));
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
        return picture_;
    case ControlKind::Label: {
        SurfaceLabel *label = makeLabel();
        if (!row.font.family)
            useDesktopLabelColours(*label);
        picture_->addSurfaceLabel(label);
        return label;
    }
    case ControlKind::SceneLabel: {
        SurfaceLabel *label = makeLabel();
        picture_->addSceneLabel(std::get<SceneLabel>(row.holds), label);
        return label;
    }
    case ControlKind::PushButton: {
        // Outside a dialog a push button is neither default nor auto-default.
        auto *button = new QPushButton(caption, this);
        connect(button, &QPushButton::clicked, this, std::get<ClickHandler>(row.handler));
        return button;
    }
    case ControlKind::ScrollBar:
        return makeScrollBar(std::get<ValueHandler>(row.handler));
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
        edit->setReadOnly(true);
        const Setting setting = std::get<Setting>(row.holds);
        session_->choose(setting, caption);
        markNeverShown(*edit); // before its first text, which is not announced
        edit->setText(caption);
        fields_[std::size_t(setting)] = edit;
        // Only the handlers write a setting: any other text is taken back at once.
        connect(edit, &QLineEdit::textChanged, this, [this, edit, setting](const QString &text) {
            if (text != session_->text(setting))
                edit->setText(session_->text(setting));
        });
        return edit;
    }
    }
    Q_UNREACHABLE();
}

QString frmQuarnel::text(Setting setting) const { return fields_[std::size_t(setting)]->text(); }

void frmQuarnel::writeChoice(const char *option)
{
    const Choice &choice = choiceNamed(option);
    session_->choose(choice.setting, choiceText(choice));
}

void frmQuarnel::Form_Load()
{
    for (const char *option : {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"})
        findChild<QRadioButton *>(QString::fromUtf8(option))->setChecked(true);
    session_->choose(Setting::nSpomaleni, QStringLiteral("1"));
}

void frmQuarnel::cmdStart_Click() { session_->start(); }

void frmQuarnel::cmdKonec_Click()
{
    session_->exit([this] { close(); });
}

void frmQuarnel::runFinished(RunEnd how, const RunReading &run)
{
    unsetCursor();
    setBusy(*picture_, false);
    if (how == RunEnd::Refused)
        return; // the message box says why
    // What changed since the whole run before this one.
    const RunReading *before =
        how == RunEnd::Finished ? session_->previousWholeRun() : session_->lastWholeRun();
    picture_->setAccessibleDescription(describePicture(run, before));
    summary_ = summarizePicture(run, before);
    // Heard wherever the focus is; not while the window closes.
    if (session_->state() != RunDriver::State::Closed)
        announce(*this,
                 how == RunEnd::Finished ? runFinishedAnnouncement(run, before)
                                         : runStoppedAnnouncement(run.run));
}

void frmQuarnel::saySummary()
{
    if (session_->isRunning())
        announce(*this, runGoingOnAnnouncement(session_->currentRun()));
    else
        announce(*this, summary_.isEmpty() ? describeEmptyPicture() : summary_);
}

void frmQuarnel::closeEvent(QCloseEvent *event)
{
    // Exit, or a close by code, during a run: the window closes when the run ends.
    if (session_->isRunning() && !event->spontaneous()) {
        event->ignore();
        cmdKonec_Click();
        return;
    }
    // The window system's close request ends a run and the program at once.
    session_->close();
    if (explore_)
        explore_->close();
    // The help, About and the dialogs go with the window (a help left open kept the program running).
    commands_->closeWindows();
    for (QDialog *dialog : findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
        dialog->close();
    QWidget::closeEvent(event);
}

void frmQuarnel::contextMenuEvent(QContextMenuEvent *event) { commands_->showMenu(event->globalPos()); }

void frmQuarnel::resizeEvent(QResizeEvent *event)
{
    picture_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void frmQuarnel::HScroll1_Change(int value) { session_->choose(Setting::nSpomaleni, QString::number(value)); }

void frmQuarnel::opVelka_Click() { writeChoice("opVelka"); }
void frmQuarnel::op60_Click() { writeChoice("op60"); }
void frmQuarnel::op40_Click() { writeChoice("op40"); }
void frmQuarnel::op20_Click() { writeChoice("op20"); }
void frmQuarnel::op0_Click() { writeChoice("op0"); }
void frmQuarnel::opDc200_Click() { writeChoice("opDc200"); }
void frmQuarnel::opDc150_Click() { writeChoice("opDc150"); }
void frmQuarnel::opdc100_Click() { writeChoice("opdc100"); }
void frmQuarnel::op2_Click() { writeChoice("op2"); }
void frmQuarnel::op05_Click() { writeChoice("op05"); }
void frmQuarnel::op03_Click() { writeChoice("op03"); }
void frmQuarnel::op01_Click() { writeChoice("op01"); }
void frmQuarnel::opSvětlo_Click() { writeChoice("opSvětlo"); }
void frmQuarnel::opFoton_Click() { writeChoice("opFoton"); }
void frmQuarnel::opDopad_Click() { writeChoice("opDopad"); }
void frmQuarnel::opRychlá_Click() { writeChoice("opRychlá"); }
void frmQuarnel::opPomalejší_Click() { writeChoice("opPomalejší"); }
void frmQuarnel::opPomalá_Click() { writeChoice("opPomalá"); }
