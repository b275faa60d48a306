#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/RegistryStore.h"
#include "platform/ResourceStore.h"
#include "platform/SingleInstanceGuard.h"
#include "platform/StartupTrace.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <QCommandLineParser>
#include <QTimer>
#include <QWindow>

using namespace clavora;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    StartupTrace::Mark("application");
    QApplication::setApplicationName(QStringLiteral("Clavora"));
    QApplication::setOrganizationName(QStringLiteral("Oxley Software"));
    QApplication::setApplicationVersion(QStringLiteral(CLAVORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.clavora.Clavora"));

    ResourceStore::EnsureRegistered();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Clavora, a touch-typing tutor."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption quitAfterLoad(
        QStringLiteral("quit-after-load"),
        QStringLiteral("Quit as soon as the window is shown and the start-up load has finished (diagnostic). "
                       "Nothing waits for an answer: problems go to standard error and the exit code is 1."));
    parser.addOption(quitAfterLoad);
    parser.process(app);
    const bool unattended = parser.isSet(quitAfterLoad);

    const QString dataFolder = KnownFolders::ProductDataFolder();
    SingleInstanceGuard instanceGuard(dataFolder);
    if (!instanceGuard.TryBecomePrimary())
        return 0;
    StartupTrace::Mark("single-instance check");

    RegistryStore registry;
    const RegistryStore::OpenResult opened = registry.Open(KnownFolders::RegistryFilePath());
    SettingsStore settings(registry);
    SystemClock clock;
    StartupTrace::Mark("settings store open");
    MainController controller(settings, clock, dataFolder);
    StartupTrace::Mark("main controller");
    MainWindow window(controller);
    window.SetUnattended(unattended);
    QObject::connect(&instanceGuard, &SingleInstanceGuard::ActivationRequested, &window,
                     &MainWindow::BringToFront);

    window.Create();
    StartupTrace::Mark("window built");
    window.show();
    StartupTrace::Mark("window shown");
    StartupTrace::MarkFirstPaint(window.windowHandle());

    if (opened == RegistryStore::OpenResult::RecoveredFromDamage) {
        QTimer::singleShot(0, &window, [&window, &registry] {
            window.ShowWarning(MainController::ProductTitle,
                               QStringLiteral("The settings file could not be read and was moved to\n%1\n\n"
                                              "Clavora has started with fresh settings.")
                                   .arg(registry.DamagedFileMovedTo()));
        });
    } else if (opened == RegistryStore::OpenResult::Failed) {
        QTimer::singleShot(0, &window, [&window] {
            window.ShowWarning(MainController::ProductTitle,
                               QStringLiteral("The settings file could not be opened. Clavora will run, "
                                              "but your settings and results will not be saved."));
        });
    }

#if defined(__GLIBC__)
    // The start-up load frees most of what it allocates (the parsed catalogues); glibc keeps such
    // pages unless asked, and an idle tutor should not hold them.
    QObject::connect(&controller, &MainController::StartupLoadFinished, &app, [] { malloc_trim(0); });
#endif
    if (unattended) {
        const auto quitWhenLoaded = [&controller] {
            if (controller.StartupLoadDone())
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        };
        QObject::connect(&controller, &MainController::StartupLoadFinished, &app, quitWhenLoaded);
        quitWhenLoaded();
    }
    const int exitCode = QApplication::exec();
    // A diagnostic run says by its exit code whether anything needed a person.
    return unattended && window.UnattendedProblems() > 0 ? 1 : exitCode;
}
