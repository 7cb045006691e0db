// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include "Widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace {
class WindowAccessible final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::Role role() const override
    {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

class KeyAccessible final : public QAccessibleWidget {
public:
    explicit KeyAccessible(KeyLabel *key)
        : QAccessibleWidget(key, QAccessible::Button)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<KeyLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &action) override
    {
        // Queued, so that the screen reader's call returns at once even when
        // the click opens a modal box.
        if (action == pressAction())
            QTimer::singleShot(0, widget(), [key = QPointer<KeyLabel>(static_cast<KeyLabel *>(widget()))] {
                if (key && key->isVisible())
                    key->click();
            });
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// One of an announcer's notifications: its name is the text last said with it.
class AnnouncerItem final : public QWidget {
public:
    explicit AnnouncerItem(QWidget *parent)
        : QWidget(parent)
    {
        setGeometry(0, 0, 0, 0);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QString text;

protected:
    // The screen reader is told a shown window's children are showing, and
    // it speaks a notification that starts showing: nothing said before the
    // window was shown again is said twice.
    void showEvent(QShowEvent *) override { text.clear(); }
};

class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(AnnouncerItem *item)
        : QAccessibleWidget(item, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<AnnouncerItem *>(widget())->text : QString();
    }
};
#endif

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("KeyLabel"))
        return new KeyAccessible(static_cast<KeyLabel *>(widget));
    if (className != QLatin1String("QWidget"))
        return nullptr;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto *item = dynamic_cast<AnnouncerItem *>(widget))
        return new NotificationAccessible(item);
#endif
    // A notification is read without its role when it is in a status bar.
    if (dynamic_cast<Announcer *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    return widget->isWindow() ? new WindowAccessible(widget) : nullptr;
}
} // namespace

void installAccessibility()
{
    QAccessible::installFactory(accessibleFor);
}

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The notifications take turns: a screen reader skips an event of an
    // object when a newer one of the same object is waiting.
    for (int i = 0; i < 4; ++i)
        m_items.append(new AnnouncerItem(this));
#endif
    m_flush.setSingleShot(true);
    m_flush.setInterval(0);
    connect(&m_flush, &QTimer::timeout, this, &Announcer::flush);
}

void Announcer::say(const QString &text)
{
    m_pending.append(text);
    m_flush.start();
}

void Announcer::flush()
{
    const QString text = m_pending.join(QStringLiteral(". "));
    m_pending.clear();
    emit said(text);
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    auto *item = static_cast<AnnouncerItem *>(m_items.at(m_next));
    m_next = (m_next + 1) % int(m_items.size());
    item->text = text;
    QAccessibleEvent shown(item, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
