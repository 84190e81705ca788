#pragma once
#include "mastereditor.h"
#include "saleslines.h"

class QDateEdit;
class QLineEdit;
class SalesLinesGrid;

// The record of a salesman. Viewed by the administrator, it shows beside the
// record what he sold and what was returned, over every date or a period.
class frmOperation1 : public MasterEditor {
    Q_OBJECT
public:
    frmOperation1(MasterListPanel& list, EditorMode mode, QWidget* parent = nullptr);

public slots:
    void ComQuery_Click();

private:
    QWidget* buildPerformancePart();
    void fillPerformance(const std::optional<DatePeriod>& period);

    SalesLinesGrid* m_salesGrid = nullptr;
    SalesLinesGrid* m_returnsGrid = nullptr;
    QList<QLineEdit*> m_totals; // Text14 to Text19
    QDateEdit* m_first = nullptr;
    QDateEdit* m_last = nullptr;
};
