#include "frmType.h"
#include "frmType1.h"
#include "frmUnit1.h"
#include "lookuptables.h"
#include "module2.h"

#include <QHBoxLayout>

frmType::frmType(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmType"));
    setWindowTitle(QStringLiteral("商品类别(双击表格可以修改)"));
    setAttribute(Qt::WA_DeleteOnClose);

    ListDesign categories = lookupListDesign(LookupTables::Categories);
    categories.names.buttonFrame = QStringLiteral("Frame2");
    categories.openEditor = showModally<frmType1>();

    ListDesign units = lookupListDesign(LookupTables::Units);
    units.names = {QStringLiteral("ListView2"), QStringLiteral("TextName1"), QStringLiteral("Label3"), QStringLiteral("Frame3"), {},
                   QStringLiteral("ComAdd1"), QStringLiteral("ComMod1"), QStringLiteral("ComDel1"), QStringLiteral("ComRtn1"), true};
    units.openEditor = showModally<frmUnit1>();

    auto* layout = new QHBoxLayout(this);
    m_categories = new MasterListPanel(std::move(categories), this);
    m_units = new MasterListPanel(std::move(units), this);
    layout->addWidget(m_categories);
    layout->addWidget(m_units);
    for (MasterListPanel* panel : {m_categories, m_units})
        connect(panel, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
}
