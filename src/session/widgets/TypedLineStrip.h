#pragma once

#include "session/widgets/ExerciseFont.h"

#include <QWidget>

namespace clavora {

class TargetText;
class TypedText;

// The typed-line strip: the current line as the user typed it, wrong characters white on red.
// A line too long for the strip shows its last characters. When a key was refused because a
// wrong character waits for correction, a small "Backspace" hint follows the line.
class TypedLineStrip final : public QWidget
{
    Q_OBJECT

public:
    TypedLineStrip(const TargetText& target, const TypedText& typed, QWidget* parent = nullptr);

    void SetFontSize(int storedFontSize);
    const ExerciseFont& Font() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBackspaceHint(QPainter& painter, int afterX);

    const TargetText& m_target;
    const TypedText& m_typed;
    ExerciseFont m_font;
};

} // namespace clavora
