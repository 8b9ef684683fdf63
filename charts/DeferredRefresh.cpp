#include "DeferredRefresh.h"

#include <QCoreApplication>
#include <QEvent>
#include <QQuickItem>

DeferredRefresh::DeferredRefresh(QQuickItem *item, std::function<void()> refresh, Option option)
    : QObject(item), m_item(item), m_refresh(std::move(refresh))
{
    connect(item, &QQuickItem::visibleChanged, this, &DeferredRefresh::onVisibleChanged);
    if (option == AlsoOnLanguageChange && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

void DeferredRefresh::request()
{
    if (!m_item->isVisible()) {
        m_pending = true;
        return;
    }
    m_pending = false;
    m_refresh();
}

void DeferredRefresh::onVisibleChanged()
{
    if (m_pending && m_item->isVisible())
        request();
}

bool DeferredRefresh::eventFilter(QObject *watched, QEvent *event)
{
    // Installing a translator sends the application object a LanguageChange event.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        request();
    return QObject::eventFilter(watched, event);
}
