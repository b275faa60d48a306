#include "app/widgets/MainWindow.h"

#include "app/AccessKeys.h"
#include "app/CommandStateRules.h"
#include "app/CommandTables.h"
#include "app/DictationController.h"
#include "app/GamesController.h"
#include "app/ImportController.h"
#include "app/MainController.h"
#include "app/OptionsController.h"
#include "app/ProgressController.h"
#include "app/StartHint.h"
#include "app/widgets/GamesViewWidget.h"
#include "app/widgets/TypingView.h"
#include "audio/widgets/DictationView.h"
#include "dialogs/CertificateDialog.h"
#include "dialogs/ExerciseFinishedDialog.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/LessonSelectionDialog.h"
#include "dialogs/OptionsDialogs.h"
#include "dialogs/PracticeSelectionDialog.h"
#include "dialogs/SpeedTestDialog.h"
#include "dialogs/StartupWizard.h"
#include "gui/ConfirmQuestion.h"
#include "gui/DeferredIconEngine.h"
#include "gui/HelpWindow.h"
#include "gui/ProgressWindow.h"
#include "gui/TahomaFont.h"
#include "gui/TabbedToolbar.h"
#include "platform/StartupTrace.h"
#include "progress/widgets/ResultsView.h"
#include "session/TypingSession.h"
#include "session/widgets/ClockPanel.h"
#include "session/widgets/FinishedNotice.h"
#include "session/widgets/KeyboardGuidePanel.h"
#include "session/widgets/KeypadGuidePanel.h"
#include "session/widgets/StartHintPanel.h"
#include "session/widgets/TargetPanel.h"
#include "session/widgets/TypedLineStrip.h"
#include "settings/SettingsStore.h"

#include <cstdio>
#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <vector>

namespace clavora {

namespace {

const QString MainWindowKey = QStringLiteral("MainWindow");

constexpr int ToolbarIconSize = 32;

QIcon ToolbarIcon(int bitmap)
{
    const QString base = QStringLiteral(":/icons/") + QString::number(bitmap);
    return DeferredIconEngine::Icon(
        {{base + QStringLiteral(".png"), QSize(ToolbarIconSize, ToolbarIconSize)},
         {base + QStringLiteral("@2x.png"), QSize(2 * ToolbarIconSize, 2 * ToolbarIconSize)}});
}

QIcon ApplicationIcon()
{
    DeferredIconEngine::Files files;
    for (const int size : {16, 32, 64, 128})
        files.append({QStringLiteral(":/icons/clavora-%1.png").arg(size), QSize(size, size)});
    return DeferredIconEngine::Icon(files);
}

QKeySequence SequenceOf(const CommandTables::Accelerator& accelerator)
{
    int combined = accelerator.key;
    if (accelerator.modifiers & CommandTables::Ctrl)
        combined |= Qt::ControlModifier;
    if (accelerator.modifiers & CommandTables::Alt)
        combined |= Qt::AltModifier;
    if (accelerator.modifiers & CommandTables::Shift)
        combined |= Qt::ShiftModifier;
    return QKeySequence(combined);
}

// Adds access keys to one menu level (the text before a tab is the label) and the levels below.
void MarkAccessKeys(const QList<QAction*>& actions, const QString& reserved)
{
    QList<QAction*> entries;
    QStringList labels;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        entries.append(action);
        labels.append(action->text().section(u'\t', 0, 0));
    }
    const QStringList marked = AccessKeys::Mark(labels, reserved);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QAction* action = entries.at(i);
        const QString accelerator = action->text().section(u'\t', 1);
        action->setText(accelerator.isEmpty() ? marked.at(i) : marked.at(i) + u'\t' + accelerator);
        if (action->menu())
            MarkAccessKeys(action->menu()->actions(), {});
    }
}

} // namespace

MainWindow::MainWindow(MainController& controller, QWidget* parent)
    : QMainWindow(parent), m_controller(controller)
{
    setWindowIcon(ApplicationIcon());
    setWindowTitle(MainController::ProductTitle + QStringLiteral(" by Oxley Software"));
}

