#include "frmOut1.h"
#include "appstate.h"
#include "formparts.h"
#include "focushighlight.h"
#include "pickers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
SlipEntryDesign salesDesign()
{
    const SlipDesign& slip = SlipDesigns::sales(appState().slipMode);
    // A sale takes only goods in stock; a return takes any.
    const bool selling = slip.kind == SlipKind::Sale;
    return {.formName = QStringLiteral("frmOut1"),
            .caption = QStringLiteral("商品销售"),
            .slip = &slip,
            .partnerCaption = QStringLiteral("[客  户]"),
            .lineColumns =
                GoodsLineColumns()
                + QList<LineColumn>{{.header = QStringLiteral("单位成本"), .field = LineField::UnitCost, .widthTwips = 1411},
                                    {.header = QStringLiteral("成本金额"), .field = LineField::CostAmount, .widthTwips = 1411},
                                    {.header = QStringLiteral("利润金额"), .field = LineField::Profit, .widthTwips = 1411}},
            .payment = {.settled = QStringLiteral("[无需找零]"),
                        .surplus = QStringLiteral("[现金找零]"),
                        .shortfall = QStringLiteral("[现金差额]"),
                        .cashName = QStringLiteral("lbl2"),
                        .differenceName = QStringLiteral("lbl")},
            .discountName = QStringLiteral("TextDiscount1"),
            .priceNeedsDiscount = false,
            .startQuantity = QStringLiteral("1.00"),
            .unknownGoodsMessage = QStringLiteral("该商品不存在。"),
            .unknownGoodsEndsPick = true,
            .costs = true,
            .quickEntry = true,
            .noStockMessage = selling ? QStringLiteral("库存中无此商品，不能进行销售。") : QString(),
            .overStockMessage = selling ? QStringLiteral("销售数量大于库存量[%1]。") : QString(),
            .overStockResetsQuantity = selling};
}

QLineEdit* box(QWidget* form, const char* name) { return named(new QLineEdit(form), QString::fromLatin1(name)); }

// A name box beside the read-only box of its record's number.
QLineEdit* numberBesideName(QWidget* form, const char* name)
{
    QLineEdit* number = box(form, name);
    number->setReadOnly(true);
    number->setMaximumWidth(FormParts::pixels(1200));
    return number;
}
}

frmOut1::frmOut1(QWidget* parent)
    : SlipEntryForm(salesDesign(), parent)
{
    TextProviderN = numberBesideName(this, "TextProviderN");
    partnerRow()->insertWidget(1, TextProviderN);
    TextProvider2 = box(this, "TextProvider2");
    TextProviderN2 = numberBesideName(this, "TextProviderN2");
    ComEnd2 = button(this, QStringLiteral("ComEnd2"), QStringLiteral("End"));
    TextOperation = box(this, "TextOperation");
    ComHome = button(this, QStringLiteral("ComHome"), QStringLiteral("Home"));

    auto* introducer = new QHBoxLayout;
    introducer->addWidget(TextProvider2, 1);
    introducer->addWidget(TextProviderN2);
    introducer->addWidget(ComEnd2);
    auto* salesman = new QHBoxLayout;
    salesman->addWidget(TextOperation, 1);
    salesman->addWidget(ComHome);
    headerGrid()->addWidget(label(this, {}, QStringLiteral("[介绍人]")), 2, 0);
    headerGrid()->addLayout(introducer, 2, 1);
    headerGrid()->addWidget(label(this, {}, QStringLiteral("[业务员]")), 2, 2);
    headerGrid()->addLayout(salesman, 2, 3);

    chainEnter({{TextDiscount, QStringLiteral("请输入折扣。")},
                {TextOperation, QStringLiteral("请填上业务员。")},
                {TextProvider, QStringLiteral("请填上客户。")},
                {TextProvider2, QStringLiteral("请填上客户。")}});
    for (QLineEdit* plain : {TextOperation, TextProvider2})
        highlight()->watch(plain, FocusHighlight::Role::Plain);

    connect(ComEnd, &QPushButton::clicked, this, &frmOut1::ComEnd_Click);
    connect(ComEnd2, &QPushButton::clicked, this, &frmOut1::ComEnd2_Click);
    connect(ComHome, &QPushButton::clicked, this, &frmOut1::ComHome_Click);
    // Enter presses the focused button, as a click does.
    for (QPushButton* picker : {ComEnd2, ComHome})
        onEnter(picker, [picker] { picker->click(); });
    addKeys({{Qt::Key_Home, [this] { ComHome_Click(); }}, {Qt::Key_End, [this] { ComEnd_Click(); }}});
}

void frmOut1::ComEnd_Click() { openCustomerPicker(false); }
void frmOut1::ComEnd2_Click() { openCustomerPicker(true); }

void frmOut1::openCustomerPicker(bool introducer)
{
    appState().bMod3 = introducer;
    PickerForm::open<frmOut11>(this, [this](const PickedRecord& customer) {
        // The button pressed last decides, whichever opened the picker.
        const bool toIntroducer = appState().bMod3;
        (toIntroducer ? TextProvider2 : TextProvider)->setText(customer.name);
        (toIntroducer ? TextProviderN2 : TextProviderN)->setText(customer.number);
        lookup()->goodsInput()->setFocus(Qt::OtherFocusReason);
    });
}

void frmOut1::ComHome_Click()
{
    PickerForm::open<frmOut16>(this, [this](const PickedRecord& salesman) {
        TextOperation->setText(salesman.name);
        TextProvider->setFocus(Qt::OtherFocusReason);
    });
}

QList<QLineEdit*> frmOut1::dashedBoxes() const { return {TextBZ, TextOperation, TextProvider, TextProvider2}; }

void frmOut1::fillHeader(SlipHeader& header) const
{
    header.introducer = TextProvider2->text();
    header.salesman = TextOperation->text();
}

void frmOut1::clearHeader()
{
    SlipEntryForm::clearHeader();
    for (QLineEdit* named : {TextOperation, TextProvider2, TextProviderN, TextProviderN2})
        named->clear();
}
