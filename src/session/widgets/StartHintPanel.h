#pragma once

#include <QWidget>

namespace clavora {

// The calm panel over the exercise text area while no exercise is loaded: what Start (F9) will
// begin, in the exercise font, with a line about it beneath. It hides itself when given no
// heading, so loading an exercise uncovers the text panel.
class StartHintPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit StartHintPanel(QWidget* parent = nullptr);

    void SetHint(const QString& heading, const QString& description);
    void SetFontSize(int storedFontSize);
    QString Heading() const { return m_heading; }
    QString Description() const { return m_description; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_heading;
    QString m_description;
    int m_fontSize = 0;
};

} // namespace clavora