MainWindow::~MainWindow()
{
    m_controller.OptionsAndUsers().AttachView(nullptr);
}

void MainWindow::Create()
{
    BuildToolbar();
    StartupTrace::Mark("toolbar");
    BuildMenus();
    BuildAccelerators();
    StartupTrace::Mark("menus and accelerators");
    BuildViews();
    StartupTrace::Mark("views");
    m_importView =
        std::make_unique<ImportDialogView>(this, [this](const QString& topic) { OpenHelp(topic); });
    m_controller.Import().Attach(*m_importView);
    m_optionsDialogs =
        std::make_unique<OptionsDialogs>(this, [this](const QString& topic) { OpenHelp(topic); });
    m_controller.OptionsAndUsers().AttachView(m_optionsDialogs.get());
    m_certificateView = std::make_unique<CertificateDialogView>(this);
    m_controller.Progress().Certificates().Attach(*m_certificateView);
    m_controller.Initialize(*this);
    RestorePlacement();
}

void MainWindow::BuildToolbar()
{
    m_toolbar = new TabbedToolbar(this);
    for (const auto& tab : CommandTables::Tabs()) {
        QList<TabbedToolbar::Button> buttons;
        for (const auto& button : tab.buttons) {
            const QString label = button.label ? QString::fromUtf16(button.label) : m_controller.PauseLabel();
            buttons.append(
                {button.commandId, label, QString::fromUtf16(button.tooltip), ToolbarIcon(button.bitmap)});
        }
        m_toolbar->AddTab(tab.commandId, QString::fromUtf16(tab.label), buttons);
    }
    connect(m_toolbar, &TabbedToolbar::CommandTriggered, this,
            [this](int id) { m_controller.OnCommand(id); });
}

void MainWindow::BuildMenus()
{
    std::vector<QMenu*> stack;
    for (const auto& row : CommandTables::MenuBar()) {
        switch (row.kind) {
        case CommandTables::MenuRowKind::PopupBegin: {
            const QString label = QString::fromUtf16(row.label);
            QMenu* menu = stack.empty() ? menuBar()->addMenu(label) : stack.back()->addMenu(label);
            stack.push_back(menu);
            break;
        }
        case CommandTables::MenuRowKind::PopupEnd:
            stack.pop_back();
            break;
        case CommandTables::MenuRowKind::Separator:
            stack.back()->addSeparator();
            break;
        case CommandTables::MenuRowKind::Item: {
            QString text = QString::fromUtf16(row.label);
            const QString accelerator = CommandTables::AcceleratorText(row.commandId);
            if (!accelerator.isEmpty())
                text += u'\t' + accelerator;
            QAction* action = stack.back()->addAction(text);
            const int id = row.commandId;
            connect(action, &QAction::triggered, this, [this, id] { m_controller.OnCommand(id); });
            m_actions.insert(id, action);
            break;
        }
        }
    }
    // The show/hide-timers command has no menu row; its check mark lives on a hidden action.
    MarkAccessKeys(menuBar()->actions(), AccessKeys::AltAcceleratorLetters());
    auto* timers = new QAction(QStringLiteral("Show Timers"), this);
    timers->setCheckable(true);
    m_actions.insert(Command::ShowHideTimers, timers);
}

void MainWindow::BuildAccelerators()
{
    // Several rows share a key; the first row for a key decides, as in an accelerator table.
    QList<QKeySequence> taken;
    for (const auto& accelerator : CommandTables::Accelerators()) {
        const QKeySequence sequence = SequenceOf(accelerator);
        if (taken.contains(sequence))
            continue;
        taken.append(sequence);
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = accelerator.commandId;
        connect(shortcut, &QShortcut::activated, this, [this, id] { m_controller.OnCommand(id); });
    }
    m_toolbar->AddTabShortcuts(this);
}

