#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace clavora {

class GeneralOptions;

// The options dialog's general page: how exercises run, the exercise font size with its preview,
// and the folder progress reports are saved in.
class GeneralOptionsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralOptionsPage(GeneralOptions& options, QWidget* parent = nullptr);

    // Stores the page; false (with the folder's message shown at Browse) when the folder was
    // refused and the dialog must stay open.
    bool Apply();

    QCheckBox* A4PaperBox() const { return m_a4Paper; }
    QCheckBox* CorrectionsBox() const { return m_corrections; }
    QCheckBox* DoubleSpaceBox() const { return m_doubleSpace; }
    QCheckBox* TimersBox() const { return m_timers; }
    QCheckBox* AnimationsBox() const { return m_animations; }
    QPushButton* LargerButton() const { return m_larger; }
    QPushButton* SmallerButton() const { return m_smaller; }
    QLabel* FontPreview() const { return m_preview; }
    QLineEdit* FolderField() const { return m_folder; }
    QPushButton* BrowseButton() const { return m_browse; }

private:
    void ShowFontSize();
    void Browse();
    bool AskToCreateFolder();

    GeneralOptions& m_options;
    QCheckBox* m_a4Paper;
    QCheckBox* m_corrections;
    QCheckBox* m_doubleSpace;
    QCheckBox* m_timers;
    QCheckBox* m_animations;
    QPushButton* m_larger;
    QPushButton* m_smaller;
    QLabel* m_preview;
    QLabel* m_sizeText;
    QLineEdit* m_folder;
    QPushButton* m_browse;
};

} // namespace clavora
