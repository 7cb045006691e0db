// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform layer's decisions about the window system: which platform the
// program runs on in each kind of session.
#include "DisplayPlatform.h"

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
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
