#include "games/widgets/GameHost.h"

#include "games/GameScreen.h"
#include "games/widgets/ScreenDrawing.h"
#include "platform/Clock.h"
#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QPainter>

namespace clavora {

namespace {

bool IsModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

} // namespace

GameHost::GameHost(const Clock& clock, RandomGenerator& random, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_random(random)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setInterval(FrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &GameHost::Frame);
}

GameHost::~GameHost()
{
    // Loaders that are still running see the flag before anything goes away.
    m_closing = true;
    m_frameTimer.stop();
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

void GameHost::SetScreen(GameScreen* screen, ScreenDrawing* drawing)
{
    if (screen != m_screen)
        PauseRunningGame();
    m_screen = screen;
    m_drawing = drawing;
    m_firstFrame = true;
    update();
}

void GameHost::StartFrames()
{
    m_suspended = false;
    if (!m_frameTimer.isActive())
        m_frameTimer.start();
}

void GameHost::Frame()
{
    if (m_suspended || !m_screen || m_closing) {
        m_frameTimer.stop();
        update();
        return;
    }
    if (!m_screen->IsInitialised()) {
        m_screen->Init(*this);
        m_firstFrame = true;
    }
    if (m_firstFrame) {
        m_screen->Layout(*this, 0, 0, width(), height());
        m_firstFrame = false;
    }
    if (isVisible() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
    if (!isVisible() || !window()->isActiveWindow()) {
        Suspend();
        return;
    }
    m_screen->Update(*this);
    update();
}

void GameHost::Render(QPainter& painter)
{
    if (m_screen && m_drawing && m_screen->IsInitialised()) {
        m_drawing->Draw(painter, m_painter, *m_screen, m_clock.HighResMs());
        return;
    }
    painter.fillRect(rect(), QColor(153, 205, 234));
}

QSizeF GameHost::PictureSize(int number) const
{
    return m_painter.Pictures().LogicalSize(number);
}

void GameHost::paintEvent(QPaintEvent*)
{
    m_painter.Pictures().SetDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    Render(painter);
}

void GameHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_screen && m_screen->IsInitialised())
        m_screen->Layout(*this, 0, 0, width(), height());
}

void GameHost::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (window() != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
    Resume();
}

void GameHost::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Suspend();
}

bool GameHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow) {
        if (event->type() == QEvent::WindowDeactivate)
            Suspend();
        else if (event->type() == QEvent::WindowActivate && isVisible())
            Resume();
    }
    return QWidget::eventFilter(watched, event);
}

void GameHost::Suspend()
{
    m_suspended = true;
    m_frameTimer.stop();
    PauseRunningGame();
    update();
}

void GameHost::Resume()
{
    if (m_suspended && m_screen)
        StartFrames();
}

void GameHost::PauseRunningGame()
{
    if (m_screen && m_screen->State() == GameState::Playing)
        m_screen->SetState(GameState::Paused);
}

void GameHost::keyPressEvent(QKeyEvent* event)
{
    // Shortcuts of the main window (Ctrl, Alt) and lone modifiers are not game keys.
    if (!m_screen || !m_screen->IsInitialised() || IsModifierOnly(event->key()) ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    m_screen->KeyDown(VirtualKeyFromQtKey(event->key()));
    for (const QChar ch : event->text())
        m_screen->Character(ch);
    update();
}

void GameHost::mouseMoveEvent(QMouseEvent* event)
{
    if (m_screen)
        m_screen->MouseMove(event->position().x(), event->position().y());
}

void GameHost::mousePressEvent(QMouseEvent* event)
{
    if (m_screen && event->button() == Qt::LeftButton)
        m_screen->MouseDown(event->position().x(), event->position().y());
}

void GameHost::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_screen && event->button() == Qt::LeftButton)
        m_screen->MouseUp(event->position().x(), event->position().y());
}

bool GameHost::focusNextPrevChild(bool)
{
    // Tab is a key like any other in a game.
    return false;
}

} // namespace clavora
