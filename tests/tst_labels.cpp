// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scenegeometry.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(SceneLabel)

class TestLabels : public QObject {
    Q_OBJECT
private slots:
    // Each label beside the thing it names, for the start-up settings and for spacing 40 at distance 100.
    void positions_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<SceneLabel>("label");
        QTest::addColumn<QPointF>("at");
        using L = SceneLabel;
        const struct {
            L label;
            QPointF startUp, wide;
        } rows[] = {
            {L::labClona, {210, 90}, {210, 90}},    {L::labHustota, {540, 150}, {540, 150}},
            {L::labInterObr, {620, 60}, {620, 60}}, {L::labZdroj, {130, 310}, {130, 310}},
            {L::labDetektor, {450, 60}, {350, 60}}, {L::labA, {220, 250}, {220, 225}},
            {L::labB, {220, 335}, {220, 360}},
        };
        for (const auto &row : rows) {
            QTest::addRow("start-up %d", int(row.label)) << "200"
                                                         << "15" << row.label << row.startUp;
            QTest::addRow("40 at 100 %d", int(row.label)) << "100"
                                                          << "40" << row.label << row.wide;
        }
    }
    void positions()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(SceneLabel, label);
        QFETCH(QPointF, at);
        RecordingLabels labels;
        PlaceLabels(labels, TextSettings(distance, spacing, "2", "0"),
                    sceneGeometry(distance.toDouble(), spacing.toDouble()));
        QVERIFY(labels.visible.at(label));
        QCOMPARE(labels.position.at(label), at);
    }

    // The title follows the mode as a number: only mode 1 shows the interference title.
    void titleByMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("interference");
        QTest::newRow("light") << "0" << false;
        QTest::newRow("interference") << "1" << true;
        QTest::newRow("photon density") << "2" << false;
    }
    void titleByMode()
    {
        QFETCH(QString, mode);
        QFETCH(bool, interference);
        RecordingLabels labels;
        PlaceLabels(labels, TextSettings("200", "15", "2", mode), sceneGeometry(200, 15));
        const SceneLabel shown = interference ? SceneLabel::labPravde : SceneLabel::labInterObr;
        const SceneLabel hidden = interference ? SceneLabel::labInterObr : SceneLabel::labPravde;
        QVERIFY(labels.visible.at(shown));
        QVERIFY(!labels.visible.at(hidden));
        QCOMPARE(labels.position.at(shown), QPointF(620, 60));
        // Seven shown in all, whatever the mode.
        QCOMPARE(std::count_if(labels.visible.begin(), labels.visible.end(),
                               [](const auto &entry) { return entry.second; }),
                 7);
    }
};

QTEST_APPLESS_MAIN(TestLabels)
#include "tst_labels.moc"
