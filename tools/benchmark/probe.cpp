#include "probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPaintEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace bench {
namespace {

// The number after "name:" in a /proc file of "name: value" lines, or -1.
long procField(const QString& path, const QByteArray& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // Read at once: /proc files have no size, so a line-by-line read of a vanishing one is unsafe.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith(name) && line.size() > name.size() && line[name.size()] == ':')
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double processCpuSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

Memory memoryOf(qint64 pid)
{
    const QString base = QStringLiteral("/proc/%1/").arg(pid);
    return {procField(base + QStringLiteral("status"), "VmRSS"),
            procField(base + QStringLiteral("smaps_rollup"), "Pss")};
}

std::map<qint64, long> switchesOf(qint64 pid)
{
    std::map<qint64, long> result;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& tid : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString status = tasks + QLatin1Char('/') + tid + QStringLiteral("/status");
        const long voluntary = procField(status, "voluntary_ctxt_switches");
        const long forced = procField(status, "nonvoluntary_ctxt_switches");
        if (voluntary >= 0 && forced >= 0)
            result[tid.toLongLong()] = voluntary + forced;
    }
    return result;
}

long switchesBetween(const std::map<qint64, long>& before, const std::map<qint64, long>& after)
{
    long total = 0;
    for (const auto& [tid, count] : after) {
        auto earlier = before.find(tid);
        total += count - (earlier == before.end() ? 0 : earlier->second);
    }
    return total;
}

PaintWatch::PaintWatch()
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintWatch::arm()
{
    m_windowPainted = false;
    m_paints = 0;
    m_area = 0;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        ++m_paints;
        for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
            m_area += long(rect.width()) * rect.height();
        // A window paints itself before its children, in the same pass that ends with the
        // flush to the screen: once the loop turn that delivered this returns, all is shown.
        if (static_cast<QWidget*>(watched)->isWindow())
            m_windowPainted = true;
    }
    return false;
}

bool PaintWatch::waitForWindowPaint(int timeoutMs)
{
    return runWhile([this] { return !m_windowPainted; }, timeoutMs);
}

bool runWhile(const std::function<bool()>& going, int timeoutMs)
{
    bool late = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&late] { late = true; });
    guard.start(timeoutMs);
    while (going() && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !going();
}

void quietPlatformWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support"))
            && !message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
            previous(type, context, message);
    });
}

void paintPending()
{
    // Widgets ask for a repaint with a posted update request to their window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void tell(const char* key, qint64 value)
{
    std::printf("%s %lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}

void listenToParent(const std::function<void(const QByteArray&)>& handler)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, QCoreApplication::instance());
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(notifier, &QSocketNotifier::activated, [notifier, pending, handler] {
        char chunk[256];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            notifier->setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        pending->append(chunk, got);
        qsizetype end;
        while ((end = pending->indexOf('\n')) >= 0) {
            const QByteArray command = pending->left(end).trimmed();
            pending->remove(0, end + 1);
            if (command == "quit") {
                QCoreApplication::exit(0);
                return;
            }
            handler(command);
        }
    });
}

}  // namespace bench
