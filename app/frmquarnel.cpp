#include "frmquarnel.h"

#include "accessibility.h"
#include "appearance.h"
#include "eventlooppacer.h"
#include "picturedescription.h"
#include "run.h"
#include "runtrace.h"
#include "scenepicture.h"
#include "surfacelabel.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
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
QFont layoutFont(const char *family, qreal points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setWeight(QFont::Bold);
    return font;
}

struct FieldLayout {
    Setting setting;
    const char *name;
    const char *placeholder;
    QRect geometry;
    int tabIndex;
};
const FieldLayout fieldLayouts[] = {
    {Setting::nVzdalenost, "nVzdalenost", "Vzdalenost", {112, 152, 73, 19}, 7},
    {Setting::nOdchylka, "nOdchylka", "Odchylka", {136, 88, 73, 19}, 4},
    {Setting::nKmitočet, "nKmitočet", "Kmitočet", {143, 272, 42, 19}, 16},
    {Setting::nInterference, "nInterference", "Interference", {176, 368, 73, 19}, 27},
    {Setting::nSpomaleni, "nSpomaleni", "Spomaleni", {184, 64, 65, 19}, 36},
};

struct SceneLabelLayout {
    SceneLabel label;
    const char *name;
    const char *caption;
    QRect geometry;
    const char *family;
    qreal points;
    bool centred;
    int tabIndex;
};
const SceneLabelLayout sceneLabelLayouts[] = {
    {SceneLabel::labClona, "labClona", "Screen", {16, 8, 49, 17}, "Arial", 9.75, false, 19},
    {SceneLabel::labHustota, "labHustota", "Photon density", {128, 64, 49, 33}, "MS Sans Serif", 8.25, false, 33},
    {SceneLabel::labInterObr, "labInterObr", "Light pattern", {312, 40, 97, 33}, "Arial", 9.75, true, 34},
    {SceneLabel::labPravde, "labPravde", "Intrference pattern", {8, 32, 121, 33}, "Arial", 9.75, true, 20},
    {SceneLabel::labZdroj, "labZdroj", "Source", {64, 8, 49, 25}, "Arial", 9.75, false, 21},
    {SceneLabel::labDetektor, "labDetektor", "Detektor", {464, 8, 57, 25}, "Arial", 9.75, false, 23},
    {SceneLabel::labA, "labA", "A", {216, 88, 17, 17}, "Times New Roman", 12, false, 25},
    {SceneLabel::labB, "labB", "B", {256, 64, 17, 17}, "Times New Roman", 12, false, 26},
};

struct OptionLayout {
    const char *name;
    const char *caption;
    QRect geometry; // in the frame
    int tabIndex;
    void (frmQuarnel::*handler)();
};
struct FrameLayout {
    const char *name;
    const char *caption;
    QRect geometry;
    const char *family;
    bool visible;
    int tabIndex;
    std::vector<OptionLayout> options; // top to bottom
};
const FrameLayout frameLayouts[] = {
    {"frmnRozteč", "Slit spacing", {16, 64, 89, 105}, "MS Sans Serif", true, 3,
     {{"opVelka", "large", {16, 16, 49, 17}, 32, &frmQuarnel::opVelka_Click},
      {"op60", "minor", {16, 33, 49, 13}, 13, &frmQuarnel::op60_Click},
      {"op40", "middle", {16, 48, 57, 17}, 12, &frmQuarnel::op40_Click},
      {"op20", "small", {16, 64, 57, 13}, 11, &frmQuarnel::op20_Click},
      {"op0", "0", {16, 80, 49, 17}, 8, &frmQuarnel::op0_Click}}},
    {"frmVzdalenostDetektoru", "Detector-Screen distance", {16, 184, 169, 73}, "MS Sans Serif", true, 5,
     {{"opDc200", "large", {32, 16, 49, 13}, 9, &frmQuarnel::opDc200_Click},
      {"opDc150", "middle", {56, 32, 65, 17}, 10, &frmQuarnel::opDc150_Click},
      {"opdc100", "near", {88, 48, 65, 17}, 6, &frmQuarnel::opdc100_Click}}},
    {"frmKmitočet", "Frequency", {16, 264, 105, 81}, "Arial", true, 14,
     {{"op2", "higher", {8, 16, 57, 17}, 31, &frmQuarnel::op2_Click},
      {"op05", "high", {24, 32, 57, 17}, 15, &frmQuarnel::op05_Click},
      {"op03", "middle", {40, 48, 57, 13}, 17, &frmQuarnel::op03_Click},
      {"op01", "low", {56, 64, 41, 13}, 18, &frmQuarnel::op01_Click}}},
    {"frmInterfeSvetloFoton", "Pattern", {16, 352, 113, 73}, "MS Sans Serif", true, 28,
     {{"opSvětlo", "Light", {8, 16, 65, 13}, 29, &frmQuarnel::opSvětlo_Click},
      {"opFoton", "Interference", {8, 32, 89, 13}, 30, &frmQuarnel::opFoton_Click},
      {"opDopad", "Photon density", {8, 48, 97, 13}, 35, &frmQuarnel::opDopad_Click}}},
    {"frmAnimace", "Animace", {16, 440, 81, 65}, "MS Sans Serif", false, 37,
     {{"opRychlá", "Rychlá", {8, 16, 65, 17}, 38, &frmQuarnel::opRychlá_Click},
      {"opPomalejší", "Pomalejší", {8, 32, 65, 17}, 39, &frmQuarnel::opPomalejší_Click},
      {"opPomalá", "Pomalá", {8, 48, 65, 13}, 40, &frmQuarnel::opPomalá_Click}}},
};

