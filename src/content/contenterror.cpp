#include "contenterror.h"

#include <QList>

namespace content {

ContentError::ContentError(QString path, Cause cause, QString detail, int line)
    : std::runtime_error("content file cannot be used"),
      m_path(std::move(path)),
      m_cause(cause),
      m_detail(std::move(detail)),
      m_line(line)
{}

QString ContentError::causeText() const
{
    if (!m_detail.isEmpty())
        return m_detail;
    switch (m_cause) {
    case Cause::NotFound: return QStringLiteral("ファイルが見つかりません。");
    case Cause::Unreadable: return QStringLiteral("ファイルを読み込めません。");
    case Cause::Folder: return QStringLiteral("フォルダーです（ファイルではありません）。");
    case Cause::NotAFile: return QStringLiteral("通常のファイルではありません。");
    case Cause::TooLarge: return QStringLiteral("ファイルが大きすぎます。");
    case Cause::NotAPicture: return QStringLiteral("画像として読み込めません（GIF 画像ではないか、壊れています）。");
    case Cause::PictureTooLarge: return QStringLiteral("画像が大きすぎます。");
    case Cause::NotASound: return QStringLiteral("音として鳴らせません（WAV ファイルではないか、壊れています）。");
    case Cause::BadFieldFile: return QStringLiteral("項目を読み取れません。");
    }
    return m_detail;
}

QString ContentError::report() const
{
    QString text = QStringLiteral("教材ファイルを使えないため、プログラムを終了します。\n\nファイル: %1\n").arg(m_path);
    if (m_line > 0)
        text += QStringLiteral("場所: %1 行目\n").arg(m_line);
    return text + QStringLiteral("原因: %1").arg(causeText());
}

namespace {
bool showsItself(char32_t c)
{
    if (c == U' ' || c == U'\u3000')  // the two spaces Japanese texts are written with
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return false;
    default: return c != QChar::ReplacementCharacter;
    }
}
}  // namespace

QString shownText(const QString& text)
{
    QString shown;
    for (char32_t c : text.toUcs4()) {
        const QString piece = showsItself(c)
            ? QString::fromUcs4(&c, 1)
            : QStringLiteral("<U+%1>").arg(
                QString::number(quint32(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        if (shown.size() + piece.size() > kShownFieldLength)
            return shown + QStringLiteral("…");
        shown += piece;
    }
    return shown;
}

}  // namespace content
