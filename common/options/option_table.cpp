// Every menu of the launcher with its options. The receivables, payables, cheque and master-file
// options run this system's modules; the others run the suite's outside modules, which the
// launcher starts the same way.

#include "options/option_table.h"

namespace orvant::option_rows {

namespace {

HeadRow shortcut(const char* code) { return {HeadRow::Shortcut, code}; }
const HeadRow separator{HeadRow::Separator};
const HeadRow trackerDatabases{HeadRow::TrackerDatabases};

SubMenuRows edit(std::vector<OptionRow> options) { return {"Edit", "Édition", std::move(options)}; }
SubMenuRows transactions(std::vector<OptionRow> options) { return {"Transactions", "Transactions", std::move(options)}; }
SubMenuRows reports(std::vector<OptionRow> options) { return {"Reports", "Rapports", std::move(options)}; }
SubMenuRows procedures(std::vector<OptionRow> options) { return {"Procedures", "Procédures", std::move(options)}; }

// The report designer and printer of the general ledger serve every ledger; the launcher tells
// them which one by the option's code.
OptionRow reportMaintenance(const char* code) { return {code, "Maintenance of reports", "Mise à jour des rapports"}; }
OptionRow reportPrinting(const char* code) { return {code, "Print reports", "Impression des rapports"}; }

// The French names of the top menus are short enough for the whole bar to show in a window 750
// pixels wide.
std::vector<MenuRows> build()
{
    return {
        {"General ledger", "Grand livre", 0, 4,
         {shortcut("glentries"), shortcut("gldisplay"), shortcut("glrepprint"), separator},
         {edit({{"glaccounts", "Maintenance of accounts", "Mise à jour des comptes"}}),
          transactions({{"glentries", "Journal entries", "Écritures de journal"},
                        {"gljournals", "Transaction journals", "Journaux des transactions"}}),
          reports({{"gldisplay", "Display of accounts", "Consultation des comptes"},
                   {"gltrial", "Trial balance", "Balance de vérification"},
                   reportMaintenance("glrepdef"), reportPrinting("glrepprint")}),
          procedures({{"glclose", "Month-end closing", "Fermeture du mois"},
                      {"glyearend", "Year-end closing", "Fermeture de l'exercice"}})}},

        {"Accounts receivable", "Clients", 1, 4,
         {shortcut("rcvsales"), shortcut("rcvreceipts"), shortcut("rcvinquiry"), separator},
         {edit({{"rcvclients", "Maintenance of clients", "Mise à jour des clients"}}),
          transactions({{"rcvsales", "Sales and adjustments ", "Ventes et ajustements"},
                        {"rcvreceipts", "Cash receipts", "Encaissements"}}),
          reports({{"rcvinquiry", "Display of clients", "Consultation des clients"},
                   {"rcvaging", "Aging of accounts", "Âge des comptes"},
                   reportMaintenance("arrepdef"), reportPrinting("arrepprint")}),
          procedures({{"rcvclose", "Month-end closing", "Fermeture du mois"}})}},

        {"Accounts payable", "Fournisseurs", 2, 4,
         {shortcut("vndpurchases"), shortcut("vnddisburse"), shortcut("vndinquiry"), separator},
         {edit({{"vndsuppliers", "Maintenance of suppliers", "Mise à jour des fournisseurs"}}),
          transactions({{"vndpurchases", "Purchases", "Achats"},
                        {"vnddisburse", "Cash disbursements", "Déboursés"},
                        {"vndcheqedit", "Edit cheque entries", "Modification des chèques"},
                        {"vndcheqrecur", "Recurring cheque entries", "Chèques récurrents"}}),
          reports({{"vndinquiry", "Display of suppliers", "Consultation des fournisseurs"},
                   {"vndaging", "Aging of accounts", "Âge des comptes"},
                   {"vndcheqlist", "List of cheques to be issued", "Liste des chèques à émettre"},
                   {"vndrecurlist", "List of recurring cheques", "Liste des chèques récurrents"},
                   reportMaintenance("aprepdef"), reportPrinting("aprepprint")}),
          procedures({{"vndcheqprint", "Print and update cheques", "Impression et mise à jour des chèques"},
                      {"vndundo", "Undo A/P transactions", "Annulation de transactions fournisseurs"}})}},

        {"Invoicing", "Facturation", 4, 4,
         {shortcut("invinvoices"), shortcut("invproducts"), shortcut("invprint"), separator},
         {edit({{"invproducts", "Maintenance of products", "Mise à jour des produits"}}),
          transactions({{"invinvoices", "Invoices", "Factures"}}),
          reports({{"invprint", "Print invoices", "Impression des factures"}}),
          procedures({{"invpost", "Post invoices", "Report des factures"}})}},

        {"System manager", "Système", 3, 0, {},
         {edit({{"cmpmaint", "Maintenance of companies", "Mise à jour des compagnies"},
                {"sysusers", "Maintenance of users", "Mise à jour des utilisateurs"},
                {"sysparams", "Maintenance of parameters", "Mise à jour des paramètres"},
                {"syscheqform", "Maintenance of cheque format", "Mise à jour du format des chèques"}}),
          procedures({{"sysbackup", "Backup of data", "Copie de sécurité des données"}})}},

        {"Payroll", "Paie", 5, 6,
         {shortcut("paentry"), shortcut("paemployees"), shortcut("padisplay"), shortcut("paprint"),
          shortcut("parepprint"), separator},
         {edit({{"paemployees", "Maintenance of employees", "Mise à jour des employés"}}),
          transactions({{"paentry", "Payroll entry", "Saisie de la paie"}}),
          reports({{"padisplay", "Display of employees", "Consultation des employés"},
                   reportMaintenance("parepdef"), reportPrinting("parepprint")}),
          procedures({{"paprint", "Print and update pay cheques", "Impression et mise à jour des chèques de paie"},
                      {"pacreate", "Create payroll files", "Création des fichiers de paie"}})}},

        {"Tracker", "Suivi", 6, 3, {trackerDatabases, shortcut("trkentries"), separator},
         {edit({{"trkentries", "Maintenance of entries", "Mise à jour des inscriptions"}}),
          reports({{"trkreport", "Print entries", "Impression des inscriptions"}}),
          procedures({{"trknew", "Create database", "Création d'une base de données"}})}},

        {"Job cost", "Coût de revient", 9, 2, {shortcut("jcdisplay"), separator},
         {edit({{"jcprojects", "Maintenance of projects", "Mise à jour des projets"}}),
          transactions({{"jctrans", "Job cost transactions", "Transactions de coût de revient"}}),
          reports({{"jcdisplay", "Display of projects", "Consultation des projets"}}),
          procedures({{"jccreate", "Create job cost files", "Création des fichiers de coût de revient"}})}},

        {"Options", "Options", std::nullopt, 0, {}, {}},
        {"Tools", "Outils", std::nullopt, 0, {}, {}},
        {"Help", "Aide", std::nullopt, 0, {}, {}},
        {"Exit", "Quitter", std::nullopt, 0, {}, {}},
    };
}

}  // namespace

const std::vector<MenuRows>& Menus()
{
    static const std::vector<MenuRows> menus = build();
    return menus;
}

}  // namespace orvant::option_rows
