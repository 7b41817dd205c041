#pragma once
// The country names of the rate table in alphabetical order, one model that
// both country lists show.
#include <QAbstractListModel>
#include <QString>

#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane {

class CountryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The bytes the table holds for a name: what a lookup must use, since a name
    // that is not valid UTF-8 shows differently.
    static constexpr int kStoredNameRole = Qt::UserRole + 1;

    // names: in table order. They are shown sorted by the user's collation; a
    // table already in that order, or one with new names appended to such a
    // table, costs little more than a comparison a name.
    explicit CountryListModel(std::vector<std::string> names, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The first row showing text, or -1.
    int rowOf(const QString& text) const;

private:
    struct Span {
        qsizetype start;
        qsizetype length;
    };
    QStringView shown(const Span& s) const { return QStringView(text_).sliced(s.start, s.length); }

    // Every name as shown, one after another: one allocation instead of one a
    // name, which a table of 100,000 names feels in start-up time and memory.
    QString text_;
    std::vector<Span> rows_;  // in display order
    // The table's bytes of the names that do not read back as shown (not valid
    // UTF-8), by where they start in text_.
    std::unordered_map<qsizetype, std::string> oddBytes_;
};

}  // namespace quorvane
