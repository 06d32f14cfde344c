#pragma once

#include "Services.h"

#include <QDialog>

namespace drovan {
class CollectionDocument;
}

namespace drovan::ui {

class TForm_Tax_Year final : public QDialog {
    Q_OBJECT
public:
    TForm_Tax_Year(Services services, CollectionDocument &document, QWidget *parent = nullptr);

private:
    Services services_;
    CollectionDocument &document_;
};

} // namespace drovan::ui
