#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

// Text as it is heard: the spaces that only lay words out on the screen go. A full-width space
// between two Japanese characters vanishes (銅　板: 銅板); any other run of spaces becomes one
// (1　鉛: 1 鉛), and none is left at either end.
QString spokenText(const QString& text);

// A list's lines as a reader takes them: the display lines of one sentence joined, a heading, an
// indented line or a numbered line each on its own, and blank lines left out.
struct Passage {
    int firstLine;
    int lastLine;
    QString text;  // as heard
};
std::vector<Passage> passagesOf(const QStringList& lines);

}  // namespace ui
