// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Screen.h"

#include <array>

class MessageBoxes;
class QCheckBox;
class ScoreStore;

// The maintenance screen that sets chosen Top Ten lists back to ten zero
// lines. Reset (after Yes) and Cancel both close it.
class ResetScreen final : public Screen {
    Q_OBJECT
public:
    ResetScreen(const ScoreStore &store, MessageBoxes &messages, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onResetClicked();

    const ScoreStore &m_store;
    MessageBoxes &m_messages;
    std::array<std::array<QCheckBox *, 3>, 2> m_boxes{}; // by game, then level, as laid out
};
