#pragma once
#include <QWidget>

class MasterListPanel;
struct CustomerFilter;

// The member customers: an empty list filled on demand (all, due for a
// maintenance visit, or filtered on one of four columns); deleting and the
// two exports are the administrator's.
class frmCustomer : public QWidget {
    Q_OBJECT
public:
    explicit frmCustomer(QWidget* parent = nullptr);

    MasterListPanel* list() const { return m_list; }

public slots:
    void ComAll_Click();
    void ComTime_Click();
    void ComExcel_Click();
    void ComExcel2_Click();

private:
    void exportCustomers(const CustomerFilter& filter);

    MasterListPanel* m_list = nullptr;
};
