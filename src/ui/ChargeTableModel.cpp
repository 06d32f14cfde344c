#include "ChargeTableModel.h"

#include "Platform.h"
#include "TextCodec.h"

namespace drovan::ui {

ChargeTableModel::ChargeTableModel(const CollectionDocument &document, QObject *parent)
    : QAbstractTableModel(parent), document_(document) {}

int ChargeTableModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(document_.charges().rowCount());
}

int ChargeTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChargeTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Payment_Amount)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != RawValueRole)
        return {};
    const ChargeTable &table = document_.charges();
    const auto row = static_cast<std::size_t>(index.row());
    switch (index.column()) {
    case Jurisdiction:
        return toQString(table.jurisdiction(row));
    case Folio_Number:
        return toQString(table.folioNumber(row));
    case Name:
        return toQString(table.name(row));
    case Payment_Amount:
        if (role == RawValueRole)
            return QString::fromStdString(table.amount(row).toPlain());
        return currencyAmount(table.amount(row), locale_);
    case Explanation:
        return toQString(table.explanation(row));
    case Explanation_Note:
        return toQString(table.explanationNote(row));
    case Explanation_Button:
        return toQString(table.explanationButton(row));
    default:
        return {};
    }
}

QVariant ChargeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Jurisdiction:
        return QStringLiteral("Jur");
    case Folio_Number:
        return QStringLiteral("Folio #");
    case Name:
        return QStringLiteral("Name");
    case Payment_Amount:
        return QStringLiteral("Amount");
    case Explanation:
        return QStringLiteral("Explanation");
    case Explanation_Note:
        return QStringLiteral("Explanation Note");
    case Explanation_Button:
        return QStringLiteral("Explanation Type");
    default:
        return {};
    }
}

void ChargeTableModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace drovan::ui
