// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPixmap>
#include <QProxyStyle>

// The toolkit's style, with one change that nobody sees: the Fusion style
// reads its group box frame picture without naming its format, and so loads
// every picture plug-in (and their libraries) to ask each whether the file
// is theirs. Here the same picture is read once as the PNG it is and drawn
// the same way.
class ProgramStyle final : public QProxyStyle {
public:
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override;

private:
    mutable QPixmap m_groupBoxFrame;
};
