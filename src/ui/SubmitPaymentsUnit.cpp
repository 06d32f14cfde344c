#include "SubmitPaymentsUnit.h"

namespace drovan::ui {

TSubmitPayments::TSubmitPayments(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SubmitPayments"));
    setWindowTitle(QStringLiteral("Drovan: Submit Charges"));
}

} // namespace drovan::ui
