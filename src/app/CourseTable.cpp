#include "app/CourseTable.h"

#include <array>

namespace clavora::CourseTable {

namespace {

constexpr std::array<CourseEntry, EntryCount> Table = {{
    {u"Initial Skill Test", u"999", 1},        {u"Home Row: Overview", u"1001", 2},
    {u"Home Row: Basics 1", u"1002", 2},       {u"Home Row: Basics 2", u"1003", 2},
    {u"Home Row: Revision", u"1004", 2},       {u"Top Row: Overview", u"1005", 2},
    {u"Top Row: Basics 1", u"1006", 2},        {u"Top Row: Basics 2", u"1007", 2},
    {u"Top Row: Revision", u"1008", 2},        {u"Bottom Row: Overview", u"1009", 2},
    {u"Bottom Row: Basics 1", u"1010", 2},     {u"Bottom Row: Basics 2", u"1011", 2},
    {u"Bottom Row: Revision", u"1012", 2},     {u"Capitals: Overview", u"1013", 2},
    {u"Capitals: Basics 1", u"1014", 2},       {u"Capitals: Basics 2", u"1015", 2},
    {u"Capitals: Revision", u"1016", 2},       {u"Numbers: Overview", u"1017", 2},
    {u"Numbers: Basics 1", u"1018", 2},        {u"Numbers: Basics 2", u"1019", 2},
    {u"Numbers: Revision", u"1020", 2},        {u"Symbols: Overview", u"1021", 2},
    {u"Symbols: Basics 1", u"1022", 2},        {u"Symbols: Basics 2", u"1023", 2},
    {u"Symbols: Revision", u"1024", 2},        {u"Numeric Keypad: Overview", u"1025", 3},
    {u"Numeric Keypad: Basics 1", u"1026", 3}, {u"Numeric Keypad: Basics 2", u"1027", 3},
    {u"Numeric Keypad: Revision", u"1028", 3}, {u"Course Finished", u"000", 9},
}};

} // namespace

std::span<const CourseEntry> Entries()
{
    return Table;
}

const CourseEntry& At(int index)
{
    if (index < 0 || index >= EntryCount)
        return Table[CourseFinishedEntry];
    return Table[size_t(index)];
}

QString TitleOf(int index)
{
    return At(index).Title();
}

int FindLessonEntry(const QString& key)
{
    for (int i = FirstLessonEntry; i < EntryCount; ++i) {
        if (Table[size_t(i)].Key().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace clavora::CourseTable
