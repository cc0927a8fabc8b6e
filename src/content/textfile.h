#pragma once

#include "contentfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace content {

// How a content text was written. Shift-JIS (code page 932) is the program's own; UTF-8 is what
// a Linux editor saves, and is read as well.
enum class TextEncoding { ShiftJis, Utf8 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::ShiftJis;
};

// Bytes that are valid UTF-8 and hold at least one multi-byte sequence (a byte-order mark
// counts, and is dropped) are UTF-8; all others are Shift-JIS. A byte that does not decode
// becomes U+FFFD.
DecodedText decodeText(const QByteArray& bytes);

// Shift-JIS (code page 932) bytes to text.
QString decodeShiftJis(const QByteArray& bytes);

// Text to lines: CR, CR LF and LF each end a line; the terminator is dropped; empty lines are
// kept; a terminator at the very end adds no empty line.
QStringList splitLines(const QString& text);

// The lines of a content text given as bytes, decoded as decodeText decodes them.
QStringList decodeLines(const QByteArray& bytes);

// The lines of a content text file (at most kTextByteLimit bytes).
QStringList readLines(const QString& path);

}  // namespace content
