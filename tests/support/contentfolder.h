#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// The content folders laid beside the test programs by the build, or those ULMARO_CONTENT names.
QString shippedContent();

// A content folder made by a test: texts in Shift-JIS and pictures written on demand.
class ContentFolder {
public:
    ContentFolder();
    QString path() const { return m_dir.path(); }
    // relative: with "\" separators as the program writes it; text: written in code page 932.
    void writeText(const QString& relative, const QString& text);
    void writeBytes(const QString& relative, const QByteArray& bytes);
    // Copies a file of the shipped content.
    void copyShipped(const QString& relative);
    // Copies the whole shipped content but the files named.
    void copyShippedExcept(const QStringList& leftOut);
    // Copies every file of the shipped content, ready to be spoilt one file at a time.
    void copyAllShipped();
    void remove(const QString& relative);

private:
    QTemporaryDir m_dir;
};

QByteArray encodeShiftJis(const QString& text);
// UTF-16 with its byte-order mark, as Windows Notepad saves "Unicode".
QByteArray encodeUtf16(const QString& text, QStringConverter::Encoding encoding);

}  // namespace testsupport
