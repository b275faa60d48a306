#pragma once

#include "progress/ProblemRecord.h"
#include "progress/ProblemStore.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

namespace clavora::test {

// A temporary product data folder with its problem store, and helpers to plant record files by hand.
class ProblemTestFolder final
{
public:
    QString Path() const { return m_dir.path(); }
    QString ListPath(const QString& listFolder) const { return m_dir.path() + u'/' + listFolder; }

    bool Plant(const QString& listFolder, const QString& fileName, const QByteArray& bytes) const
    {
        return WriteFile(ListPath(listFolder) + u'/' + fileName, bytes);
    }
    bool PlantDirectory(const QString& listFolder, const QString& name) const
    {
        return QDir().mkpath(ListPath(listFolder) + u'/' + name);
    }
    QByteArray Content(const QString& listFolder, const QString& fileName) const
    {
        return ReadFile(ListPath(listFolder) + u'/' + fileName);
    }
    QStringList Names(const QString& listFolder) const
    {
        return QDir(ListPath(listFolder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;

public:
    const ProblemStore store{m_dir.path()};
};

} // namespace clavora::test
