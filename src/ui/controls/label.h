#pragma once

#include "ui/controls/clickarea.h"
#include "ui/controls/control.h"

namespace ui {

// A caption in the layout's font and colours; with a transparent back style only the characters
// are drawn, over whatever lies beneath.
class Label : public ClickArea, public Control {
    Q_OBJECT
public:
    Label(const ControlSpec& row, QWidget* parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void rescale() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_caption;
};

}  // namespace ui
