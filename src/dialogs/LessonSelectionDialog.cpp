#include "dialogs/LessonSelectionDialog.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/PlainLines.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace clavora {

namespace {

// Column widths in average characters; the title takes the rest.
constexpr int NumberWidth = 6;
constexpr int SpeedWidth = 15;
constexpr int AwardWidth = 10;
constexpr int TitleWidth = 30;
constexpr int Padding = 12;

QPlainTextEdit* ReadOnlyField(const QString& placeholder)
{
    auto* field = new QPlainTextEdit;
    field->setReadOnly(true);
    field->setPlaceholderText(placeholder);
    return field;
}

// A round mark in the award's colour; none for no award.
QIcon AwardMark(const QString& award)
{
    static const QHash<QString, QColor> colours{{QStringLiteral("Bronze"), QColor(199, 123, 48)},
                                                {QStringLiteral("Silver"), QColor(160, 162, 170)},
                                                {QStringLiteral("Gold"), QColor(226, 177, 0)},
                                                {QStringLiteral("Platinum"), QColor(110, 170, 200)}};
    const QColor colour = colours.value(award.section(u' ', 0, 0));
    if (!colour.isValid())
        return {};
    QPixmap mark(28, 28); // drawn at twice the size, sharp on high-DPI screens
    mark.setDevicePixelRatio(2.0);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return QIcon(mark);
}

} // namespace

const QString LessonSelectionDialog::HelpTopic = QStringLiteral("exercises_lessons");

LessonSelectionDialog::LessonSelectionDialog(LessonSelectionList lessons, OpenHelp openHelp, QWidget* parent)
    : QDialog(parent), m_lessons(std::move(lessons)), m_list(new QTreeWidget),
      m_description(ReadOnlyField(QStringLiteral("Choose a lesson to read what it teaches."))),
      m_preview(ReadOnlyField(QStringLiteral("The lesson's text shows here."))),
      m_buttons(
          new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help))
{
    setWindowTitle(QStringLiteral("Select Lesson"));
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({QString(), QStringLiteral("Title"), QStringLiteral("Latest Net WPM"),
                             QStringLiteral("Best Net WPM"), QStringLiteral("Award"), QString()});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setIndentation(12);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setColumnHidden(KeyColumn, true);
    // Wide enough for the header and the longest value, whatever the font.
    const QFontMetrics metrics = m_list->fontMetrics();
    const auto widthOf = [&metrics](int characters, const QString& widest) {
        return std::max(characters * metrics.averageCharWidth(),
                        metrics.horizontalAdvance(widest) + 2 * Padding);
    };
    m_list->setColumnWidth(NumberColumn, widthOf(NumberWidth, QStringLiteral("28")));
    m_list->setColumnWidth(TitleColumn, widthOf(TitleWidth, QString()));
    m_list->setColumnWidth(LatestColumn, widthOf(SpeedWidth, QStringLiteral("Latest Net WPM")));
    m_list->setColumnWidth(BestColumn, widthOf(SpeedWidth, QStringLiteral("Best Net WPM")));
    m_list->setColumnWidth(AwardColumn, widthOf(AwardWidth, QStringLiteral("Platinum")));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    // Lessons are grouped by their section, the part of the title before the colon.
    QTreeWidgetItem* section = nullptr;
    for (qsizetype index = 0; index < m_lessons.rows.size(); ++index) {
        const LessonProgressRow& row = m_lessons.rows.at(index);
        const QString sectionName = row.title.section(u':', 0, 0).trimmed();
        if (!section || section->text(NumberColumn) != sectionName) {
            section = new QTreeWidgetItem(m_list, QStringList{sectionName});
            section->setFlags(Qt::ItemIsEnabled);
            section->setFirstColumnSpanned(true);
            QFont bold = m_list->font();
            bold.setBold(true);
            section->setFont(NumberColumn, bold);
        }
        auto* item = new QTreeWidgetItem(section, QStringList{row.number, row.title, row.latestNetWpm,
                                                              row.bestNetWpm, row.award, row.keyText});
        for (int column : {LatestColumn, BestColumn})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        item->setIcon(AwardColumn, AwardMark(row.award));
        item->setData(NumberColumn, Qt::UserRole, int(index));
        m_items.append(item);
    }
    m_list->expandAll();

    m_description->setMaximumHeight(fontMetrics().height() * 4);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TidyDialogButtons(m_buttons);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Description:")));
    texts->addWidget(m_description);
    texts->addWidget(new QLabel(QStringLiteral("Preview:")));
    texts->addWidget(m_preview, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_list, 3);
    body->addLayout(texts, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_buttons);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &LessonSelectionDialog::ShowSelectedTexts);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Choice())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Choice())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons, &QDialogButtonBox::helpRequested, this, [openHelp] {
        if (openHelp)
            openHelp(HelpTopic);
    });

    if (QTreeWidgetItem* current = LessonItem(m_lessons.currentRow)) {
        m_list->setCurrentItem(current);
        m_list->scrollToItem(current, QAbstractItemView::PositionAtCenter);
    }
    ShowSelectedTexts();
    m_list->setFocus();
    resize(980, 560);
}

void LessonSelectionDialog::ShowSelectedTexts()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    const int row = selected.size() == 1 ? selected.first()->data(NumberColumn, Qt::UserRole).toInt() : -1;
    const bool valid = row >= 0 && row < m_lessons.descriptions.size() && row < m_lessons.previews.size();
    m_description->setPlainText(valid ? m_lessons.descriptions.at(row) : QString());
    m_preview->setPlainText(valid ? PlainLines(m_lessons.previews.at(row)) : QString());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(selected.size() == 1);
}

std::optional<ExerciseChoice> LessonSelectionDialog::Choice() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.size() != 1)
        return std::nullopt;
    return ExerciseChoice{selected.first()->text(KeyColumn), selected.first()->text(TitleColumn)};
}

std::optional<ExerciseChoice> LessonSelectionDialog::Run(const LessonSelectionList& lessons,
                                                         OpenHelp openHelp, QWidget* parent)
{
    LessonSelectionDialog dialog(lessons, std::move(openHelp), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

} // namespace clavora
