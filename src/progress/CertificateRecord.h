#pragma once

#include <QDate>
#include <QString>

namespace clavora {

enum class PaperForm
{
    Letter,
    A4
};

// What the course certificate shows: the learner's name, the course title and the date of
// printing, with the paper it is printed on.
struct CertificateRecord
{
    static const QString CourseTitle; // "Clavora Typing Course"
    static constexpr int MaxTextLength = 259;

    QString personName;
    QString courseTitle;
    PaperForm paper = PaperForm::Letter;
    QDate date;

    // The record for a name printed on the given local date; texts past the length limit are cut.
    static CertificateRecord For(const QString& personName, bool a4Paper, QDate date);

    // The name dialog accepts a name only while its first character is visible.
    static bool IsAcceptableName(const QString& name);

    // "%2d" with its English ordinal suffix: " 1st", " 2nd", "11th", "23rd".
    QString DayText() const;
    // "January" .. "December".
    QString MonthText() const;
    // The two-digit year, "%02d": 2020 gives "20".
    QString YearText() const;
};

} // namespace clavora
