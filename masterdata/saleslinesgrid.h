#pragma once
#include <QTableView>

class MasterTableModel;
struct SalesLines;

// A read-only grid of sale lines under the query's column names (日期,
// 商品名称, 销售额, 利润额), the amounts shown as whole numbers.
class SalesLinesGrid : public QTableView {
    Q_OBJECT
public:
    explicit SalesLinesGrid(const QString& objectName, QWidget* parent = nullptr);

    void setLines(const SalesLines& lines);

private:
    MasterTableModel* m_model = nullptr;
};
