#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "lang/form_strings.h"
#include "lang/messages.h"
#include "lang/tests/lang_test_support.h"
#include "store/error.h"

// Stand-ins for report objects: not widgets, with a text or a caption.
class ReportText : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER text)
public:
    using QObject::QObject;
    QString text = "design";
};

class ReportCaption : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString caption MEMBER caption)
public:
    using QObject::QObject;
    QString caption = "design";
};

namespace orvant::lang {
namespace {

using ::testing::ElementsAre;
using testing::TempLanguages;

template <typename T, typename Parent>
T* named(Parent* parent, const char* name)
{
    auto* object = new T(parent);
    object->setObjectName(name);
    return object;
}

QStringList texts(const QList<QRadioButton*>& buttons)
{
    QStringList out;
    for (auto* button : buttons) out << button->text();
    return out;
}

// A module's main form as its designer would lay it out, with design-time texts.
struct SalesForm {
    SalesForm()
    {
        form.setObjectName("frmSales");
        form.setWindowTitle("design caption");
        customerLabel->setText("Customer:");
        customer->setText("C-100");
        post->setText("Post");
        terms->addItems({"30 days", "60 days"});
        for (const char* name : {"rbCash", "rbCheque", "rbCard"}) methods << named<QRadioButton>(payment, name);
        for (int i = 0; i < 3; ++i) methods[i]->setText(QString("choice %1").arg(i));
        grid->setColumnCount(4);
        grid->setHorizontalHeaderLabels({"A", "B", "C", "D"});
        for (int i = 0; i < 3; ++i) navigatorButtons << new QPushButton(navigator);
        fileMenu = menuBar->addMenu("File");
        fileMenu->setObjectName("mnuFile");
        quit = fileMenu->addAction("Quit");
        quit->setObjectName("mnuQuit");
        tabs->addTab(notesPage, "design tab");
    }

    QWidget form;
    QLabel* customerLabel = named<QLabel>(&form, "lblCustomer");
    QLineEdit* customer = named<QLineEdit>(&form, "edtCustomer");
    QPushButton* post = named<QPushButton>(&form, "btnPost");
    QComboBox* terms = named<QComboBox>(&form, "cboTerms");
    QListWidget* options = named<QListWidget>(&form, "clbOptions");
    QGroupBox* payment = named<QGroupBox>(&form, "rgPayment");
    QList<QRadioButton*> methods;
    QTableWidget* grid = named<QTableWidget>(&form, "grdLines");
    QPlainTextEdit* messages = named<QPlainTextEdit>(&form, "IntlStrings1");
    QWidget* navigator = named<QWidget>(&form, "DBNavigator1");
    QList<QPushButton*> navigatorButtons;
    QMenuBar* menuBar = named<QMenuBar>(&form, "mainMenu");
    QMenu* fileMenu = nullptr;
    QAction* quit = nullptr;
    QTabWidget* tabs = named<QTabWidget>(&form, "tabs");
    QWidget* notesPage = named<QWidget>(tabs, "tabNotes");  // a page once added
    ReportText* reportTitle = named<ReportText>(&form, "qrlTitle");
    ReportCaption* reportTotal = named<ReportCaption>(&form, "qrlTotal");
};

class FormStrings : public ::testing::Test {
protected:
    // Writes the English table of the module and loads it into the form.
    void load(const QByteArray& table)
    {
        languages.write("rcvsalesen.lang", table);
        LoadFormStrings(sales.form, "rcvsales.en", languages.dir());
    }

