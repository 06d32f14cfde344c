#pragma once

#include <QDialog>

namespace drovan::ui {

class TPayment_Add final : public QDialog {
    Q_OBJECT
public:
    explicit TPayment_Add(QWidget *parent = nullptr);
};

} // namespace drovan::ui