void MainWindow::BuildViews()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    m_views = new QStackedWidget(central);
    layout->addWidget(m_views, 1);
    m_typingView = new TypingView(m_views);
    TypingSession& session = m_controller.Session();
    m_targetPanel = new TargetPanel(session.Target(), session.Typed());
    m_typedLine = new TypedLineStrip(session.Target(), session.Typed());
    m_clockPanel = new ClockPanel(session.VisibleClock());
    m_keyboardGuide = new KeyboardGuidePanel(session.Typed());
    m_keypadGuide = new KeypadGuidePanel(session.Typed());
    m_typingView->SetGuideSizes(m_keyboardGuide->sizeHint(), m_keypadGuide->sizeHint());
    m_typingView->SetAreas(m_targetPanel, m_typedLine, m_clockPanel, m_keyboardGuide, m_keypadGuide);
    m_startHint = new StartHintPanel(session);
    m_typingView->SetStartHintPanel(m_startHint);
    for (const session::Guide guide : {session::Guide::Keyboard, session::Guide::Keypad}) {
        QTimer& timer = DemonstrationTimerOf(guide);
        timer.setSingleShot(true);
        timer.setInterval(GuideDemonstration::StepMs);
        connect(&timer, &QTimer::timeout, this, [this, guide] { StepGuideDemonstration(guide); });
    }
    m_typingView->SetKeyHandler([this](int virtualKey, const QString& text) {
        return m_controller.HandleTypingKey(virtualKey, text);
    });
    m_dictationView = new DictationView(m_controller.Time(), m_views);
    m_controller.Dictation().AttachView(*m_dictationView);
    m_gamesView =
        new GamesViewWidget(m_controller.Games(), m_controller.Time(), m_controller.Random(), m_views);
    m_controller.Games().AttachView(m_gamesView);
    auto* results = new ResultsView(m_controller.Progress(), m_views);
    m_controller.Progress().AttachView(results);
    m_resultsView = results;
    for (QWidget* view : {static_cast<QWidget*>(m_typingView), static_cast<QWidget*>(m_dictationView),
                          static_cast<QWidget*>(m_gamesView), m_resultsView})
        m_views->addWidget(view);
    setCentralWidget(central);
}

