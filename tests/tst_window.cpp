#include "appearance.h"
#include "frmquarnel.h"
#include "scenepicture.h"

#include <QtTest>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
QString u(const char *text) { return QString::fromUtf8(text); }

QRadioButton *option(const frmQuarnel &w, const char *name)
{
    return w.findChild<QRadioButton *>(u(name));
}

// The click a user makes: near the left end, where the indicator is.
void clickOption(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

QStringList settingTexts(const frmQuarnel &w)
{
    return {w.text(Setting::nVzdalenost), w.text(Setting::nOdchylka), w.text(Setting::nKmitočet),
            w.text(Setting::nInterference), w.text(Setting::nSpomaleni)};
}
} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    // Every control where it was laid out, with its caption, visibility and font.
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        const struct {
            const char *name;
            QRect geometry;
            const char *caption;
            bool visible;
            const char *family;
            double points;
        } rows[] = {
            {"labInterference", {96, 8, 361, 25}, "Interference and light pattern", true, "Times New Roman", 15.75},
            {"cmdStart", {536, 8, 73, 33}, "Start", true, "Times New Roman", 14.25},
            {"cmdKonec", {616, 8, 65, 33}, "Exit", true, "Times New Roman", 14.25},
            {"HScroll1", {144, 40, 153, 17}, "", true, "", 0},
            {"labKlepnete", {208, 280, 273, 33}, "Please press button Start", true, "Times New Roman", 15.75},
            {"Label1", {600, 24, 17, 1}, "Label1", true, "", 0},
            {"frmnRozteč", {16, 64, 89, 105}, "Slit spacing", true, "MS Sans Serif", 8.25},
            {"frmVzdalenostDetektoru", {16, 184, 169, 73}, "Detector-Screen distance", true, "MS Sans Serif", 8.25},
            {"frmKmitočet", {16, 264, 105, 81}, "Frequency", true, "Arial", 8.25},
            {"frmInterfeSvetloFoton", {16, 352, 113, 73}, "Pattern", true, "MS Sans Serif", 8.25},
            {"frmAnimace", {16, 440, 81, 65}, "Animace", false, "MS Sans Serif", 8.25},
            {"opVelka", {16, 16, 49, 17}, "large", true, "", 0},
            {"op60", {16, 33, 49, 13}, "minor", true, "", 0},
            {"op40", {16, 48, 57, 17}, "middle", true, "", 0},
            {"op20", {16, 64, 57, 13}, "small", true, "", 0},
            {"op0", {16, 80, 49, 17}, "0", true, "", 0},
            {"opDc200", {32, 16, 49, 13}, "large", true, "", 0},
            {"opDc150", {56, 32, 65, 17}, "middle", true, "", 0},
            {"opdc100", {88, 48, 65, 17}, "near", true, "", 0},
            {"op2", {8, 16, 57, 17}, "higher", true, "", 0},
            {"op05", {24, 32, 57, 17}, "high", true, "", 0},
            {"op03", {40, 48, 57, 13}, "middle", true, "", 0},
            {"op01", {56, 64, 41, 13}, "low", true, "", 0},
            {"opSvětlo", {8, 16, 65, 13}, "Light", true, "", 0},
            {"opFoton", {8, 32, 89, 13}, "Interference", true, "", 0},
            {"opDopad", {8, 48, 97, 13}, "Photon density", true, "", 0},
            {"opRychlá", {8, 16, 65, 17}, "Rychlá", false, "", 0},
            {"opPomalejší", {8, 32, 65, 17}, "Pomalejší", false, "", 0},
            {"opPomalá", {8, 48, 65, 13}, "Pomalá", false, "", 0},
            {"nOdchylka", {136, 88, 73, 19}, "", false, "", 0},
            {"nVzdalenost", {112, 152, 73, 19}, "", false, "", 0},
            {"nKmitočet", {143, 272, 42, 19}, "", false, "", 0},
            {"nInterference", {176, 368, 73, 19}, "", false, "", 0},
            {"nSpomaleni", {184, 64, 65, 19}, "", false, "", 0},
            {"labClona", {16, 8, 49, 17}, "Screen", false, "Arial", 9.75},
            {"labZdroj", {64, 8, 49, 25}, "Source", false, "Arial", 9.75},
            {"labDetektor", {464, 8, 57, 25}, "Detektor", false, "Arial", 9.75},
            {"labA", {216, 88, 17, 17}, "A", false, "Times New Roman", 12},
            {"labB", {256, 64, 17, 17}, "B", false, "Times New Roman", 12},
            {"labHustota", {128, 64, 49, 33}, "Photon density", false, "MS Sans Serif", 8.25},
            {"labInterObr", {312, 40, 97, 33}, "Light pattern", false, "Arial", 9.75},
            {"labPravde", {8, 32, 121, 33}, "Intrference pattern", false, "Arial", 9.75},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << u(row.name) << row.geometry << u(row.caption) << row.visible
                                    << u(row.family) << row.points;
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QFETCH(QString, family);
        QFETCH(double, points);
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *control = window.findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->isVisible(), visible);
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            QCOMPARE(button->text(), caption);
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            QCOMPARE(frame->title(), caption);
        if (!family.isEmpty()) {
            QCOMPARE(control->font().family(), family);
            QCOMPARE(control->font().pointSizeF(), points);
            QCOMPARE(control->font().weight(), QFont::Bold);
            QVERIFY(!control->font().italic() && !control->font().underline());
        }
    }

    // The window as it opens: caption, room for the scene, silver, focus on Start, no default button.
    void window()
    {
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Quarnel  - https://quarnel.org"));
        QVERIFY(window.width() >= 801 && window.height() >= 581);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget *>("cmdStart"));
        for (auto *button : window.findChildren<QPushButton *>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(window.findChild<QScrollBar *>("HScroll1")->value(), 1);
        // One selected button in every visible frame.
        for (auto *frame : window.findChildren<QGroupBox *>()) {
            const auto buttons = frame->findChildren<QRadioButton *>();
            QCOMPARE(std::count_if(buttons.begin(), buttons.end(),
                                   [](QRadioButton *b) { return b->isChecked(); }),
                     1);
        }
    }

    // Tab moves through the focusable controls in their laid-out order; an option
    // group is one stop, at its selected button.
    void tabOrder()
    {
        frmQuarnel window;
        const QStringList expected{
            "cmdStart", "cmdKonec", "nOdchylka", "nVzdalenost", "opDc200", "op60", u("nKmitočet"),
            "nInterference", u("opSvětlo"), "op2", "nSpomaleni", u("opRychlá"), "HScroll1"};
        QStringList chain;
        QWidget *w = window.findChild<QWidget *>("cmdStart");
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w->objectName() != "cmdStart");
        QCOMPARE(chain.join(" "), expected.join(" "));
    }

    // The start-up selection writes the start-up settings before the window shows.
    void startUpSettings()
    {
        frmQuarnel window;
        QCOMPARE(settingTexts(window), (QStringList{"200", "15", "2", "0", "1"}));
        for (const char *name : {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"})
            QVERIFY2(option(window, name)->isChecked(), name);
    }

    // Each option writes its own text into its own field and touches no other setting.
    void optionHandlers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("text");
        const struct { const char *name; Setting setting; const char *text; } rows[] = {
            {"opVelka", Setting::nOdchylka, "40"},      {"op60", Setting::nOdchylka, "15"},
            {"op40", Setting::nOdchylka, "10"},         {"op20", Setting::nOdchylka, "5"},
            {"op0", Setting::nOdchylka, "0"},           {"opDc200", Setting::nVzdalenost, "200"},
            {"opDc150", Setting::nVzdalenost, "150"},   {"opdc100", Setting::nVzdalenost, "100"},
            {"op2", Setting::nKmitočet, "2"},           {"op05", Setting::nKmitočet, "0.5"},
            {"op03", Setting::nKmitočet, "0.3"},        {"op01", Setting::nKmitočet, "0.1"},
            {"opSvětlo", Setting::nInterference, "0"},  {"opFoton", Setting::nInterference, "1"},
            {"opDopad", Setting::nInterference, "2"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << u(row.name) << int(row.setting) << u(row.text);
    }
    void optionHandlers()
    {
        QFETCH(QString, name);
        QFETCH(int, setting);
        QFETCH(QString, text);
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Move every frame away from its start-up choice first, so each click is a real change.
        clickOption(option(window, "op0"));
        clickOption(option(window, "opdc100"));
        clickOption(option(window, "op03"));
        clickOption(option(window, "opDopad"));
        QStringList before = settingTexts(window);
        QRadioButton *button = window.findChild<QRadioButton *>(name);
        clickOption(button);
        QVERIFY(button->isChecked());
        before[setting] = text;
        QCOMPARE(settingTexts(window), before);
        // Choosing it again changes nothing.
        clickOption(button);
        QCOMPARE(settingTexts(window), before);
    }

    // The hidden speed buttons write the slow-down without moving the scroll bar.
    void hiddenSpeedButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("slower") << u("opPomalejší") << "10";
        QTest::newRow("slow") << u("opPomalá") << "20";
    }
    void hiddenSpeedButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        frmQuarnel window;
        window.findChild<QRadioButton *>(name)->setChecked(true);
        QCOMPARE(window.text(Setting::nSpomaleni), text);
        QCOMPARE(window.findChild<QScrollBar *>("HScroll1")->value(), 1);
        window.findChild<QRadioButton *>(u("opRychlá"))->setChecked(true);
        QCOMPARE(window.text(Setting::nSpomaleni), QString("1"));
    }

    // A settled scroll-bar value becomes the slow-down text, any whole number 1 … 20.
    void scrollBarWritesSlowDown()
    {
        frmQuarnel window;
        QScrollBar *bar = window.findChild<QScrollBar *>("HScroll1");
        bar->setValue(7);
        QCOMPARE(window.text(Setting::nSpomaleni), QString("7"));
        bar->setValue(20);
        QCOMPARE(window.text(Setting::nSpomaleni), QString("20"));
        const QStringList others = settingTexts(window).mid(0, 4);
        QCOMPARE(others, (QStringList{"200", "15", "2", "0"}));
    }

    // Under a Czech locale the frequency reads "0,1" and the run still gets 0.1.
    void czechFrequency_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("Czech") << "cs_CZ" << "0,1";
        QTest::newRow("English") << "en_GB" << "0.1";
    }
    void czechFrequency()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        {
            frmQuarnel window;
            option(window, "op01")->setChecked(true);
            QCOMPARE(window.text(Setting::nKmitočet), text);
            QCOMPARE(settingNumber(window, Setting::nKmitočet), 0.1);
            QCOMPARE(settingNumber(window, Setting::nVzdalenost), 200.0);
        }
        QLocale::setDefault(saved);
    }

    // Exit closes the window.
    void exitCloses()
    {
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QPushButton *>("cmdKonec"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    // Start runs the whole run: the prompt is painted over, the picture drawn, seven labels shown,
    // and the picture is kept when the window is hidden and shown again.
    void startRunsAndKeepsPicture()
    {
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage before = window.picture().canvas().image().copy();
        QTest::mouseClick(window.findChild<QPushButton *>("cmdStart"), Qt::LeftButton);
        QVERIFY(!window.isRunning());
        const QImage after = window.picture().canvas().image().copy();
        QVERIFY(after != before);
        // The plot axis at x 600 and the source's white disc.
        QVERIFY(qGray(after.pixel(600, 250)) < 64 || qGray(after.pixel(599, 250)) < 64);
        QCOMPARE(QColor(after.pixel(150, 298)), QColor(Qt::white));
        const QStringList shown{"labClona", "labHustota", "labInterObr", "labZdroj", "labDetektor", "labA", "labB"};
        for (const QString &name : shown)
            QVERIFY2(window.findChild<QLabel *>(name)->isVisible(), qPrintable(name));
        QVERIFY(!window.findChild<QLabel *>("labPravde")->isVisible());
        QCOMPARE(window.findChild<QLabel *>("labB")->pos(), QPoint(220, 335));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(150, 298),
                 QColor(Qt::white).rgb());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
