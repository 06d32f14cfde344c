#pragma once

#include <QDialog>

namespace drovan::ui {

class TSubmitPayments final : public QDialog {
    Q_OBJECT
public:
    explicit TSubmitPayments(QWidget *parent = nullptr);
};

} // namespace drovan::ui
