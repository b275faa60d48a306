#include "audio/DictationPlayer.h"

#include "audio/DictationDownloader.h"
#include "audio/SoundEvents.h"
#include "content/ExerciseCatalogue.h"
#include "content/ProgressReporter.h"
#include "platform/KnownFolders.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>

namespace clavora {

namespace {

constexpr int LayoutGap = 2;
constexpr qsizetype MaxKeyDigits = 9;
const QString Caption = QStringLiteral("Clavora");
const QString NetworkErrorCaption = QStringLiteral("Network Error");

} // namespace

DictationPlayer::Layout DictationPlayer::LayoutFor(const QSize& panel, bool transcriptionShown)
{
    if (!transcriptionShown)
        return {QRect(QPoint(0, 0), panel), QRect()};
    const int half = panel.width() / 2;
    return {QRect(0, 0, half - LayoutGap, panel.height()),
            QRect(half + LayoutGap, 0, half - LayoutGap, panel.height())};
}

bool DictationPlayer::IsPlainKey(const QString& key)
{
    if (key.isEmpty() || key.size() > MaxKeyDigits)
        return false;
    return std::all_of(key.cbegin(), key.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString DictationPlayer::BuiltInFolder()
{
    return KnownFolders::CommonDataFolder() + QStringLiteral("/Dictations");
}

DictationPlayer::DictationPlayer(const ExerciseCatalogue& catalogue, SettingsStore& settings)
    : m_catalogue(catalogue), m_settings(settings),
      m_comparison([&catalogue](int number) { return catalogue.LoadTextResource(number); })
{}

DictationPlayer::~DictationPlayer()
{
    // The player must not call back into a half-destroyed panel.
    m_onStopped = nullptr;
    m_view = nullptr;
    m_player.reset();
}

QList<DictationRow> DictationPlayer::Rows() const
{
    QList<DictationRow> rows;
    const QSet<QString> downloaded = CustomFolder::RegularFileNames(BuiltInFolder());
    DictationList builtIn;
    m_catalogue.LoadDictations(builtIn);
    for (const DictationEntry& entry : builtIn)
        rows.append({entry.Key(), entry.Title(), entry.Description(), false,
                     downloaded.contains(entry.Key() + QStringLiteral(".mp3"))});
    for (const CustomDictationEntry& entry : m_catalogue.CustomDictations())
        rows.append({entry.Key(), entry.Title(), QStringLiteral("Custom Dictation"), true,
                     QFileInfo(entry.AudioPath()).isFile()});
    return rows;
}

bool DictationPlayer::Select()
{
    if (!m_view)
        return IsLoaded();
    const QList<DictationRow> rows = Rows();
    const std::optional<qsizetype> chosen = m_view->RunSelection(rows);
    if (!chosen || *chosen < 0 || *chosen >= rows.size())
        return IsLoaded();
    const DictationRow& row = rows[*chosen];
    m_key = row.key;
    m_title = row.title;
    if (!IsPlainKey(m_key)) {
        Message(MessageIcon::Error, QStringLiteral("This dictation cannot be played: its key \"%1\" is not a "
                                                   "number.")
                                        .arg(m_key));
        ClearSelection();
        return false;
    }
    // The list a row came from says what it is: an imported key may begin with "8" too.
    if (!row.custom) {
        if (!FetchBuiltIn(row)) {
            ClearSelection();
            return false;
        }
        m_custom = false;
        m_audioPath = BuiltInFolder() + u'/' + m_key + QStringLiteral(".mp3");
    } else {
        const CustomDictationEntry* entry = m_catalogue.CustomDictations().Find(m_key);
        m_custom = true;
        m_audioPath = entry ? entry->AudioPath() : QString();
    }
    // A transcription of the previous dictation must not stand beside the new one.
    m_comparison.HideTranscription(*m_view);
    m_comparison.Clear(*m_view);
    return true;
}

bool DictationPlayer::FetchBuiltIn(const DictationRow& row)
{
    const QString folder = BuiltInFolder();
    QDir().mkpath(folder);
    const QString target = folder + u'/' + row.key + QStringLiteral(".mp3");
    if (QFileInfo(target).isFile())
        return true;
    DictationDownloader downloader(m_settings);
    downloader.SetStallTimeoutMs(m_stallTimeoutMs);
    Downloader::Outcome outcome;
    {
        const std::unique_ptr<ProgressReporter> progress =
            m_view->OpenDownloadProgress(DictationDownloader::WindowTitle);
        outcome = downloader.Download(row.key, row.title, target, *progress);
    }
    switch (outcome.result) {
    case Downloader::Result::Fetched:
        return true;
    case Downloader::Result::NoConnection:
        m_view->ShowMessage(MessageIcon::Error, NetworkErrorCaption,
                            QStringLiteral("Clavora could not connect to server. Make sure this computer has "
                                           "an active internet connection or try again at a later time."));
        return false;
    case Downloader::Result::Failed:
        if (!outcome.cancelled)
            m_view->ShowMessage(MessageIcon::Error, NetworkErrorCaption,
                                QStringLiteral("Clavora could not download the dictation. ") + outcome.error);
        return false;
    }
    return false;
}

void DictationPlayer::ClearSelection()
{
    m_key.clear();
    m_title.clear();
    m_audioPath.clear();
    m_custom = false;
    if (m_view)
        m_comparison.Clear(*m_view);
}

void DictationPlayer::Message(MessageIcon icon, const QString& text)
{
    if (m_view)
        m_view->ShowMessage(icon, Caption, text);
}

bool DictationPlayer::Start()
{
    if (!m_view)
        return false;
    m_view->ClearTyping();
    m_comparison.Clear(*m_view);
    if (m_key.isEmpty()) {
        Message(MessageIcon::Information, QStringLiteral("Please select a dictation to play"));
        return false;
    }
    if (!m_player)
        m_player = std::make_unique<SoundPlayer>(this, m_makeOutput ? m_makeOutput() : nullptr);
    // Starting again is not the end of a dictation: no stop notice, no comparison offer.
    m_restarting = true;
    m_player->Stop();
    m_restarting = false;
    bool started = false;
    std::unique_ptr<SoundSource> source = SoundPlayer::Open(m_audioPath);
    if (!source) {
        Message(MessageIcon::Error,
                QStringLiteral("Could not play dictation. File not found or may be corrupt."));
    } else {
        m_player->SetOutputDevice(SoundEvents::OutputDevice(m_settings));
        started = m_player->Play(std::move(source));
        if (!started)
            Message(MessageIcon::Error,
                    QStringLiteral("Could not play dictation. Possible problem with audio hardware."));
    }
    m_comparison.HideTranscription(*m_view);
    m_view->FocusTyping();
    return started;
}

void DictationPlayer::PauseOrResume()
{
    if (!m_player)
        return;
    if (m_player->IsPaused()) {
        if (m_view)
            m_comparison.HideTranscription(*m_view);
        m_player->Resume();
    } else {
        m_player->Pause();
    }
}

void DictationPlayer::Stop()
{
    if (m_player)
        m_player->Stop();
}

bool DictationPlayer::IsPlaying() const
{
    return m_player && m_player->IsPlaying();
}

bool DictationPlayer::IsPaused() const
{
    return m_player && m_player->IsPaused();
}

bool DictationPlayer::CanCompare() const
{
    return IsLoaded() && !m_custom && (!IsPlaying() || IsPaused());
}

void DictationPlayer::Compare()
{
    if (m_view && CanCompare())
        m_comparison.ShowTranscription(*m_view, m_key.toInt());
}

void DictationPlayer::PlaybackStopped()
{
    if (m_restarting)
        return;
    if (m_onStopped)
        m_onStopped();
    if (!m_view || m_custom)
        return;
    if (m_comparison.OfferComparison(*m_view))
        Compare();
}

} // namespace clavora
