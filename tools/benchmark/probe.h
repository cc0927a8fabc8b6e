#pragma once

// What the benchmark reads about a process and its painting, shared by the benchmark and the bare
// window it compares Ulmaro with. Linux only: figures come from /proc and the monotonic clock.

#include <QObject>
#include <QRegion>

#include <functional>
#include <map>

class QWidget;

namespace bench {

// The system-wide monotonic clock, so that two processes can compare their readings.
qint64 monotonicNs();
// CPU time of this whole process, all threads.
double processCpuSeconds();

struct Memory {
    long rssKiB = 0;
    long pssKiB = 0;
};
Memory memoryOf(qint64 pid);

// Context switches of every thread of a process: each is a wake-up of a sleeping thread or a
// preempted one, keyed by thread id.
std::map<qint64, long> switchesOf(qint64 pid);
// Switches between two readings; threads that started in between count from zero.
long switchesBetween(const std::map<qint64, long>& before, const std::map<qint64, long>& after);

// Watches every paint event of the application: how many, over how many pixels, and whether a
// window painted since it was armed.
class PaintWatch : public QObject {
public:
    PaintWatch();
    ~PaintWatch() override;

    void arm();
    bool windowPainted() const { return m_windowPainted; }
    int paints() const { return m_paints; }
    // Sum of the painted pixels of every widget, in device-independent pixels.
    long paintedArea() const { return m_area; }
    // Runs the event loop until a window painted since arm(), at most timeoutMs; false on timeout.
    bool waitForWindowPaint(int timeoutMs = 10000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_windowPainted = false;
    int m_paints = 0;
    long m_area = 0;
};

// Runs the event loop, sleeping between events, while `going` holds, at most timeoutMs; returns
// whether `going` ended it.
bool runWhile(const std::function<bool()>& going, int timeoutMs = 10000);

// Leaves out the warnings of a bare environment (the offscreen platform cannot raise a window, no
// runtime folder is set), which would bury the figures.
void quietPlatformWarnings();

// Paints what is waiting to be painted now, as the event loop would on its next turn, without
// running anything else that is due (such as a clock's next tick).
void paintPending();

// Child side of the conversation with the benchmark: a line on stdout with a figure, and the
// commands the parent writes to stdin ("quit" or end of input ends the event loop).
void tell(const char* key, qint64 value);
void listenToParent(const std::function<void(const QByteArray& command)>& handler);

}  // namespace bench
