#include "reading.h"

#include <QRegularExpression>

namespace ui {
namespace {

bool isJapanese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3001 && u <= 0x30FF)      // punctuation, brackets and kana
        || (u >= 0x3400 && u <= 0x9FFF)      // kanji
        || (u >= 0xFF01 && u <= 0xFF60);     // full-width signs, digits and letters
}

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

// A line that stands alone: a heading 【…】, an indented formula, a numbered or marked item.
bool beginsItsOwn(const QString& line)
{
    if (line.isEmpty())
        return false;
    static const QRegularExpression numbered(QStringLiteral("^[0-9０-９]+[ 　.．、:：)）]"));
    const QChar first = line.front();
    return first == QChar(0x3010) || first == QChar(0x3000) || first == QLatin1Char(' ')
        || first == QChar(0x30FB) || first == QChar(0x25CF) || first == QChar(0x25CB) || first == QChar(0x25A0)
        || numbered.match(line).hasMatch();
}

bool endsASentence(const QString& line)
{
    const QString t = line.trimmed();
    static const QString kEnds = QStringLiteral("。．！？!?」』）)");
    return kEnds.contains(t.back());
}

}  // namespace

QString spokenText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!text[i].isSpace()) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        bool wide = false;
        while (end < n && text[end].isSpace()) {
            wide = wide || text[end] == QChar(0x3000);
            ++end;
        }
        if (!out.isEmpty() && end < n && !(wide && isJapanese(out.back()) && isJapanese(text[end])))
            out += QLatin1Char(' ');
        i = end;
    }
    return out;
}

std::vector<Passage> passagesOf(const QStringList& lines)
{
    std::vector<Passage> passages;
    bool open = false;  // the last passage may take the next line
    for (int row = 0; row < lines.size(); ++row) {
        const QString& line = lines[row];
        if (isBlank(line)) {
            open = false;
            continue;
        }
        const QString heard = spokenText(line);
        if (open && !beginsItsOwn(line)) {
            Passage& last = passages.back();
            last.lastLine = row;
            last.text += heard;
        } else {
            passages.push_back({row, row, heard});
        }
        // A heading or formula is complete in its line; a sentence runs on to its full stop.
        const QChar first = line.front();
        open = !endsASentence(line) && first != QChar(0x3010) && first != QChar(0x3000) && first != QLatin1Char(' ');
    }
    return passages;
}

}  // namespace ui
