#include "failurereport.h"

namespace content {

void EventGuard::run(const std::function<void()>& handler)
{
    if (m_reporting)
        return;
    struct Level {
        explicit Level(int& nesting) : depth(nesting) { ++depth; }
        ~Level() { --depth; }
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;
        int& depth;
    };
    try {
        const Level level(m_depth);
        handler();
    } catch (const ContentError& error) {
        if (m_depth > 0)
            throw;
        m_reporting = true;
        m_reporter.report(error);
        m_reporting = false;
    }
}

}  // namespace content
