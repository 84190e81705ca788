#pragma once
#include "barplace.h"
#include "windowdrag.h"
#include "windowmessages.h"

#include <QPoint>
#include <QWidget>
#include <optional>

class ClockTimer;
class QLabel;
class SearchBox;

namespace Teskarn {
// The search bar, the assistant's one lasting window: a small frameless,
// topmost, partly transparent bar with the web search, dragged by its grips
// or background, hiding at the screen's top, left and right edges. It holds
// the global keys F1 and F3; closing it ends the program.
//
// What it opens belongs to other forms, reached through its signals: the
// menu TP, the quick-launch panel UrlS and quick-folder panel UrlF, slot 8 of
// the quick launch (F1) and the screenshot JieTu (F3).
class search : public QWidget {
    Q_OBJECT
public:
    enum class Panel { QuickLaunch, QuickFolders };
    Q_ENUM(Panel)
    static constexpr qint32 quickLaunchKey = 1; // F1
    static constexpr qint32 screenshotKey = 2;  // F3

    static QString formName() { return QStringLiteral("search"); }

    search();
    void Form_Load();

    // The bar's place and size in twips.
    double Top() const { return m_position.top; }
    double Left() const { return m_position.left; }
    QSizeF sizeInTwips() const;
    // The window that receives the hot-key messages.
    WindowId hWnd() const { return m_window; }
    // The place the bar last stored, when both its numbers can be read.
    static std::optional<BarPlace::Position> storedPosition();

signals:
    // Any button but the left one on a grip or the background: the menu, at the cursor.
    void menuRequested(const QPoint& globalPosition);
    // The logo: show this panel and unload the other one.
    void panelRequested(Teskarn::search::Panel panel);
    void slot8Requested();
    void screenshotRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ~search() override;
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();
    void Image1_MouseDown(Qt::MouseButton button);
    void Timer1_Timer();

    BarPlace::Position storedOrDefaultPosition() const;
    void savePosition() const;
    void placeAt(const BarPlace::Position& position);
    void releaseHotKeys();

    SearchBox* m_searchBox = nullptr;
    QLabel* m_image1 = nullptr;
    ClockTimer* m_timer1 = nullptr;
    WindowId m_window = 0;
    BarPlace::Position m_position;
    WindowDrag m_drag;
};
}
