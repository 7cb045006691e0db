// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

class MessageBoxes;
class ScoreStore;

// The maintenance screen that sets chosen Top Ten lists back to ten zero
// lines. Reset (after Yes) and Cancel both close it.
class ResetScreen final : public QWidget {
    Q_OBJECT
public:
    ResetScreen(const ScoreStore &store, MessageBoxes &messages, QWidget *parent = nullptr);

signals:
    void closed(); // by Reset, Cancel or the window system; not when the program closes it

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void onResetClicked();
    void leave();

    const ScoreStore &m_store;
    MessageBoxes &m_messages;
    bool m_left = false;
};
