#pragma once
// The goods lookup of the slip-entry forms: a filter box, the search option
// (pinyin, wubi, self code or barcode; one setting in config.ini shared by
// every slip form), an optional barcode box, and the list of matching goods
// with each one's stock. Every way of finding a goods ends in the form's
// code box and its LoadGoods.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QRadioButton;
class QWidget;
class RecordGrid;

struct GoodsLookupDesign {
    QString codeHeader = QStringLiteral("编号");      // the list's first column
    bool barcodeBox = true;                           // TextName3
    QString filterCaption = QStringLiteral("[其他]"); // the label of TextName2
};

class GoodsLookupList : public QObject {
    Q_OBJECT
public:
    // The controls are made on the form, which lays them out; a pick writes
    // the goods' code into codeBox and runs loadGoods.
    GoodsLookupList(QWidget* form, const GoodsLookupDesign& design, QLineEdit* codeBox, std::function<void()> loadGoods);

    const QList<QRadioButton*>& options() const { return m_options; } // Option1 to Option4
    QLineEdit* filterBox() const { return m_filter; }                 // TextName2
    QLineEdit* barcodeBox() const { return m_barcode; }               // TextName3; none without one
    RecordGrid* list() const { return m_list; }                       // ListView2

    // Whether the search is by barcode (Option4).
    bool barcodeMode() const;
    // Where the next goods is entered: the barcode box in barcode mode, else the filter box.
    QLineEdit* goodsInput() const;

    // Refills the list for the filter text (TextName2_Change).
    void refill();
    // Chooses the search option kept in config.ini as by a click: the last
    // one reading "True"; without one the option stays as it is.
    void restoreOption();
    // Loads the selected goods (ListView2_DblClick).
    void pick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString searchColumn() const;
    void optionClicked();
    void filterEnter();
    void barcodeEnter();
    void showError(const QString& text) const;

    QWidget* m_form;
    QLineEdit* m_code;
    std::function<void()> m_loadGoods;
    QList<QRadioButton*> m_options;
    QLineEdit* m_filter = nullptr;
    QLineEdit* m_barcode = nullptr;
    RecordGrid* m_list = nullptr;
};
