#include "AboutUnit.h"

namespace drovan::ui {

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Drovan"));
}

} // namespace drovan::ui
