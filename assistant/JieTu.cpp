#include "JieTu.h"
#include "filedialogs.h"
#include "messagebox.h"
#include "forms.h"
#include "screenshotgeometry.h"
#include "screenshotpictures.h"
#include "showfiledialog.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>

namespace Teskarn {
namespace {
const QColor outlineBlue(0x1e, 0x63, 0xb4);
constexpr int toolbarHeight = 30;
constexpr int buttonStep = ScreenshotPictures::buttonSize + 6;

const QSize handleSize(ScreenshotPictures::handleSize, ScreenshotPictures::handleSize);

// Pointers over the handles: 0 and 6 north-west/south-east, 1 and 5
// north/south, 2 and 4 north-east/south-west, 3 and 7 west/east.
constexpr std::array<Qt::CursorShape, 8> handleCursors = {
    Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
    Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor,
};

QFrame* outline(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, colour);
    frame->setPalette(palette);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QLabel* label(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

template <typename Widget, std::size_t N>
int indexOf(const std::array<Widget*, N>& widgets, const QObject* object)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (widgets[i] == object)
            return int(i);
    }
    return -1;
}

// The folder the save dialog starts in: the user's pictures, else home.
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// The picture format a file's suffix names; none for a name without one.
QByteArray formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("bmp"))
        return "BMP";
    if (suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg"))
        return "JPG";
    if (suffix == QStringLiteral("png"))
        return "PNG";
    return {};
}

// Writes the picture in the format its file's name says; a failed write
// leaves any earlier file as it was.
bool writePicture(const QImage& picture, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, formatOf(path));
    return writer.write(picture) && file.commit();
}
}

QString JieTu::SplitRGB(quint32 colour)
{
    return QStringLiteral("(%1,%2,%3)").arg(colour & 0xff).arg((colour >> 8) & 0xff).arg((colour >> 16) & 0xff);
}

JieTu::JieTu()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(formName());
    setAttribute(Qt::WA_DeleteOnClose);
    // The frozen picture covers every pixel: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // F3 may come while a modal dialog is open: the picture over it takes the input.
    setWindowModality(Qt::ApplicationModal);

    m_shape1 = outline(this, QStringLiteral("Shape1"), outlineBlue);
    m_shape1->hide();
    m_lblPos = label(this, QStringLiteral("LblPos"));
    m_lblPos->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lblPos->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 160); color: white; padding: 1px 3px; }"));
    m_lblPos->hide();
    for (std::size_t i = 0; i < m_image1.size(); ++i) {
        QLabel* handle = label(this, QStringLiteral("Image1_%1").arg(i));
        handle->setPixmap(ScreenshotPictures::handle());
        handle->setFixedSize(handleSize);
        handle->setCursor(handleCursors[i]);
        handle->installEventFilter(this);
        handle->hide();
        m_image1[i] = handle;
    }

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoFillBackground(true);
    m_picture1->setPalette(QPalette(QColor(0xf0, 0xf0, 0xf0)));
    m_picture1->setCursor(Qt::ArrowCursor);
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    // The colour box fits the widest colour; the buttons follow it.
    QFrame* shape2 = outline(m_picture1, QStringLiteral("Shape2"), QColor(0xa0, 0xa0, 0xa0));
    m_lblInfo = label(m_picture1, QStringLiteral("lblInfo"));
    const int infoWidth = m_lblInfo->fontMetrics().horizontalAdvance(QStringLiteral("(255,255,255)")) + 10;
    shape2->setGeometry(3, 3, infoWidth, toolbarHeight - 6);
    m_lblInfo->setAlignment(Qt::AlignCenter);
    m_lblInfo->setGeometry(shape2->geometry().adjusted(1, 1, -1, -1));
    m_lblInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* line1 = new QFrame(m_picture1);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    line1->setGeometry(shape2->geometry().right() + 3, 3, 3, toolbarHeight - 6);
    const int firstButtonLeft = line1->geometry().right() + 3;
    m_picture1->setFixedSize(firstButtonLeft + int(m_image2.size()) * buttonStep, toolbarHeight);
    for (std::size_t i = 0; i < m_image2.size(); ++i) {
        const QRect frame(firstButtonLeft + int(i) * buttonStep, 2, buttonStep - 2, toolbarHeight - 4);
        m_shape3[i] = outline(m_picture1, QStringLiteral("Shape3_%1").arg(i), outlineBlue);
        m_shape3[i]->setGeometry(frame);
        m_shape3[i]->hide();
        QLabel* button = label(m_picture1, QStringLiteral("Image2_%1").arg(i));
        button->setPixmap(ScreenshotPictures::button(int(i)));
        button->setGeometry(frame.adjusted(2, 2, -2, -2));
        button->setAlignment(Qt::AlignCenter);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        m_image2[i] = button;
    }
}

