// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "Screen.h"

// The rules of the game, over the start screen until CLOSE.
class RulesScreen final : public Screen {
    Q_OBJECT
public:
    explicit RulesScreen(QWidget *parent = nullptr);

    static QString rulesText();
};
