#include "progress/ProblemRecordFolder.h"

#include "progress/ProblemLog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QDir>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace clavora {

namespace {

constexpr QLatin1StringView RecordSuffix(".dat");

// The number a record's name stands for, or -1 for a name that is not a plain decimal number.
qint64 RecordNumber(const QString& fileName)
{
    const QStringView stem = QStringView(fileName).chopped(RecordSuffix.size());
    if (stem.isEmpty() || stem.size() > 12)
        return -1;
    qint64 number = 0;
    for (const QChar c : stem) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

} // namespace

bool ProblemRecordFolder::ListsBefore(const QString& a, const QString& b)
{
    const qint64 numberA = RecordNumber(a);
    const qint64 numberB = RecordNumber(b);
    if ((numberA < 0) != (numberB < 0))
        return numberA >= 0;
    if (numberA != numberB)
        return numberA < numberB;
    return a < b;
}

namespace {

class FileDescriptor final
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// Gives a finished temporary file its final name unless that name is taken; the record under
// an existing name is never overwritten. Falls back to a hard link on file systems that lack
// the no-replace rename.
bool RenameNoReplace(const QByteArray& from, const QByteArray& to, int& error)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    error = errno;
    if (error != EINVAL && error != ENOSYS)
        return false;
    if (::link(from.constData(), to.constData()) != 0) {
        error = errno;
        return false;
    }
    ::unlink(from.constData());
    return true;
}

} // namespace

ProblemRecordFolder::ProblemRecordFolder(QString path) : m_path(std::move(path)) {}

QStringList ProblemRecordFolder::List() const
{
    const QDir dir(m_path);
    QStringList names = dir.entryList(
        {u"*.dat"_s}, QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
        QDir::Unsorted);
    std::sort(names.begin(), names.end(), &ProblemRecordFolder::ListsBefore);
    return names;
}

std::optional<ProblemRecord> ProblemRecordFolder::Read(const QString& fileName) const
{
    // Opened without blocking and checked to be a plain file of a sane size, so a directory, a
    // pipe or a device named like a record can neither hang nor flood the reader.
    FileDescriptor file(
        ::open(QFile::encodeName(FilePath(fileName)).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return std::nullopt;
    struct stat status = {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > ProblemRecord::MaxEncodedSize) {
        qCWarning(lcProblems) << "Not a readable record:" << FilePath(fileName);
        return std::nullopt;
    }
    QByteArray bytes(ProblemRecord::MaxEncodedSize + 1, Qt::Uninitialized);
    qsizetype total = 0;
    while (total < bytes.size()) {
        const ssize_t n = ::read(file.Get(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        total += n;
    }
    bytes.truncate(total);
    std::optional<ProblemRecord> record = ProblemRecord::Decode(bytes);
    if (!record)
        qCWarning(lcProblems) << "Damaged record:" << FilePath(fileName);
    return record;
}

QString ProblemRecordFolder::Add(const ProblemRecord& record) const
{
    if (!QDir().mkpath(m_path))
        return QString();
    // The temporary name does not match "*.dat", so a crash before the rename leaves no record.
    QByteArray temporaryPath = QFile::encodeName(m_path + u"/.new-record-XXXXXX"_s);
    FileDescriptor file(::mkostemp(temporaryPath.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        qCWarning(lcProblems) << "Cannot create a record in" << m_path;
        return QString();
    }
    const bool written = WriteAll(file.Get(), record.Encode()) && ::fdatasync(file.Get()) == 0;
    if (!file.Close() || !written) {
        ::unlink(temporaryPath.constData());
        return QString();
    }

    const QStringList existing = List();
    QString created;
    // Bounded: every existing name can block at most one number.
    for (qsizetype number = 1; number <= existing.size() + 1 && created.isEmpty(); ++number) {
        const QString name = QString::number(number) + RecordSuffix;
        int error = 0;
        if (RenameNoReplace(temporaryPath, QFile::encodeName(FilePath(name)), error))
            created = name;
        else if (error != EEXIST)
            break;
    }
    if (created.isEmpty()) {
        qCWarning(lcProblems) << "No free record number in" << m_path;
        ::unlink(temporaryPath.constData());
    }
    return created;
}

bool ProblemRecordFolder::Replace(const QString& fileName, const ProblemRecord& record) const
{
    QSaveFile file(FilePath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(record.Encode());
    return file.commit();
}

bool ProblemRecordFolder::Remove(const QString& fileName) const
{
    return ::unlink(QFile::encodeName(FilePath(fileName)).constData()) == 0;
}

} // namespace clavora
