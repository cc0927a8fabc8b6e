#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

namespace ui {

// Buttons heard as one list of choices, such as a menu's destinations: a screen reader finds the
// list with its name and each button in it with its place ("2 of 7"). Up and Down move the focus
// to the button above or below, Home and End to the first and the last; Tab goes on as before.
// Owned by the buttons' container; the buttons come in reading order.
class ChoiceList : public QObject {
    Q_OBJECT
public:
    ChoiceList(QString name, const std::vector<QAbstractButton*>& buttons, QWidget* container);

    QString name() const { return m_name; }
    std::vector<QAbstractButton*> buttons() const;

    // The list `button` is one of, if any.
    static ChoiceList* holding(const QWidget* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_name;
    std::vector<QPointer<QAbstractButton>> m_buttons;
};

}  // namespace ui
