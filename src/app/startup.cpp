#include "startup.h"

#include "content/contentpath.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

namespace app {
namespace {

// Gives the program its icon once the first window has painted. Making the icon draws the
// picture at every size the desktop may ask for, which would otherwise delay the first screen.
class IconAfterFirstPaint : public QObject {
public:
    explicit IconAfterFirstPaint(QObject* parent) : QObject(parent) { parent->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_due) {
            m_due = true;
            parent()->removeEventFilter(this);
            // Queued: after this paint has reached the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg")));
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_due = false;
};

}  // namespace

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setApplicationVersion(QStringLiteral(ULMARO_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ULMARO_DESKTOP_ID));
    new IconAfterFirstPaint(&application);
    application.setQuitOnLastWindowClosed(false);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
}

}  // namespace app
