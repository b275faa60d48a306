#pragma once

#include <QString>
#include <span>

namespace clavora {

// The 30 fixed steps of the course: the initial skill test, 28 lessons in seven sections of four
// (Overview, Basics 1, Basics 2, Revision), and a closing entry.
struct CourseEntry
{
    const char16_t* title;
    const char16_t* key;
    int kind;

    QString Title() const { return QString::fromUtf16(title); }
    QString Key() const { return QString::fromUtf16(key); }
};

namespace CourseTable {

inline constexpr int SkillTestEntry = 0;
inline constexpr int FirstLessonEntry = 1;
inline constexpr int LastLessonEntry = 28;
inline constexpr int CourseFinishedEntry = 29;
inline constexpr int EntryCount = 30;
inline constexpr int SectionCount = 7;

std::span<const CourseEntry> Entries();
// The entry at an index; indexes outside the table give the closing entry.
const CourseEntry& At(int index);
QString TitleOf(int index);
// The entry among 1..29 whose key equals the given one without regard to case, or -1.
int FindLessonEntry(const QString& key);

} // namespace CourseTable

} // namespace clavora
