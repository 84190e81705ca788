#include "goodslookuplist.h"
#include "goodslookup.h"
#include "keptoption.h"
#include "mdlini.h"
#include "messagebox.h"
#include "recordgrid.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace {
struct SearchOption {
    const char* name;
    const char* caption;
    const char* column;
    const char* section;
};
constexpr SearchOption SearchOptions[] = {
    {"Option1", "按拼音码", "拼音码", "option1"},
    {"Option2", "按五笔码", "五笔码", "option2"},
    {"Option3", "按自编码", "自编码", "option3"},
    {"Option4", "条形码", "条形码", "option4"},
};

QList<ListColumn> lookupColumns(const QString& codeHeader)
{
    // The hidden columns stay empty.
    return {textColumn(codeHeader, 1852).from("编号"),
            textColumn("商品名称", 2911),
            textColumn("库存", 1411, CellFormat::Number),
            {.header = "单位"},
            {.header = "进价"},
            {.header = "拼音码"},
            {.header = "五笔码"},
            {.header = "自编码"},
            textColumn("存放位置", 5292),
            {.header = "类别"},
            {.header = "库存上限"},
            {.header = "库存下限"}};
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}

GoodsLookupList::GoodsLookupList(QWidget* form, const GoodsLookupDesign& design, QLineEdit* codeBox,
                                 std::function<void()> loadGoods)
    : QObject(form)
    , m_form(form)
    , m_code(codeBox)
    , m_loadGoods(std::move(loadGoods))
{
    auto* group = new QButtonGroup(this);
    for (const SearchOption& option : SearchOptions) {
        auto* button = new QRadioButton(QString::fromUtf8(option.caption), form);
        button->setObjectName(QString::fromLatin1(option.name));
        group->addButton(button);
        connect(button, &QRadioButton::clicked, this, &GoodsLookupList::optionClicked);
        m_options << button;
    }
    m_options.last()->setChecked(true);

    m_filter = new QLineEdit(form);
    m_filter->setObjectName(QStringLiteral("TextName2"));
    connect(m_filter, &QLineEdit::textChanged, this, &GoodsLookupList::refill);
    m_filter->installEventFilter(this);
    if (design.barcodeBox) {
        m_barcode = new QLineEdit(form);
        m_barcode->setObjectName(QStringLiteral("TextName3"));
        m_barcode->installEventFilter(this);
    }
    m_list = new RecordGrid(lookupColumns(design.codeHeader), form);
    m_list->fitEachFill();
    m_list->setObjectName(QStringLiteral("ListView2"));
    m_list->setSelectsFirstRow(true);
    connect(m_list, &RecordGrid::chosen, this, &GoodsLookupList::pick);
}

bool GoodsLookupList::barcodeMode() const { return m_options.last()->isChecked(); }

QLineEdit* GoodsLookupList::goodsInput() const { return m_barcode && barcodeMode() ? m_barcode : m_filter; }

QString GoodsLookupList::searchColumn() const
{
    for (int i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return QString::fromUtf8(SearchOptions[i].column);
    }
    return QString::fromUtf8(SearchOptions[3].column);
}

void GoodsLookupList::showError(const QString& text) const { MessageBox::show(m_form, text); }

void GoodsLookupList::refill()
{
    const DbStatus filled = m_list->fill(GoodsLookup::filterStatement(searchColumn()), {m_filter->text().trimmed()});
    if (!filled)
        showError(filled.error().text());
}

void GoodsLookupList::restoreOption()
{
    QStringList sections;
    for (const SearchOption& option : SearchOptions)
        sections << QString::fromLatin1(option.section);
    if (const int kept = KeptOption(sections, QStringLiteral("name")); kept >= 0) {
        m_options[kept]->setChecked(true);
        optionClicked();
    }
}

void GoodsLookupList::optionClicked()
{
    // A file that refused one key refuses the rest: one notice is enough.
    for (int i = 0; i < m_options.size(); ++i) {
        if (!mdlINI::WriteIni(QString::fromLatin1(SearchOptions[i].section), QStringLiteral("name"),
                              m_options[i]->isChecked() ? QStringLiteral("True") : QStringLiteral("False")))
            break;
    }
}

void GoodsLookupList::pick()
{
    if (m_list->rowCount() == 0)
        return;
    if (const int row = m_list->selectedRow(); row >= 0)
        m_code->setText(m_list->text(row, 0));
    m_loadGoods();
}

void GoodsLookupList::filterEnter()
{
    if (m_list->rowCount() == 0)
        return;
    m_list->setFocus(Qt::OtherFocusReason);
    pick();
}

void GoodsLookupList::barcodeEnter()
{
    if (!barcodeMode()) {
        MessageBox::show(m_form, QStringLiteral("请先选择<条形码>"));
        m_barcode->clear();
        return;
    }
    const DbStatus filled = m_list->fill(GoodsLookup::barcodeStatement(), {m_barcode->text().trimmed()});
    if (!filled) {
        showError(filled.error().text());
    } else if (m_list->rowCount() > 0) {
        m_list->setFocus(Qt::OtherFocusReason);
        pick();
    } else {
        MessageBox::show(m_form, QStringLiteral("无此商品信息！"));
        m_barcode->setFocus(Qt::OtherFocusReason);
    }
    m_barcode->clear();
}

bool GoodsLookupList::eventFilter(QObject* watched, QEvent* event)
{
    // Enter goes no further than the box: it neither beeps nor reaches the form.
    if (!isEnter(event))
        return false;
    if (watched == m_filter)
        filterEnter();
    else if (watched == m_barcode)
        barcodeEnter();
    return true;
}
