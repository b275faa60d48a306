#pragma once

#include <QWidget>

class QTextBrowser;

namespace clavora {

// The help window: one page per topic name, from the embedded help pages.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic's page and brings the window to the front; false when there is no such topic.
    bool ShowTopic(const QString& topic);
    QString CurrentTopic() const { return m_topic; }
    static bool HasTopic(const QString& topic);

private:
    QTextBrowser* m_browser;
    QString m_topic;
};

} // namespace clavora
