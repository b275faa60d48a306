#pragma once

#include "audio/DictationPanelView.h"
#include "content/ProgressReporter.h"

#include <QStringList>

namespace clavora::test {

// A dictation panel that records what the logic showed and answers from a script.
class FakeDictationPanel final : public DictationPanelView
{
public:
    // Cancels once asked more than cancelAfter_ times (never when negative).
    struct Progress final : ProgressReporter
    {
        explicit Progress(FakeDictationPanel& owner) : panel(owner) {}
        bool IsCancelled() override { return panel.cancelAfter_ >= 0 && ++checks > panel.cancelAfter_; }
        void SetStatus(const QString& text) override { panel.progressStatus_ = text; }
        void SetFraction(double) override {}
        void ReportError(const QString&) override {}
        FakeDictationPanel& panel;
        int checks = 0;
    };

    std::optional<qsizetype> RunSelection(const QList<DictationRow>& rows) override
    {
        rows_ = rows;
        const auto chosen =
            std::find_if(rows.cbegin(), rows.cend(), [this](auto& row) { return row.key == choose_; });
        return chosen == rows.cend() ? std::nullopt : std::optional<qsizetype>(chosen - rows.cbegin());
    }
    std::unique_ptr<ProgressReporter> OpenDownloadProgress(const QString&) override
    {
        ++downloads_;
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
    void ClearTyping() override {}
    void SetTranscription(const QString& text) override { transcription_ = text; }
    void LayOut(bool shown) override { transcriptionShown_ = shown; }
    void FocusTyping() override {}

    QString choose_;
    int cancelAfter_ = -1;
    bool answerCompare_ = true;
    bool tickDontAsk_ = false;
    QList<DictationRow> rows_;
    int downloads_ = 0;
    QString progressStatus_;
    QStringList messages_;
    int questions_ = 0;
    QString transcription_;
    bool transcriptionShown_ = false;
};

} // namespace clavora::test
