#pragma once

#include <QByteArray>
#include <QString>

namespace content {

// The largest files the program reads. A teacher's file is far smaller; anything bigger is a
// mistake (a wrong file, a device, a runaway export) that must not fill the memory.
inline constexpr qint64 kTextByteLimit = qint64(1) << 20;      // 1 MiB
inline constexpr qint64 kPictureByteLimit = qint64(16) << 20;  // 16 MiB
inline constexpr qint64 kSoundByteLimit = qint64(16) << 20;    // 16 MiB

// One content file, open for reading. It opens only a regular file (links followed), never
// waits on a pipe or a device, and refuses a file larger than its limit. Every failure raises
// ContentError naming the path and the real cause (missing, folder, device, pipe, too large...).
class ContentFile {
public:
    ContentFile(const QString& path, qint64 byteLimit);
    ~ContentFile();
    ContentFile(const ContentFile&) = delete;
    ContentFile& operator=(const ContentFile&) = delete;

    const QString& path() const { return m_path; }
    qint64 size() const { return m_size; }
    // Up to maxBytes from the current position; fewer only at the end of the file.
    QByteArray read(qint64 maxBytes);
    void seek(qint64 position);
    // The rest of the file, but never more than the limit it was opened with.
    QByteArray readAll();

private:
    [[noreturn]] void fail() const;

    QString m_path;
    qint64 m_limit;
    qint64 m_size = 0;
    int m_fd = -1;
};

// A whole content file, at most byteLimit bytes.
QByteArray readContentFile(const QString& path, qint64 byteLimit = kTextByteLimit);

// A size in the words of a report: "123,456 バイト"; a limit, whole mebibytes: "1 MiB（1,048,576 バイト）".
QString byteSizeText(qint64 bytes);
QString byteLimitText(qint64 bytes);

}  // namespace content
