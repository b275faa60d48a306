#include "audio/TranscriptionComparison.h"

#include "audio/DictationPanelView.h"

namespace clavora {

bool TranscriptionComparison::OfferComparison(DictationPanelView& view)
{
    if (m_dontAskToCompare)
        return false;
    bool dontAsk = false;
    const bool compare = view.AskToCompare(dontAsk);
    m_dontAskToCompare = dontAsk;
    return compare;
}

void TranscriptionComparison::ShowTranscription(DictationPanelView& view, int key)
{
    m_shown = true;
    const std::optional<QString> text = m_resources ? m_resources(key) : std::nullopt;
    if (!text)
        view.ShowMessage(MessageIcon::Error, QStringLiteral("Dictation"),
                         QStringLiteral("Error loading transcription text."));
    // The resources keep Windows line ends; the box wants one line feed per line.
    m_transcription = text.value_or(QString()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    view.SetTranscription(m_transcription);
    view.LayOut(true);
}

void TranscriptionComparison::HideTranscription(DictationPanelView& view)
{
    m_shown = false;
    view.LayOut(false);
}

void TranscriptionComparison::Clear(DictationPanelView& view)
{
    m_transcription.clear();
    view.SetTranscription(QString());
}

} // namespace clavora
