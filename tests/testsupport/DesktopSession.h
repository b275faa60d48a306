#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <unistd.h>

namespace clavora::test {

// A private X server (Xvfb) with empty per-user folders, in which end-to-end tests start the real
// program and drive it through the X keyboard with xdotool.
class DesktopSession final
{
public:
    static inline const QString Program = QStringLiteral(CLAVORA_BINARY_DIR "/bin/clavora");
    static inline const QString MainTitle = QStringLiteral("Clavora by Oxley Software");

    DesktopSession()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            return;
        int fds[2];
        if (pipe(fds) != 0)
            return;
        m_xvfb.setProgram(QStringLiteral("Xvfb"));
        m_xvfb.setArguments({QStringLiteral("-displayfd"), QString::number(fds[1]), QStringLiteral("-screen"),
                             QStringLiteral("0"), QStringLiteral("1600x1000x24"), QStringLiteral("-nolisten"),
                             QStringLiteral("tcp")});
        m_xvfb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_xvfb.start();
        ::close(fds[1]);
        QByteArray number;
        char c = 0;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number.append(c);
        ::close(fds[0]);
        if (number.isEmpty())
            return;
        m_display = QStringLiteral(":") + QString::fromLatin1(number);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("DISPLAY"), m_display);
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }

    ~DesktopSession()
    {
        for (QProcess* program : std::as_const(m_programs)) {
            program->kill();
            program->waitForFinished(3000);
            delete program;
        }
        // A server that is terminated removes its lock and socket; a killed one would leave them
        // for the next test's server to trip over.
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000)) {
            m_xvfb.kill();
            m_xvfb.waitForFinished(3000);
        }
    }

    bool IsReady() const { return !m_display.isEmpty(); }
    QString DataFolder() const { return m_home.filePath(QStringLiteral("data/Oxley Software/Clavora")); }
    QProcessEnvironment Environment() const { return m_environment; }

    // Starts a program on this display; the session kills it at the end if it still runs.
    QProcess* Start(const QString& program, const QStringList& arguments = {})
    {
        auto* process = new QProcess;
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(program, arguments);
        m_programs.append(process);
        return process;
    }

    // Runs xdotool; true when it succeeded, with its standard output in output when asked for.
    bool RunXdotool(const QStringList& arguments, int timeoutMs, QString* output = nullptr) const
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(timeoutMs) || tool.exitCode() != 0)
            return false;
        if (output)
            *output = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
        return true;
    }

    // Runs xdotool and returns its standard output; empty when it failed.
    QString Xdotool(const QStringList& arguments) const
    {
        QString output;
        return RunXdotool(arguments, 15000, &output) ? output : QString();
    }

    // Clicks the left button at a point of a window.
    bool Click(const QString& window, int x, int y) const
    {
        return RunXdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                           QString::number(x), QString::number(y), QStringLiteral("click"),
                           QStringLiteral("1")},
                          15000);
    }

    // The Games tab of the main window, just below the menu bar.
    bool OpenGamesTab(const QString& mainWindow) const { return Click(mainWindow, 175, 32); }

    // Waits until a visible window with this exact title exists, gives it the keyboard focus and
    // returns its id.
    QString FocusWindow(const QString& title, int timeoutMs = 20000) const
    {
        QString id;
        QDeadlineTimer deadline(timeoutMs);
        while (id.isEmpty() && !deadline.hasExpired()) {
            id = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')})
                     .section(u'\n', 0, 0);
            if (id.isEmpty())
                QTest::qWait(50);
        }
        if (!id.isEmpty()) {
            Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
            // Let the program take the focus before keys arrive.
            QTest::qWait(300);
        }
        return id;
    }

    // Types keys (xdotool key names) into the focused window, one by one with a short delay.
    bool Keys(const QStringList& keys, int delayMs = 50) const
    {
        return RunXdotool(
            QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QString::number(delayMs)} + keys,
            60000);
    }

    bool TypeText(const QString& text, int delayMs = 50) const
    {
        return RunXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(delayMs), text},
                          600000);
    }

    // Every value of every key whose path starts with the prefix, by key path and value name, read
    // straight from the settings database as any outside tool would.
    using Values = QHash<QString, QHash<QString, QString>>;
    Values ReadKeys(const QString& pathPrefix) const
    {
        Values values;
        sqlite3* db = nullptr;
        const QByteArray file = (DataFolder() + QStringLiteral("/registry.sqlite")).toUtf8();
        if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db,
                               "SELECT k.path, v.name, v.data FROM registry_keys k "
                               "JOIN registry_values v ON v.key_id = k.id WHERE k.path LIKE ?1 || '%'",
                               -1, &stmt, nullptr);
            const QByteArray prefix = pathPrefix.toUtf8();
            sqlite3_bind_text(stmt, 1, prefix.constData(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                const auto text = [stmt](int column) {
                    return QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
                };
                values[text(0)].insert(text(1), text(2));
            }
            sqlite3_finalize(stmt);
        }
        sqlite3_close(db);
        return values;
    }
    QString ReadValue(const QString& keyPath, const QString& name) const
    {
        return ReadKeys(keyPath).value(keyPath).value(name);
    }
    QString CurrentUser() const
    {
        return ReadValue(QStringLiteral("Settings"), QStringLiteral("CurrentUser"));
    }

    // Answers the first-start wizard: the user type moved up from the preselected one, then Finish
    // with the skill test checked.
    bool PassWizard(int typesUp = 0, bool skillTest = true) const
    {
        if (FocusWindow(QStringLiteral("Getting Started")).isEmpty())
            return false;
        QStringList keys(typesUp, QStringLiteral("Up"));
        if (!Keys(keys << QStringLiteral("Return")))
            return false;
        QTest::qWait(300);
        // The skill test's check box has the focus on the second page and starts checked.
        if (!skillTest && !Keys({QStringLiteral("space")}))
            return false;
        return Keys({QStringLiteral("Return")});
    }

    // Types lines with Return between them.
    bool TypeLines(const QStringList& lines, int delayMs) const
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!TypeText(lines[i], delayMs))
                return false;
            if (i + 1 < lines.size() && !Keys({QStringLiteral("Return")}))
                return false;
        }
        return true;
    }

    // The text of a built-in exercise, one entry per line.
    static QStringList ExerciseLines(int key)
    {
        QFile file(QStringLiteral(CLAVORA_SOURCE_DIR "/resources/texts/%1.txt").arg(key));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    }

private:
    QTemporaryDir m_home;
    QProcess m_xvfb;
    QString m_display;
    QProcessEnvironment m_environment;
    QList<QProcess*> m_programs;
};

} // namespace clavora::test
