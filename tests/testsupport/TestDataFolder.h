#pragma once

#include <QStandardPaths>
#include <QTemporaryDir>

namespace clavora::test {

// Points the user's data folders at a fresh temporary folder for the lifetime of a test, so no
// test ever reads or writes the developer's own settings.
class TestDataFolder final
{
public:
    TestDataFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_DATA_HOME", m_dir.path().toUtf8() + "/data");
        qputenv("XDG_CACHE_HOME", m_dir.path().toUtf8() + "/cache");
    }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace clavora::test
