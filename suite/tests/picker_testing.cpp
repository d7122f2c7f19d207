#include "picker_testing.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "company/company_creation.h"
#include "company/record.h"
#include "store/table.h"

namespace orvant::testing {

namespace {

QStringList columnTitles(const QTableView& list)
{
    QStringList titles;
    for (int column = 0; column < list.model()->columnCount(); ++column)
        titles << list.model()->headerData(column, Qt::Horizontal).toString();
    return titles;
}

}  // namespace

void AddJobCosting(const company::Installation& installation)
{
    using company::addRecord;
    const auto books = company::OpenCompany(installation, 1);
    store::Table projects(*books, "jcProject"), phases(*books, "jcPhase"), elements(*books, "JcElem");
    for (store::Table* table : {&projects, &phases, &elements}) table->open();
    for (const char* project : {"MTL-2024", "QC-BRIDGE"}) addRecord(projects, {{"JcProject_No", project}, {"JcProject_Fact", 1}});
    for (const char* phase : {"FOUNDATION", "FRAMING", "ROOFING"}) addRecord(phases, {{"JcPhase_Code", phase}});
    addRecord(elements, {{"JcElem_Code", "EQP"}, {"JcElem_Description", "Equipment rental"}, {"JcElem_UM", "day"}});
    addRecord(elements, {{"JcElem_Code", "LAB"}, {"JcElem_Description", "Labour"}, {"JcElem_UM", "h"}});
    addRecord(elements, {{"JcElem_Code", "MAT"}, {"JcElem_Description", "Materials"}, {"JcElem_UM", "unit"}});
}

std::function<void(QWidget&)> TypeAndPress(QString filter, Qt::Key key, PickerScreen& seen)
{
    return [filter = std::move(filter), key, &seen](QWidget& picker) {
        seen = {picker.windowTitle(), picker.findChild<QLabel*>(QStringLiteral("lblFind"))->text(),
                columnTitles(*picker.findChild<QTableView*>(QStringLiteral("grdList")))};
        auto* search = picker.findChild<QLineEdit*>(QStringLiteral("edtFind"));
        search->setText(filter);
        QTest::keyClick(search, key);
        if (!picker.isVisible()) return;
        ADD_FAILURE() << picker.objectName().toStdString() << " stayed open";
        static_cast<QDialog&>(picker).reject();
    };
}

}  // namespace orvant::testing
