#include "company/data_root_setup.h"

#include "company/passwords.h"
#include "company/record.h"
#include "company/users.h"
#include "store/database.h"
#include "store/tables/catalog.h"

namespace orvant::company {

using store::Table;
using store::Value;

namespace {

void addFirstUser(Table& users)
{
    addRecord(users, {{"User_password", HashPassword(kFirstUserPassword)},
                      {"User_code", "ADMIN"},
                      {"User_name", "Administrator"},
                      {"User_detail", 0},
                      {"User_language", 1},
                      {"User_company", 1},
                      {"User_security", AllRights()}});
}

void addLanguages(Table& languages)
{
    addRecord(languages, {{"LangKey", 1}, {"LangCode", "en"}, {"LangName", "English"}});
    addRecord(languages, {{"LangKey", 2}, {"LangCode", "fr"}, {"LangName", "Français"}});
}

// The days of a term are the due-date rule of the clients and suppliers that take it: a number
// of days, or 900 + a day of the next month.
void addTerms(Table& terms)
{
    struct Term { int code; const char* description; int days; };
    for (const Term& t : {Term{1, "Net 30 days", 30}, Term{2, "Net 15 days", 15}, Term{3, "Due on receipt", 0},
                          Term{4, "Net 60 days", 60}, Term{5, "15th of next month", 915}, Term{6, "End of next month", 931}})
        addRecord(terms, {{"Arterms_code", t.code}, {"Arterms_desc", t.description}, {"Arterms_days", t.days}});
}

void addTerritories(Table& territories)
{
    for (const auto& [code, description] : {std::pair{"N", "North"}, {"S", "South"}, {"E", "East"}, {"W", "West"}})
        addRecord(territories, {{"Arterr_code", code}, {"Arterr_desc", description}});
}

// The Tools menu starts with the entry that maintains it, governed by the right to maintain the
// parameters.
void addToolsMaintenance(Table& tools)
{
    addRecord(tools, {{"Application_name", "Maintenance of Tools menu"},
                      {"Application_name_fr", "Maintenance du menu Outils"},
                      {"Application_pgm", "toolsmaint"},
                      {"Application_about", "Security like Maintenance of parameters"},
                      {"Application_about_fr", "Sécurité comme Maintenance des paramètres"},
                      {"Application_security", "sysparams"},
                      {"Application_type", true},
                      {"Application_directory", ""}});
}

struct Filling {
    const char* table;
    void (*fill)(Table&);
    const char* done;
};

}  // namespace

std::vector<std::string> SetupDataRoot(const Installation& installation)
{
    store::Database root("root", installation.dataRoot, installation.store, true);
    std::vector<std::string> done;
    store::Transaction transaction(root);
    for (const store::TableDef* def : store::tablesOf(store::TableHome::DataRoot)) {
        if (root.tableExists(def->name)) continue;
        root.createTable(def->name);
        done.push_back("created table " + def->name);
    }
    const Filling fillings[] = {{"user", addFirstUser, "added the user Administrator (password ADMIN)"},
                                {"Languages", addLanguages, "added the languages English and French"},
                                {"arterms", addTerms, "added six terms"},
                                {"arterr", addTerritories, "added four territories"},
                                {"apps", addToolsMaintenance, "added the Tools menu's maintenance entry"}};
    for (const Filling& filling : fillings) {
        Table table(root, filling.table);
        table.open();
        if (!table.isEmpty()) continue;
        filling.fill(table);
        done.push_back(filling.done);
    }
    transaction.commit();
    return done;
}

}  // namespace orvant::company
