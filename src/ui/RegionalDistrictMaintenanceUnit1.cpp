#include "RegionalDistrictMaintenanceUnit1.h"

namespace drovan::ui {

TRegionalDistrictMaintenance::TRegionalDistrictMaintenance(Services services,
                                                           CollectionDocument &document,
                                                           QWidget *parent)
    : QDialog(parent), services_(services), document_(document) {
    setObjectName(QStringLiteral("RegionalDistrictMaintenance"));
    setWindowTitle(QStringLiteral("Drovan: Regional District / Municipality Maintenance"));
}

} // namespace drovan::ui
