#pragma once
#include "stockquery.h"

#include <QWidget>

class QLineEdit;
class RecordGrid;

// The stock browser: every stock row with a category, the rows whose name or
// category holds a typed text, the rows beyond their limits, with the totals
// of the rows listed; the rows below their lower limit go to a workbook.
class frmStock : public QWidget {
    Q_OBJECT
public:
    explicit frmStock(QWidget* parent = nullptr);

    void ComF2_Click();
    void ComF9_Click();
    void ComF5_Click();
    void ComF6_Click();
    void ComExcel_Click();
    void ComRtn_Click();

private:
    // Lists a view anew, with fresh totals; a failed read leaves the list empty.
    void list(StockQuery::View view, const QString& text = {});
    QString askCondition(const QString& prompt);

    RecordGrid* ListView1;
    QLineEdit* TextSum1;
    QLineEdit* TextSum2;
};
