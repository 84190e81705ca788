#include "dispatch.h"
#include "MDIF_main.h"
#include "appstate.h"
#include "formregistry.h"
#include "frmCompany.h"
#include "frmCustomer.h"
#include "frmDataSum.h"
#include "frmGoods.h"
#include "frmGoodsSum.h"
#include "frmOperation.h"
#include "frmProvider.h"
#include "frmType.h"
#include "frmpay.h"
#include "frm_Edit_Password.h"
#include "frm_backup.h"
#include "frm_setoperator.h"
#include "frm_sfyz.h"
#include "frm_systemer.h"
#include "frmCheck1.h"
#include "frmCheckDetail.h"
#include "frmIn1.h"
#include "frmInDetail.h"
#include "frmOther1.h"
#include "frmOthersDetail.h"
#include "frmOut1.h"
#include "frmOutDetail.h"
#include "frmStock.h"

#include <QAction>

namespace {
// A modeless dialog over the main window, shown once at a time; each of them
// reads or writes the books.
template <typename Form>
void showDialog(MDIF_main& main, const char* name)
{
    Dispatch::showOnce(
        QString::fromLatin1(name), [&main] { return new Form(&main); }, FormRegistry::Kind::BooksWindow);
}

// A slip form in its return mode, captioned after it is shown.
template <typename Form>
void showReturnSlip(MDIF_main& main, const QString& caption)
{
    appState().slipMode = QStringLiteral("退货");
    auto* form = new Form;
    main.showChild(form);
    form->setWindowTitle(caption);
}
}

const QList<DispatchRow>& Dispatch::rows()
{
    static const QList<DispatchRow> table{
        // 期初设置
        {"DPXX", [](MDIF_main& main) { showDialog<frmCompany>(main, "frmCompany"); }},
        {"GYSXXWH", [](MDIF_main& main) { main.showChild(new frmProvider); }},
        {"KHXXWH", [](MDIF_main& main) { main.showChild(new frmCustomer); }},
        {"YWYSZ", [](MDIF_main& main) { main.showChild(new frmOperation); }},
        {"S61", [](MDIF_main& main) { main.showChild(new frmType); }},
        {"HPXXWH", [](MDIF_main& main) { main.showChild(new frmGoods); }},
        // 入库管理
        {"FKGL", [](MDIF_main& main) { main.showChild(new frmInDetail); }},
        {"S23", [](MDIF_main& main) { showReturnSlip<frmIn1>(main, QStringLiteral("商品入库退货")); }},
        {"S24", [](MDIF_main& main) { showReturnSlip<frmInDetail>(main, QStringLiteral("调失退货记录")); }},
        // 销售管理
        {"S12", [](MDIF_main& main) { main.showChild(new frmOutDetail); }},
        {"S13", [](MDIF_main& main) { showReturnSlip<frmOut1>(main, QStringLiteral("商品销售退货")); }},
        {"S14", [](MDIF_main& main) { showReturnSlip<frmOutDetail>(main, QStringLiteral("销售退货记录")); }},
        // 库存管理
        {"S35", [](MDIF_main& main) { main.showChild(new frmCheck1); }},
        {"S36", [](MDIF_main& main) { main.showChild(new frmCheckDetail); }},
        {"S33",
         [](MDIF_main& main) {
             appState().slipMode = QStringLiteral("报损");
             main.showChild(new frmOther1);
         }},
        {"S34", [](MDIF_main& main) { main.showChild(new frmOthersDetail); }},
        // 系统维护
        {"CZYXXWH", [](MDIF_main& main) { showDialog<frm_systemer>(main, "frm_systemer"); }},
        {"MMXG", [](MDIF_main& main) { showDialog<frm_Edit_Password>(main, "frm_Edit_Password"); }},
        {"CZYQXSZ", [](MDIF_main& main) { showDialog<frm_setoperator>(main, "frm_setoperator"); }},
        {"SJQL", [](MDIF_main& main) { showDialog<frm_sfyz>(main, "frm_sfyz"); }},
        // Toolbar
        {"Toolbar1_1", [](MDIF_main& main) { main.showChild(new frmIn1); }},
        {"Toolbar1_3", [](MDIF_main& main) { main.showChild(new frmOut1); }},
        {"Toolbar1_5", [](MDIF_main& main) { main.showChild(new frmStock); }},
        {"Toolbar1_7", [](MDIF_main& main) { main.showChild(new frmpay); }},
        {"Toolbar1_9", [](MDIF_main& main) { main.showChild(new frmDataSum); }},
        {"Toolbar1_11", [](MDIF_main& main) { main.showChild(new frmGoodsSum); }},
        {"Toolbar1_13", [](MDIF_main& main) { main.showChild(new frmCustomer); }},
        {"Toolbar1_15", [](MDIF_main& main) { frm_backup::backUpAndClose(&main); }},
        {"Toolbar1_17", [](MDIF_main& main) { main.Toolbar1_17_Click(); }, false},
    };
    return table;
}

void Dispatch::run(MDIF_main& main, const DispatchRow& row)
{
    if (!row.open)
        return;
    if (row.closesChildren)
        main.closeChildWindows();
    row.open(main);
}

void Dispatch::wire(MDIF_main& main)
{
    for (const DispatchRow& row : rows()) {
        QAction* action = main.findChild<QAction*>(QString::fromLatin1(row.item));
        if (!action)
            continue;
        QObject::connect(action, &QAction::triggered, &main, [&main, &row] { run(main, row); });
    }
}

QWidget* Dispatch::showOnce(const QString& name, const std::function<QWidget*()>& create, FormRegistry::Kind kind)
{
    return FormRegistry::showOnce(name, create, kind);
}
