// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a window goes so that it is centred with its frame; what a screen
// reader finds; a control that changes while shown is drawn again.
#include "Accessibility.h"
#include "Widgets.h"
#include "WindowRole.h"

#include <QAccessible>
#include <QtTest>

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void wholeWindowIsCentred_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("no frame") << QRect(0, 0, 1280, 1024) << QSize(620, 245) << QMargins()
                                  << QRect(330, 389, 620, 245);
        // openbox: a 1-pixel border and a 20-pixel title bar.
        QTest::newRow("openbox dialog") << QRect(0, 0, 1280, 1024) << QSize(362, 93) << QMargins(1, 20, 1, 1)
                                        << QRect(459, 475, 362, 93);
        // A second monitor right of the first; a 37-pixel title bar, no border.
        QTest::newRow("second screen") << QRect(1280, 0, 1920, 1080) << QSize(362, 93) << QMargins(0, 37, 0, 0)
                                       << QRect(2059, 512, 362, 93);
    }
    void wholeWindowIsCentred()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QRect, placed);
        QCOMPARE(centredOnScreen(screen, client, frame), placed);
        const QRect whole = placed.marginsAdded(frame);
        QVERIFY(
            qAbs(whole.center().x() - screen.center().x()) <= 1 && qAbs(whole.center().y() - screen.center().y()) <= 1);
    }

    // What a screen reader finds: a keypad key as a button named by its
    // number, a box as a dialog and a screen as a window.
    void screenReaderFindsKeysAndDialogs()
    {
        installAccessibility();
        KeyLabel key;
        key.setText(QStringLiteral("7"));
        QWidget dialog(nullptr, Qt::Dialog), screen;
        const QAccessibleInterface *k = QAccessible::queryAccessibleInterface(&key);
        QCOMPARE(std::pair(k->role(), k->text(QAccessible::Name)), std::pair(QAccessible::Button, QStringLiteral("7")));
        QCOMPARE(QAccessible::queryAccessibleInterface(&dialog)->role(), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&screen)->role(), QAccessible::Window);
    }

    // As the power lamp turns green at Start and red at the end.
    void aRecolouredShapeIsPaintedAgain()
    {
        struct Paints : QObject {
            bool eventFilter(QObject *, QEvent *event) override { return count += event->type() == QEvent::Paint, false; }
            int count = 0;
        } paints;
        ShapeWidget lamp(ShapeWidget::Kind::Circle, Paint::Red);
        lamp.resize(20, 20);
        lamp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lamp));
        lamp.installEventFilter(&paints);
        lamp.setFill(Paint::Green);
        QTRY_VERIFY(paints.count > 0);
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
