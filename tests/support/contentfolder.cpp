#include "contentfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace testsupport {
namespace {

QString nativePath(const QString& root, const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root + (tail.startsWith(QLatin1Char('/')) ? tail : QLatin1Char('/') + tail);
}

}  // namespace

QString shippedContent()
{
    const QByteArray fromEnv = qgetenv("ULMARO_CONTENT");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(fromEnv);
}

QByteArray encodeShiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

QByteArray encodeUtf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

ContentFolder::ContentFolder() = default;

void ContentFolder::writeBytes(const QString& relative, const QByteArray& bytes)
{
    const QString file = nativePath(m_dir.path(), relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

void ContentFolder::writeText(const QString& relative, const QString& text)
{
    writeBytes(relative, encodeShiftJis(text));
}

void ContentFolder::copyShipped(const QString& relative)
{
    QFile in(nativePath(shippedContent(), relative));
    if (in.open(QIODevice::ReadOnly))
        writeBytes(relative, in.readAll());
}

void ContentFolder::copyShippedExcept(const QStringList& leftOut)
{
    const QDir shipped(shippedContent());
    for (const char* top : {"説明", "画像", "音"}) {
        QDirIterator files(shipped.filePath(QString::fromUtf8(top)), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QString relative = QLatin1Char('/') + shipped.relativeFilePath(files.next());
            relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
            if (!leftOut.contains(relative))
                copyShipped(relative);
        }
    }
}

void ContentFolder::copyAllShipped()
{
    copyShippedExcept({});
}

void ContentFolder::remove(const QString& relative)
{
    QFile::remove(nativePath(m_dir.path(), relative));
}

}  // namespace testsupport
