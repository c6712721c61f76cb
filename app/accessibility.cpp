#include "accessibility.h"

#include "arrowkeys.h"
#include "picturedescription.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

namespace {
struct ControlText {
    const char *objectName;
    const char *name;        // what a screen reader calls the control; contains its caption
    const char *description; // what it sets, where the caption alone does not say
};

// The same captions ("large", "middle") stand for different settings in
// different frames; the descriptions tell them apart.
const ControlText controlTexts[] = {
    {"cmdStart", "Start", "Runs the scan of the screen with the chosen settings and plots the pattern"},
    {"cmdKonec", "Exit", "Closes Quarnel"},
    {"HScroll1", "Slow-down",
     "Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24"},
    {"picture", "Interference picture", nullptr},

    {"frmnRozteč", "Slit spacing", "How far each slit lies from the optical axis"},
    {"opVelka", "large", "Slit spacing large: each slit 40 pixels from the optical axis"},
    {"op60", "minor", "Slit spacing minor: each slit 15 pixels from the optical axis"},
    {"op40", "middle", "Slit spacing middle: each slit 10 pixels from the optical axis"},
    {"op20", "small", "Slit spacing small: each slit 5 pixels from the optical axis"},
    {"op0", "0", "Slit spacing 0: both slits on the optical axis"},

    {"frmVzdalenostDetektoru", "Detector-Screen distance", "How far the screen stands behind the barrier"},
    {"opDc200", "large", "Detector-screen distance large: the screen 200 pixels behind the barrier"},
    {"opDc150", "middle", "Detector-screen distance middle: the screen 150 pixels behind the barrier"},
    {"opdc100", "near", "Detector-screen distance near: the screen 100 pixels behind the barrier"},

    {"frmKmitočet", "Frequency", "The wave number of the light: how fast the phase turns along a path"},
    {"op2", "higher", "Frequency higher: the phase turns 2 radians per pixel of path"},
    {"op05", "high", "Frequency high: the phase turns 0.5 radians per pixel of path"},
    {"op03", "middle", "Frequency middle: the phase turns 0.3 radians per pixel of path"},
    {"op01", "low", "Frequency low: the phase turns 0.1 radians per pixel of path"},

    {"frmInterfeSvetloFoton", "Pattern", "What the plot beside the screen shows"},
    {"opSvětlo", "Light",
     "Pattern light: the interference weighted by the distance from each slit, as bars"},
    {"opFoton", "Interference", "Pattern interference: the squared length of the phasor sum, as bars"},
    {"opDopad", "Photon density",
     "Pattern photon density: at each height as many random dots as photons arrive"},

    {"frmAnimace", "Animace", "Animation speed"},
    {"opRychlá", "Rychlá", "Animation speed fast: slow-down 1"},
    {"opPomalejší", "Pomalejší", "Animation speed slower: slow-down 10"},
    {"opPomalá", "Pomalá", "Animation speed slow: slow-down 20"},

    {"nOdchylka", "Slit spacing setting", "The chosen slit spacing in pixels, as text"},
    {"nVzdalenost", "Detector-screen distance setting", "The chosen distance in pixels, as text"},
    {"nKmitočet", "Frequency setting", "The chosen wave number, as text"},
    {"nInterference", "Pattern setting", "The chosen pattern: 0 light, 1 interference, 2 photon density"},
    {"nSpomaleni", "Slow-down setting", "The chosen slow-down, 1 to 20, as text"},
};

// The picture is announced as a graphic, not as an empty pane.
QAccessibleInterface *pictureInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ScenePicture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

// Tab enters an option group at its selected button: that button alone of its
// frame is a tab stop. (Qt arranges the same once a button has had the focus;
// until then Tab would stop at whichever button comes first in the tab order.)
void makeTabStop(QRadioButton *selected)
{
    for (QRadioButton *button :
         selected->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
        const int policy = button == selected ? (button->focusPolicy() | Qt::TabFocus)
                                              : (button->focusPolicy() & ~Qt::TabFocus);
        button->setFocusPolicy(Qt::FocusPolicy(policy));
    }
}
} // namespace

void setUpAccessibility(QWidget &window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    for (const ControlText &text : controlTexts) {
        QWidget *control = window.findChild<QWidget *>(QString::fromUtf8(text.objectName));
        if (!control)
            continue;
        control->setAccessibleName(QString::fromUtf8(text.name));
        if (text.description)
            control->setAccessibleDescription(QString::fromUtf8(text.description));
    }
    if (QWidget *picture = window.findChild<QWidget *>(QStringLiteral("picture")))
        picture->setAccessibleDescription(describeEmptyPicture());

    auto *keys = new ArrowKeys(&window);
    for (QRadioButton *button : window.findChildren<QRadioButton *>()) {
        keys->watch(button);
        if (button->isChecked())
            makeTabStop(button);
        QObject::connect(button, &QRadioButton::toggled, button, [button](bool checked) {
            if (checked)
                makeTabStop(button);
        });
    }
    for (QScrollBar *scrollBar : window.findChildren<QScrollBar *>()) {
        keys->watch(scrollBar);
        // The widget style shows no focus on a scroll bar: a frame rings it while it has the focus.
        auto *ring = new QFocusFrame(&window);
        QObject::connect(qApp, &QApplication::focusChanged, ring, [ring, scrollBar](QWidget *, QWidget *now) {
            ring->setWidget(now == scrollBar ? scrollBar : nullptr);
        });
    }
}
