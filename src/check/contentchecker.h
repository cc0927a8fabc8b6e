#pragma once

#include "app/program.h"
#include "ui/layout/layout.h"

#include <QImage>
#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace ui {
class Screen;
}

namespace check {

// One thing the checker found about one content file, in Japanese: a problem that a teacher
// should mend, or a note (such as a text saved in UTF-8) that needs nothing done.
struct Finding {
    QString path;    // relative to the application folder, written with "/"
    int line = 0;    // the line of the file, or 0
    int column = 0;  // the character of that line, from 1, or 0
    QString text;
    bool note = false;

    // The finding as one line of output: "説明/マンガン/正極.txt 15 行目: 一覧の幅 …", with
    // " 3 文字目" after the line where a single character is meant.
    QString toLine() const;
};

// Checks the content of an application folder the way the screens will use it: every file
// present and readable, every text decoding cleanly and every line fitting the list or label
// that shows it (measured with the screens' own layout rows and styles), the drill's bank whole,
// every picture at the size its control was laid out for, every sound playable. Writes nothing.
class ContentChecker {
public:
    explicit ContentChecker(QString folder);
    ~ContentChecker();

    // A folder with at least one of the content folders (説明, 画像, 音) in it.
    bool isApplicationFolder() const;

    QList<Finding> run();
    int filesChecked() const { return m_files; }
    static int problemCount(const QList<Finding>& findings);
    // The last line of a report: how many problems and notes, over how many files.
    QString summary(const QList<Finding>& findings) const;

private:
    const ui::ControlSpec& row(app::ScreenId screen, std::string_view control);
    QString absolute(const QString& relative) const;
    void problem(const QString& path, int line, const QString& text, int column = 0);
    void note(const QString& path, const QString& text);

    std::optional<QByteArray> readBytes(const QString& relative);
    QStringList decodeChecked(const QString& relative, const QByteArray& bytes);
    void checkListedText(const QString& relative, app::ScreenId screen, std::string_view list, bool mustFit);
    void checkDrillBank();
    void checkDrillReasons();
    void checkPicture(const QString& relative, app::ScreenId screen, std::string_view control);
    // A copy must be the screen's size of the picture times its factor, and see-through where the
    // picture is; base is null when the picture itself is of the wrong size.
    void checkLargerCopies(const QString& relative, const QSize& size, const QImage& base);
    void checkSound(const QString& relative);

    QString m_folder;
    // The screens are made, never shown, only to read their layout rows.
    app::Program m_host;
    std::map<app::ScreenId, std::unique_ptr<ui::Screen>> m_screens;
    QList<Finding> m_findings;
    int m_files = 0;
};

}  // namespace check
