#include "app/CommandIds.h"
#include "app/MainController.h"
#include "app/widgets/MainWindow.h"
#include "progress/ChartSeries.h"
#include "progress/ResultsStore.h"
#include "progress/widgets/GoalDialog.h"
#include "progress/widgets/ProgressChart.h"
#include "progress/widgets/ReportsDialog.h"
#include "progress/widgets/ResultsView.h"
#include "ProgressHistorySeed.h"
#include "TestClock.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

const QColor LessonColour(31, 54, 192);

ChartSeries FlatLessons(int points)
{
    ChartSeries series{u"Lessons"_s, session::Kind::Lesson, false, {}};
    for (int i = 0; i < points; ++i) {
        HistoryPoint point;
        point.timestamp = 1717200000 + i * 86400;
        point.value = 30.0f;
        series.history.points.append(point);
    }
    series.history.maximum = 30.0;
    return series;
}

// The longest run of pixels of this colour in one column.
int LongestRunInColumn(const QImage& image, int x, const QColor& colour)
{
    int longest = 0;
    int run = 0;
    for (int y = 0; y < image.height(); ++y) {
        run = image.pixelColor(x, y) == colour ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

class ResultsViewTest : public QObject
{
    Q_OBJECT

private slots:
    void chart_drawsTheGridAndASharpLinePerShownSeries_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("1x") << 1.0;
        QTest::addRow("2x") << 2.0;
    }

    void chart_drawsTheGridAndASharpLinePerShownSeries()
    {
        QFETCH(qreal, ratio);
        ProgressChart chart;
        chart.resize(800, 400);
        chart.SetSeries({FlatLessons(12), ChartSeries{u"Tests"_s, 5, false, {}}});
        QImage image(chart.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        chart.render(&image);
        const int middle = image.width() / 2;
        // The flat line crosses the middle column as a solid run two logical pixels thick.
        QVERIFY2(LongestRunInColumn(image, middle, LessonColour) >= int(ratio),
                 qPrintable(QString::number(LongestRunInColumn(image, middle, LessonColour))));
        // The fixed grid: 49 vertical hairlines across the plot, below the line.
        int gridColumns = 0;
        const int row = int(image.height() * 0.8);
        for (int x = 0; x < image.width(); ++x)
            gridColumns += image.pixelColor(x, row) == QColor(250, 250, 250) ? 1 : 0;
        QVERIFY2(gridColumns >= 49, qPrintable(QString::number(gridColumns)));

        chart.SetSeriesShown(0, false);
        image.fill(Qt::black);
        chart.render(&image);
        QCOMPARE(LongestRunInColumn(image, middle, LessonColour), 0);
    }

    void chart_survivesNoDataOnePointAndTinySizes()
    {
        ProgressChart chart;
        for (const QSize size : {QSize(1, 1), QSize(120, 40), QSize(900, 500)}) {
            chart.resize(size);
            for (const int points : {0, 1, 3000}) {
                chart.SetSeries({FlatLessons(points)});
                QImage image(size, QImage::Format_ARGB32_Premultiplied);
                chart.render(&image);
                QTest::mouseMove(&chart, QPoint(size.width() / 2, size.height() / 2));
            }
        }
    }

    void resultsTab_showsTheUsersPanelSummaryAndHistory()
    {
        test::TestRegistry registry;
        SettingsStore& settings = registry.settings;
        settings.WriteText(u"Settings"_s, u"FirstRun"_s, u"0"_s);
        QVERIFY(settings.CreateUser(u"Rosa"_s, 6) && settings.CreateUser(u"Mateo"_s, 6));
        QVERIFY(settings.SelectUser(u"Rosa"_s));
        test::SeedProgressHistory(settings);
        settings.WriteUserInt(u"GoalWPM"_s, 45);
        settings.WriteResultsText(u"NextExercise"_s, u"Top Row: Overview"_s);
        test::TestClock clock;
        MainController controller(settings, clock, registry.Path());
        MainWindow window(controller);
        window.Create();
        window.resize(1400, 820);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        controller.OnCommand(Command::TabResults);

        auto* view = window.findChild<ResultsView*>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->UserList()->itemText(0), ResultsView::AddUserItem);
        QCOMPARE(view->UserList()->currentText(), u"Rosa"_s);
        QCOMPARE(view->UserTypeList()->currentText(), u"Adult Improving"_s);
        const QList<ChartSeries>& series = view->Chart()->Series();
        QCOMPARE(series.size(), 5);
        QCOMPARE(series[0].history.points.size(), 120);
        QCOMPARE(series[4].history.points.size(), 30);
        QStringList texts;
        for (const QLabel* label : view->findChildren<QLabel*>())
            texts.append(label->text());
        QVERIFY(texts.contains(u"45"_s));
        QVERIFY(texts.contains(u"Top Row: Overview"_s));
    }

    void goalDialog_keepsAGoalOutOfRangeOpen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("0") << u"0"_s << false;
        QTest::addRow("1") << u"1"_s << true;
        QTest::addRow("200") << u"200"_s << true;
        QTest::addRow("201") << u"201"_s << false;
    }

    void goalDialog_keepsAGoalOutOfRangeOpen()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        GoalDialog dialog(GoalRules::Setup(false, false, 0, 0));
        QCOMPARE(dialog.Goal(), 30);
        dialog.show();
        dialog.GoalField()->selectAll();
        QTest::keyClicks(dialog.GoalField(), typed);
        dialog.accept();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        if (!accepted)
            QVERIFY(QToolTip::text().contains(u"Please enter a valid WPM between 1 and 200"_s));
        QCOMPARE(dialog.Goal(), typed.toInt());
    }

    void reportsDialog_renamesAndDeletesWithItsQuestions()
    {
        QTemporaryDir dir;
        for (const QString& name : {u"2024-06-01.csv"_s, u"2024-06-02.csv"_s, u"2024-06-03.csv"_s})
            QVERIFY(test::WriteFile(dir.filePath(name), {}));
        ReportsDialog dialog(ReportFolder(dir.path()));
        QStringList asked;
        QStringList told;
        bool answer = true;
        dialog.SetAsker([&](const QString& title, const QString&, const QString&, const QString&) {
            asked.append(title);
            return answer;
        });
        dialog.SetTeller([&](const QString& title, const QString&, bool) { told.append(title); });
        dialog.resize(560, 360);
        dialog.show();
        QTreeWidget* list = dialog.List();
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(0), u"2024-06-03.csv"_s); // newest first

        QTreeWidgetItem* item = list->topLevelItem(0);
        dialog.RenameItem(item, u"week.txt"_s);
        QVERIFY(QToolTip::text().contains(u"Please make sure the file extension is .csv"_s));
        dialog.RenameItem(item, u" week.csv"_s);
        QVERIFY(QToolTip::text().contains(u"Please make sure the file name is valid."_s));
        QVERIFY(asked.isEmpty());
        dialog.RenameItem(item, u"2024-06-01.csv"_s); // taken: fails, keeps the old name
        QCOMPARE(told, QStringList{u"Rename Report"_s});
        QCOMPARE(item->text(0), u"2024-06-03.csv"_s);
        dialog.RenameItem(item, u"June week.csv"_s);
        QCOMPARE(item->text(0), u"June week.csv"_s);
        QVERIFY(QFile::exists(dir.filePath(u"June week.csv"_s)));

        list->clearSelection();
        list->topLevelItem(1)->setSelected(true);
        list->topLevelItem(2)->setSelected(true);
        answer = false;
        dialog.DeleteSelected();
        QCOMPARE(list->topLevelItemCount(), 3);
        answer = true;
        QFile::remove(dir.filePath(u"2024-06-01.csv"_s)); // gone already: cannot be deleted
        dialog.DeleteSelected();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(told.last(), u"Files Skipped"_s);
        QCOMPARE(asked, (QStringList{u"Rename Report"_s, u"Rename Report"_s, u"Delete Reports"_s,
                                     u"Delete Reports"_s}));
    }
};

QTEST_MAIN(ResultsViewTest)
#include "tst_resultsview.moc"
