#pragma once

#include <QString>

#include <stdexcept>

namespace content {

// A content file that the program needs and cannot use. Raised where the file is read and caught
// only around event dispatch, which reports it and ends the program.
class ContentError : public std::runtime_error {
public:
    enum class Cause { NotFound, Unreadable, NotAPicture, BadFieldFile };

    ContentError(QString path, Cause cause, QString detail = {});

    const QString& path() const { return m_path; }
    Cause cause() const { return m_cause; }
    // The cause in the user's words (Japanese), detail included.
    QString causeText() const;
    // The whole report: the file, the cause, and that the program ends.
    QString report() const;

private:
    QString m_path;
    Cause m_cause;
    QString m_detail;
};

}  // namespace content
