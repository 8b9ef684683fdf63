#pragma once
// Runs a chart's refresh at once while the chart is shown, and otherwise once, when it is
// next shown: a hidden chart need not redraw on every measurement. Optionally also
// refreshes after the interface language changed, for charts that draw translated texts.

#include <QObject>
#include <functional>

class QQuickItem;

class DeferredRefresh : public QObject
{
public:
    enum Option { DataOnly, AlsoOnLanguageChange };

    DeferredRefresh(QQuickItem *item, std::function<void()> refresh, Option option = DataOnly);

    void request();
    bool isPending() const { return m_pending; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onVisibleChanged();

    QQuickItem *m_item;
    std::function<void()> m_refresh;
    bool m_pending = false;
};
