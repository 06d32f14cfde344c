#pragma once

#include "Services.h"

#include <QDialog>

namespace drovan {
class CollectionDocument;
}

namespace drovan::ui {

class TRegionalDistrictMaintenance final : public QDialog {
    Q_OBJECT
public:
    TRegionalDistrictMaintenance(Services services, CollectionDocument &document,
                                 QWidget *parent = nullptr);

private:
    Services services_;
    CollectionDocument &document_;
};

} // namespace drovan::ui