void JieTu::Form_Load()
{
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    setGeometry(screen->geometry());
    m_picture1->move(0, -m_picture1->height());
    m_picture1->hide();
    setCursor(Qt::CrossCursor);
    m_picture = screen->grabWindow(0);
    // Selections are made in the screen's logical pixels; the picture may hold more.
    m_picture.setDevicePixelRatio(screen->devicePixelRatio());
    m_colours = m_picture.toImage();
    m_mode = QStringLiteral("draw");
}

void JieTu::showLoaded()
{
    showFullScreen();
    raise();
    activateWindow();
}

void JieTu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = m_picture.devicePixelRatio();
    for (const QRect& area : event->region()) {
        if (m_picture.isNull())
            painter.fillRect(area, Qt::black);
        else
            painter.drawPixmap(area, m_picture, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    }
}

void JieTu::mousePressEvent(QMouseEvent* event) { Form_MouseDown(event->position().toPoint()); }

void JieTu::mouseMoveEvent(QMouseEvent* event) { Form_MouseMove(event->buttons(), event->position().toPoint()); }

void JieTu::mouseReleaseEvent(QMouseEvent* event) { Form_MouseUp(event->button()); }

void JieTu::mouseDoubleClickEvent(QMouseEvent* event) { Form_DblClick(event->position().toPoint()); }

void JieTu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void JieTu::closeEvent(QCloseEvent* event)
{
    Forms::closing(formName(), this);
    event->accept();
}

bool JieTu::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // The handles and the toolbar take their own presses: none reaches the background.
    if (const int handle = indexOf(m_image1, watched); handle >= 0) {
        if (type == QEvent::MouseButtonPress)
            Image1_MouseDown();
        else if (type == QEvent::MouseMove)
            Image1_MouseMove(handle);
        else if (type == QEvent::MouseButtonRelease)
            Image1_MouseUp();
        return true;
    }
    if (const int button = indexOf(m_image2, watched); button >= 0) {
        if (type == QEvent::MouseMove)
            Image2_MouseMove(button);
        else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton
                 && m_image2[button]->rect().contains(mouse->position().toPoint()))
            Image2_Click(button);
        return true;
    }
    if (watched == m_picture1) {
        if (type == QEvent::MouseMove)
            Picture1_MouseMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void JieTu::Form_MouseDown(QPoint point)
{
    m_picture1->hide();
    if (m_mode == QStringLiteral("draw")) {
        m_shape1->setGeometry(QRect(point, QSize(0, 0)));
        m_shape1->show();
        m_anchor = point;
        return;
    }
    setCursor(Qt::CrossCursor);
    if (ScreenshotGeometry::inSelection(m_shape1->geometry(), point))
        m_press = point;
    else
        dropSelection(point);
}

void JieTu::dropSelection(QPoint point)
{
    m_shape1->hide();
    m_shape1->setGeometry(QRect(point, QSize(0, 0)));
    m_anchor = point;
    m_lblPos->hide();
    setHandlesVisible(false);
    unsetCursor();
    m_mode = QStringLiteral("draw");
}

void JieTu::Form_MouseMove(Qt::MouseButtons buttons, QPoint point)
{
    showColourAt(point);
    Qt::CursorShape pointer = Qt::CrossCursor;
    if (buttons & Qt::LeftButton) {
        if (m_mode == QStringLiteral("move")) {
            pointer = Qt::SizeAllCursor;
            m_shape1->move(ScreenshotGeometry::movedTopLeft(m_anchor, m_press, point, m_shape1->size(), size()));
        } else {
            m_shape1->setGeometry(ScreenshotGeometry::rubberBand(m_shape1->geometry(), m_anchor, point));
        }
        showSize();
        ImageMove();
        m_shape1->show();
    }
    if (cursor().shape() != pointer)
        setCursor(pointer);
}

void JieTu::Form_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    m_mode = QStringLiteral("move");
    m_anchor = m_shape1->pos();
    showToolbar();
}

void JieTu::Form_DblClick(QPoint point)
{
    if (!ScreenshotGeometry::inSelection(m_shape1->geometry(), point))
        return;
    Image2_Click(1);
}

