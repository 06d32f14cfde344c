#include "HelpUnit.h"

namespace drovan::ui {

THelp::THelp(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Drovan: Help"));
}

} // namespace drovan::ui
