#pragma once

#include <QColor>

class QWidget;

namespace drovan::ui::colours {

inline const QColor moneyGreen{192, 220, 192};
inline const QColor skyBlue{166, 202, 240};
inline const QColor cream{255, 251, 240};
inline const QColor aqua{0, 255, 255};
inline const QColor navy{0, 0, 128};
inline const QColor silver{192, 192, 192};
inline const QColor grey{128, 128, 128};
inline const QColor yellow{255, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor white{255, 255, 255};

void setBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);
QColor backgroundOf(const QWidget *widget);

} // namespace drovan::ui::colours