void MainWindow::RestorePlacement()
{
    SettingsStore& settings = m_controller.Settings();
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const int width = settings.ReadInt(MainWindowKey, QStringLiteral("Width"), available.width() * 3 / 4);
    const int height = settings.ReadInt(MainWindowKey, QStringLiteral("Height"), available.height() * 3 / 4);
    const int x = settings.ReadInt(MainWindowKey, QStringLiteral("X"), available.x() + available.width() / 8);
    const int y =
        settings.ReadInt(MainWindowKey, QStringLiteral("Y"), available.y() + available.height() / 8);
    QRect placement(x, y, std::max(width, 640), std::max(height, 480));
    // A placement from a screen that is no longer there comes back onto this one.
    if (!available.intersects(placement))
        placement.moveTopLeft(available.topLeft());
    setGeometry(placement);
    if (settings.ReadFlag(MainWindowKey, QStringLiteral("Maximized"), true))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::SavePlacement()
{
    SettingsStore& settings = m_controller.Settings();
    const QRect normal = normalGeometry();
    settings.WriteFlag(MainWindowKey, QStringLiteral("Maximized"), isMaximized());
    settings.WriteInt(MainWindowKey, QStringLiteral("X"), normal.x());
    settings.WriteInt(MainWindowKey, QStringLiteral("Y"), normal.y());
    settings.WriteInt(MainWindowKey, QStringLiteral("Width"), normal.width());
    settings.WriteInt(MainWindowKey, QStringLiteral("Height"), normal.height());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    SavePlacement();
    if (m_help)
        m_help->close();
    QMainWindow::closeEvent(event);
}

void MainWindow::SelectTab(Tab tab)
{
    m_toolbar->SetCurrentTab(static_cast<int>(tab));
}

Tab MainWindow::SelectedTab() const
{
    return static_cast<Tab>(m_toolbar ? m_toolbar->CurrentTab() : 1);
}

void MainWindow::ShowView(View view)
{
    QWidget* target = m_typingView;
    switch (view) {
    case View::Typing:
        target = m_typingView;
        break;
    case View::Dictation:
        target = m_dictationView;
        break;
    case View::Games:
        target = m_gamesView;
        break;
    case View::Results:
        target = m_resultsView;
        break;
    }
    m_views->setCurrentWidget(target);
    if (view == View::Typing)
        m_typingView->setFocus();
    else if (view == View::Dictation)
        m_dictationView->FocusTyping();
    if (view == View::Games)
        m_gamesView->ShowScreen(m_controller.GameScreen());
}

void MainWindow::SetWindowTitle(const QString& title)
{
    setWindowTitle(title);
}

void MainWindow::SetPauseLabel(const QString& label)
{
    if (m_toolbar)
        m_toolbar->SetButtonLabel(Command::PauseResume, label);
}

void MainWindow::ApplyCommandStates(const CommandStates& states)
{
    for (auto it = states.menuItems.cbegin(); it != states.menuItems.cend(); ++it) {
        if (QAction* action = m_actions.value(it.key(), nullptr))
            action->setEnabled(it.value());
    }
    const int tab = static_cast<int>(states.buttonsTab);
    for (auto it = states.buttons.cbegin(); it != states.buttons.cend(); ++it)
        m_toolbar->SetButtonEnabled(tab, it.key(), it.value());
    if (m_typingView) {
        for (QWidget* area : {m_typingView->TextPanel(), m_typingView->TypedLine(),
                              static_cast<QWidget*>(m_keyboardGuide), static_cast<QWidget*>(m_keypadGuide)}) {
            if (area)
                area->setEnabled(states.typingAreasEnabled);
        }
    }
}

void MainWindow::SetTimerDisplayVisible(bool visible)
{
    m_typingView->SetClockVisible(visible);
    m_clockPanel->SetShowTimers(visible);
}

void MainWindow::SetShowTimersChecked(bool checked)
{
    if (QAction* action = m_actions.value(Command::ShowHideTimers, nullptr))
        action->setChecked(checked);
}

void MainWindow::SetKeypadLayout(bool keypad)
{
    m_typingView->SetKeypadLayout(keypad);
}

void MainWindow::OpenHelp(const QString& topic)
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->ShowTopic(topic);
}

bool MainWindow::AskQuestion(const QString& title, const QString& text, const QString& acceptText,
                             const QString& cancelText)
{
    if (ReportUnattended(title, text))
        return false;
    // Every question asks before something is lost: Return alone must never agree to it.
    return ConfirmQuestion(this, title, text, acceptText, cancelText);
}

void MainWindow::ShowInformation(const QString& title, const QString& text)
{
    if (!ReportUnattended(title, text))
        QMessageBox::information(this, title, text);
}

void MainWindow::ShowError(const QString& title, const QString& text)
{
    if (!ReportUnattended(title, text))
        QMessageBox::critical(this, title, text);
}

void MainWindow::ShowWarning(const QString& title, const QString& text)
{
    if (!ReportUnattended(title, text))
        QMessageBox::warning(this, title, text);
}

bool MainWindow::ReportUnattended(const QString& title, const QString& text)
{
    if (!m_unattended)
        return false;
    ++m_unattendedProblems;
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    return true;
}

bool MainWindow::RunStartupWizard()
{
    // Unattended, the first start goes on with the defaults, as after Cancel; that is no problem.
    if (m_unattended)
        return false;
    return StartupWizard::Run(
        m_controller.Profile(), [this](const QString& topic) { OpenHelp(topic); }, this);
}

