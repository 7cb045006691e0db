// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QCloseEvent>
#include <QWidget>

// A top-level window of the program. Every screen says it has closed in the
// same way, whatever closed it (one of its own buttons, the window system or
// the program): closed() is emitted once the close has been accepted.
class Screen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QWidget::closeEvent(event);
        if (event->isAccepted())
            emit closed();
    }
};
