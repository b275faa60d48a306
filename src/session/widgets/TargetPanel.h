#pragma once

#include "session/PanelLayout.h"
#include "session/widgets/ExerciseFont.h"

#include <QRawFont>
#include <QWidget>

namespace clavora {

class TargetText;
class TypedText;

// The exercise text panel: the whole text in a centred block, coloured by what has been typed
// (wrong red, corrected green), the typing position framed, scrolled to keep that position in
// view.
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
    void PaintLine(QPainter& painter, const TargetLine& line, int left) const;

    const TargetText& m_target;
    const TypedText& m_typed;
    ExerciseFont m_font;
    QRawFont m_rawFont;
};

} // namespace clavora