void JieTu::Image1_MouseDown()
{
    if (m_mode != QStringLiteral("move"))
        return;
    m_handleDragging = true;
    m_handleOrigin = m_shape1->geometry();
    m_picture1->hide();
}

void JieTu::Image1_MouseMove(int index)
{
    if (!m_handleDragging)
        return;
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    // Past the opposite side the selection keeps its last size; the rest still follows.
    if (const auto resized = ScreenshotGeometry::resizedByHandle(index, m_handleOrigin, cursor, handleSize))
        m_shape1->setGeometry(*resized);
    ImageMove();
    showSize();
    m_anchor = m_shape1->pos();
}

void JieTu::Image1_MouseUp()
{
    m_handleDragging = false;
    showToolbar();
}

void JieTu::Image2_Click(int index)
{
    switch (index) {
    case 0:
        m_mode = QStringLiteral("draw");
        m_shape1->hide();
        m_picture1->hide();
        m_lblPos->hide();
        m_shape1->resize(0, 0);
        setHandlesVisible(false);
        return;
    case 1:
        m_picture1->hide();
        ScrnCap(m_shape1->geometry());
        break;
    case 2: {
        m_picture1->hide();
        const QImage picture = ScrnCap(m_shape1->geometry());
        if (!picture.isNull())
            CutdSave(picture);
        break;
    }
    default:
        break;
    }
    close();
}

void JieTu::Image2_MouseMove(int index)
{
    for (std::size_t i = 0; i < m_shape3.size(); ++i)
        m_shape3[i]->setVisible(int(i) == index);
}

void JieTu::Picture1_MouseMove()
{
    for (QFrame* frame : m_shape3)
        frame->hide();
}

QImage JieTu::ScrnCap(const QRect& selection)
{
    m_shape1->hide();
    m_lblPos->hide();
    setHandlesVisible(false);
    if (selection.isEmpty())
        return {};
    const qreal ratio = m_picture.devicePixelRatio();
    const QRect pixels((QPointF(selection.topLeft()) * ratio).toPoint(), (QSizeF(selection.size()) * ratio).toSize());
    QImage picture = m_colours.copy(pixels);
    picture.setDevicePixelRatio(1);
    QGuiApplication::clipboard()->setImage(picture);
    return picture;
}

void JieTu::CutdSave(const QImage& picture)
{
    const QStringList filters = Module2::qtFileFilters(
        QStringLiteral("位图文件(*.bmp)|*.bmp|JPEG文件(*.jpg)|*.jpg|所有文件(*.*)|*.*"));
    QString path = FileDialogs::saveFile(this, QStringLiteral("保存为"), picturesFolder(), filters.join(QStringLiteral(";;")),
                                         filters[1], FileDialogs::Existing::Replace);
    if (path.isEmpty())
        return;
    // A name that names no picture type gets a bitmap and says so.
    if (formatOf(path).isEmpty())
        path += QStringLiteral(".bmp");
    // A failed save keeps the picture on the clipboard.
    if (!writePicture(picture, path)) {
        MessageBox::show(this, QStringLiteral("截图保存失败：") + path, {}, QMessageBox::Warning);
        return;
    }
    QGuiApplication::clipboard()->clear();
}

void JieTu::ImageMove()
{
    const std::array<QPoint, 8> places = ScreenshotGeometry::handlePlaces(m_shape1->geometry(), handleSize);
    for (std::size_t i = 0; i < m_image1.size(); ++i)
        m_image1[i]->move(places[i]);
    setHandlesVisible(true);
}

void JieTu::showSize()
{
    m_lblPos->setText(QStringLiteral("%1x%2").arg(m_shape1->width()).arg(m_shape1->height()));
    m_lblPos->adjustSize();
    m_lblPos->move(m_shape1->pos() + QPoint(2, 2));
    m_lblPos->show();
}

void JieTu::showColourAt(QPoint point)
{
    const QPoint pixel = (QPointF(point) * m_picture.devicePixelRatio()).toPoint();
    if (!m_colours.valid(pixel))
        return;
    const QRgb colour = m_colours.pixel(pixel);
    m_lblInfo->setText(SplitRGB(quint32(qRed(colour)) | quint32(qGreen(colour)) << 8 | quint32(qBlue(colour)) << 16));
}

void JieTu::showToolbar()
{
    m_picture1->move(ScreenshotGeometry::toolbarPlace(m_shape1->geometry(), m_picture1->size(), height()));
    m_picture1->show();
    m_picture1->raise();
}

void JieTu::setHandlesVisible(bool visible)
{
    for (QLabel* handle : m_image1)
        handle->setVisible(visible);
}
}
