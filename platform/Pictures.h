// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPixmap>
#include <QString>

class QWidget;

// Pictures drawn for two pixel densities: "Name.png" for ordinary screens and
// "Name@2x.png", twice as many pixels each way, for screens of twice the
// density. The sharper file is chosen when the device pixel ratio is 2 or
// more and it exists; the picture still covers the same logical size.
namespace Pictures {
// The file to read for a picture file at a device pixel ratio.
QString fileFor(const QString &path, qreal ratio);
// The ratio a sharper file was drawn for: 2 for an "@2x" file, else 1.
qreal ratioOf(const QString &file);
// The picture at a device pixel ratio (a null pixmap when it cannot be read),
// read from its file unless it has been read ahead.
QPixmap load(const QString &path, qreal ratio);
// Reads pictures ahead and keeps them for the run, so that a screen made
// later opens without reading them.
void readAhead(const QStringList &paths, qreal ratio);
// The picture for the screen a widget is shown on.
QPixmap loadFor(const QString &path, const QWidget *widget);
} // namespace Pictures
