#include "gui/TabbedToolbar.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace clavora {

namespace {

constexpr int IconSize = 32;

} // namespace

TabbedToolbar::TabbedToolbar(QWidget* parent)
    : QWidget(parent), m_tabs(new QTabBar(this)), m_pages(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs->setDrawBase(true);
    m_tabs->setExpanding(false);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_tabs);
    layout->addWidget(m_pages);
    m_pages->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_pages->setCurrentIndex(index);
        if (index >= 0 && index < m_tabCommands.size())
            emit CommandTriggered(m_tabCommands[index]);
    });
}

void TabbedToolbar::AddTab(int commandId, const QString& label, const QList<Button>& buttons)
{
    auto* page = new QWidget(m_pages);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    QHash<int, QToolButton*> byCommand;
    for (const Button& spec : buttons) {
        auto* button = new QToolButton(page);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setIconSize(QSize(IconSize, IconSize));
        button->setIcon(spec.icon);
        button->setText(spec.label);
        button->setToolTip(spec.tooltip);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(72);
        const int id = spec.commandId;
        connect(button, &QToolButton::clicked, this, [this, id] { emit CommandTriggered(id); });
        row->addWidget(button);
        byCommand.insert(id, button);
    }
    row->addStretch(1);
    m_pages->addWidget(page);
    m_buttons.append(byCommand);
    m_tabCommands.append(commandId);
    const QSignalBlocker blocker(m_tabs);
    m_tabs->addTab(label);
}

void TabbedToolbar::SetCurrentTab(int number)
{
    const QSignalBlocker blocker(m_tabs);
    m_tabs->setCurrentIndex(number - 1);
    m_pages->setCurrentIndex(number - 1);
}

void TabbedToolbar::AddTabShortcuts(QWidget* window)
{
    const auto add = [this, window](const QList<QKeySequence>& keys, auto choose) {
        auto* shortcut = new QShortcut(window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, choose);
    };
    for (int index = 0; index < m_tabCommands.size() && index < 9; ++index)
        add({QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index))}, [this, index] { ChooseTab(index); });
    add(QKeySequence::keyBindings(QKeySequence::NextChild),
        [this] { ChooseTab((m_tabs->currentIndex() + 1) % m_tabs->count()); });
    add(QKeySequence::keyBindings(QKeySequence::PreviousChild),
        [this] { ChooseTab((m_tabs->currentIndex() + m_tabs->count() - 1) % m_tabs->count()); });
}

void TabbedToolbar::ChooseTab(int index)
{
    // Choosing the shown tab again still reports it, as clicking a tab does nothing worse.
    if (index == m_tabs->currentIndex())
        emit CommandTriggered(m_tabCommands.value(index));
    else
        m_tabs->setCurrentIndex(index);
}

int TabbedToolbar::CurrentTab() const
{
    return m_tabs->currentIndex() + 1;
}

QToolButton* TabbedToolbar::ButtonOf(int tabNumber, int commandId) const
{
    if (tabNumber < 1 || tabNumber > m_buttons.size())
        return nullptr;
    return m_buttons[tabNumber - 1].value(commandId, nullptr);
}

void TabbedToolbar::SetButtonEnabled(int tabNumber, int commandId, bool enabled)
{
    if (QToolButton* button = ButtonOf(tabNumber, commandId))
        button->setEnabled(enabled);
}

bool TabbedToolbar::IsButtonEnabled(int tabNumber, int commandId) const
{
    const QToolButton* button = ButtonOf(tabNumber, commandId);
    return button && button->isEnabled();
}

void TabbedToolbar::SetButtonLabel(int commandId, const QString& label)
{
    for (const auto& tab : m_buttons) {
        if (QToolButton* button = tab.value(commandId, nullptr))
            button->setText(label);
    }
}

} // namespace clavora
