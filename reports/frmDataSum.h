#pragma once
#include <QHash>
#include <QWidget>

class QDateEdit;
class QLineEdit;
class QPushButton;

// The period summary: what came in, was sold, returned, written off and
// spent between two days, and the profit that leaves.
class frmDataSum : public QWidget {
    Q_OBJECT
public:
    explicit frmDataSum(QWidget* parent = nullptr);

    QLineEdit* box(const QString& name) const { return m_boxes.value(name); }

public slots:
    void ComOK_Click();
    void ComRtn_Click();

private:
    void buildControls();
    void Form_Load();
    void setBox(const QString& name, const QString& text);

    QDateEdit* DTPicker1 = nullptr;
    QDateEdit* DTPicker2 = nullptr;
    QPushButton* ComOK = nullptr;
    QPushButton* ComRtn = nullptr;
    QHash<QString, QLineEdit*> m_boxes;
    QList<QLineEdit*> m_figures; // the boxes a statement fills
};
