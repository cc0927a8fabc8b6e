#include "fieldfile.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace drill {
namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}
}  // namespace

FieldReader::FieldReader(QString text) : m_text(std::move(text)) {}

bool FieldReader::atEnd() const
{
    return m_pos >= m_text.size();
}

void FieldReader::skipBlanks()
{
    while (!atEnd() && isBlank(m_text.at(m_pos)))
        ++m_pos;
}

bool FieldReader::atLineEnd() const
{
    return !atEnd() && isLineEnd(m_text.at(m_pos));
}

void FieldReader::consumeDelimiter()
{
    if (atEnd())
        return;
    const QChar c = m_text.at(m_pos);
    if (c == QLatin1Char(',') || c == QLatin1Char('\n')) {
        ++m_pos;
    } else if (c == QLatin1Char('\r')) {
        ++m_pos;
        if (!atEnd() && m_text.at(m_pos) == QLatin1Char('\n'))
            ++m_pos;
    }
}

void FieldReader::skipToDelimiter()
{
    while (!atEnd() && m_text.at(m_pos) != QLatin1Char(',') && !atLineEnd())
        ++m_pos;
    consumeDelimiter();
}

int FieldReader::fieldLine() const
{
    // Fields are read front to back, so the count goes on from where it stopped.
    for (; m_countedTo < m_fieldStart; ++m_countedTo) {
        const QChar c = m_text.at(m_countedTo);
        const bool crBeforeLf = c == QLatin1Char('\r') && m_countedTo + 1 < m_text.size()
            && m_text.at(m_countedTo + 1) == QLatin1Char('\n');
        if (isLineEnd(c) && !crBeforeLf) {
            ++m_linesBefore;
            m_lineStart = m_countedTo + 1;
        }
    }
    return m_linesBefore + 1;
}

int FieldReader::fieldColumn() const
{
    fieldLine();
    const QStringView before = QStringView(m_text).sliced(m_lineStart, m_fieldStart - m_lineStart);
    // A character beyond the 16-bit range is two QChars, the second a low surrogate.
    return int(before.size() - std::count_if(before.begin(), before.end(), [](QChar c) { return c.isLowSurrogate(); }))
        + 1;
}

bool FieldReader::readText(QString& field)
{
    skipBlanks();
    m_fieldStart = m_pos;
    m_unclosedQuote = false;
    if (atEnd())
        return false;
    if (m_text.at(m_pos) == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        m_unclosedQuote = close < 0;
        const qsizetype end = close < 0 ? m_text.size() : close;
        field = m_text.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? m_text.size() : close + 1;
        skipToDelimiter();  // anything after the closing quote is dropped
        return true;
    }
    const qsizetype start = m_pos;
    while (!atEnd() && m_text.at(m_pos) != QLatin1Char(',') && !atLineEnd())
        ++m_pos;
    field = m_text.mid(start, m_pos - start);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    consumeDelimiter();
    return true;
}

bool FieldReader::readNumberText(QString& field)
{
    skipBlanks();
    m_fieldStart = m_pos;
    m_unclosedQuote = false;
    if (atEnd())
        return false;
    const qsizetype start = m_pos;
    while (!atEnd() && m_text.at(m_pos) != QLatin1Char(',') && !atLineEnd() && !isBlank(m_text.at(m_pos)))
        ++m_pos;
    field = m_text.mid(start, m_pos - start);
    skipBlanks();
    // A blank ends the number; a comma or line end right after it belongs to this field.
    if (!atEnd() && (m_text.at(m_pos) == QLatin1Char(',') || atLineEnd()))
        consumeDelimiter();
    return true;
}

NumberParse parseInt16(const QString& field, qint16& value)
{
    if (field.isEmpty()) {
        value = 0;
        return NumberParse::Ok;
    }
    bool ok = false;
    const qlonglong wide = field.toLongLong(&ok, 10);
    if (!ok) {
        // Digits too many for even a 64-bit value are still a number, only too large.
        static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
        return digits.match(field).hasMatch() ? NumberParse::Overflow : NumberParse::NotANumber;
    }
    if (wide < std::numeric_limits<qint16>::min() || wide > std::numeric_limits<qint16>::max())
        return NumberParse::Overflow;
    value = qint16(wide);
    return NumberParse::Ok;
}

}  // namespace drill
