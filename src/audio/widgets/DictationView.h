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

    QPlainTextEdit* TypingBox();
    QPlainTextEdit* TranscriptionBox();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int DefaultFontPixels = 20;

    void EnsureBoxes();
    void ApplyFont();

    const Clock& m_clock;
    QPlainTextEdit* m_typing = nullptr;
    QPlainTextEdit* m_transcription = nullptr;
    int m_fontPixels = DefaultFontPixels;
    bool m_transcriptionShown = false;
};

} // namespace clavora
