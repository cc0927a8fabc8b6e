#pragma once

#include <QPointer>
#include <QWidget>

#include <span>

namespace ui {

// One line of the keys panel: the keys, as written on them, and what they do.
struct KeyLine {
    const char* keys;
    const char* meaning;
};

// The list of every key the program answers to, laid over the whole window: the screen beneath
// is dimmed and nothing on it is reached until the panel closes (Esc, or a click anywhere). A
// screen reader meets it as a dialog whose description is the whole list. The keyboard focus
// goes back where it was.
class KeysPanel : public QWidget {
    Q_OBJECT
public:
    KeysPanel(std::span<const KeyLine> lines, const QString& note, QWidget* window);

    void openPanel();
    void closePanel();
    bool isOpen() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::span<const KeyLine> m_lines;
    QString m_note;
    QPointer<QWidget> m_focusBefore;
};

}  // namespace ui
