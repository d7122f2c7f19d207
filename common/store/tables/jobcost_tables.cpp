// The job-costing tables that the entry modules read and write: projects, phases, budgets,
// cost elements, project transactions and the job-costing control record.

#include "store/tables/builders.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// A project with JcProject_Fact 0 takes charges only on the phases of its budget.
TableDef projects()
{
    FieldList list;
    list << Str("JcProject_No", 10) << Small("JcProject_Fact");
    return Table("jcProject", list).key({"JcProject_No"});
}

TableDef phases()
{
    FieldList list;
    list << AutoInc("JcPhase_No") << Str("JcPhase_Code", 10);
    return Table("jcPhase", list).key({"JcPhase_No"});
}

TableDef budgetHeaders()
{
    FieldList list;
    list << Str("JcBudHdr_Project", 10) << Str("JcBudHdr_Phase", 10);
    return Table("jcBudgetHdr", list).key({"JcBudHdr_Project", "JcBudHdr_Phase"});
}

// Purchases charge an element only when the project's phase budgets it; the check counts the
// budget lines of a project, phase and element.
TableDef budgetDetails()
{
    FieldList list;
    list << Str("JcBudDet_Project", 10) << Str("JcBudDet_Phase", 10) << Str("JcBudDet_Elem", 10);
    return Table("jcBudgetDet", list).index("ByElement", {"JcBudDet_Project", "JcBudDet_Phase", "JcBudDet_Elem"});
}

TableDef elements()
{
    FieldList list;
    list << Str("JcElem_Code", 10) << Str("JcElem_Description", 50) << Str("JcElem_UM", 5);
    return Table("JcElem", list).key({"JcElem_Code"});
}

// Writers number transactions from the last sequence and step on when the number is taken.
TableDef transactions()
{
    FieldList list;
    list << Int("JcTrans_Seq") << Str("JcTrans_Project", 10) << Str("JcTrans_Phase", 10) << Str("JcTrans_Comp", 10)
         << Day("JcTrans_Date") << Int("JcTrans_Type") << Float("JcTrans_Vol") << Cash("JcTrans_Taux")
         << Int("JcTrans_Period") << Str("JcTrans_Ref", 20) << Str("JcTrans_Desc", 40) << Str("JcTrans_UM", 5)
         << Cash("JcTrans_Tot") << Int("JcTrans_Source") << Stamp("JcTrans_Stamp") << UserName("JcTrans_User")
         << Str("JcTrans_TypeDesc", 25);
    return Table("jcTrans", list).key({"JcTrans_Seq"});
}

// One record: the holdback accounts and whether taxes are computed before the holdback (0) or
// after it (1).
TableDef control()
{
    FieldList list;
    list << Int("JcCtrl_ARHoldBackAccnt") << Int("JcCtrl_GSTHoldBackAccnt") << Int("JcCtrl_PSTHoldBackAccnt")
         << Small("JcCtrl_TaxCalcType");
    return Table("jcctrl", list);
}

}  // namespace

std::vector<TableDef> jobCostTables()
{
    return {projects(), phases(), budgetHeaders(), budgetDetails(), elements(), transactions(), control()};
}

}  // namespace orvant::store::subjects
