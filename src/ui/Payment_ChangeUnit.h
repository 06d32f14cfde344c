#pragma once

#include <QDialog>

namespace drovan::ui {

class TPayment_Change final : public QDialog {
    Q_OBJECT
public:
    explicit TPayment_Change(QWidget *parent = nullptr);
};

} // namespace drovan::ui
