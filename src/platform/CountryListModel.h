#pragma once
// The country names of the rate table in alphabetical order, one model that
// both country lists show.
#include <QAbstractListModel>
#include <QStringList>

#include <string>
#include <vector>

namespace quorvane {

class CountryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The bytes the table holds for a name: what a lookup must use, since a name
    // that is not valid UTF-8 shows differently.
    static constexpr int kStoredNameRole = Qt::UserRole + 1;

    // names: in table order. They are shown sorted by the user's collation; the
    // sort is skipped when they already come in that order.
    explicit CountryListModel(std::vector<std::string> names, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The first row showing text, or -1.
    int rowOf(const QString& text) const;

private:
    QStringList shown_;
    std::vector<std::string> stored_;
};

}  // namespace quorvane
