#include "MDIF_main.h"
#include "TuoPan.h"
#include "appstate.h"
#include "dialogrules.h"
#include "clock.h"
#include "dispatch.h"
#include "environment.h"
#include "formregistry.h"
#include "jxcad.h"
#include "messagebox.h"
#include "programend.h"
#include "rightflags.h"
#include "searchbox.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {
struct MenuItem {
    const char* name;
    const char* caption; // "-" is a separator line
};

struct TopMenu {
    const char* name;
    const char* caption;
    QList<MenuItem> items;
};

const QList<TopMenu>& menuBarItems()
{
    static const QList<TopMenu> menus{
        {"QCSZ",
         "期初设置",
         {{"DPXX", "店铺信息"},
          {"GYSXXWH", "供应商信息维护"},
          {"KHXXWH", "客户信息维护"},
          {"YWYSZ", "业务员设置"},
          {"fg5", "-"},
          {"S61", "商品类别与计量单位"},
          {"HPXXWH", "货品信息维护"}}},
        {"HWGL", "入库管理", {{"FKGL", "入库记录及资金往来"}, {"S23", "入库退货"}, {"S24", "退货记录及资金往来"}}},
        {"CKGL", "销售管理", {{"S12", "销售记录及资金往来"}, {"S13", "销售退货"}, {"S14", "退货记录及资金往来"}}},
        {"KCGL",
         "库存管理",
         {{"S35", "商品盘点"}, {"S36", "商品盘点记录查询"}, {"fg3", "-"}, {"S33", "商品报损"}, {"S34", "商品报损记录查询"}}},
        {"XTWH",
         "系统维护",
         {{"CZYXXWH", "操作员管理"}, {"MMXG", "密码修改"}, {"CZYQXSZ", "操作员权限设置"}, {"DD", "-"}, {"SJQL", "数据清理"}}},
    };
    return menus;
}

struct ToolButton {
    const char* caption;
    QStyle::StandardPixmap picture;
};

// Buttons 1, 3, ... 17; the even numbers between them are separators.
const QList<ToolButton>& toolButtons()
{
    static const QList<ToolButton> buttons{
        {"货品入库", QStyle::SP_ArrowDown},
        {"商品销售", QStyle::SP_ArrowUp},
        {"库存查询", QStyle::SP_FileDialogContentsView},
        {"日常支出", QStyle::SP_FileIcon},
        {"利润统计", QStyle::SP_FileDialogDetailedView},
        {"数据分析", QStyle::SP_FileDialogInfoView},
        {"会员客户", QStyle::SP_DirHomeIcon},
        {"备份数据", QStyle::SP_DriveHDIcon},
        {"退出系统", QStyle::SP_DialogCloseButton},
    };
    return buttons;
}

// A picture at the toolbar's size, whatever sizes the style draws it in: one
// the style has only smaller would stand smaller and higher than the others.
QIcon atSize(const QIcon& icon, const QSize& size)
{
    QSize largest;
    for (const QSize& available : icon.availableSizes())
        largest = available.width() > largest.width() ? available : largest;
    const QPixmap drawn = icon.pixmap(largest.isValid() ? largest : size);
    return QIcon(drawn.size() == size ? drawn : drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QString clockText(const QTime& time)
{
    const auto twoDigits = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return QStringLiteral(" %1点%2分%3秒").arg(twoDigits(time.hour()), twoDigits(time.minute()), twoDigits(time.second()));
}
}

MDIF_main::MDIF_main(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIF_main"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("VarnholtV2.4"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    buildMenus();
    buildToolbar();
    buildSearchBox();
    buildStatusBar();
    Dispatch::wire(*this);

    m_timer1 = new ClockTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &ClockTimer::timeout, this, &MDIF_main::Timer1_Timer);
    m_timer1->start(60);
    // Never larger than the screen's room.
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize(1024, 768);
    resize(QSize(std::max(1024, m_toolbar->sizeHint().width() + 24), 700).boundedTo(room));
    Form_Load();
}

void MDIF_main::buildMenus()
{
    for (const TopMenu& top : menuBarItems()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(QString::fromLatin1(top.name));
        for (const MenuItem& item : top.items) {
            const QString caption = QString::fromUtf8(item.caption);
            QAction* action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
            action->setObjectName(QString::fromLatin1(item.name));
        }
    }
    // Without a notification area the tray menu's items stand here, or log-off
    // and the backup window could not be reached.
    if (TuoPan* tray = TuoPan::loaded(); tray && !TuoPan::isUp()) {
        QMenu* menu = menuBar()->addMenu(QStringLiteral("程序"));
        menu->setObjectName(QStringLiteral("TrayItems"));
        menu->addActions(tray->menuBarItems());
    }
}

