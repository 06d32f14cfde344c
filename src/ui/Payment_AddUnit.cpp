#include "Payment_AddUnit.h"

namespace drovan::ui {

TPayment_Add::TPayment_Add(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Payment_Add"));
    setWindowTitle(QStringLiteral("Drovan: Add a Charge"));
}

} // namespace drovan::ui
