#include "contentfolder.h"

#include <QCoreApplication>
#include <QDir>
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

}  // namespace testsupport
