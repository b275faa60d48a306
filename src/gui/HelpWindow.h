#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

namespace clavora {

// The help window, a small manual: the contents (one entry per topic) beside the page, Back and
// Forward, and the embedded help pages. Esc or Ctrl+W closes it. It opens beside the window it
// belongs to, or over that window's right part when the screen has no room beside it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic's page and brings the window to the front; false when there is no such topic.
    bool ShowTopic(const QString& topic);
    QString CurrentTopic() const { return m_topic; }
    static bool HasTopic(const QString& topic);
    // The topics in contents order.
    static QStringList Topics();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSourceChanged();
    void SelectInContents();
    void PlaceBesideParent();

    QListWidget* m_contents;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QString m_topic;
    bool m_placed = false;
};

} // namespace clavora
