#pragma once

#include "audio/DictationPanelView.h"

#include <QWidget>

class QPlainTextEdit;

namespace clavora {

class Clock;

// The dictation view: a free typing box and, after a dictation, the transcription beside it.
class DictationView final : public QWidget, public DictationPanelView
{
    Q_OBJECT

public:
    static const QString CompareQuestion;

    DictationView(const Clock& clock, QWidget* parent = nullptr);

    // Both boxes use the stored font size in pixels.
    void SetFontSize(int pixels);

    // DictationPanelView
    std::optional<qsizetype> RunSelection(const QList<DictationRow>& rows) override;
    std::unique_ptr<ProgressReporter> OpenDownloadProgress(const QString& windowTitle) override;
    void ShowMessage(MessageIcon icon, const QString& caption, const QString& text) override;
    bool AskToCompare(bool& dontAskAgain) override;
    void ClearTyping() override;
    void SetTranscription(const QString& text) override;
    void LayOut(bool transcriptionShown) override;
    void FocusTyping() override;

    QPlainTextEdit* TypingBox() const { return m_typing; }
    QPlainTextEdit* TranscriptionBox() const { return m_transcription; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const Clock& m_clock;
    QPlainTextEdit* m_typing;
    QPlainTextEdit* m_transcription;
    bool m_transcriptionShown = false;
};

} // namespace clavora
