#pragma once

#include <QDialog>

namespace drovan::ui {

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace drovan::ui
