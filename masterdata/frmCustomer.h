#pragma once
#include "masterlistform.h"

struct CustomerFilter;

// The member customers: an empty list filled on demand (all, due for a
// maintenance visit, or filtered on one of four columns); deleting and the
// two exports are the administrator's.
class frmCustomer : public MasterListForm {
    Q_OBJECT
public:
    explicit frmCustomer(QWidget* parent = nullptr);

public slots:
    void ComAll_Click();
    void ComTime_Click();
    void ComExcel_Click();
    void ComExcel2_Click();

private:
    void exportCustomers(const CustomerFilter& filter);
};

// The customer list: every column of 客户, filled on demand.
ListDesign customerListDesign();
