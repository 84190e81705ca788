#pragma once
#include <QLabel>

// A label that never widens its window: a text longer than the label's
// width shows with its middle left out, the whole text as the tool tip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setWholeText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString m_whole;
};
