#include "masterlistform.h"
#include "unloadform.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

MasterListForm::MasterListForm(const QString& name, const QString& caption, QList<ListDesign> designs, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    for (ListDesign& design : designs) {
        auto* panel = new MasterListPanel(std::move(design), this);
        connect(panel, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
        lists->addWidget(panel);
        m_lists << panel;
    }
    m_layout->addLayout(lists, 1);
}

void MasterListForm::addTopRow(QHBoxLayout* row) { m_layout->insertLayout(0, row); }
