#pragma once

#include <QString>

namespace drill {

// Reads fields one at a time the way sequential input reads them: a quoted text ends at the next
// quote (commas inside belong to it); an unquoted one at the next comma or line end; blanks
// before a field are skipped; an empty line or two adjacent commas give one empty field. Line
// ends are CR LF, CR or LF.
class FieldReader {
public:
    explicit FieldReader(QString text);

    bool atEnd() const;
    // The next field as text; returns false when the input is exhausted. A quoted field whose
    // closing quote is missing runs to the end of the input, and unclosedQuote() then says so.
    bool readText(QString& field);
    // The raw text of the next number field: it ends at a comma, a blank or a line end.
    bool readNumberText(QString& field);

    // Whether the field last read began with a quote that nothing closes.
    bool unclosedQuote() const { return m_unclosedQuote; }
    // The line (from 1) on which the field last read begins, and its column there (in
    // characters, from 1).
    int fieldLine() const;
    int fieldColumn() const;

private:
    void skipBlanks();
    void skipToDelimiter();
    bool atLineEnd() const;
    void consumeDelimiter();

    QString m_text;
    qsizetype m_pos = 0;
    qsizetype m_fieldStart = 0;
    bool m_unclosedQuote = false;
    mutable qsizetype m_countedTo = 0;
    mutable int m_linesBefore = 0;
    mutable qsizetype m_lineStart = 0;
};

// A number field as a signed 16-bit value. An empty field reads as 0.
enum class NumberParse { Ok, NotANumber, Overflow };
NumberParse parseInt16(const QString& field, qint16& value);

}  // namespace drill
