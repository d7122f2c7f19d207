#pragma once
// The supplier maintenance form (Tvndsuppliers_frm): the three pages of a supplier's fields over
// the shared maintenance form, the currency and bank-account lists, and the pickers.

#include <array>
#include <memory>

#include "shared/master_form.h"
#include "vndsuppliers/supplier_screen.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orvant::masters {

class Tvndsuppliers_frm : public MasterForm, public SupplierPickers {
public:
    Tvndsuppliers_frm(Session& session, QString helpFile);

    // Once the books are open.
    void start(store::Database& company, bool largerEdition, bool international);

    // SupplierPickers: the suite's pickers, given the session.
    std::string supplier() override;
    std::string territory() override;
    int account() override;

protected:
    void refreshLists() override;
    QWidget* widgetFor(const std::string& field) const override;

private:
    void buildGeneral(QWidget* page);
    void buildControl(QWidget* page);
    void buildComments(QWidget* page);
    void connectFields();
    void showPurchaseOrderFields(bool shown);

    std::unique_ptr<SupplierScreen> screen_;
    QLineEdit *code_ = nullptr, *territory_ = nullptr;
    std::array<QLineEdit*, 3> accounts_{};
    std::array<QPushButton*, 3> accountButtons_{};
    QPushButton *search_ = nullptr, *territoryButton_ = nullptr;
    QComboBox *currency_ = nullptr, *bank_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QLabel *provinceLabel_ = nullptr, *postalLabel_ = nullptr;
};

}  // namespace orvant::masters
