#include "progress/ProblemRecordFolder.h"

#include "progress/ProblemLog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <QDir>
#include <QSet>
#include <QThreadPool>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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
    int Release() { return std::exchange(m_fd, -1); }

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

// A record written in full under a hidden name that does not match "*.dat", so a crash before
// it is renamed leaves no record behind. The file stays open until its data reached the disk.
class PendingRecord final
{
public:
    PendingRecord(const QString& folder, const QByteArray& bytes)
        : m_path(QFile::encodeName(folder + u"/.new-record-XXXXXX"_s)),
          m_file(::mkostemp(m_path.data(), O_CLOEXEC))
    {
        m_written = m_file.Get() >= 0 && WriteAll(m_file.Get(), bytes);
    }
    ~PendingRecord()
    {
        if (!m_published && m_file.Get() >= 0)
            ::unlink(m_path.constData());
    }
    PendingRecord(const PendingRecord&) = delete;
    PendingRecord& operator=(const PendingRecord&) = delete;

    bool IsWritten() const { return m_written; }
    const QByteArray& Path() const { return m_path; }

    // The rename already made the record whole for every reader; flushing it to the disk takes
    // milliseconds, so it happens beside the typing instead of in the middle of a keystroke.
    void Publish()
    {
        m_published = true;
        const int fd = m_file.Release();
        QThreadPool::globalInstance()->start([fd] {
            ::fdatasync(fd);
            ::close(fd);
        });
    }

private:
    QByteArray m_path;
    FileDescriptor m_file;
    bool m_written = false;
    bool m_published = false;
};

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
    // Read straight from the directory: every error looks at all records, and asking for each
    // entry's type as a filtered listing does would double the system calls.
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(m_path).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name.size() > RecordSuffix.size() && name.endsWith(RecordSuffix, Qt::CaseInsensitive))
            names.append(name);
    }
    ::closedir(dir);
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
    // One byte more than the size, so a file that grew since fstat is noticed as oversized.
    QByteArray bytes(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
    qsizetype total = 0;
    while (total < status.st_size) {
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
    return Add(record, List());
}

QString ProblemRecordFolder::Add(const ProblemRecord& record, const QStringList& listed) const
{
    if (!QDir().mkpath(m_path))
        return QString();
    PendingRecord pending(m_path, record.Encode());
    if (!pending.IsWritten()) {
        qCWarning(lcProblems) << "Cannot write a record in" << m_path;
        return QString();
    }
    // Numbers already listed are passed over without a try; a name taken since the listing is
    // refused by the rename. Bounded: every name can block at most one number.
    QSet<qint64> taken;
    for (const QString& name : listed)
        taken.insert(RecordNumber(name));
    const qint64 attempts = 2 * (listed.size() + 1);
    for (qint64 number = 1, tried = 0; tried < attempts; ++number) {
        if (taken.contains(number))
            continue;
        ++tried;
        const QString name = QString::number(number) + RecordSuffix;
        int error = 0;
        if (RenameNoReplace(pending.Path(), QFile::encodeName(FilePath(name)), error)) {
            pending.Publish();
            return name;
        }
        if (error != EEXIST)
            break;
    }
    qCWarning(lcProblems) << "No free record number in" << m_path;
    return QString();
}

bool ProblemRecordFolder::Replace(const QString& fileName, const ProblemRecord& record) const
{
    PendingRecord pending(m_path, record.Encode());
    if (!pending.IsWritten() ||
        ::rename(pending.Path().constData(), QFile::encodeName(FilePath(fileName)).constData()) != 0)
        return false;
    pending.Publish();
    return true;
}

bool ProblemRecordFolder::Remove(const QString& fileName) const
{
    return ::unlink(QFile::encodeName(FilePath(fileName)).constData()) == 0;
}

} // namespace clavora
