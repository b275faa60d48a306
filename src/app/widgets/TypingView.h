#pragma once

#include <functional>
#include <QSize>
#include <QWidget>

namespace clavora {

class StartHintPanel;

// The typing view: the exercise text, the typed-line strip, the clock and the keyboard or keypad
// guide, laid out by TypingLayout. It takes every key while it has the focus (Tab included) and
// hands it, with the text the keyboard layout produced, to the typing handler.
class TypingView final : public QWidget
{
    Q_OBJECT

public:
    using KeyHandler = std::function<bool(int virtualKey, const QString& text)>;

    explicit TypingView(QWidget* parent = nullptr);

    void SetAreas(QWidget* textPanel, QWidget* typedLine, QWidget* clock, QWidget* keyboardGuide,
                  QWidget* keypadGuide);
    // The guidance over the exercise text (covering it while nothing is loaded, a band along its
    // top otherwise); it places, shows and hides itself within the text area.
    void SetStartHintPanel(StartHintPanel* panel);
    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    void SetKeypadLayout(bool keypad);
    void SetAreasVisible(bool visible);
    void SetClockVisible(bool visible);
    void SetFontSize(int pixels);
    void SetGuideSizes(QSize keyboard, QSize keypad);

    QWidget* TextPanel() const { return m_textPanel; }
    QWidget* TypedLine() const { return m_typedLine; }
    QWidget* ClockDisplay() const { return m_clock; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool focusNextPrevChild(bool next) override;

private:
    void Relayout();

    QWidget* m_textPanel = nullptr;
    QWidget* m_typedLine = nullptr;
    QWidget* m_clock = nullptr;
    QWidget* m_keyboardGuide = nullptr;
    QWidget* m_keypadGuide = nullptr;
    StartHintPanel* m_startHint = nullptr;
    KeyHandler m_keyHandler;
    QSize m_keyboardSize{514, 189};
    QSize m_keypadSize{143, 189};
    int m_fontSize = 20;
    bool m_keypad = false;
    bool m_areasVisible = true;
    bool m_clockVisible = false;
};

} // namespace clavora
