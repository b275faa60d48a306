#pragma once

#include "session/PanelLayout.h"
#include "session/widgets/ExerciseFont.h"

#include <QRawFont>
#include <QTimer>
#include <QWidget>

namespace clavora {

class TargetText;
class TypedText;

// The exercise text panel: the whole text in a centred block, coloured by what has been typed
// (wrong red, corrected green and underlined) on a faint band, the typing position in a tinted
// cell, scrolled to keep that position in view. A key refused under forced corrections flashes
// the wrong character's cell.
class TargetPanel final : public QWidget
{
    Q_OBJECT

public:
    TargetPanel(const TargetText& target, const TypedText& typed, QWidget* parent = nullptr);

    void SetFontSize(int storedFontSize);
    const ExerciseFont& Font() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor ColourAt(qsizetype index) const;
    // flashed: the index drawn white on red for a refused key, or -1.
    void PaintLine(QPainter& painter, const TargetLine& line, int left, qsizetype flashed) const;
    // The typed band and the position's cell; returns the index it flashed, or -1.
    qsizetype PaintMarks(QPainter& painter, const TargetLine& line, int left, bool flashing) const;
    // Whether a key was refused since the last paint, or the flash it started still shows.
    bool TakeRefusedFlash();

    const TargetText& m_target;
    const TypedText& m_typed;
    ExerciseFont m_font;
    QRawFont m_rawFont;
    QTimer m_flash;
    quint32 m_seenRefusedKeys = 0;
};

} // namespace clavora
