#include "audio/widgets/DictationView.h"

#include "audio/DictationPlayer.h"
#include "audio/widgets/DictationSelectDialog.h"
#include "gui/ProgressWindow.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace clavora {

const QString DictationView::CompareQuestion =
    QStringLiteral("Would you like to compare your typing with the transcription?");

namespace {

// Closes the progress window when the download is over.
class DownloadProgress final : public ProgressReporter
{
public:
    DownloadProgress(const Clock& clock, const QString& title, QWidget* parent)
        : m_window(clock, title, true, parent)
    {}
    ~DownloadProgress() override { m_window.Finish(); }

    bool IsCancelled() override { return m_window.IsCancelled(); }
    void SetStatus(const QString& text) override { m_window.SetStatus(text); }
    void SetFraction(double fraction) override { m_window.SetFraction(fraction); }
    void ReportError(const QString& text) override { m_window.ReportError(text); }

private:
    ProgressWindow m_window;
};

} // namespace

DictationView::DictationView(const Clock& clock, QWidget* parent) : QWidget(parent), m_clock(clock) {}

void DictationView::EnsureBoxes()
{
    // Built when first needed: most sessions never open the dictation view.
    if (m_typing)
        return;
    m_typing = new QPlainTextEdit(this);
    m_transcription = new QPlainTextEdit(this);
    for (QPlainTextEdit* box : {m_typing, m_transcription}) {
        box->setFrameShape(QFrame::StyledPanel);
        box->setFrameShadow(QFrame::Sunken);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(false);
    }
    m_typing->setPlaceholderText(QStringLiteral("[Start typing here]"));
    m_transcription->setReadOnly(true);
    m_transcription->hide();
    ApplyFont();
    LayOut(m_transcriptionShown);
}

void DictationView::SetFontSize(int pixels)
{
    m_fontPixels = pixels > 0 ? pixels : DefaultFontPixels;
    if (m_typing)
        ApplyFont();
}

void DictationView::ApplyFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(m_fontPixels);
    font.setWeight(QFont::Normal);
    m_typing->setFont(font);
    m_transcription->setFont(font);
}

QPlainTextEdit* DictationView::TypingBox()
{
    EnsureBoxes();
    return m_typing;
}

QPlainTextEdit* DictationView::TranscriptionBox()
{
    EnsureBoxes();
    return m_transcription;
}

std::optional<qsizetype> DictationView::RunSelection(const QList<DictationRow>& rows)
{
    return DictationSelectDialog::Run(rows, this);
}

std::unique_ptr<ProgressReporter> DictationView::OpenDownloadProgress(const QString& windowTitle)
{
    return std::make_unique<DownloadProgress>(m_clock, windowTitle, window());
}

void DictationView::ShowMessage(MessageIcon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, caption,
                    text, QMessageBox::Ok, window());
    box.exec();
}

bool DictationView::AskToCompare(bool& dontAskAgain)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Dictation"), CompareQuestion,
                    QMessageBox::NoButton, window());
    QPushButton* compare = box.addButton(QStringLiteral("Compare"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Don't Compare"), QMessageBox::NoRole);
    box.setDefaultButton(compare);
    auto* check = new QCheckBox(QStringLiteral("Don't show this dialog again."));
    check->setChecked(dontAskAgain);
    box.setCheckBox(check);
    box.exec();
    dontAskAgain = check->isChecked();
    return box.clickedButton() == compare;
}

void DictationView::ClearTyping()
{
    TypingBox()->clear();
}

void DictationView::SetTranscription(const QString& text)
{
    TranscriptionBox()->setPlainText(text);
}

void DictationView::LayOut(bool transcriptionShown)
{
    m_transcriptionShown = transcriptionShown;
    EnsureBoxes();
    const DictationPlayer::Layout layout = DictationPlayer::LayoutFor(size(), transcriptionShown);
    m_typing->setGeometry(layout.typing);
    m_transcription->setGeometry(layout.transcription);
    m_transcription->setVisible(transcriptionShown);
}

void DictationView::FocusTyping()
{
    TypingBox()->setFocus();
}

void DictationView::showEvent(QShowEvent* event)
{
    EnsureBoxes();
    QWidget::showEvent(event);
}

void DictationView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_typing)
        LayOut(m_transcriptionShown);
}

} // namespace clavora
