// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform layer's decisions about the window system: which platform the
// program runs on in each kind of session, and where a window goes so that it
// is centred with its frame.
#include "DisplayPlatform.h"
#include "WindowRole.h"

#include <QtTest>

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void platformFollowsTheSession_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<QByteArray>("chosen");
        const QByteArray x11 = "xcb;wayland"; // XWayland first, native if it cannot be reached
        QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray() << QByteArray(":0") << false
                                     << QByteArray();
        QTest::newRow("Wayland with XWayland")
            << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << false << x11;
        QTest::newRow("Wayland display, no session type")
            << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray(":1") << false << x11;
        QTest::newRow("Wayland without XWayland") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                                  << QByteArray() << false << QByteArray();
        QTest::newRow("player's QT_QPA_PLATFORM")
            << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << false
            << QByteArray();
        QTest::newRow("player's -platform") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                            << QByteArray(":0") << true << QByteArray();
    }
    void platformFollowsTheSession()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(bool, argument);
        QFETCH(QByteArray, chosen);
        QCOMPARE(platformFor({qpa, type, wayland, x11, argument}), chosen);
    }

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
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