    TempLanguages languages;
    SalesForm sales;
};

TEST_F(FormStrings, CaptionsAndHintsOfControlsMenusReportsAndNavigator)
{
    sales.navigatorButtons[2]->setToolTip("design hint");
    load("[frmSales]\ncaption: Sales entry\n"
         "[frmSales.lblCustomer]\ncaption: Client:\nhint: Who buys\n"
         "[frmSales.btnPost]\ncaption: &Post\nhint: Post the invoice\n"
         "[frmSales.edtCustomer]\ncaption: not shown\nhint: Customer code\n"
         "[frmSales.tabNotes]\ncaption: Notes\nhint: Free notes\n"
         "[frmSales.mnuFile]\ncaption: &Fichier\nhint: not used\n[frmSales.mnuQuit]\ncaption: &Quitter\n"
         "[frmSales.qrlTitle]\ncaption: Ventes\n[frmSales.qrlTotal]\ncaption: Total\n"
         "[frmSales.DBNavigator1]\ncaption: not shown\n| First record\n| Prior record\n");
    EXPECT_EQ(sales.form.windowTitle(), "Sales entry");
    EXPECT_EQ(sales.customerLabel->text(), "Client:");
    EXPECT_EQ(sales.customerLabel->toolTip(), "Who buys");
    EXPECT_EQ(sales.post->text(), "&Post");
    EXPECT_EQ(sales.post->toolTip(), "Post the invoice");
    EXPECT_EQ(sales.customer->text(), "C-100");  // an edit box's text is the user's data
    EXPECT_EQ(sales.customer->toolTip(), "Customer code");
    EXPECT_EQ(sales.tabs->tabText(0), "Notes");
    EXPECT_EQ(sales.tabs->tabToolTip(0), "Free notes");
    EXPECT_EQ(sales.fileMenu->title(), "&Fichier");
    EXPECT_EQ(sales.menuBar->actions().front()->text(), "&Fichier");
    EXPECT_EQ(sales.quit->text(), "&Quitter");
    EXPECT_EQ(sales.reportTitle->text, "Ventes");
    EXPECT_EQ(sales.reportTotal->caption, "Total");
    // the navigator's lines are its buttons' hints, in order; a button beyond them keeps its own
    EXPECT_EQ(sales.navigatorButtons[0]->toolTip(), "First record");
    EXPECT_EQ(sales.navigatorButtons[1]->toolTip(), "Prior record");
    EXPECT_EQ(sales.navigatorButtons[2]->toolTip(), "design hint");
    EXPECT_TRUE(sales.navigatorButtons[0]->text().isEmpty());
}

TEST_F(FormStrings, WithoutRowsDesignTextsStay)
{
    load("[frmOther]\ncaption: Another form\n"
         "[frmOther.lblCustomer]\ncaption: Not this form's\n"
         "[frmSales.btnPost]\ncaption: &Post\n");
    EXPECT_EQ(sales.form.windowTitle(), "design caption");
    EXPECT_EQ(sales.customerLabel->text(), "Customer:");
    EXPECT_EQ(sales.tabs->tabText(0), "design tab");
    EXPECT_EQ(sales.reportTitle->text, "design");
    EXPECT_EQ(sales.post->text(), "&Post");
}

TEST_F(FormStrings, GridTitlesOnlyWhenOnePerColumn)
{
    const auto titles = [&] {
        QStringList out;
        for (int i = 0; i < sales.grid->columnCount(); ++i) out << sales.grid->horizontalHeaderItem(i)->text();
        return out;
    };
    load("[frmSales.grdLines]\nkind: grid\n| Item\n| Quantity\n| Price\n");
    EXPECT_THAT(titles(), ElementsAre("A", "B", "C", "D"));
    load("[frmSales.grdLines]\nkind: grid\n| Item\n| Quantity\n| Price\n| Amount\n");
    EXPECT_THAT(titles(), ElementsAre("Item", "Quantity", "Price", "Amount"));
}

TEST_F(FormStrings, RadioGroupChoicesBeyondTheLinesStay)
{
    load("[frmSales.rgPayment]\nkind: radiogroup\ncaption: Payment\n| Cash\n| Cheque\n");
    EXPECT_EQ(sales.payment->title(), "Payment");
    EXPECT_THAT(texts(sales.methods), ElementsAre("Cash", "Cheque", "choice 2"));
}

TEST_F(FormStrings, ListItemsReplaced)
{
    load("[frmSales.cboTerms]\nkind: combobox\n| Net 30\n| Net 45\n| Cash\n"
         "[frmSales.clbOptions]\nkind: checklist\n| Print\n| Email\n");
    ASSERT_EQ(sales.terms->count(), 3);
    EXPECT_EQ(sales.terms->itemText(0), "Net 30");
    EXPECT_EQ(sales.terms->itemText(2), "Cash");
    ASSERT_EQ(sales.options->count(), 2);
    for (int i = 0; i < 2; ++i) {
        const QListWidgetItem* item = sales.options->item(i);
        EXPECT_TRUE(item->flags() & Qt::ItemIsUserCheckable);
        EXPECT_EQ(item->checkState(), Qt::Unchecked);
    }
    EXPECT_EQ(sales.options->item(1)->text(), "Email");
}

TEST_F(FormStrings, MessagesAreTheLinesOfTheHiddenList)
{
    EXPECT_FALSE(MessageText(sales.form, 0));
    load("[frmSales.IntlStrings1]\nkind: memo\n| Customer not found.\n|\n| Invoice %1 is posted.\n");
    EXPECT_EQ(sales.messages->toPlainText(), "Customer not found.\n\nInvoice %1 is posted.");
    EXPECT_EQ(MessageText(sales.form, 0), "Customer not found.");
    EXPECT_EQ(MessageText(sales.form, 1), "");
    EXPECT_EQ(MessageText(sales.form, 2), "Invoice %1 is posted.");
    EXPECT_FALSE(MessageText(sales.form, 3));
    EXPECT_FALSE(MessageText(sales.form, -1));
}

TEST(FormStringsLauncher, MessagesOfTheLauncherAndMemoLabels)
{
    TempLanguages languages;
    languages.write("MainMenufr.lang", "[frmMain.Error_Messages]\nkind: memo\n| Mot de passe invalide.\n"
                                       "[frmMain.lblAbout]\nkind: memo\n| Orvant\n| Comptabilité\n");
    QWidget form;
    form.setObjectName("frmMain");
    auto* list = named<QLabel>(&form, "Error_Messages");
    auto* about = named<QLabel>(&form, "lblAbout");
    LoadFormStrings(form, "MainMenu.fr", languages.dir());
    EXPECT_EQ(MessageText(form, 0), "Mot de passe invalide.");
    EXPECT_EQ(list->text(), "Mot de passe invalide.");
    EXPECT_EQ(about->text(), "Orvant\nComptabilité");
}

TEST_F(FormStrings, TableNameLosesItsFirstDotOnlyAndAMissingTableIsNotFound)
{
    languages.write("rcvsalesen.lang", "[frmSales]\ncaption: Sales entry\n");
    for (const char* name : {"RcvSales.EN", "rcvsales.en.db"}) {
        sales.form.setWindowTitle("design caption");
        LoadFormStrings(sales.form, name, languages.dir());
        EXPECT_EQ(sales.form.windowTitle(), "Sales entry") << name;
    }
    EXPECT_THROW(LoadFormStrings(sales.form, "rcv.sales.en", languages.dir()), store::StoreError);
    sales.form.setWindowTitle("design caption");
    try {
        LoadFormStrings(sales.form, "rcvsales.fr", languages.dir());
        ADD_FAILURE() << "a missing table was opened";
    } catch (const store::StoreError& error) {
        EXPECT_EQ(error.code(), store::errc::kTableNotFound);
        EXPECT_THAT(error.what(), ::testing::StartsWith("Error opening table rcvsalesfr"));
    }
    EXPECT_EQ(sales.form.windowTitle(), "design caption");
}

}  // namespace
}  // namespace orvant::lang

#include "form_strings_test.moc"
