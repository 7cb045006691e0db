// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDate>

// Today's date, as a new Top Ten line records it.
class Calendar {
public:
    virtual ~Calendar() = default;
    virtual QDate today() const = 0;
};

class SystemCalendar final : public Calendar {
public:
    QDate today() const override { return QDate::currentDate(); }
};
