#pragma once

#include <QString>

namespace clavora {

class SettingsStore;

// The typed table of profile values: each value's name, default and format is written once here
// and every reader and writer goes through it.
namespace Profile {

// Where a profile value lives: in Users\<name> or in Users\<name>\Results.
enum class Location
{
    Profile,
    Results
};

struct IntValue
{
    const char16_t* name;
    int defaultValue;
    Location location = Location::Profile;
};
struct FlagValue
{
    const char16_t* name;
    bool defaultValue;
};
struct TextValue
{
    const char16_t* name;
    Location location = Location::Profile;
};
struct RealValue
{
    const char16_t* name;
    const char* format;
    Location location = Location::Profile;
};

inline constexpr IntValue Type{u"Type", 0};
inline constexpr RealValue SkillLevel{u"SkillLevel", "%.15f"};
inline constexpr RealValue LastSkillLevel{u"LastSkillLevel", "%.15f"};
inline constexpr IntValue LessonsCompleted{u"LessonsCompleted", 0};
inline constexpr IntValue LastLessonTime{u"LastLessonTime", 0};
inline constexpr IntValue LastLessonIndex{u"LastLessonIndex", 0};
inline constexpr IntValue CurrExerciseEntry{u"CurrExerciseEntry", 0};
inline constexpr FlagValue CurrExerciseComplete{u"CurrExerciseComplete", false};
inline constexpr FlagValue TakeInitialSkillTest{u"TakeInitialSkillTest", false};
inline constexpr FlagValue IsSkillTestTaken{u"IsSkillTestTaken", false};
inline constexpr IntValue SkillTestWPM{u"SkillTestWPM", 0};
inline constexpr IntValue GoalWPM{u"GoalWPM", 0};
inline constexpr FlagValue HasReachedCourseEnd{u"HasReachedCourseEnd", false};
inline constexpr FlagValue AwardCertOffered{u"AwardCertOffered", false};
inline constexpr FlagValue CorrectionsForced{u"CorrectionsForced", false};
inline constexpr FlagValue DoubleSpaceAccepted{u"DoubleSpaceAccepted", false};
inline constexpr FlagValue DisplayAnimations{u"DisplayAnimations", false};
inline constexpr FlagValue PlayAwardSounds{u"PlayAwardSounds", false};
inline constexpr FlagValue PlayErrorSounds{u"PlayErrorSounds", false};
inline constexpr FlagValue ShowTimers{u"ShowTimers", false};
inline constexpr IntValue FontSize{u"FontSize", 20};
inline constexpr FlagValue IsUsingA4Paper{u"IsUsingA4Paper", false};
inline constexpr TextValue PracticeKey{u"PracticeKey"};
inline constexpr TextValue PracticeTitleKey{u"PracticeTitleKey"};
inline constexpr IntValue SpeedTestDurationSeconds{u"SpeedTestDurationSeconds", 0};
inline constexpr TextValue ReportFolder{u"ReportFolder"};
inline constexpr TextValue LastExercise{u"LastExercise", Location::Results};
inline constexpr TextValue NextExercise{u"NextExercise", Location::Results};
inline constexpr RealValue BestWPM{u"BestWPM", "%8.2f", Location::Results};
inline constexpr RealValue BestAccuracy{u"BestAccuracy", "%4.2f", Location::Results};

// Global values under "Settings".
inline constexpr FlagValue CLFirstRun{u"CLFirstRun", true};
inline constexpr FlagValue FirstRun{u"FirstRun", true};
inline constexpr FlagValue NewCustomPracticeImported{u"NewCustomPracticeImported", false};
inline constexpr FlagValue NewCustomSpeedTestImported{u"NewCustomSpeedTestImported", false};
inline constexpr FlagValue NewCustomDictationImported{u"NewCustomDictationImported", false};
inline constexpr TextValue InstallerPath{u"InstallerPath"};
inline constexpr TextValue DictationServer{u"DictationServer"};

} // namespace Profile

// Typed access to the current user's profile (the user named by "CurrentUser" at each call).
class UserProfile final
{
public:
    explicit UserProfile(SettingsStore& settings) : m_settings(settings) {}

    int Get(const Profile::IntValue& value) const;
    bool Set(const Profile::IntValue& value, int data);
    bool Get(const Profile::FlagValue& value) const;
    bool Set(const Profile::FlagValue& value, bool data);
    QString Get(const Profile::TextValue& value) const;
    bool Set(const Profile::TextValue& value, const QString& data);
    double Get(const Profile::RealValue& value) const;
    bool Set(const Profile::RealValue& value, double data);

    // Values with a rule beyond their default.
    int FontSize() const;         // a stored 0 reads as 20 too
    double SkillLevel() const;    // never below 0.1
    int SpeedTestSeconds() const; // 0 is taken as 60
    QString ReportFolder() const; // default: "Reports" in the product data folder

private:
    QString KeyOf(Profile::Location location) const;

    SettingsStore& m_settings;
};

// Global flags and texts under "Settings".
class GlobalSettings final
{
public:
    explicit GlobalSettings(SettingsStore& settings) : m_settings(settings) {}

    bool Get(const Profile::FlagValue& value) const;
    bool Set(const Profile::FlagValue& value, bool data);
    QString Get(const Profile::TextValue& value) const;
    bool Set(const Profile::TextValue& value, const QString& data);
    // The first start: both first-run marks still read true.
    bool IsFirstRun() const;

private:
    SettingsStore& m_settings;
};

} // namespace clavora
