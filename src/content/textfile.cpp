#include "textfile.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace content {
namespace {

constexpr QChar kReplacement(QChar::ReplacementCharacter);

struct Decoding {
    QString text;
    bool cut = false;  // the last character stands for one the text ends in the middle of
};

// Whether a stateful decoder that has taken a whole text still holds the first bytes of a
// character, the text being cut in the middle of it: a blank after them makes it give them out.
bool holdsPartOfACharacter(QStringDecoder& decoder)
{
    return QString(decoder.decode(QByteArrayView(" "))) != QLatin1String(" ");
}

Decoding decodeShiftJisPieces(QByteArrayView bytes)
{
    // Qt's table for this encoding is IBM's: it trades the control codes 0x1A, 0x1C and 0x7F
    // around, and gives 0x1A for a byte it cannot decode. Those three bytes never stand inside a
    // two-byte character, so they are taken as themselves, as code page 932 has them, and a byte
    // that does not decode becomes U+FFFD like everywhere else. A blank after each piece, never
    // part of a two-byte character, makes the decoder give out a lead byte left without its pair
    // instead of dropping it.
    Decoding decoded;
    qsizetype start = 0;
    const auto decodeUpTo = [&](qsizetype end) {
        QStringDecoder decoder("Shift_JIS");
        QString piece = decoder.decode(bytes.sliced(start, end - start));
        const QString held = decoder.decode(QByteArrayView(" "));
        decoded.cut = held.size() > 1;
        piece += held.chopped(1);
        decoded.text += piece.replace(QChar(0x1A), kReplacement);
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == 0x1A || c == 0x1C || c == 0x7F) {
            decodeUpTo(i);
            decoded.text += QLatin1Char(c);
            start = i + 1;
        }
    }
    decodeUpTo(bytes.size());
    return decoded;
}

Decoding decodeUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding)
{
    // The decoder drops the byte-order mark, but passes a surrogate without its pair, which
    // markFlaws turns into U+FFFD; a lone byte at the end would be dropped.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    Decoding decoded{decoder.decode(QByteArrayView(bytes).chopped(bytes.size() % 2))};
    decoded.cut = bytes.size() % 2 != 0 || (!decoded.text.isEmpty() && decoded.text.back().isHighSurrogate());
    if (decoded.cut && bytes.size() % 2 == 0)
        decoded.text.chop(1);
    if (decoded.cut)
        decoded.text += kReplacement;
    return decoded;
}

// Every NUL and every surrogate without its pair becomes U+FFFD; the first place on each line
// where each kind of flaw shows is noted, in the lines and columns splitLines and an editor count.
void markFlaws(DecodedText& decoded, bool cut)
{
    QString& text = decoded.text;
    const qsizetype size = text.size();
    std::array<int, 3> notedOnLine{};
    int line = 1;
    qsizetype lineStart = 0;
    qsizetype pairsOnLine = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            lineStart = i + 1;
            pairsOnLine = 0;
            continue;
        }
        const qsizetype column = i - lineStart - pairsOnLine + 1;
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            ++i;
            ++pairsOnLine;
            continue;
        }
        TextFlaw flaw = TextFlaw::Undecodable;
        if (c.isNull())
            flaw = TextFlaw::Nul;
        else if (cut && i == size - 1)
            flaw = TextFlaw::Cut;
        else if (c != kReplacement && !c.isSurrogate())
            continue;
        text[i] = kReplacement;
        int& noted = notedOnLine[std::size_t(flaw)];
        if (noted != line)
            decoded.flaws << TextFlawPlace{flaw, line, int(column)};
        noted = line;
    }
}

}  // namespace

DecodedText decodeText(const QByteArray& bytes)
{
    DecodedText decoded;
    Decoding decoding;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        decoded.encoding = TextEncoding::Utf16;
        decoding = decodeUtf16(bytes, bytes.at(0) == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    } else {
        const bool multiByte = std::any_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) >= 0x80; });
        if (multiByte) {
            QStringDecoder utf8(QStringDecoder::Utf8);  // stateful, to hold a character cut short
            decoding.text = utf8.decode(bytes);
            const bool valid = !utf8.hasError();
            decoding.cut = holdsPartOfACharacter(utf8);
            // Three bytes or more, as every Japanese letter has in UTF-8: Shift-JIS bytes that are
            // valid UTF-8 up to a cut are half-width katakana, which never make one.
            const bool japanese =
                std::any_of(decoding.text.begin(), decoding.text.end(), [](QChar c) { return c.unicode() >= 0x800; });
            if (bytes.startsWith("\xEF\xBB\xBF") || (valid && (!decoding.cut || japanese)))
                decoded.encoding = TextEncoding::Utf8;
            if (decoding.cut)
                decoding.text += kReplacement;
        }
        if (decoded.encoding == TextEncoding::ShiftJis)
            decoding = decodeShiftJisPieces(bytes);
    }
    decoded.text = std::move(decoding.text);
    markFlaws(decoded, decoding.cut);
    return decoded;
}

QString decodeShiftJis(const QByteArray& bytes)
{
    return decodeShiftJisPieces(bytes).text;
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
