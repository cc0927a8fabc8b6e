#pragma once

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace testsupport {

// What the program writes on stderr while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        if (::pipe2(m_pipe, O_NONBLOCK) == 0) {  // a full pipe drops lines rather than block
            m_saved = ::dup(STDERR_FILENO);
            ::dup2(m_pipe[1], STDERR_FILENO);
        }
    }
    ~StderrCapture()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
            ::close(m_pipe[0]);
            ::close(m_pipe[1]);
        }
    }
    // The program's own lines written since the last call.
    QStringList newLines()
    {
        char buffer[4096];
        for (ssize_t n; (n = ::read(m_pipe[0], buffer, sizeof buffer)) > 0;)
            m_text += QByteArray(buffer, int(n));
        const qsizetype end = m_text.lastIndexOf('\n') + 1;
        QStringList lines = QString::fromLocal8Bit(m_text.left(end)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_text.remove(0, end);
        return lines.filter(QRegularExpression(QStringLiteral("^ulmaro: ")));
    }

private:
    int m_pipe[2] = {-1, -1};
    int m_saved = -1;
    QByteArray m_text;
};

}  // namespace testsupport
