#include "platform/CountryListModel.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace quorvane {

CountryListModel::CountryListModel(std::vector<std::string> names, QObject* parent)
    : QAbstractListModel(parent) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& n : names) shown.append(QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())));
    QCollator collator(QLocale::system());
    auto less = [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; };
    // The shipped table is stored in display order: checking costs one
    // comparison a name, sorting many.
    bool inOrder = true;
    for (qsizetype i = 1; i < shown.size() && inOrder; ++i) inOrder = !less(shown[i], shown[i - 1]);
    if (inOrder) {
        shown_ = std::move(shown);
        stored_ = std::move(names);
        return;
    }
    // One sort key a name, then cheap key comparisons, instead of a full
    // collation at every comparison of the sort.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : shown) keys.push_back(collator.sortKey(name));
    std::vector<size_t> order(names.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    keys = {};
    shown_.reserve(shown.size());
    stored_.reserve(names.size());
    for (size_t i : order) {
        shown_.append(std::move(shown[static_cast<qsizetype>(i)]));
        stored_.push_back(std::move(names[i]));
    }
}

int CountryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant CountryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return shown_[index.row()];
    if (role == kStoredNameRole) return QByteArray::fromStdString(stored_[static_cast<size_t>(index.row())]);
    return {};
}

int CountryListModel::rowOf(const QString& text) const { return static_cast<int>(shown_.indexOf(text)); }

}  // namespace quorvane
