#pragma once

#include "session/TypingGuidance.h"

#include <QTimer>
#include <QWidget>

namespace clavora {

class TypingSession;

// The guidance over the exercise text area. While no exercise is loaded it covers the area calmly
// with what Start (F9) will begin, in the exercise font, with a line about it beneath (and, after
// a stopped practice or test, that no result was saved). While an exercise is loaded it shrinks
// to a band along the top of the area, where the text never starts: how to begin, the lesson's
// new keys, the live figures with a bar of the time left, or how to resume after a pause.
class StartHintPanel final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int BandHeight = 46;
    // How often the live figures are brought up to date while typing.
    static constexpr int LiveUpdateMs = 250;

    explicit StartHintPanel(const TypingSession& session, QWidget* parent = nullptr);

    void SetHint(const QString& heading, const QString& description);
    void SetFontSize(int storedFontSize);
    // The main window's state after each change.
    void OnStateChanged(int state, int kind);
    // The keys the guide is demonstrating; empty once it stops.
    void SetNewKeys(const QString& keys);
    // The exercise text area the panel covers, or whose top it runs along as a band.
    void SetTextArea(const QRect& area);

    QString Heading() const { return m_heading; }
    QString Description() const { return m_description; }
    QString Notice() const { return m_guidance.IdleNotice(); }
    GuidanceBand Band() const { return m_guidance.Band(); }
    bool IsBand() const { return m_heading.isEmpty(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();
    void PaintCover(QPainter& painter);
    void PaintBand(QPainter& painter);

    TypingGuidance m_guidance;
    QTimer m_liveTimer;
    QRect m_textArea;
    QString m_heading;
    QString m_description;
    int m_fontSize = 0;
};

} // namespace clavora
