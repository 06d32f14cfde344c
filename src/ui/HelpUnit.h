#pragma once

#include <QDialog>

namespace drovan::ui {

class THelp final : public QDialog {
    Q_OBJECT
public:
    explicit THelp(QWidget *parent = nullptr);
};

} // namespace drovan::ui
