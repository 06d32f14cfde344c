#pragma once

#include "document/CollectionDocument.h"

#include <QAbstractTableModel>
#include <QLocale>

namespace drovan::ui {

// The charge table as the main grid shows it: one line per row, read only.
class ChargeTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Jurisdiction,
        Folio_Number,
        Name,
        Payment_Amount,
        Explanation,
        Explanation_Note,
        Explanation_Button,
        ColumnCount
    };
    // The stored value of a cell: text as stored, the amount's plain form.
    static constexpr int RawValueRole = Qt::UserRole + 1;

    explicit ChargeTableModel(const CollectionDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table changed as a whole (appended, deleted, loaded): views re-read it.
    void reload();
    void setLocale(const QLocale &locale) { locale_ = locale; }

private:
    const CollectionDocument &document_;
    QLocale locale_;
};

} // namespace drovan::ui
