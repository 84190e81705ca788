#include "search.h"
#include "ReJian.h"
#include "adoS.h"
#include "clock.h"
#include "environment.h"
#include "hotkeys.h"
#include "inifile.h"
#include "numbertext.h"
#include "pictures.h"
#include "searchbox.h"
#include "teskarnstate.h"
#include "touming.h"
#include "twips.h"
#include "windowrules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace Teskarn {
namespace {
const QString settingsApplication = QStringLiteral("searchtool");
const QString settingsSection = QStringLiteral("pos");
constexpr quint32 keyF1 = 0x70;
constexpr quint32 keyF3 = 0x72;
constexpr int barHeight = 30;

// The bar's own procedure, before the hot-key procedure takes its place.
qint32 barWindowProc(WindowId, qint32, qint32, qint32) { return 0; }

std::optional<double> storedNumber(const QString& key)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(UserSettings::get(settingsApplication, settingsSection, key), &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

QPixmap gripPicture()
{
    QPixmap pixmap(8, barHeight - 6);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x78, 0x78, 0x78));
    for (int y = 3; y + 2 < pixmap.height(); y += 4) {
        painter.drawRect(1, y, 2, 2);
        painter.drawRect(5, y, 2, 2);
    }
    return pixmap;
}

QLabel* picture(QWidget* parent, const char* name, const QPixmap& pixmap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    return label;
}
}

search::search()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , m_drag(this)
{
    setObjectName(formName());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("搜索条"));

    // The grips take no press of their own: it reaches the bar, as one on
    // its background does.
    auto* pictureM = picture(this, "PictureM", gripPicture());
    m_image1 = picture(this, "Image1", Pictures::logo());
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->installEventFilter(this);
    auto* pictureM2 = picture(this, "PictureM2", gripPicture());
    m_searchBox = new SearchBox(this);
    auto* pictureM3 = picture(this, "PictureM3", gripPicture());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(3);
    layout->addWidget(pictureM);
    layout->addWidget(m_image1);
    layout->addWidget(pictureM2);
    layout->addWidget(m_searchBox);
    layout->addWidget(pictureM3);
    setFixedSize(sizeHint().width(), barHeight);

    m_timer1 = new ClockTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &ClockTimer::timeout, this, &search::Timer1_Timer);
}

search::~search()
{
    releaseHotKeys();
    WindowMessages::destroyWindow(m_window);
}

QSizeF search::sizeInTwips() const { return QSizeF(width(), height()) * TwipsPerPixel; }

void search::Form_Load()
{
    touming::SetFormAlpha(this, 66);
    m_searchBox->selectWebSearch();
    DialogRules::SetTopmost(this, true);
    placeAt(storedOrDefaultPosition());
    savePosition();

    m_window = WindowMessages::createWindow(barWindowProc);
    State::instance().PreviousWndProc = WindowMessages::replaceWindowProc(m_window, ReJian::HotKeyWndProc).value_or(nullptr);
    // A key held by another program does nothing here.
    HotKeys::registerKey(m_window, quickLaunchKey, keyF1);
    HotKeys::registerKey(m_window, screenshotKey, keyF3);

    m_timer1->start(100);
}

std::optional<BarPlace::Position> search::storedPosition()
{
    const std::optional<double> top = storedNumber(QStringLiteral("top"));
    const std::optional<double> left = storedNumber(QStringLiteral("left"));
    if (top && left)
        return BarPlace::Position{clampTwips(*top), clampTwips(*left)};
    return std::nullopt;
}

BarPlace::Position search::storedOrDefaultPosition() const
{
    const std::optional<BarPlace::Position> stored = storedPosition();
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->geometry();
    if (stored && BarPlace::isReachable(*stored, sizeInTwips(), screens))
        return *stored;
    const QScreen* primary = QGuiApplication::primaryScreen();
    return BarPlace::defaultPosition(primary ? primary->geometry() : QRect(), adoS::TaskbarHeight(), sizeInTwips());
}

void search::savePosition() const
{
    // Both in one rewrite: never a new top with an old left.
    UserSettings::save(settingsApplication, {{settingsSection, QStringLiteral("top"), ::Module2::NumberText(Top())},
                                             {settingsSection, QStringLiteral("left"), ::Module2::NumberText(Left())}});
}

void search::placeAt(const BarPlace::Position& position)
{
    m_position = position;
    move(BarPlace::pixels(position));
}

void search::moveEvent(QMoveEvent* event)
{
    // Moved by the user or the window system: the place in twips follows.
    if (event->pos() != BarPlace::pixels(m_position))
        m_position = {double(event->pos().y()) * TwipsPerPixel, double(event->pos().x()) * TwipsPerPixel};
    QWidget::moveEvent(event);
}

bool search::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void search::Form_Activate() { savePosition(); }

void search::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        emit menuRequested(QCursor::pos());
        return;
    }
    m_drag.press(event);
}

void search::mouseMoveEvent(QMouseEvent* event) { m_drag.move(event); }

void search::mouseReleaseEvent(QMouseEvent* event) { m_drag.release(event); }

bool search::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_image1 && event->type() == QEvent::MouseButtonPress) {
        Image1_MouseDown(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void search::Image1_MouseDown(Qt::MouseButton button)
{
    // The panels place themselves by the bar's stored place.
    savePosition();
    emit panelRequested(button == Qt::LeftButton ? Panel::QuickLaunch : Panel::QuickFolders);
}

void search::Timer1_Timer()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (isMinimized() || !screen)
        return;
    const BarPlace::EdgeStep step = BarPlace::edgeAutoHide(QSizeF(screen->size()) * TwipsPerPixel, m_position, sizeInTwips(),
                                                           frameGeometry(), QCursor::pos());
    if (!(step.position == m_position))
        placeAt(step.position);
    // Never over the bar's own popup menu, which opens where the cursor is.
    if (step.show && !QApplication::activePopupWidget()) {
        show();
        raise();
    }
}

void search::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    Form_Unload();
    event->accept();
}

void search::Form_QueryUnload() { savePosition(); }

void search::Form_Unload()
{
    m_timer1->stop();
    WindowMessages::replaceWindowProc(m_window, State::instance().PreviousWndProc);
    releaseHotKeys();
    // The program ends at once: no other form's closing runs first.
    EndRequest::request();
}

void search::releaseHotKeys()
{
    HotKeys::unregisterKey(m_window, quickLaunchKey);
    HotKeys::unregisterKey(m_window, screenshotKey);
}
}
