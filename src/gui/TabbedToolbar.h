#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QWidget>

class QTabBar;
class QStackedWidget;
class QToolButton;

namespace clavora {

// A row of tabs, each showing its own row of large toolbar buttons (icon over label). Choosing a
// tab or a button reports the command number it carries.
class TabbedToolbar final : public QWidget
{
    Q_OBJECT

public:
    struct Button
    {
        int commandId;
        QString label;
        QString tooltip;
        QIcon icon;
    };

    explicit TabbedToolbar(QWidget* parent = nullptr);

    // Tabs are numbered from 1 in the order they are added.
    void AddTab(int commandId, const QString& label, const QList<Button>& buttons);
    void SetCurrentTab(int number);
    int CurrentTab() const;
    void SetButtonEnabled(int tabNumber, int commandId, bool enabled);
    bool IsButtonEnabled(int tabNumber, int commandId) const;
    // Changes the label of every button carrying the command, on all tabs.
    void SetButtonLabel(int commandId, const QString& label);
    QToolButton* ButtonOf(int tabNumber, int commandId) const;
    // Keys on the window that choose tabs as a click would: Ctrl+1 ... Ctrl+9 by number,
    // Ctrl+Tab and Ctrl+Shift+Tab the next and the previous one.
    void AddTabShortcuts(QWidget* window);

signals:
    void CommandTriggered(int commandId);

private:
    void ChooseTab(int index);

    QTabBar* m_tabs;
    QStackedWidget* m_pages;
    QList<int> m_tabCommands;
    QList<QHash<int, QToolButton*>> m_buttons;
};

} // namespace clavora
