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

protected:
    QList<QLineEdit*> dashedBoxes() const override;
    void fillHeader(SlipHeader& header) const override;
    void clearHeader() override;

private:
    QLineEdit* TextProviderN;
    QLineEdit* TextProvider2;
    QLineEdit* TextProviderN2;
    QLineEdit* TextOperation;
    QPushButton* ComEnd2;
    QPushButton* ComHome;
};
