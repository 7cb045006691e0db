// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
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

namespace {
QPixmap read(const QString &file)
{
    // The program's pictures are PNG files, read by the toolkit's own reader:
    // left to guess, the toolkit loads every picture plug-in to ask it first.
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImageReader(&reader);
    if (!pixmap.isNull())
        pixmap.setDevicePixelRatio(Pictures::ratioOf(file));
    return pixmap;
}

// Pictures read ahead live in the toolkit's pixmap cache, which lets them go
// with the application.
QString cacheKey(const QString &file)
{
    return QStringLiteral("tempozap-ahead:") + file;
}
} // namespace

QPixmap Pictures::load(const QString &path, qreal ratio)
{
    const QString file = fileFor(path, ratio);
    QPixmap ahead;
    return QPixmapCache::find(cacheKey(file), &ahead) ? ahead : read(file);
}

void Pictures::readAhead(const QStringList &paths, qreal ratio)
{
    for (const QString &path : paths) {
        const QString file = fileFor(path, ratio);
        QPixmap ahead;
        if (!QPixmapCache::find(cacheKey(file), &ahead))
            QPixmapCache::insert(cacheKey(file), read(file));
    }
}

QPixmap Pictures::loadFor(const QString &path, const QWidget *widget)
{
    return load(path, widget ? widget->devicePixelRatioF() : 1.0);
}
