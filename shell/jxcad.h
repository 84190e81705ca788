#pragma once
#include <QWidget>

class QTextBrowser;

// The notice window shown at the main window's load when the computer is
// online: the page delivered beside the database, read locally.
class jxcad : public QWidget {
    Q_OBJECT
public:
    explicit jxcad(QWidget* parent = nullptr);

    static QString pageFileName();

private:
    QTextBrowser* m_browser = nullptr;
};
