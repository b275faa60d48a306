#include "progress/CertificateRecord.h"

#include "settings/ValueFormat.h"

#include <array>

namespace clavora {

namespace {

const std::array<const char16_t*, 12> MonthNames = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December",
};

const char* OrdinalSuffix(int day)
{
    if (day % 100 >= 11 && day % 100 <= 13)
        return "th";
    switch (day % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

} // namespace

const QString CertificateRecord::CourseTitle = QStringLiteral("Clavora Typing Course");

CertificateRecord CertificateRecord::For(const QString& personName, bool a4Paper, QDate date)
{
    CertificateRecord record;
    record.personName = personName.left(MaxTextLength);
    record.courseTitle = CourseTitle.left(MaxTextLength);
    record.paper = a4Paper ? PaperForm::A4 : PaperForm::Letter;
    record.date = date;
    return record;
}

bool CertificateRecord::IsAcceptableName(const QString& name)
{
    return ValueFormat::StartsVisibly(name);
}

QString CertificateRecord::DayText() const
{
    const int day = date.day();
    return QString::asprintf("%2d%s", day, OrdinalSuffix(day));
}

QString CertificateRecord::MonthText() const
{
    const int month = date.month();
    return month >= 1 && month <= 12 ? QString::fromUtf16(MonthNames[size_t(month - 1)]) : QString();
}

QString CertificateRecord::YearText() const
{
    // The year's last two digits, so the printed year stays two digits past 2099 too.
    return QString::asprintf("%02d", ((date.year() % 100) + 100) % 100);
}

} // namespace clavora
