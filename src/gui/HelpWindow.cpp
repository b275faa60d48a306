#include "gui/HelpWindow.h"

#include <algorithm>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace clavora {

namespace {

constexpr int PageMargin = 18;
constexpr int WindowWidth = 900;
constexpr int ContentsWidth = 190;
constexpr int WindowHeight = 680;

QString PagePath(const QString& topic)
{
    return QStringLiteral(":/help/") + topic + QStringLiteral(".html");
}

QString TitleOf(const QString& topic)
{
    QFile page(PagePath(topic));
    if (!page.open(QIODevice::ReadOnly))
        return topic;
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(page.readAll()));
    return match.hasMatch() ? match.captured(1).trimmed() : topic;
}

QString TopicOf(const QUrl& url)
{
    return url.fileName().section(u'.', 0, 0);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_contents(new QListWidget), m_browser(new QTextBrowser),
      m_back(new QToolButton), m_forward(new QToolButton)
{
    setWindowTitle(QStringLiteral("Clavora Help"));
    m_back->setText(QStringLiteral("< &Back"));
    m_forward->setText(QStringLiteral("&Forward >"));
    m_back->setToolTip(QStringLiteral("The page before (Alt+Left)"));
    m_forward->setToolTip(QStringLiteral("The page after (Alt+Right)"));
    for (const QString& topic : Topics()) {
        auto* entry = new QListWidgetItem(TitleOf(topic), m_contents);
        entry->setData(Qt::UserRole, topic);
    }
    m_contents->setMaximumWidth(ContentsWidth);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch(1);
    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ContentsWidth, WindowWidth - ContentsWidth});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::OnSourceChanged);
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            ShowTopic(item->data(Qt::UserRole).toString());
    });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    resize(WindowWidth, WindowHeight);
}

QStringList HelpWindow::Topics()
{
    return {QStringLiteral("start"),
            QStringLiteral("basics"),
            QStringLiteral("exercises_lessons"),
            QStringLiteral("exercises_practice"),
            QStringLiteral("exercises_speedtest"),
            QStringLiteral("options_custom_exercises")};
}

bool HelpWindow::HasTopic(const QString& topic)
{
    return QFile::exists(PagePath(topic));
}

bool HelpWindow::ShowTopic(const QString& topic)
{
    if (!HasTopic(topic))
        return false;
    if (topic != m_topic || m_browser->source().isEmpty())
        m_browser->setSource(QUrl(QStringLiteral("qrc") + PagePath(topic)));
    m_topic = topic;
    m_browser->document()->setDocumentMargin(PageMargin);
    SelectInContents();
    if (!m_placed)
        PlaceBesideParent();
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
    return true;
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape reaches here from whichever part has the focus, none of which uses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::OnSourceChanged()
{
    m_topic = TopicOf(m_browser->source());
    m_browser->document()->setDocumentMargin(PageMargin);
    SelectInContents();
}

void HelpWindow::SelectInContents()
{
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == m_topic) {
            const QSignalBlocker blocker(m_contents);
            m_contents->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        }
    }
}

void HelpWindow::PlaceBesideParent()
{
    m_placed = true;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* shown = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!owner || !shown)
        return;
    const QRect available = shown->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int width = std::min(WindowWidth, available.width());
    const int height = std::min(WindowHeight, available.height());
    // Right of the window when there is room, else along the screen's right edge over it.
    int x = beside.right() + 1;
    if (x + width > available.right() + 1)
        x = available.right() + 1 - width;
    const int y = std::clamp(beside.top(), available.top(), available.bottom() + 1 - height);
    setGeometry(x, y, width, height);
}

} // namespace clavora
