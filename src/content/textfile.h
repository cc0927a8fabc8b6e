#pragma once

#include "contentfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace content {

// How a content text was written. Shift-JIS (code page 932) is the program's own; UTF-8 is what
// a Linux editor saves, and UTF-16 with a byte-order mark what Windows Notepad calls "Unicode".
enum class TextEncoding { ShiftJis, Utf8, Utf16 };

// Why a character of a text is shown as U+FFFD: bytes that decode as nothing (or a character
// written as U+FFFD), a NUL, or a text that ends in the middle of a character.
enum class TextFlaw { Undecodable, Nul, Cut };

struct TextFlawPlace {
    TextFlaw flaw = TextFlaw::Undecodable;
    int line = 0;    // from 1, as splitLines counts lines
    int column = 0;  // in characters, from 1
};

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::ShiftJis;
    // The first place of each kind on each line, front to back.
    QList<TextFlawPlace> flaws;
};

// A byte-order mark says the encoding (UTF-16 little or big endian, UTF-8) and is dropped. Without
// one, bytes that are valid UTF-8 and hold at least one multi-byte sequence are UTF-8 (or valid
// UTF-8 cut in the middle of its last character, when a Japanese letter comes before); all others
// are Shift-JIS. Whatever does not decode, a NUL and a character cut short each become U+FFFD, so
// that no line is ever shortened or emptied by what it holds.
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
