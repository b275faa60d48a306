#pragma once

#include "games/SceneHost.h"
#include "games/widgets/FontTextMeasurer.h"
#include "games/widgets/ScenePainter.h"

#include <QTimer>
#include <QWidget>

namespace clavora {

class GameScreen;
class ScreenDrawing;

// The games' window: it runs the frame loop (a precise 16 ms timer: update the current screen,
// then repaint), owns the drawing, and feeds key-down codes, characters and mouse events to the
// screen. A playing game pauses by itself when the window is hidden or loses the focus; frames
// start again when the window is shown or activated, and the game waits for the player.
class GameHost final : public QWidget, public SceneHost
{
    Q_OBJECT

public:
    static constexpr int FrameMs = 16;

    GameHost(const Clock& clock, RandomGenerator& random, QWidget* parent = nullptr);
    ~GameHost() override;

    // The screen to run and how to draw it; none shows an empty scene. A playing game that is
    // put aside is paused first.
    void SetScreen(GameScreen* screen, ScreenDrawing* drawing);
    GameScreen* Screen() const { return m_screen; }
    // Starts the frame loop unless it runs (the games view's idle animation).
    void StartFrames();
    bool IsRunning() const { return m_frameTimer.isActive(); }
    bool IsSuspended() const { return m_suspended; }
    // One turn of the frame loop; the timer calls it.
    void Frame();
    // Draws the current screen into any paint device of the host's size.
    void Render(QPainter& painter);

    // SceneHost
    const Clock& Time() const override { return m_clock; }
    RandomGenerator& Random() override { return m_random; }
    const TextMeasurer& Measurer() const override { return m_measurer; }
    QSizeF PictureSize(int number) const override;
    bool IsClosing() const override { return m_closing; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Suspend();
    void Resume();
    void PauseRunningGame();

    const Clock& m_clock;
    RandomGenerator& m_random;
    FontTextMeasurer m_measurer;
    ScenePainter m_painter;
    GameScreen* m_screen = nullptr;
    ScreenDrawing* m_drawing = nullptr;
    QTimer m_frameTimer;
    QObject* m_watchedWindow = nullptr;
    bool m_closing = false;
    bool m_suspended = false;
    bool m_firstFrame = true;
};

} // namespace clavora
