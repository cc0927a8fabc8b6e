#pragma once

#include <QString>

#include <stdexcept>

namespace content {

// A content file that the program needs and cannot use. Raised where the file is read and caught
// only around event dispatch, which reports it and ends the program.
class ContentError : public std::runtime_error {
public:
    enum class Cause {
        NotFound,
        Unreadable,
        Folder,    // a folder where a file belongs
        NotAFile,  // a device, a pipe or a socket
        TooLarge,  // more bytes than the program reads of such a file
        NotAPicture,
        PictureTooLarge,  // more pixels than a screen can show
        NotASound,
        BadFieldFile,
    };

    // detail: the cause in full where the cause alone does not say it (sizes, fields, lines).
    // line: the line of the file the cause lies on, or 0.
    ContentError(QString path, Cause cause, QString detail = {}, int line = 0);

    const QString& path() const { return m_path; }
    Cause cause() const { return m_cause; }
    int line() const { return m_line; }
    // The cause in the user's words (Japanese), detail included.
    QString causeText() const;
    // The whole report: the file, the line, the cause, and that the program ends.
    QString report() const;

private:
    QString m_path;
    Cause m_cause;
    QString m_detail;
    int m_line;
};

inline constexpr int kShownFieldLength = 40;

// A piece of a content file as a report quotes it: at most kShownFieldLength characters, cut
// with "…", and every character that would not show (controls, formats, separators other than
// the space, undecodable bytes) written as <U+XXXX>, so that a report is always readable.
QString shownText(const QString& text);

}  // namespace content
