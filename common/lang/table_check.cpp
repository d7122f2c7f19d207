#include "lang/table_check.h"

#include <QWidget>
#include <algorithm>

#include "lang/form_strings.h"
#include "lang/table_files.h"
#include "lang/table_text.h"
#include "store/error.h"

namespace orvant::lang {

namespace {

QString at(const LanguageTable& table, const LanguageRow& row)
{
    return QStringLiteral("%1:%2: ").arg(table.source()).arg(row.sourceLine);
}

const FormUse* formNamed(const std::vector<FormUse>& forms, const QString& name)
{
    const auto form = std::find_if(forms.begin(), forms.end(), [&](const FormUse& f) { return f.formName == name; });
    return form == forms.end() ? nullptr : &*form;
}

void checkRows(const LanguageTable& table, const std::vector<FormUse>& forms, QStringList& faults)
{
    for (const LanguageRow& row : table.rows()) {
        const FormUse* form = formNamed(forms, row.formName);
        if (!form) faults << at(table, row) + QStringLiteral("the module has no form %1").arg(row.formName);
        else if (!row.isForm() && !form->controlNames.contains(row.controlName))
            faults << at(table, row) + QStringLiteral("form %1 has no control %2").arg(row.formName, row.controlName);
    }
}

const LanguageRow* messageList(const LanguageTable& table, const QString& formName)
{
    const LanguageRow* row = table.find(formName, kModuleMessageList.toString());
    return row ? row : table.find(formName, kLauncherMessageList.toString());
}

void checkMessages(const LanguageTable& table, const FormUse& form, QStringList& faults)
{
    if (form.messageNumbers.isEmpty()) return;
    const LanguageRow* list = messageList(table, form.formName);
    if (!list) {
        faults << QStringLiteral("%1: form %2 has no message list").arg(table.source(), form.formName);
    } else if (list->kind != ControlKind::Memo) {
        faults << at(table, *list) + QStringLiteral("a message list is of kind memo");
    } else {
        for (int number : form.messageNumbers)
            if (number < 0 || number >= list->lines.size())
                faults << at(table, *list) + QStringLiteral("form %1 has no message %2").arg(form.formName).arg(number);
    }
}

void checkTable(const QString& languagesDir, const QString& tableName, const std::vector<FormUse>& forms,
                QStringList& faults)
{
    try {
        const LanguageTable table = OpenLanguageTable(languagesDir, tableName);
        checkRows(table, forms, faults);
        for (const FormUse& form : forms) checkMessages(table, form, faults);
    } catch (const store::StoreError& error) {
        faults << QString::fromStdString(error.what());
    } catch (const TableSyntaxError& error) {
        faults << QString::fromStdString(error.what());
    }
}

}  // namespace

// Names are copied: a name written as a literal lives in the module's library, which is
// unloaded when the module returns, before the tables are checked.
FormUse FormUseOf(const QWidget& form, QList<int> messageNumbers)
{
    const auto copy = [](const QString& name) { return QString(name.constData(), name.size()); };
    FormUse use{copy(form.objectName()), {}, std::move(messageNumbers)};
    for (const QObject* object : form.findChildren<QObject*>())
        if (!object->objectName().isEmpty()) use.controlNames.insert(copy(object->objectName()));
    return use;
}

QStringList CheckModuleLanguages(const QString& languagesDir, const QString& moduleCode,
                                 const std::vector<FormUse>& forms)
{
    QStringList faults;
    for (QStringView code : kLanguageCodes) checkTable(languagesDir, moduleCode + code.toString(), forms, faults);
    return faults;
}

}  // namespace orvant::lang
