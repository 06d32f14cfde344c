#include "Payment_ChangeUnit.h"

namespace drovan::ui {

TPayment_Change::TPayment_Change(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Payment_Change"));
    setWindowTitle(QStringLiteral("Drovan: Change Charge"));
}

} // namespace drovan::ui
