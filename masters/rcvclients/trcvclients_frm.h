#pragma once
// The client maintenance form (Trcvclients_frm): the three pages of a client's fields over the
// shared maintenance form, the lists, the taxes group of either tax system, and the pickers.

#include <array>
#include <memory>

#include "rcvclients/client_screen.h"
#include "shared/master_form.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvant::masters {

class Trcvclients_frm : public MasterForm, public ClientPickers {
public:
    Trcvclients_frm(Session& session, QString helpFile);

    // Once the books are open.
    void start(store::Database& company, store::Database& dataRoot, bool largerEdition, bool international);

    // ClientPickers: the suite's pickers, given the session.
    std::string client() override;
    std::string salesman() override;
    std::string territory() override;
    int terms() override;
    int account() override;

protected:
    void refreshLists() override;
    QWidget* widgetFor(const std::string& field) const override;

private:
    void buildGeneral(QWidget* page);
    void buildControl(QWidget* page);
    void buildComments(QWidget* page);
    void connectLists();
    void applyInternationalTexts(int language);

    std::unique_ptr<ClientScreen> screen_;
    QLineEdit *code_ = nullptr, *terms_ = nullptr, *territory_ = nullptr, *salesman_ = nullptr, *billTo_ = nullptr;
    std::array<QLineEdit*, 3> accounts_{};
    std::array<QPushButton*, 3> accountButtons_{};
    QPushButton *search_ = nullptr, *territoryButton_ = nullptr, *termsButton_ = nullptr, *salesmanButton_ = nullptr,
                *billToButton_ = nullptr;
    QComboBox *priceList_ = nullptr, *currency_ = nullptr, *format_ = nullptr;
    QCheckBox *taxFederal_ = nullptr, *taxProvincial_ = nullptr;
    QListWidget* taxList_ = nullptr;
    QLabel *provinceLabel_ = nullptr, *postalLabel_ = nullptr, *nsfLabel_ = nullptr;
};

}  // namespace orvant::masters
