#pragma once

#include <memory>
#include <optional>
#include <QList>
#include <QString>

namespace clavora {

class ProgressReporter;

// One row of the dictation selection: the built-in dictations first, then the imported ones.
struct DictationRow
{
    QString key;
    QString title;
    QString description;
    bool custom = false;
    bool onDisk = false; // its MP3 file is already there
};

enum class MessageIcon
{
    Information,
    Error
};

// What the dictation panel's logic asks of its window: its two text boxes, the selection dialog,
// the download's progress window and the message boxes. Tests answer it with a fake.
class DictationPanelView
{
public:
    virtual ~DictationPanelView() = default;

    // The index of the chosen row, or nothing when cancelled.
    virtual std::optional<qsizetype> RunSelection(const QList<DictationRow>& rows) = 0;
    // The modal progress window of a download, with a Cancel button; closed when destroyed.
    virtual std::unique_ptr<ProgressReporter> OpenDownloadProgress(const QString& windowTitle) = 0;
    virtual void ShowMessage(MessageIcon icon, const QString& caption, const QString& text) = 0;
    // The comparison question; dontAskAgain comes in unticked and goes out as the user left it.
    virtual bool AskToCompare(bool& dontAskAgain) = 0;

    virtual void ClearTyping() = 0;
    virtual void SetTranscription(const QString& text) = 0;
    // Shows or hides the transcription box beside the typing box (see DictationPlayer::Layout).
    virtual void LayOut(bool transcriptionShown) = 0;
    virtual void FocusTyping() = 0;
};

} // namespace clavora
