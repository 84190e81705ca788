#pragma once
// The three pickers of the slip forms.
#include "pickerform.h"

// 供应商选择: a supplier for the stock-in slip, by pinyin, wubi or number; modeless.
class frmIn11 : public PickerForm {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmIn11";
    explicit frmIn11(QWidget* opener);
};

// 客户选择: a member customer (or introducer) for the sales slip, also by
// phone, searching as the customer list last chose; modeless.
class frmOut11 : public PickerForm {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmOut11";
    explicit frmOut11(QWidget* opener);
};

// 业务员选择: a salesman for the sales slip; modal.
class frmOut16 : public PickerForm {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmOut16";
    explicit frmOut16(QWidget* opener);
};
