// The vocabulary grid's rows: forms and their numbers of attestations, from a core report.
#pragma once

#include "core/vocabulary.h"

#include <QAbstractTableModel>

#include <vector>

namespace quorvelle::ui {

/// Two columns, "Formes" and "Nombre d'attestations", over one of the report's lists, in its
/// order. The headers are bold and the counts right-aligned.
class VocabularyTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VocabularyTableModel(QObject* parent);

    /// Shows rows in place of the previous ones.
    void setRows(std::vector<FormCount> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<FormCount> rows_;
};

} // namespace quorvelle::ui
