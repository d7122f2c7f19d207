#pragma once
// Puts a form's texts in the language of the session: its caption and the texts of its controls,
// read from the module's language table (see lang/table_text.h for the table's text form).

#include <QString>

class QWidget;

namespace orvant::lang {

// The name of the control that holds a form's message list in a module, and in the launcher.
inline constexpr QStringView kModuleMessageList = u"IntlStrings1";
inline constexpr QStringView kLauncherMessageList = u"Error_Messages";
// The record navigator, whose lines are the hints of its buttons.
inline constexpr QStringView kNavigatorName = u"DBNavigator1";

// Gives the form and each object under it (named by objectName, in creation order) the texts of
// its row in `tableName` ("rcvsales.en" opens "rcvsalesen": the first dot is dropped). Objects
// without a row keep their design-time texts. Throws store::StoreError (errc::kTableNotFound)
// when the table is missing and TableSyntaxError when it is malformed.
void LoadFormStrings(QWidget& form, const QString& tableName, const QString& languagesDir);

}  // namespace orvant::lang
