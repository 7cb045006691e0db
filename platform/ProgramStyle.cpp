// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramStyle.h"

#include "Pictures.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

void ProgramStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (m_groupBoxFrame.isNull())
        m_groupBoxFrame
            = Pictures::load(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), 1.0);
    // The frame starts below the title, 3 pixels lower (as Fusion draws it).
    constexpr int TopMargin = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int top
        = TopMargin + (titled ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) : 0);
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), m_groupBoxFrame);
}
