#include "content/ExerciseCatalogue.h"

#include "content/ContentLog.h"
#include "content/ProgressReporter.h"
#include "content/WordList.h"
#include "platform/ResourceStore.h"

#include <array>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace clavora {

ExerciseCatalogue::ExerciseCatalogue(const QString& productDataFolder, TextResourceReader resources)
    : m_customFolder(productDataFolder), m_resources(std::move(resources))
{
    if (m_resources) {
        m_resourceExists = [reader = m_resources](int number) { return reader(number).has_value(); };
    } else {
        m_resources = [](int number) { return ResourceStore::Text(number); };
        m_resourceExists = [](int number) { return ResourceStore::Exists(number); };
    }
}

std::optional<QString> ExerciseCatalogue::LoadTextResource(int number) const
{
    return m_resources(number);
}

EntrySources ExerciseCatalogue::BuiltInSources() const
{
    return EntrySources{m_resources, m_resourceExists, QString(), {}};
}

template <typename Entry> bool ExerciseCatalogue::LoadBuiltIn(CatalogueList<Entry>& list) const
{
    return list.LoadFromText(LoadTextResource(Entry::Format.resource), BuiltInSources());
}

template <typename Entry> bool ExerciseCatalogue::LoadCustom(CatalogueList<Entry>& list) const
{
    const QString folder = m_customFolder.Subfolder(Entry::Format.customSubfolder);
    const EntrySources sources{m_resources, m_resourceExists, folder, CustomFolder::RegularFileNames(folder)};
    return list.LoadFromFile(m_customFolder.FilePath(Entry::Format.customFile), sources);
}

bool ExerciseCatalogue::LoadWordList()
{
    const std::optional<QString> text = LoadTextResource(WordListResource);
    if (!text)
        return false;
    m_wordList = SplitWordList(*text);
    return true;
}

bool ExerciseCatalogue::LoadLessons()
{
    return LoadBuiltIn(m_lessons);
}

bool ExerciseCatalogue::LoadPractices()
{
    return LoadBuiltIn(m_practices);
}

bool ExerciseCatalogue::LoadSpeedTests()
{
    return LoadBuiltIn(m_speedTests);
}

bool ExerciseCatalogue::LoadCustomPractices()
{
    return LoadCustom(m_customPractices);
}

bool ExerciseCatalogue::LoadCustomSpeedTests()
{
    return LoadCustom(m_customSpeedTests);
}

bool ExerciseCatalogue::LoadCustomDictations()
{
    return LoadCustom(m_customDictations);
}

bool ExerciseCatalogue::LoadDictations(DictationList& dictations) const
{
    return LoadBuiltIn(dictations);
}

int ExerciseCatalogue::LoadAll(ProgressReporter& reporter)
{
    if (reporter.IsCancelled())
        return LoadCancelled;

    reporter.SetStatus(u"Loading word list..."_s);
    reporter.SetFraction(0.0);
    if (!LoadWordList())
        reporter.ReportError(u"Error loading word list."_s);

    reporter.SetFraction(1.0 / 7.0);
    reporter.SetStatus(u"Loading lessons..."_s);
    if (!LoadLessons())
        reporter.ReportError(u"Error loading lessons."_s);

    // The keypad lessons are part of the lesson catalogue: the step only shows its status.
    reporter.SetFraction(2.0 / 7.0);
    reporter.SetStatus(u"Loading numeric keypad lessons..."_s);
    reporter.SetFraction(3.0 / 7.0);

    reporter.SetStatus(u"Loading practice exercises..."_s);
    if (!LoadPractices())
        reporter.ReportError(u"Error loading practice exercises."_s);

    reporter.SetFraction(4.0 / 7.0);
    reporter.SetStatus(u"Loading speed tests..."_s);
    if (!LoadSpeedTests())
        reporter.ReportError(u"Error loading speed tests."_s);

    // Custom catalogues are the user's own: one that is missing or damaged is left empty quietly.
    reporter.SetFraction(5.0 / 7.0);
    reporter.SetStatus(u"Loading custom practice exercises..."_s);
    LoadCustomPractices();

    reporter.SetFraction(6.0 / 7.0);
    reporter.SetStatus(u"Loading custom speed tests..."_s);
    LoadCustomSpeedTests();
    LoadCustomDictations();
    reporter.SetStatus(u"Loading custom dictations..."_s);
    reporter.SetFraction(1.0);
    return LoadCompleted;
}

bool ExerciseCatalogue::EnsureCustomFiles() const
{
    if (!m_customFolder.Create()) {
        qCWarning(lcContent) << "cannot create" << m_customFolder.Path();
        return false;
    }
    struct CustomFile
    {
        QStringView name;
        int templateResource;
    };
    static constexpr std::array<CustomFile, 3> files = {{
        {CustomFolder::PracticeCatalogue, PracticeTemplateResource},
        {CustomFolder::SpeedTestCatalogue, SpeedTestTemplateResource},
        {CustomFolder::DictationCatalogue, DictationTemplateResource},
    }};
    bool allWritten = true;
    for (const CustomFile& file : files) {
        const QString path = m_customFolder.FilePath(file.name);
        if (QFileInfo::exists(path))
            continue;
        const std::optional<QString> text = LoadTextResource(file.templateResource);
        if (!text) {
            qCWarning(lcContent) << "custom catalogue template" << file.templateResource << "is missing";
            return false;
        }
        QSaveFile output(path);
        const QByteArray bytes = text->toUtf8();
        if (!output.open(QIODevice::WriteOnly) || output.write(bytes) != bytes.size() || !output.commit()) {
            qCWarning(lcContent) << "cannot write" << path;
            allWritten = false;
        }
    }
    return allWritten;
}

void ExerciseCatalogue::GeneratePracticeTexts(RandomGenerator& random)
{
    for (PracticeEntry& practice : m_practices) {
        if (!practice.GenerateText(m_wordList, random))
            qCWarning(lcContent) << "no text for practice" << practice.Key();
    }
}

int ExerciseCatalogue::CountGeneratedPractices()
{
    m_generatedPracticeCount = 0;
    for (const PracticeEntry& practice : std::as_const(m_practices)) {
        if (IsGeneratedDrill(practice.Type()))
            ++m_generatedPracticeCount;
    }
    return m_generatedPracticeCount;
}

} // namespace clavora
