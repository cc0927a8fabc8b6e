#include "textfile.h"

#include "contenterror.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace content {

QString decodeShiftJis(const QByteArray& bytes)
{
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(bytes);
}

QStringList decodeLines(const QByteArray& bytes)
{
    const QString text = decodeShiftJis(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

QByteArray readContentFile(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw ContentError(path, ContentError::Cause::NotFound);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path, ContentError::Cause::Unreadable);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ContentError(path, ContentError::Cause::Unreadable);
    return bytes;
}

QStringList readLines(const QString& path)
{
    return decodeLines(readContentFile(path));
}

}  // namespace content