void MainWindow::RequestClose()
{
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::RunWithProgress(const QString& title, const std::function<void(ProgressReporter&)>& work)
{
    ProgressWindow progress(m_controller.Time(), title, false, this);
    work(progress);
    if (!progress.Errors().isEmpty() && ReportUnattended(title, progress.ErrorMessage()))
        progress.hide();
    else
        progress.Finish();
}

void MainWindow::Repaint(session::Panels panels)
{
    if (panels.testFlag(session::Panel::TargetPanel))
        m_targetPanel->update();
    if (panels.testFlag(session::Panel::TypedStrip))
        m_typedLine->update();
    if (panels.testFlag(session::Panel::ClockPanel))
        m_clockPanel->update();
    if (panels.testFlag(session::Panel::Guides)) {
        m_keyboardGuide->update();
        m_keypadGuide->update();
    }
}

void MainWindow::SetFontSize(int storedFontSize)
{
    m_targetPanel->SetFontSize(storedFontSize);
    m_typedLine->SetFontSize(storedFontSize);
    m_startHint->SetFontSize(storedFontSize);
    m_typingView->SetFontSize(storedFontSize == 0 ? 20 : storedFontSize);
    m_dictationView->SetFontSize(storedFontSize);
}

void MainWindow::ShowStartHint(const StartHint& hint)
{
    if (!m_startHint)
        return;
    m_startHint->OnStateChanged(m_controller.State(), m_controller.Kind());
    m_startHint->SetHint(hint.heading, hint.description);
}

void MainWindow::ShowFinishedNotice()
{
    auto* notice = new FinishedNotice(this);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    connect(notice, &QDialog::finished, this, [this] { m_controller.OnFinishedNoticeClosed(); });
    notice->open();
}

int MainWindow::RunExerciseFinishedDialog(const ExerciseFinishedContent& content)
{
    return ExerciseFinishedDialog::Run(content, this);
}

std::optional<ExerciseChoice> MainWindow::RunLessonSelection(const LessonSelectionList& lessons)
{
    return LessonSelectionDialog::Run(
        lessons, [this](const QString& topic) { OpenHelp(topic); }, this);
}

std::optional<ExerciseChoice> MainWindow::RunPracticeSelection(PracticeSelection& selection)
{
    return PracticeSelectionDialog::Run(
        selection, [this](const QString& topic) { OpenHelp(topic); }, this);
}

std::optional<SpeedTestChoice> MainWindow::RunSpeedTestSelection(const SpeedTestOptions& options)
{
    return SpeedTestDialog::Run(
        options, [this](const QString& topic) { OpenHelp(topic); }, this);
}

void MainWindow::StartGuideDemonstration(session::Guide guide, const QString& keys)
{
    GuidePanel* panel = GuidePanelOf(guide);
    panel->setEnabled(true);
    if (panel->Demonstration().Start(keys)) {
        DemonstrationTimerOf(guide).start();
        m_startHint->SetNewKeys(keys);
    }
    panel->update();
}

void MainWindow::StopGuideDemonstration()
{
    m_startHint->SetNewKeys({});
    for (const session::Guide guide : {session::Guide::Keyboard, session::Guide::Keypad}) {
        GuidePanelOf(guide)->Demonstration().Stop();
        DemonstrationTimerOf(guide).stop();
        GuidePanelOf(guide)->update();
    }
}

GuidePanel* MainWindow::GuidePanelOf(session::Guide guide) const
{
    if (guide == session::Guide::Keypad)
        return m_keypadGuide;
    return m_keyboardGuide;
}

QTimer& MainWindow::DemonstrationTimerOf(session::Guide guide)
{
    return guide == session::Guide::Keypad ? m_keypadDemonstrationTimer : m_keyboardDemonstrationTimer;
}

void MainWindow::StepGuideDemonstration(session::Guide guide)
{
    GuidePanel* panel = GuidePanelOf(guide);
    if (panel->Demonstration().Step(m_controller.State(), m_controller.Kind()))
        DemonstrationTimerOf(guide).start();
    panel->update();
}

HelpWindow* MainWindow::Help() const
{
    return m_help;
}

void MainWindow::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

} // namespace clavora
