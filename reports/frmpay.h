#pragma once
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class DbSession;
class RecordGrid;
class SlipOutcome;
namespace ExpenseBook {
struct Change;
}

// The daily-expenses book: the list of every entry above the boxes of one
// entry, which is added, modified or deleted by its number.
class frmpay : public QWidget {
    Q_OBJECT
public:
    explicit frmpay(QWidget* parent = nullptr);

public slots:
    void ComPD_Click();
    void ComAlter_Click();
    void ComDel_Click();
    void ComClear_Click();
    void ComRtn_Click();
    void MSHFlexGrid1_Click();

private:
    void buildControls();
    void Form_Load();
    void LoadList();
    void TotalAmounts();
    // An amount past the box limit: says so and puts the focus in its box.
    bool refusesAmounts() const;
    // The amount boxes (Text4, 5, 6, 8, 9, 10, 11) and the total, in the table's column order.
    std::array<QLineEdit*, 8> amountBoxes() const;
    // What a modification writes: a box unchanged since its row was clicked
    // writes the stored value back.
    ExpenseBook::Change changeFromBoxes() const;
    // Modify and delete: the entry that Textid names, when it is there and
    // the user agrees, then the list again.
    using EntryWrite = std::function<SlipOutcome(DbSession&, const QString&)>;
    void actOnEntry(const QString& question, const QString& success, const EntryWrite& write);

    QLineEdit* Textid = nullptr;
    QLineEdit* TextOperator = nullptr;
    QDateEdit* DTPicker0 = nullptr;
    QLabel* LabelTips = nullptr;
    RecordGrid* MSHFlexGrid1 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* TextMoneys = nullptr;
    QPushButton* ComPD = nullptr;
    QPushButton* ComAlter = nullptr;
    QPushButton* ComDel = nullptr;
    QPushButton* ComClear = nullptr;
    QPushButton* ComRtn = nullptr;

    // The entry last copied from the list: its values as stored and as the
    // boxes showed them then.
    struct Clicked {
        QString number;
        std::array<QVariant, 9> stored; // the amounts, the total, the description
        std::array<QString, 9> shown;
    };
    std::optional<Clicked> m_clicked;
};
