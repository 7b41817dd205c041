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
    // table, costs little more than a comparison a name. inLanguage, when not empty:
    // what each name shows as instead (its name in the user's language; an empty
    // one: the name itself), in the same order; the stored name stays what
    // kStoredNameRole gives.
    explicit CountryListModel(std::vector<std::string> names, std::vector<std::string> inLanguage = {},
                              QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Type-ahead (a view's keyboard search): the first name from `start` on,
    // wrapping, that begins with what was typed, whatever its letter case and
    // accents ("mexi" finds "México"); where none does, the first with a word
    // that begins so ("Rusa" finds "Federación Rusa"). Other searches as Qt's.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

    // The first row of the stored name, or -1; never found by the name shown.
    int rowOf(const QString& storedName) const;

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
    // The table's bytes of the names not shown as stored (not valid UTF-8, or
    // shown in the user's language), by where their shown text starts in text_.
    std::unordered_map<qsizetype, std::string> storedBytes_;
};

}  // namespace quorvane
