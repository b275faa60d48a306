#include "gui/HelpWindow.h"

#include <QFile>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace clavora {

namespace {

QString PagePath(const QString& topic)
{
    return QStringLiteral(":/help/") + topic + QStringLiteral(".html");
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Clavora Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(false);
    resize(720, 640);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::HasTopic(const QString& topic)
{
    return QFile::exists(PagePath(topic));
}

bool HelpWindow::ShowTopic(const QString& topic)
{
    if (!HasTopic(topic))
        return false;
    m_topic = topic;
    m_browser->setSource(QUrl(QStringLiteral("qrc") + PagePath(topic)));
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace clavora
