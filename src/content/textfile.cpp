#include "textfile.h"

#include <QStringDecoder>

#include <algorithm>

namespace content {

DecodedText decodeText(const QByteArray& bytes)
{
    const bool multiByte = std::any_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) >= 0x80; });
    if (multiByte) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return {text, TextEncoding::Utf8};
    }
    return {decodeShiftJis(bytes), TextEncoding::ShiftJis};
}

QString decodeShiftJis(const QByteArray& bytes)
{
    // Qt's table for this encoding is IBM's: it trades the control codes 0x1A, 0x1C and 0x7F
    // around, and gives 0x1A for a byte it cannot decode. Those three bytes never stand inside a
    // two-byte character, so they are taken as themselves, as code page 932 has them, and a byte
    // that does not decode becomes U+FFFD like everywhere else. A blank after each piece, never
    // part of a two-byte character, makes the decoder give out a lead byte left without its pair
    // instead of dropping it.
    QString text;
    qsizetype start = 0;
    const auto decodeUpTo = [&](qsizetype end) {
        QStringDecoder decoder("Shift_JIS");
        QString piece = decoder.decode(bytes.mid(start, end - start) + ' ');
        piece.chop(1);
        text += piece.replace(QChar(0x1A), QChar(QChar::ReplacementCharacter));
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == 0x1A || c == 0x1C || c == 0x7F) {
            decodeUpTo(i);
            text += QLatin1Char(c);
            start = i + 1;
        }
    }
    decodeUpTo(bytes.size());
    return text;
}

QStringList splitLines(const QString& text)
{
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

QStringList decodeLines(const QByteArray& bytes)
{
    return splitLines(decodeText(bytes).text);
}

QStringList readLines(const QString& path)
{
    return decodeLines(readContentFile(path));
}

}  // namespace content
