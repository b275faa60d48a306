#pragma once

#include "content/CatalogueList.h"
#include "content/CustomDictationEntry.h"
#include "content/CustomFolder.h"
#include "content/CustomPracticeEntry.h"
#include "content/CustomSpeedTestEntry.h"
#include "content/DictationEntry.h"
#include "content/LessonEntry.h"
#include "content/PracticeEntry.h"
#include "content/SpeedTestEntry.h"

#include <QStringList>

namespace clavora {

class ProgressReporter;

using LessonList = CatalogueList<LessonEntry>;
using PracticeList = CatalogueList<PracticeEntry>;
using SpeedTestList = CatalogueList<SpeedTestEntry>;
using DictationList = CatalogueList<DictationEntry>;
using CustomPracticeList = CatalogueList<CustomPracticeEntry>;
using CustomSpeedTestList = CatalogueList<CustomSpeedTestEntry>;
using CustomDictationList = CatalogueList<CustomDictationEntry>;

// Every exercise the tutor offers: the built-in lessons, practices and speed tests from the
// embedded catalogues, the user's imported practices, speed tests and dictations from the custom
// folder, and the word list the drills draw from. Filled once at start-up by LoadAll.
class ExerciseCatalogue final
{
public:
    // Resource numbers of the word list and of the custom catalogue templates.
    static constexpr int WordListResource = 1;
    static constexpr int PracticeTemplateResource = 6;
    static constexpr int SpeedTestTemplateResource = 7;
    static constexpr int DictationTemplateResource = 10;

    // What LoadAll returns.
    static constexpr int LoadCompleted = 0;
    static constexpr int LoadCancelled = 1;

    // productDataFolder holds the custom folder; resources gives the built-in texts (the embedded
    // resources when left empty).
    explicit ExerciseCatalogue(const QString& productDataFolder, TextResourceReader resources = {});
    Q_DISABLE_COPY_MOVE(ExerciseCatalogue)

    // Loads the word list and every catalogue, telling the reporter how far it got and which
    // built-in catalogue failed. Returns LoadCancelled when the reporter asked to stop before the
    // first step, else LoadCompleted; every step runs even when an earlier one failed.
    int LoadAll(ProgressReporter& reporter);

    bool LoadWordList();
    bool LoadLessons();
    bool LoadPractices();
    bool LoadSpeedTests();
    bool LoadCustomPractices();
    bool LoadCustomSpeedTests();
    bool LoadCustomDictations();
    // Fills the list with the built-in dictations, read when asked for; false when none loaded.
    bool LoadDictations(DictationList& dictations) const;

    // Creates the custom folder and any missing custom catalogue file from its template. Stops at a
    // template that cannot be loaded; false then or when a file cannot be written.
    bool EnsureCustomFiles() const;

    // The text of a numbered built-in resource, or nothing when there is none.
    std::optional<QString> LoadTextResource(int number) const;

    // Lets every practice make its text (the drills draw random ones), in list order.
    void GeneratePracticeTexts(RandomGenerator& random);
    // Counts the practices whose text is generated (the drills) and keeps the count.
    int CountGeneratedPractices();
    int GeneratedPracticeCount() const { return m_generatedPracticeCount; }

    const LessonList& Lessons() const { return m_lessons; }
    const PracticeList& Practices() const { return m_practices; }
    const SpeedTestList& SpeedTests() const { return m_speedTests; }
    const CustomPracticeList& CustomPractices() const { return m_customPractices; }
    const CustomSpeedTestList& CustomSpeedTests() const { return m_customSpeedTests; }
    const CustomDictationList& CustomDictations() const { return m_customDictations; }
    const QStringList& WordList() const { return m_wordList; }
    const CustomFolder& Custom() const { return m_customFolder; }

    // The practice whose text is set from outside (the revision practices).
    PracticeEntry* FindPractice(int exerciseKey) const { return m_practices.Find(exerciseKey); }

private:
    EntrySources BuiltInSources() const;
    template <typename Entry> bool LoadBuiltIn(CatalogueList<Entry>& list) const;
    template <typename Entry> bool LoadCustom(CatalogueList<Entry>& list) const;

    CustomFolder m_customFolder;
    TextResourceReader m_resources;
    TextResourceCheck m_resourceExists;
    LessonList m_lessons;
    PracticeList m_practices;
    SpeedTestList m_speedTests;
    CustomPracticeList m_customPractices;
    CustomSpeedTestList m_customSpeedTests;
    CustomDictationList m_customDictations;
    QStringList m_wordList;
    int m_generatedPracticeCount = 0;
};

} // namespace clavora
