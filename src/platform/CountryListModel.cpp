#include "platform/CountryListModel.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace quorvane {

namespace {
bool isAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
}  // namespace

CountryListModel::CountryListModel(std::vector<std::string> names, QObject* parent) : QAbstractListModel(parent) {
    size_t bytes = 0;
    for (const auto& n : names) bytes += n.size();
    text_.reserve(static_cast<qsizetype>(bytes));  // UTF-16 needs no more units than UTF-8 bytes
    rows_.reserve(names.size());
    for (auto& n : names) {
        const qsizetype start = text_.size();
        if (isAscii(n)) {
            text_.append(QLatin1String(n.data(), static_cast<qsizetype>(n.size())));
        } else {
            const QString s = QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
            if (s.toUtf8() != QByteArrayView(n.data(), static_cast<qsizetype>(n.size())))
                oddBytes_.emplace(start, std::move(n));
            text_.append(s);
        }
        rows_.push_back({start, text_.size() - start});
    }
    names = {};

    // ICU compares two names faster than it makes one sort key, so the sort
    // compares directly. A table kept in display order, with the names a merge
    // appended after it, is sorted as its sorted head and its short tail merged.
    // Names that collate alike keep their table order.
    QCollator collator(QLocale::system());
    auto less = [&](const Span& a, const Span& b) { return collator.compare(shown(a), shown(b)) < 0; };
    auto head = std::is_sorted_until(rows_.begin(), rows_.end(), less);
    if (head != rows_.end()) {
        std::stable_sort(head, rows_.end(), less);
        std::inplace_merge(rows_.begin(), head, rows_.end(), less);
    }
}

int CountryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CountryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Span& s = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return shown(s).toString();
    if (role == kStoredNameRole) {
        auto odd = oddBytes_.find(s.start);
        return odd != oddBytes_.end() ? QByteArray::fromStdString(odd->second) : shown(s).toUtf8();
    }
    return {};
}

int CountryListModel::rowOf(const QString& text) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (shown(rows_[i]) == text) return static_cast<int>(i);
    return -1;
}

}  // namespace quorvane
