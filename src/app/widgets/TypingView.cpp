#include "app/widgets/TypingView.h"

#include "app/TypingLayout.h"
#include "platform/KeyCodes.h"
#include "session/widgets/StartHintPanel.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace clavora {

TypingView::TypingView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setAutoFillBackground(true);
}

void TypingView::SetAreas(QWidget* textPanel, QWidget* typedLine, QWidget* clock, QWidget* keyboardGuide,
                          QWidget* keypadGuide)
{
    m_textPanel = textPanel;
    m_typedLine = typedLine;
    m_clock = clock;
    m_keyboardGuide = keyboardGuide;
    m_keypadGuide = keypadGuide;
    for (QWidget* area : {m_textPanel, m_typedLine, m_clock, m_keyboardGuide, m_keypadGuide}) {
        if (area) {
            area->setParent(this);
            area->setFocusPolicy(Qt::NoFocus);
        }
    }
    Relayout();
}

void TypingView::SetStartHintPanel(StartHintPanel* panel)
{
    m_startHint = panel;
    m_startHint->setParent(this);
    Relayout();
}

void TypingView::SetKeypadLayout(bool keypad)
{
    m_keypad = keypad;
    Relayout();
}

void TypingView::SetAreasVisible(bool visible)
{
    m_areasVisible = visible;
    Relayout();
}

void TypingView::SetClockVisible(bool visible)
{
    m_clockVisible = visible;
    Relayout();
}

void TypingView::SetFontSize(int pixels)
{
    m_fontSize = pixels;
    Relayout();
}

void TypingView::SetGuideSizes(QSize keyboard, QSize keypad)
{
    m_keyboardSize = keyboard;
    m_keypadSize = keypad;
    Relayout();
}

void TypingView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TypingView::Relayout()
{
    const QSize guideSize = m_keypad ? m_keypadSize : m_keyboardSize;
    const TypingLayout layout = TypingLayout::Compute(size(), guideSize, m_keyboardSize, m_fontSize);
    const auto place = [this](QWidget* area, const QRect& rect, bool visible) {
        if (!area)
            return;
        area->setGeometry(rect);
        area->setVisible(m_areasVisible && visible);
    };
    place(m_textPanel, layout.textPanel, true);
    if (m_startHint)
        m_startHint->SetTextArea(layout.textPanel);
    place(m_typedLine, layout.typedLine, true);
    place(m_clock, layout.clock, m_clockVisible);
    place(m_keyboardGuide, layout.guide, !m_keypad);
    place(m_keypadGuide, layout.guide, m_keypad);
}

void TypingView::keyPressEvent(QKeyEvent* event)
{
    const int virtualKey = VirtualKeyFromQtKey(event->key());
    // The Enter keys always type a carriage return, whatever text the platform attached.
    const QString text = virtualKey == VkReturn ? QStringLiteral("\r") : event->text();
    // Escape is never typed; everything else goes to the session first.
    if (event->key() != Qt::Key_Escape && m_keyHandler && m_keyHandler(virtualKey, text)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TypingView::inputMethodEvent(QInputMethodEvent* event)
{
    // Characters composed by an input method arrive as a commit string, one key's worth at a time.
    if (!event->commitString().isEmpty() && m_keyHandler)
        m_keyHandler(VkNone, event->commitString());
    event->accept();
}

QVariant TypingView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

bool TypingView::focusNextPrevChild(bool)
{
    // Tab is a character some exercises contain; it must reach the session, not move the focus.
    return false;
}

} // namespace clavora
