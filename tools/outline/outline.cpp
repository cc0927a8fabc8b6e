// Turns lettering made bold by stacked copies into one outlined shape per letter group, in place.
//
//   ulmaro-outline FILE.svg...
//
// Artwork often thickens a word by drawing it two or three times, each copy shifted by a fraction
// of a pixel. Every copy then costs the renderer a font lookup, shaping and a glyph fill, and a
// picture with words needs the font machinery before it can show at all. This replaces each run of
// such copies (consecutive <text> lines alike in everything but a shift of at most 1.5 px) by one
// <path> whose outline is all the copies together, filled once, so it covers what the copies
// covered. A lone <text> is left as it is: it is still text to edit.
// The fonts must be those the artwork names (Debian's IPA and DejaVu fonts).
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

struct Lettering {
    QString indent;
    QMap<QString, QString> attributes;  // all but x and y
    double x = 0;
    double y = 0;
    QString text;

    bool stacksOn(const Lettering& other) const
    {
        return text == other.text && attributes == other.attributes && std::abs(x - other.x) <= 1.5
            && std::abs(y - other.y) <= 1.5;
    }
};

QString unescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

std::optional<Lettering> parseLettering(const QString& line)
{
    static const QRegularExpression whole(QStringLiteral(R"(^(\s*)<text\s([^>]*)>([^<]*)</text>\s*$)"));
    static const QRegularExpression attribute(QStringLiteral(R"(([a-z-]+)="([^"]*)\")"));
    const auto match = whole.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    Lettering lettering;
    lettering.indent = match.captured(1);
    lettering.text = unescaped(match.captured(3));
    for (auto it = attribute.globalMatch(match.captured(2)); it.hasNext();) {
        const auto a = it.next();
        if (a.captured(1) == QLatin1String("x"))
            lettering.x = a.captured(2).toDouble();
        else if (a.captured(1) == QLatin1String("y"))
            lettering.y = a.captured(2).toDouble();
        else
            lettering.attributes.insert(a.captured(1), a.captured(2));
    }
    return lettering;
}

// Fonts take whole pixel sizes only, and artwork uses fractional ones: the outline is made at this
// size and scaled, which an unhinted outline allows.
constexpr int kDesignSize = 1000;

QFont fontOf(const Lettering& lettering)
{
    QFont font(lettering.attributes.value(QStringLiteral("font-family")));
    font.setPixelSize(kDesignSize);
    const QString weight = lettering.attributes.value(QStringLiteral("font-weight"));
    font.setBold(weight == QLatin1String("bold") || weight.toInt() >= 600);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// The outline of one copy, its baseline starting at x as the text-anchor says.
QPainterPath outlineOf(const Lettering& lettering)
{
    const QFont font = fontOf(lettering);
    const double scale = lettering.attributes.value(QStringLiteral("font-size")).toDouble() / kDesignSize;
    QPainterPath path;
    path.addText(0, 0, font, lettering.text);
    path = QTransform::fromScale(scale, scale).map(path);
    double shift = 0;
    const QString anchor = lettering.attributes.value(QStringLiteral("text-anchor"));
    const double advance = QFontMetricsF(font).horizontalAdvance(lettering.text) * scale;
    if (anchor == QLatin1String("middle"))
        shift = -advance / 2;
    else if (anchor == QLatin1String("end"))
        shift = -advance;
    return path.translated(lettering.x + shift, lettering.y);
}

QString number(double value)
{
    QString text = QString::number(std::round(value * 100) / 100, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString pathData(const QPainterPath& path)
{
    QStringList words;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0)
                words << QStringLiteral("Z");
            words << QStringLiteral("M") << number(e.x) << number(e.y);
            break;
        case QPainterPath::LineToElement: words << QStringLiteral("L") << number(e.x) << number(e.y); break;
        case QPainterPath::CurveToElement: words << QStringLiteral("C") << number(e.x) << number(e.y); break;
        case QPainterPath::CurveToDataElement: words << number(e.x) << number(e.y); break;
        }
    }
    if (!path.isEmpty())
        words << QStringLiteral("Z");
    return words.join(QLatin1Char(' '));
}

QString escaped(QString text)
{
    return text.replace(QLatin1String("&"), QLatin1String("&amp;")).replace(QLatin1String("--"), QLatin1String("- -"));
}

QStringList outlined(const QVector<Lettering>& copies)
{
    const Lettering& first = copies.first();
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const Lettering& copy : copies)
        all.addPath(outlineOf(copy));
    // One outline around them all: a rasterizer then walks each edge once, not once per copy,
    // and no seam shows where the copies' softened edges overlap.
    all = all.simplified();
    QString attributes;
    for (auto it = first.attributes.cbegin(); it != first.attributes.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("font-")) || it.key() == QLatin1String("text-anchor"))
            continue;
        attributes += QStringLiteral(" %1=\"%2\"").arg(it.key(), it.value());
    }
    const QString font = first.attributes.value(QStringLiteral("font-family")) + QLatin1Char(' ')
        + first.attributes.value(QStringLiteral("font-size")) + QStringLiteral(" px")
        + (fontOf(first).bold() ? QStringLiteral(" bold") : QString());
    return {first.indent
                + QStringLiteral("<!-- 「%1」, %2, %3 copies -->").arg(escaped(first.text), font).arg(copies.size()),
            first.indent + QStringLiteral("<path d=\"%1\"%2/>").arg(pathData(all), attributes)};
}

bool outlineFile(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ulmaro-outline: %s: %s\n", qPrintable(name), qPrintable(file.errorString()));
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    QStringList out;
    int groups = 0;
    for (int i = 0; i < lines.size();) {
        const auto lettering = parseLettering(lines[i]);
        if (!lettering) {
            out << lines[i++];
            continue;
        }
        QVector<Lettering> copies{*lettering};
        int next = i + 1;
        for (; next < lines.size(); ++next) {
            const auto another = parseLettering(lines[next]);
            if (!another || !another->stacksOn(copies.first()))
                break;
            copies << *another;
        }
        if (copies.size() > 1) {
            out << outlined(copies);
            ++groups;
        } else {
            out << lines[i];
        }
        i = next;
    }
    if (groups == 0)
        return true;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "ulmaro-outline: %s: %s\n", qPrintable(name), qPrintable(file.errorString()));
        return false;
    }
    file.write(out.join(QLatin1Char('\n')).toUtf8());
    std::printf("%s: %d stacked letterings outlined\n", qPrintable(name), groups);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    bool ok = true;
    for (const QString& name : QCoreApplication::arguments().mid(1))
        ok = outlineFile(name) && ok;
    return ok ? 0 : 1;
}
