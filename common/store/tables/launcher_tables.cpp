// Tables of the launcher. All but the tracker databases are shared by every company and lie in
// the data root; the tracker databases belong to one company, as the tracker menu is rebuilt
// after each change of company.

#include "store/tables/builders.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// Passwords are stored as salted hashes in their text encoding, never as typed.
constexpr int kPasswordHashWidth = 128;

TableDef companies()
{
    FieldList list;
    list << Int("Comp_Code") << Str("Comp_Name", 60) << Str("Comp_Adr1", 40) << Str("Comp_adr2", 40)
         << Str("Comp_city", 40) << Str("Comp_Prov", 40) << Str("Comp_Country", 40) << Str("Comp_Postal_code", 30)
         << Str("Comp_telephone", 30) << Str("Comp_Contact", 40) << Str("Comp_Passwd", kPasswordHashWidth) << Int("Comp_Ret_Earn_accnt")
         << Int("Comp_profit_line");
    return Table("comp", list).inDataRoot().key({"Comp_Code"});
}

// A user is identified by the password typed at login, which is kept only as its salted hash.
TableDef users()
{
    FieldList list;
    list << Str("User_password", kPasswordHashWidth, Req) << Str("User_code", 10, Req) << UserName("User_name", Req)
         << Small("User_detail") << Small("User_language", Req) << Small("User_company", Req)
         << Str("User_printer", 128) << Bytes("User_security", 200);
    return Table("user", list).inDataRoot().key({"User_password"});
}

TableDef languages()
{
    FieldList list;
    list << Int("LangKey") << Str("LangCode", 3) << Str("LangName", 20);
    return Table("Languages", list).inDataRoot().key({"LangKey"});
}

// The Tools menu lists the rows in table order, so the table has no key of its own.
TableDef toolsMenu()
{
    FieldList list;
    list << Str("Application_name", 60) << Str("Application_name_fr", 60) << Str("Application_pgm", 60)
         << Str("Application_about", 200) << Str("Application_about_fr", 200) << Str("Application_security", 60)
         << Bool("Application_type") << Str("Application_directory", 240);
    return Table("apps", list).inDataRoot();
}

// Desktop_Component holds an element's saved state as self-describing text; it is never shown.
TableDef desktops()
{
    FieldList list;
    list << Str("Desktop_user", 10) << AutoInc("Desktop_index") << Int("Desktop_ComponentIndex")
         << Int("Desktop_Component_type") << Memo("Desktop_Component", 0);
    return Table("Desktop", list).inDataRoot().key({"Desktop_user", "Desktop_index"});
}

TableDef trackerDatabases()
{
    FieldList list;
    list << Int("Trkdb_account", Req) << Str("Trkdb_name", 60, Req) << Int("Trkdb_type", Req);
    return Table("trkdb", list).key({"Trkdb_account"});
}

}  // namespace

std::vector<TableDef> launcherTables()
{
    return {companies(), users(), languages(), toolsMenu(), desktops(), trackerDatabases()};
}

}  // namespace orvant::store::subjects
