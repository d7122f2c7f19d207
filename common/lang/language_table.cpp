#include "lang/language_table.h"

namespace orvant::lang {

bool LanguageTable::add(LanguageRow row)
{
    const bool added = index_.try_emplace({row.formName, row.controlName}, rows_.size()).second;
    if (added) rows_.push_back(std::move(row));
    return added;
}

const LanguageRow* LanguageTable::find(const QString& formName, const QString& controlName) const
{
    const auto where = index_.find({formName, controlName});
    return where == index_.end() ? nullptr : &rows_[where->second];
}

}  // namespace orvant::lang
