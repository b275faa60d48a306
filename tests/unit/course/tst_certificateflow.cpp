// The course certificate through the course: offered once after the last lesson when every
// section is complete, printed again from the menu, and failures told in words.
#include "app/CertificateFlow.h"
#include "app/CertificateView.h"
#include "app/ExerciseFinisher.h"
#include "app/ProgressController.h"
#include "CourseFixture.h"
#include "progress/CertificateOffer.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;
using test::CourseFixture;

namespace {

constexpr int SlowMs = 400; // Bronze without skipping ahead
using Outcome = CertificateView::PrintOutcome;

// Answers the name dialog and the print dialog from a script and keeps what it was shown.
class FakeCertificateView final : public CertificateView
{
public:
    std::optional<QString> AskCertificateName(const QString& userName,
                                              const RecordForName& recordFor) override
    {
        askedNames.append(userName);
        previewed = recordFor(userName);
        return name;
    }
    Outcome PrintCertificate(const CertificateRecord& record) override
    {
        printed.append(record);
        return outcome;
    }

    std::optional<QString> name;
    Outcome outcome = Outcome::Printed;
    QStringList askedNames;
    CertificateRecord previewed;
    QList<CertificateRecord> printed;
};

void FinishLastLesson(CourseFixture& f)
{
    f.SetEntry(28);
    f.RunCurrentEntry(SlowMs);
}

bool MenuEnabled(CourseFixture& f)
{
    return f.controller->LastCommandStates().menuItems.value(Command::CompletionCertificate);
}

} // namespace

class CertificateFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    void lastLesson_offersTheCertificateOnce_data()
    {
        QTest::addColumn<QString>("name"); // none: the name dialog is cancelled
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("prints");
        QTest::addColumn<QString>("message");
        QTest::addRow("printed") << u"Ann Example"_s << int(Outcome::Printed) << 1 << QString();
        QTest::addRow("name dialog cancelled") << QString() << int(Outcome::Printed) << 0 << QString();
        QTest::addRow("print dialog cancelled")
            << u"Ann"_s << int(Outcome::Cancelled) << 1 << CertificateFlow::NotPrintedMessage;
        QTest::addRow("printer failed")
            << u"Ann"_s << int(Outcome::Failed) << 1 << CertificateFlow::PrintFailedMessage;
    }
    void lastLesson_offersTheCertificateOnce()
    {
        QFETCH(QString, name);
        QFETCH(int, outcome);
        QFETCH(int, prints);
        QFETCH(QString, message);
        CourseFixture f;
        FakeCertificateView certificates;
        if (!name.isEmpty())
            certificates.name = name;
        certificates.outcome = Outcome(outcome);
        f.controller->Progress().Certificates().Attach(certificates);
        f.clock.SetEpochSeconds(QDateTime(QDate(2024, 3, 22), QTime(12, 0)).toSecsSinceEpoch());
        f.Profile().Set(Profile::IsUsingA4Paper, true);
        f.StoreSections(-1);
        QVERIFY(!MenuEnabled(f));

        FinishLastLesson(f);
        QCOMPARE(certificates.askedNames, QStringList{CourseFixture::UserName});
        QCOMPARE(certificates.previewed.personName, CourseFixture::UserName);
        QCOMPARE(certificates.printed.size(), prints);
        if (prints == 1) {
            const CertificateRecord& record = certificates.printed.first();
            QCOMPARE(record.personName, name);
            QCOMPARE(record.courseTitle, u"Clavora Typing Course"_s);
            QCOMPARE(record.paper, PaperForm::A4);
            QCOMPARE(record.date, QDate(2024, 3, 22));
        }
        // The offer takes the place of the course-end message; any print trouble is told instead.
        const QStringList expected =
            message.isEmpty() ? QStringList() : QStringList{u"Clavora: "_s + message};
        QCOMPARE(f.view.messages_, expected);
        QVERIFY(f.Profile().Get(Profile::AwardCertOffered));
        QVERIFY(MenuEnabled(f));
        // The course dialog still follows, with nothing left to start or skip to.
        QCOMPARE(f.view.finishedDialogs_.size(), size_t(1));
        QCOMPARE(f.Course().CurrentEntry(), 29);
        QCOMPARE(f.LastDialog().buttons.size(), 1);
        QCOMPARE(f.LastDialog().buttons.front().commandId, int(Command::CourseRepeat));
        QVERIFY(!f.controller->LastCommandStates().menuItems.value(Command::MenuLessonsStart));

        FinishLastLesson(f);
        QCOMPARE(certificates.askedNames.size(), 1);
        // The menu command asks again, but never while an exercise runs.
        f.controller->OnCommand(Command::CompletionCertificate);
        QCOMPARE(certificates.askedNames.size(), 2);
        f.SetEntry(1);
        f.controller->OnCommand(Command::CourseStart);
        QVERIFY(f.controller->IsBusy());
        f.controller->OnCommand(Command::CompletionCertificate);
        QCOMPARE(certificates.askedNames.size(), 2);
    }

    void incompleteCourse_noOffer_data()
    {
        QTest::addColumn<int>("missingSection");
        QTest::addColumn<bool>("reachedEnd");
        QTest::addColumn<int>("eligibility");
        QTest::addRow("symbols missing") << 5 << true << 21;
        QTest::addRow("home row missing") << 0 << true << 1;
        QTest::addRow("complete, end not reached") << -1 << false << -1;
    }
    void incompleteCourse_noOffer()
    {
        QFETCH(int, missingSection);
        QFETCH(bool, reachedEnd);
        CourseFixture f;
        FakeCertificateView certificates;
        f.controller->Progress().Certificates().Attach(certificates);
        f.StoreSections(missingSection);
        f.StoreBronze(1025); // the keypad section
        if (reachedEnd) {
            FinishLastLesson(f);
            QVERIFY(f.Profile().Get(Profile::HasReachedCourseEnd));
            QCOMPARE(f.Course().CurrentEntry(), 1 + 4 * missingSection); // back to the gap
            QCOMPARE(f.view.messages_, QStringList{ExerciseFinisher::CourseEndTitle + u": "_s +
                                                   ExerciseFinisher::CourseEndMessage});
        } else {
            f.SetEntry(27);
            f.RunCurrentEntry(SlowMs);
        }
        QTEST(CertificateOffer::CertificateEligibility(f.Results()), "eligibility");
        QVERIFY(certificates.askedNames.isEmpty());
        QVERIFY(!f.Profile().Get(Profile::AwardCertOffered));
        QVERIFY(!MenuEnabled(f));
    }
};

QTEST_GUILESS_MAIN(CertificateFlowTest)

#include "tst_certificateflow.moc"
