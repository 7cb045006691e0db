// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include <QFileInfo>
#include <QWidget>

namespace {
const QString Suffix2x = QStringLiteral("@2x");

QString twiceAsSharp(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1)
        return path + Suffix2x;
    return path.left(dot) + Suffix2x + path.mid(dot);
}
} // namespace

QString Pictures::fileFor(const QString &path, qreal ratio)
{
    if (ratio >= 2.0 && !path.isEmpty()) {
        const QString sharper = twiceAsSharp(path);
        if (QFileInfo(sharper).isFile())
            return sharper;
    }
    return path;
}

qreal Pictures::ratioOf(const QString &file)
{
    return QFileInfo(file).completeBaseName().endsWith(Suffix2x) ? 2.0 : 1.0;
}

QPixmap Pictures::load(const QString &path, qreal ratio)
{
    const QString file = fileFor(path, ratio);
    QPixmap pixmap(file);
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(ratioOf(file));
    return pixmap;
}

QPixmap Pictures::loadFor(const QString &path, const QWidget *widget)
{
    return load(path, widget ? widget->devicePixelRatioF() : 1.0);
}
