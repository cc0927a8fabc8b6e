#include "textfile.h"

#include "contenterror.h"

#include <QStringDecoder>

namespace content {

QString decodeShiftJis(const QByteArray& bytes)
{
    QStringDecoder decoder("Shift_JIS");
    QString text = decoder.decode(bytes);
    // Qt's table is IBM's, which trades three control codes around; code page 932 keeps them.
    for (QChar& c : text) {
        switch (c.unicode()) {
        case 0x1C: c = QChar(0x1A); break;
        case 0x7F: c = QChar(0x1C); break;
        case 0x1A: c = QChar(0x7F); break;
        default: break;
        }
    }
    return text;
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

QStringList readLines(const QString& path)
{
    return decodeLines(readContentFile(path));
}

}  // namespace content
