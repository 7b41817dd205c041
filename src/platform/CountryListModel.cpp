#include "platform/CountryListModel.h"

#include "platform/Translations.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace quorvane {

namespace {
bool isAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
}  // namespace

CountryListModel::CountryListModel(std::vector<std::string> names, std::vector<std::string> inLanguage, QObject* parent)
    : QAbstractListModel(parent) {
    const bool translated = inLanguage.size() == names.size() && !names.empty();
    auto textOf = [&](size_t i) -> const std::string& {
        return translated && !inLanguage[i].empty() ? inLanguage[i] : names[i];
    };
    size_t bytes = 0;
    for (size_t i = 0; i < names.size(); ++i) bytes += textOf(i).size();
    text_.reserve(static_cast<qsizetype>(bytes));  // UTF-16 needs no more units than UTF-8 bytes
    rows_.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        std::string& n = names[i];
        const std::string& t = textOf(i);
        const qsizetype start = text_.size();
        bool asShown = &n == &t || n == t;
        if (isAscii(t)) {
            text_.append(QLatin1String(t.data(), static_cast<qsizetype>(t.size())));
        } else {
            const QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
            asShown = asShown && s.toUtf8() == QByteArrayView(t.data(), static_cast<qsizetype>(t.size()));
            text_.append(s);
        }
        if (!asShown) storedBytes_.emplace(start, std::move(n));
        rows_.push_back({start, text_.size() - start});
    }
    names = {}, inLanguage = {};

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
        auto stored = storedBytes_.find(s.start);
        return stored != storedBytes_.end() ? QByteArray::fromStdString(stored->second) : shown(s).toUtf8();
    }
    return {};
}

QModelIndexList CountryListModel::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                                        Qt::MatchFlags flags) const {
    if (role != Qt::DisplayRole || hits != 1 || flags != Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap) ||
        rows_.empty())
        return QAbstractListModel::match(start, role, value, hits, flags);
    const QString typed = withoutAccents(value.toString());
    auto begins = [&](QStringView name, bool anyWord) {
        for (qsizetype i = 0; i < name.size(); ++i) {
            const bool wordStart = i == 0 || (!name[i - 1].isLetterOrNumber() && name[i].isLetterOrNumber());
            if (wordStart && name.sliced(i).startsWith(typed, Qt::CaseInsensitive)) return true;
            if (!anyWord) return false;
        }
        return false;
    };
    const int n = rowCount(), first = std::clamp(start.row(), 0, n - 1);
    for (bool anyWord : {false, true}) {
        for (int k = 0; k < n; ++k) {
            const int row = (first + k) % n;
            const QStringView name = shown(rows_[static_cast<size_t>(row)]);
            const bool ascii = std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
            if (ascii ? begins(name, anyWord) : begins(withoutAccents(name.toString()), anyWord)) return {index(row)};
        }
    }
    return {};
}

int CountryListModel::rowOf(const QString& storedName) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        auto stored = storedBytes_.find(rows_[i].start);
        if (stored == storedBytes_.end() ? shown(rows_[i]) == storedName
                                         : QString::fromStdString(stored->second) == storedName)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace quorvane
