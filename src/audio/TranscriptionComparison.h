#pragma once

#include <functional>
#include <optional>
#include <QString>

namespace clavora {

class DictationPanelView;

// The typing beside the written transcription after a dictation: the question when the playback
// stops, and the showing of the transcription. Nothing is counted or stored.
class TranscriptionComparison final
{
public:
    using TextResources = std::function<std::optional<QString>(int number)>;

    explicit TranscriptionComparison(TextResources resources) : m_resources(std::move(resources)) {}

    // Asks whether to compare unless the user ticked "Don't show this dialog again." before.
    bool OfferComparison(DictationPanelView& view);
    // Puts the dictation's transcription beside the typing.
    void ShowTranscription(DictationPanelView& view, int key);
    void HideTranscription(DictationPanelView& view);
    // Empties the transcription box.
    void Clear(DictationPanelView& view);

    bool IsShown() const { return m_shown; }
    bool DontAskToCompare() const { return m_dontAskToCompare; }
    const QString& Transcription() const { return m_transcription; }

private:
    TextResources m_resources;
    QString m_transcription;
    bool m_shown = false;
    bool m_dontAskToCompare = false;
};

} // namespace clavora
