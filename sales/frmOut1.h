#pragma once
#include "slipentryform.h"

class QPushButton;

// 商品销售: the sales slip, or with SlipMode "退货" the sales return, for a
// member customer brought by an introducer, with a salesman; each line
// carries its cost at the goods' average cost and its profit.
class frmOut1 : public SlipEntryForm {
    Q_OBJECT
public:
    explicit frmOut1(QWidget* parent = nullptr);

    // End: the customer picker for the customer; its second button for the
    // introducer; Home: the salesman picker.
    void ComEnd_Click();
    void ComEnd2_Click();
    void ComHome_Click();

protected:
    QList<QLineEdit*> dashedBoxes() const override;
    void fillHeader(SlipHeader& header) const override;
    void clearHeader() override;

private:
    void openCustomerPicker(bool introducer);

    QLineEdit* TextProviderN;
    QLineEdit* TextProvider2;
    QLineEdit* TextProviderN2;
    QLineEdit* TextOperation;
    QPushButton* ComEnd2;
    QPushButton* ComHome;
};
