#include "contenterror.h"

namespace content {

ContentError::ContentError(QString path, Cause cause, QString detail)
    : std::runtime_error("content file cannot be used"),
      m_path(std::move(path)),
      m_cause(cause),
      m_detail(std::move(detail))
{
}

QString ContentError::causeText() const
{
    switch (m_cause) {
    case Cause::NotFound: return QStringLiteral("ファイルが見つかりません。");
    case Cause::Unreadable: return QStringLiteral("ファイルを読み込めません。");
    case Cause::NotAPicture: return QStringLiteral("画像として読み込めません（GIF 画像ではないか、壊れています）。");
    case Cause::BadFieldFile: return m_detail;
    }
    return m_detail;
}

QString ContentError::report() const
{
    return QStringLiteral("教材ファイルを使えないため、プログラムを終了します。\n\n"
                          "ファイル: %1\n原因: %2")
        .arg(m_path, causeText());
}

}  // namespace content
