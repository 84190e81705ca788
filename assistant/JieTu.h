#pragma once
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace Teskarn {
// The region screenshot: a frameless window over the screen under the
// cursor, showing that screen as it was when the window opened. The user
// drags a selection, moves it or resizes it by its eight handles, reads its
// size and the colour under the cursor, and copies it to the clipboard or
// saves it to a file. Esc closes the window.
class JieTu : public QWidget {
    Q_OBJECT
public:
    static QString formName() { return QStringLiteral("JieTu"); }

    JieTu();
    // Covers the screen under the cursor and freezes it.
    void Form_Load();
    // Full screen, in front and active.
    void showLoaded();

    // "(red,green,blue)" of a colour value whose lowest byte is red, the
    // next green and the third blue.
    static QString SplitRGB(quint32 colour);

    // "draw" while there is no finished selection, "move" once there is one.
    const QString& mode() const { return m_mode; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_MouseDown(QPoint point);
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint point);
    void Form_MouseUp(Qt::MouseButton button);
    void Form_DblClick(QPoint point);
    void Image1_MouseDown();
    void Image1_MouseMove(int index);
    void Image1_MouseUp();
    void Image2_Click(int index);
    void Image2_MouseMove(int index);
    void Picture1_MouseMove();

    // Copies the selection of the frozen picture to the clipboard and gives
    // it; an empty selection copies nothing and gives a null image.
    QImage ScrnCap(const QRect& selection);
    void CutdSave(const QImage& picture);
    void ImageMove();

    void dropSelection(QPoint point);
    void showSize();
    void showColourAt(QPoint point);
    void showToolbar();
    void setHandlesVisible(bool visible);

    QPixmap m_picture;
    // The picture's pixels, read for the colour under the cursor.
    QImage m_colours;

    QFrame* m_shape1 = nullptr;
    QLabel* m_lblPos = nullptr;
    std::array<QLabel*, 8> m_image1{};
    QWidget* m_picture1 = nullptr;
    std::array<QLabel*, 4> m_image2{};
    std::array<QFrame*, 4> m_shape3{};
    QLabel* m_lblInfo = nullptr;

    QString m_mode;
    bool m_handleDragging = false;
    // Draw mode: where the drag began; move mode: the selection's top-left when the move began.
    QPoint m_anchor;
    // Where the button went down inside the selection, to move it.
    QPoint m_press;
    // The selection when a handle drag began.
    QRect m_handleOrigin;
};
}
