#include "desktop_panels.h"

namespace orvant::launcher {

namespace {

// Clients and suppliers show the same columns; only clients have a sales rep.
std::vector<GridColumn> partyColumns(bool clients)
{
    const auto c = [clients](const char* client, const char* supplier, const char* en, const char* fr) {
        return GridColumn{clients ? client : supplier, en, fr};
    };
    std::vector<GridColumn> columns{
        c("Cli_code", "Sup_code", clients ? "Client #" : "Supplier #", clients ? "No client" : "No fournisseur"),
        c("Cli_name", "Sup_name", "Name", "Nom"),
        c("Cli_tel", "Sup_tel", "Telephone", "Téléphone"),
        c("Cli_adr1", "Sup_adr1", "Address", "Adresse"),
        c("Cli_adr2", "Sup_adr2", "Address", "Adresse"),
        c("Cli_city", "Sup_city", "City", "Ville"),
        c("Cli_prov", "Sup_prov", "Province", "Province"),
        c("Cli_country", "Sup_country", "Country", "Pays"),
        c("Cli_postal_code", "Sup_postal_code", "Postal code", "Code postal"),
        c("Cli_fax", "Sup_fax", "Fax", "Télécopieur"),
        c("Cli_contact", "Sup_contact", "Contact", "Contact"),
        c("Cli_email", "Sup_email", "Email", "Courriel"),
    };
    if (clients) columns.push_back({"Cli_salesrep", "Sales rep.", "Représentant"});
    return columns;
}

std::array<PanelDef, kPanelCount> makePanels()
{
    return {{
        {PanelKind::Clients, "ClientsIcon", "List of clients", "Liste des clients", "Clients", "Clients", "cli", "rcvinquiry", "rcvclients",
         partyColumns(true)},
        {PanelKind::Suppliers, "SuppliersIcon", "List of suppliers", "Liste des fournisseurs", "Suppliers", "Fournisseurs", "sup", "vndinquiry",
         "vndsuppliers", partyColumns(false)},
        {PanelKind::Accounts, "AccountsIcon", "List of accounts", "Liste des comptes", "Accounts", "Comptes", "glm", "gldisplay", "glaccounts",
         {{"Glm_account", "Account #", "No compte"}, {"Glm_Description", "Description", "Description"}, {"Glm_type", "Type", "Type"}}},
        {PanelKind::Employees, "EmployeesIcon", "List of employees", "Liste des employés", "Employees", "Employés", "emp", "padisplay", "paemployees",
         {{"Emp_Code", "Employee #", "No employé"},
          {"Emp_Name", "Name", "Nom"},
          {"Emp_Telephone", "Telephone", "Téléphone"},
          {"Emp_Adr1", "Address", "Adresse"},
          {"Emp_Adr2", "Address", "Adresse"},
          {"Emp_City", "City", "Ville"},
          {"Emp_province", "Province", "Province"},
          {"Emp_Postal_code", "Postal code", "Code postal"},
          {"Emp_Occupation", "Occupation", "Occupation"}}},
        {PanelKind::ThingsToDo, "ThingsToDoIcon", "Things to do", "Choses à faire", "Things to do", "À faire", "", "", "", {}},
    }};
}

}  // namespace

QString PanelDef::title(int language) const { return QString::fromUtf8(language == 2 ? french : english); }

QString PanelDef::iconCaption(int language) const { return QString::fromUtf8(language == 2 ? iconFrench : iconEnglish); }

const std::array<PanelDef, kPanelCount>& Panels()
{
    static const std::array<PanelDef, kPanelCount> panels = makePanels();
    return panels;
}

const PanelDef& PanelOf(PanelKind kind) { return Panels()[static_cast<std::size_t>(kind)]; }

const PanelDef* PanelOfIcon(const QString& iconName)
{
    for (const PanelDef& panel : Panels())
        if (iconName == QLatin1String(panel.iconName)) return &panel;
    return nullptr;
}

bool MayOpenPanel(const PanelDef& panel, const QStringList& runnable)
{
    return !*panel.viewOption || runnable.contains(QLatin1String(panel.viewOption));
}

}  // namespace orvant::launcher
