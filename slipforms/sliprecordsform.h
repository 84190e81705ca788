#pragma once
// The records-window family: a child window listing the slips of one kind
// that its last query asked for, with two totals over them and the lines of
// the slip chosen in the list. From the chosen slip the operator books
// payments, edits its texts and deletes it with what its save moved; the
// list goes to a workbook. Each member is one design per mode.
//
// The query is kept per window and mode beyond the window (AppState): a
// reopened window lists today's slips that also meet it, unless its design
// opens on today's slips alone. The dialogs take
// the chosen slip by its number and tell the window which slip they changed;
// the window reads that slip's row again and moves its totals by the change.
#include "amount.h"
#include "recordtablemodel.h"
#include "recordscondition.h"
#include "slipdesign.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordGrid;
class SlipRecordsForm;

// A query button: it asks for a text through the window's input dialog and
// lists the slips whose column holds it, within the two dates or among the
// slips with an open balance, whatever their date.
struct RecordsQuery {
    enum class Scope { Dates, OpenBalance };
    QString button;
    QString caption;
    QString prompt;
    QString column;
    Scope scope = Scope::Dates;

    // What every slip book's records ask within the dates: ComF2 by slip
    // number, ComF6 by operator.
    static RecordsQuery byNumber()
    {
        return {.button = QStringLiteral("ComF2"),
                .caption = QStringLiteral("按单据号查询"),
                .prompt = QStringLiteral("请输入单据编号：(留空显示日期内全部)"),
                .column = QStringLiteral("单号")};
    }
    static RecordsQuery byOperator()
    {
        return {.button = QStringLiteral("ComF6"),
                .caption = QStringLiteral("按操作员查询"),
                .prompt = QStringLiteral("请输入操作员：(留空显示日期内全部)"),
                .column = QStringLiteral("操作员")};
    }
};

// A total box: the sum of a column over the listed slips.
struct RecordsTotal {
    QString label;
    QString column;
};

struct RecordsDeletion {
    QString question; // %1: the slip number
    bool administratorOnly = true;
    // After a deletion the first remaining slip is chosen (its lines are not listed).
    bool selectsFirstAfter = false;
};

// The list to a workbook: the template's first sheet, the list as shown.
struct RecordsExport {
    QString templateName;
};

struct SlipRecordsDesign {
    QString formName;
    QString caption;
    QString currentCaption; // followed by the number of the slip chosen
    const SlipDesign* slip = nullptr;
    QList<ListColumn> slipColumns; // the first shows 单号
    QList<ListColumn> lineColumns;
    std::array<RecordsTotal, 2> totals; // TextSum1, TextSum2
    QString todayLabel;                 // Label7 after opening
    // A reopened window narrows today's slips by its last query; else it
    // lists today's slips alone.
    bool keepsQuery = true;
    QString inputDialog; // the input dialog's name
    QList<RecordsQuery> queries;
    // The aged-debt query ComF10: the labels around its days box Text1; none when empty.
    QString agedBefore;
    QString agedAfter;
    // ComF9 opens the payment dialog, modal; none when empty.
    QString paymentCaption;
    std::function<void(SlipRecordsForm&)> openPayment;
    // A double-click opens the slip-edit dialog for the administrator, modeless
    // and one at a time; none when it has no name.
    QString editDialog;
    std::function<QWidget*(SlipRecordsForm&)> createEditDialog;
    std::optional<RecordsDeletion> deletion; // ComDel
    std::optional<RecordsExport> exportTo;   // ComExcel
};

class SlipRecordsForm : public QWidget {
    Q_OBJECT
public:
    const SlipRecordsDesign& design() const { return m_design; }
    const SlipDesign& slipDesign() const { return *m_design.slip; }
    RecordGrid* slipList() const { return ListView1; }
    RecordGrid* lineList() const { return ListView2; }

    // The number of the slip chosen in the list, "" when none is.
    QString selectedNumber() const;
    // Reads the listed slip of the number again, as stored now under
    // renumberedTo when that is given, into its row and the totals; nothing
    // when the slip is not listed or no longer stored.
    void refreshSlip(const QString& number, const QString& renumberedTo = {});

    // What a query button does once the text is given, and the aged-debt query.
    void runQuery(const RecordsQuery& query, const QString& text);
    void ComF10_Click();
    void ComF9_Click();
    void ComDel_Click();
    void ComExcel_Click();
    void ComRtn_Click();
    void ListView1_ItemClick();
    void ListView1_DblClick();

protected:
    explicit SlipRecordsForm(SlipRecordsDesign design, QWidget* parent = nullptr);

    // A button of the member's own in the row of the slip's actions.
    QPushButton* addButton(const QString& name, const QString& caption);
    void closeEvent(QCloseEvent* event) override;

private:
    using Figures = std::array<Amount, 2>; // by total

    void buildControls();
    void Form_Load();
    void askQuery(const RecordsQuery& query);
    // Lists the slips of the kept condition (of one day when given) and their totals.
    void RunQuery(const QString& onDate = {});
    RecordsCondition& condition() const;
    // What the list and its totals show of the slips.
    QStringList listedColumns() const;
    // The slip number of a row, as stored.
    QString numberAt(int row) const;
    int rowOf(const QString& number) const;
    void chooseFirstAfterDeletion();
    // The figures of each read slip that the two totals sum.
    QList<Figures> figuresOf(const Rows& read) const;
    void showTotals();

    SlipRecordsDesign m_design;
    QLabel* Label7;
    RecordGrid* ListView1;
    RecordGrid* ListView2;
    QLineEdit* TextSum1;
    QLineEdit* TextSum2;
    QDateEdit* DTPicker1;
    QDateEdit* DTPicker2;
    QLineEdit* Text1 = nullptr;
    QPushButton* ComDel = nullptr;
    QHBoxLayout* m_actions = nullptr;
    QString m_linesOf;              // the slip whose lines are listed
    QList<Figures> m_figures;       // by listed row
    Figures m_sums;                 // what the total boxes show
    bool m_choosingQuietly = false; // a row chosen without listing its lines
};