QString fromUtf8(const char *text) { return QString::fromUtf8(text); }
} // namespace

frmQuarnel::frmQuarnel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmQuarnel"));
    setWindowTitle(caption);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, toQColor(colours::silver));
    silver.setColor(QPalette::WindowText, Qt::black);
    setPalette(silver);
    setAutoFillBackground(true);
    setFont(dialogFont());
    resize(initialClientSize);

    buildControls();
    Form_Load();
    setUpAccessibility(*this);
}

frmQuarnel::~frmQuarnel() = default;

void frmQuarnel::buildControls()
{
    // The picture comes first so that every control stacks above it.
    picture_ = new ScenePicture(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setGeometry(rect());

    std::vector<std::pair<int, QWidget *>> tabChain;

    labInterference_ = new SurfaceLabel(QStringLiteral("Interference and light pattern"), this);
    labInterference_->setObjectName(QStringLiteral("labInterference"));
    labInterference_->setGeometry(96, 8, 361, 25);
    labInterference_->setFont(layoutFont("Times New Roman", 15.75));
    labInterference_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    cmdStart_ = new QPushButton(QStringLiteral("Start"), this);
    cmdStart_->setObjectName(QStringLiteral("cmdStart"));
    cmdStart_->setGeometry(536, 8, 73, 33);
    cmdStart_->setFont(layoutFont("Times New Roman", 14.25));
    tabChain.emplace_back(1, cmdStart_);
    connect(cmdStart_, &QPushButton::clicked, this, &frmQuarnel::cmdStart_Click);

    cmdKonec_ = new QPushButton(QStringLiteral("Exit"), this);
    cmdKonec_->setObjectName(QStringLiteral("cmdKonec"));
    cmdKonec_->setGeometry(616, 8, 65, 33);
    cmdKonec_->setFont(layoutFont("Times New Roman", 14.25));
    tabChain.emplace_back(2, cmdKonec_);
    connect(cmdKonec_, &QPushButton::clicked, this, &frmQuarnel::cmdKonec_Click);
    for (QPushButton *button : {cmdStart_, cmdKonec_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setGeometry(144, 40, 153, 17);
    HScroll1_->setRange(1, 20);
    HScroll1_->setValue(1);
    HScroll1_->setSingleStep(1);
    HScroll1_->setPageStep(1);
    // Only a settled value counts, not each step of a thumb drag.
    HScroll1_->setTracking(false);
    HScroll1_->setFocusPolicy(Qt::StrongFocus);
    tabChain.emplace_back(41, HScroll1_);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &frmQuarnel::HScroll1_Change);

    labKlepnete_ = new SurfaceLabel(QStringLiteral("Please press button Start"), this);
    labKlepnete_->setObjectName(QStringLiteral("labKlepnete"));
    labKlepnete_->setGeometry(208, 280, 273, 33);
    labKlepnete_->setFont(layoutFont("Times New Roman", 15.75));
    labKlepnete_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // One pixel high, so its caption never shows; it keeps the default label colours.
    Label1_ = new SurfaceLabel(QStringLiteral("Label1"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(600, 24, 17, 1);
    Label1_->setPalette(QPalette());

    for (const FrameLayout &frameLayout : frameLayouts) {
        auto *frame = new QGroupBox(fromUtf8(frameLayout.caption), this);
        frame->setObjectName(fromUtf8(frameLayout.name));
        frame->setGeometry(frameLayout.geometry);
        frame->setFont(layoutFont(frameLayout.family, 8.25));
        frame->setAutoFillBackground(true);
        frame->setVisible(frameLayout.visible);
        for (const OptionLayout &optionLayout : frameLayout.options) {
            auto *option = new QRadioButton(fromUtf8(optionLayout.caption), frame);
            option->setObjectName(fromUtf8(optionLayout.name));
            option->setGeometry(optionLayout.geometry);
            option->setFont(font()); // the window's, not the frame's bold one
            tabChain.emplace_back(optionLayout.tabIndex, option);
            // Selecting a button, by a click, a key or in code, runs its handler at once.
            const auto handler = optionLayout.handler;
            connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
                if (checked)
                    (this->*handler)();
            });
        }
    }

    for (const FieldLayout &fieldLayout : fieldLayouts) {
        // A field only holds its setting and is never shown. With nothing to
        // display it lays out no text: each text written to it would otherwise
        // be shaped, its glyphs loaded and hinted, before the window appears.
        auto *edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::NoEcho);
        edit->setText(fromUtf8(fieldLayout.placeholder));
        edit->setObjectName(fromUtf8(fieldLayout.name));
        edit->setGeometry(fieldLayout.geometry);
        edit->setVisible(false);
        fields_[std::size_t(fieldLayout.setting)] = edit;
        tabChain.emplace_back(fieldLayout.tabIndex, edit);
    }

    for (const SceneLabelLayout &labelLayout : sceneLabelLayouts) {
        auto *label = new SurfaceLabel(fromUtf8(labelLayout.caption), this);
        label->setObjectName(fromUtf8(labelLayout.name));
        label->setGeometry(labelLayout.geometry);
        label->setFont(layoutFont(labelLayout.family, labelLayout.points));
        if (labelLayout.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setVisible(false);
        sceneLabels_[std::size_t(labelLayout.label)] = label;
    }

    std::sort(tabChain.begin(), tabChain.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1].second, tabChain[i].second);

    // The visible labels are part of the surface from the start; their text is
    // rendered at the picture's first paint (or a run's start, if that comes
    // first), so that the window is shown without waiting for it.
    picture_->setBeforeFirstPaint([this] { paintInitialLabels(); });
    cmdStart_->setFocus();
}

void frmQuarnel::paintInitialLabels()
{
    if (std::exchange(initialLabelsPainted_, true))
        return;
    QPainter &painter = picture_->canvas().painter();
    for (SurfaceLabel *label : {labInterference_, labKlepnete_, Label1_}) {
        label->paintOnto(painter);
        picture_->canvas().markDirty(label->geometry());
    }
    picture_->present();
}

QLineEdit *frmQuarnel::field(Setting setting) const { return fields_[std::size_t(setting)]; }

QString frmQuarnel::text(Setting setting) const { return field(setting)->text(); }

void frmQuarnel::writeSetting(Setting setting, const QString &text) { field(setting)->setText(text); }

SurfaceLabel *frmQuarnel::sceneLabel(SceneLabel label) const
{
    return sceneLabels_[std::size_t(label)];
}

void frmQuarnel::showLabel(SceneLabel label, bool visible)
{
    sceneLabel(label)->setVisible(visible);
    labelPending_[std::size_t(label)] = visible;
}

void frmQuarnel::setLabelLeft(SceneLabel label, float x)
{
    SurfaceLabel *l = sceneLabel(label);
    l->move(qRound(x), l->y());
    labelPending_[std::size_t(label)] = true;
}

void frmQuarnel::setLabelTop(SceneLabel label, float y)
{
    SurfaceLabel *l = sceneLabel(label);
    l->move(l->x(), qRound(y));
    labelPending_[std::size_t(label)] = true;
}

void frmQuarnel::renderPendingLabels()
{
    ImageCanvas &canvas = picture_->canvas();
    for (std::size_t i = 0; i < sceneLabels_.size(); ++i) {
        if (labelPending_[i] && !sceneLabels_[i]->isHidden()) {
            sceneLabels_[i]->paintOnto(canvas.painter());
            canvas.markDirty(sceneLabels_[i]->geometry());
        }
        labelPending_[i] = false;
    }
    picture_->present();
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
    // A press queued behind Exit or a close finds the window closed or about to
    // close. It starts no run: a run's local event loop would drop the quit that
    // the closing posted, and the program would go on with no window.
    if (closed_ || closeAfterRun_)
        return;
    // A press that reaches the window during a run (never real input, which
    // the run holds back) starts its run after this one, as a held click would.
    if (running_) {
        ++pendingStarts_;
        return;
    }
    runOnce();
    if (pendingStarts_ > 0 && !closeAfterRun_) {
        --pendingStarts_;
        QTimer::singleShot(0, this, &frmQuarnel::cmdStart_Click);
    }
    if (closeAfterRun_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void frmQuarnel::runOnce()
{
    const RunTrace trace(*this);
    paintInitialLabels();
    running_ = true;
    try {
        EventLoopPacer ownPacer(*picture_);
        PerformRun(picture_->canvas(), *this, *this, random_, pacer_ ? *pacer_ : ownPacer);
        picture_->setAccessibleDescription(describePicture(*this));
    } catch (const SettingNotNumber &error) {
        QMessageBox::warning(this, caption,
                             tr("The run stopped: the setting text \"%1\" is not a number.")
                                 .arg(error.text));
    }
    renderPendingLabels();
    running_ = false;
    // Input held back during the run waits in the queue until the loop wakes.
    QCoreApplication::eventDispatcher()->wakeUp();
}

void frmQuarnel::cmdKonec_Click() { close(); }

void frmQuarnel::closeEvent(QCloseEvent *event)
{
    // A close that reaches the window during a run takes effect when the run ends.
    if (running_) {
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    closed_ = event->isAccepted();
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