void MDIF_main::buildToolbar()
{
    m_toolbar = addToolBar(QString());
    QToolBar* toolbar = m_toolbar;
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QList<ToolButton>& buttons = toolButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (i > 0)
            toolbar->addSeparator()->setObjectName(QStringLiteral("Toolbar1_%1").arg(2 * i));
        QAction* action = toolbar->addAction(atSize(style()->standardIcon(buttons[i].picture), toolbar->iconSize()),
                                             QString::fromUtf8(buttons[i].caption));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(2 * i + 1));
    }
}

void MDIF_main::buildSearchBox()
{
    m_searchBar = addToolBar(QString());
    m_searchBar->setObjectName(QStringLiteral("SearchBar"));
    m_searchBar->setMovable(false);
    m_searchBox = new SearchBox(m_searchBar);
    m_searchBar->addWidget(m_searchBox);
}

void MDIF_main::placeSearchBar()
{
    // Every button of the toolbar stays in sight: the search box takes a row
    // of its own when the two do not fit side by side.
    const bool ownRow = m_toolbar->sizeHint().width() + m_searchBar->sizeHint().width() > width();
    if (ownRow == toolBarBreak(m_searchBar))
        return;
    if (ownRow)
        insertToolBarBreak(m_searchBar);
    else
        removeToolBarBreak(m_searchBar);
}

void MDIF_main::resizeEvent(QResizeEvent* event)
{
    placeSearchBar();
    QMainWindow::resizeEvent(event);
}

void MDIF_main::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QStringList fixedTexts{
        QStringLiteral("Varnholt 库存管理系统"), {}, QStringLiteral("当前时间："), {}, QStringLiteral("祝您生意兴隆")};
    for (int i = 0; i < fixedTexts.size(); ++i) {
        auto* panel = new QLabel(fixedTexts[i], bar);
        panel->setObjectName(QStringLiteral("StatusBar1_%1").arg(i + 1));
        bar->addWidget(panel, i == 0 ? 1 : 0);
    }
    m_operatorPanel = bar->findChild<QLabel*>(QStringLiteral("StatusBar1_2"));
    m_clockPanel = bar->findChild<QLabel*>(QStringLiteral("StatusBar1_4"));
}

void MDIF_main::Form_Load()
{
    m_searchBox->selectWebSearch();
    m_operatorPanel->setText(QStringLiteral("当前操作员：") + appState().currentOperator);
    // Shown once this window is: as a window of its own it stays in front of it.
    m_noticePending = MachineState::isOnline();
}

void MDIF_main::Form_Activate()
{
    // A failed read changes nothing and tells nobody: a message box here
    // would activate the window again, and so on without end.
    const auto found = Operators::find(appState().currentOperator);
    if (!found || !*found)
        return;
    for (const RightChange& change : RightFlagRules::changes((*found)->rights)) {
        QAction* action = findChild<QAction*>(change.item);
        if (!action)
            continue;
        if (change.property == RightChange::Visible)
            action->setVisible(change.on);
        else
            action->setEnabled(change.on);
    }
}

void MDIF_main::Timer1_Timer() { m_clockPanel->setText(clockText(Clock::now().time())); }

QMdiSubWindow* MDIF_main::showChild(QWidget* form)
{
    QMdiSubWindow* window = m_mdiArea->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // As large as the form asks for, within the area.
    window->resize(window->sizeHint().boundedTo(m_mdiArea->viewport()->size()));
    form->show();
    return window;
}

void MDIF_main::closeChildWindows()
{
    // activeSubWindow() is null while the main window is inactive: close
    // from a list of every child taken before the first one closes.
    const QList<QMdiSubWindow*> children = m_mdiArea->subWindowList();
    QList<QPointer<QMdiSubWindow>> guarded(children.begin(), children.end());
    for (const QPointer<QMdiSubWindow>& child : guarded) {
        if (child)
            child->close();
    }
}

void MDIF_main::Toolbar1_17_Click()
{
    if (MessageBox::show(this, QStringLiteral("您确认要退出库存管理系统吗?"), QStringLiteral("提示信息"), QMessageBox::Question,
                         QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok) {
        ProgramEnd::unloadEveryForm();
        return;
    }
    DialogRules::SetTopmost(this, false);
}

bool MDIF_main::event(QEvent* event)
{
    // Also when shown: a window manager may never activate the window, and
    // nothing a flag forbids may be usable meanwhile.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Form_Activate();
    if (event->type() == QEvent::Show && std::exchange(m_noticePending, false))
        Dispatch::showOnce(
            QStringLiteral("jxcad"), [this] { return new jxcad(this); }, FormRegistry::Kind::Other);
    return QMainWindow::event(event);
}

void MDIF_main::closeEvent(QCloseEvent* event)
{
    if (ProgramEnd::refusedWhileBusy(this)) {
        event->ignore();
        return;
    }
    QWidget* login = FormRegistry::openForm(QStringLiteral("frm_xtdl"));
    if (login && login->isVisible())
        login->close();
    // Without the tray, closing the main window ends the program.
    if (!ProgramEnd::unloading() && !TuoPan::loggingOff() && !TuoPan::isUp())
        EndRequest::request();
    event->accept();
}
