#pragma once

#include "progress/ProblemRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace clavora::test {

// A temporary product data folder with helpers to plant record files by hand.
class ProblemTestFolder final
{
public:
    QString Path() const { return m_dir.path(); }
    QString ListPath(const QString& listFolder) const { return m_dir.path() + u'/' + listFolder; }

    bool Plant(const QString& listFolder, const QString& fileName, const QByteArray& bytes) const
    {
        QDir().mkpath(ListPath(listFolder));
        QFile file(ListPath(listFolder) + u'/' + fileName);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    bool PlantDirectory(const QString& listFolder, const QString& name) const
    {
        return QDir().mkpath(ListPath(listFolder) + u'/' + name);
    }
    QByteArray Content(const QString& listFolder, const QString& fileName) const
    {
        QFile file(ListPath(listFolder) + u'/' + fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Names(const QString& listFolder) const
    {
        return QDir(ListPath(listFolder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace clavora::test
