#pragma once

#include "audio/DictationPanelView.h"
#include "content/ProgressReporter.h"

#include <deque>
#include <QStringList>

namespace clavora::test {

// A dictation panel that records what the logic showed and answers from a script.
class FakeDictationPanel final : public DictationPanelView
{
public:
    // Cancels when asked for the cancelCheck-th time (never when negative).
    class Progress final : public ProgressReporter
    {
    public:
        Progress(FakeDictationPanel& panel) : m_panel(panel) {}
        bool IsCancelled() override { return m_panel.cancelAfter_ >= 0 && ++m_checks > m_panel.cancelAfter_; }
        void SetStatus(const QString& text) override { m_panel.progressStatus_ = text; }
        void SetFraction(double) override {}
        void ReportError(const QString&) override {}

    private:
        FakeDictationPanel& m_panel;
        int m_checks = 0;
    };

    std::optional<qsizetype> RunSelection(const QList<DictationRow>& rows) override
    {
        rows_ = rows;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i].key == choose_)
                return i;
        }
        return std::nullopt;
    }
    std::unique_ptr<ProgressReporter> OpenDownloadProgress(const QString& title) override
    {
        progressTitles_.append(title);
        return std::make_unique<Progress>(*this);
    }
    void ShowMessage(MessageIcon, const QString& caption, const QString& text) override
    {
        messages_.append(caption + QStringLiteral(": ") + text);
    }
    bool AskToCompare(bool& dontAskAgain) override
    {
        ++questions_;
        dontAskAgain = tickDontAsk_;
        return answerCompare_;
    }
    void ClearTyping() override { typing_.clear(); }
    void SetTranscription(const QString& text) override { transcription_ = text; }
    void LayOut(bool shown) override { transcriptionShown_ = shown; }
    void FocusTyping() override { ++focusCalls_; }

    QString choose_;
    int cancelAfter_ = -1;
    bool answerCompare_ = true;
    bool tickDontAsk_ = false;
    QList<DictationRow> rows_;
    QStringList progressTitles_;
    QString progressStatus_;
    QStringList messages_;
    int questions_ = 0;
    QString typing_ = QStringLiteral("typed before");
    QString transcription_;
    bool transcriptionShown_ = false;
    int focusCalls_ = 0;
};

} // namespace clavora::test
