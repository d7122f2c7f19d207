#pragma once
// A language table held in memory: the texts of a module's forms in one language, one row per
// form or control, found by (form name, control name). Names compare exactly, as object names do.

#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

namespace orvant::lang {

// The widths of the table's fields, in characters.
inline constexpr int kFormNameWidth = 20;
inline constexpr int kControlNameWidth = 35;
inline constexpr int kCaptionWidth = 55;
inline constexpr int kHintWidth = 25;

// How a control uses its row. Plain controls take the caption and the hint; the others take the
// lines as their text, column titles, choices or items.
enum class ControlKind { Plain, Memo, Grid, RadioGroup, ComboBox, CheckList };

struct LanguageRow {
    QString formName;
    QString controlName;  // the form's own row has the form's name here
    QString caption;
    QStringList lines;
    QString hint;
    ControlKind kind = ControlKind::Plain;
    int sourceLine = 0;  // where the row starts in its file, for messages about it

    bool isForm() const { return controlName == formName; }
};

class LanguageTable {
public:
    // `source` names where the rows come from (the file), for messages.
    explicit LanguageTable(QString source) : source_(std::move(source)) {}

    const QString& source() const { return source_; }
    const std::vector<LanguageRow>& rows() const { return rows_; }

    // False, and the table unchanged, when it already has a row for the same form and control.
    bool add(LanguageRow row);
    const LanguageRow* find(const QString& formName, const QString& controlName) const;

private:
    QString source_;
    std::vector<LanguageRow> rows_;
    std::map<std::pair<QString, QString>, std::size_t> index_;
};

}  // namespace orvant::lang
