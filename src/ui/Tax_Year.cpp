#include "Tax_Year.h"

namespace drovan::ui {

TForm_Tax_Year::TForm_Tax_Year(Services services, CollectionDocument &document, QWidget *parent)
    : QDialog(parent), services_(services), document_(document) {
    setObjectName(QStringLiteral("Form_Tax_Year"));
    setWindowTitle(QStringLiteral("Drovan: Enter Collection Tax Year"));
}

} // namespace drovan::ui
