#pragma once

#include "contentfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace content {

// Shift-JIS (code page 932) text to lines: CR, CR LF and LF each end a line; the terminator is
// dropped; empty lines are kept; a terminator at the very end adds no empty line.
QStringList decodeLines(const QByteArray& bytes);

// Shift-JIS (code page 932) bytes to text.
QString decodeShiftJis(const QByteArray& bytes);

// The lines of a content text file (at most kTextByteLimit bytes).
QStringList readLines(const QString& path);

}  // namespace content
