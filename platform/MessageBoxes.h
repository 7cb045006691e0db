// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

// Every modal message of the program goes through this one seam: the program
// shows real modal boxes, tests script the answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer ask(
        QWidget *parent, const QString &prompt, const QString &title, MsgButtons buttons, MsgIcon icon = MsgIcon::None)
        = 0;
};

class ModalMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer ask(
        QWidget *parent, const QString &prompt, const QString &title, MsgButtons buttons, MsgIcon icon) override;
};
