#include "afterpaint.h"

#include <QEvent>
#include <QObject>
#include <QPointer>

namespace ui {
namespace {

class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QObject* watched, QObject* context, std::function<void()> work)
        : QObject(context), m_watched(watched), m_work(std::move(work))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_due) {
            m_due = true;
            if (m_watched)
                m_watched->removeEventFilter(this);
            // Queued: after this paint and the rest of its window's have been flushed.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_work();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QObject> m_watched;
    std::function<void()> m_work;
    bool m_due = false;
};

}  // namespace

void runAfterFirstPaint(QObject* watched, QObject* context, std::function<void()> work)
{
    new AfterFirstPaint(watched, context, std::move(work));
}

}  // namespace ui
