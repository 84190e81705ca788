#pragma once
// The goods analysis window: a filter row above two tabs. The first holds
// the six grouped analyses with their totals, the goods sales count and the
// customer points, each count and list exported to its template; the second
// the sales and profit of each month as a grid and a chart. Enter anywhere
// runs the goods profit analysis, Esc closes the window.
#include "goodsanalysis.h"

#include <QWidget>

class QChartView;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTabWidget;
class RecordGrid;

class frmGoodsSum : public QWidget {
    Q_OBJECT
public:
    explicit frmGoodsSum(QWidget* parent = nullptr);

    void ComOK_Click();
    void ComOK3_Click();
    void CommOK7_Click();
    void CommOK8_Click();
    void CommOK9_Click();
    void CommOK11_Click();
    void ComRtn_Click();

private:
    void Form_Load();
    QWidget* buildFilterRow();
    QWidget* buildGroupsTab();
    QWidget* buildTrendTab();
    SalesFilter filter() const;
    void ShowGroups(const SalesGrouping& grouping);

    QDateEdit* DTPicker1 = nullptr;
    QDateEdit* DTPicker2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QComboBox* CobType = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    RecordGrid* MSHFlexGrid1 = nullptr;
    RecordGrid* MSHFlexGrid2 = nullptr;
    RecordGrid* MSHFlexGrid3 = nullptr;
    RecordGrid* MSHFlexGrid4 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QChartView* MSChart1 = nullptr;
};
