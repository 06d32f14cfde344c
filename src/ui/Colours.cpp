#include "Colours.h"

#include <QWidget>

namespace drovan::ui::colours {

void setBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor backgroundOf(const QWidget *widget) {
    return widget->palette().color(QPalette::Window);
}

} // namespace drovan::ui::colours
