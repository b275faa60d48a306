// The certificate's date texts and record.
#include "progress/CertificateRecord.h"

#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

class CertificateRecordTest final : public QObject
{
    Q_OBJECT

private slots:
    void dateTexts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        const struct
        {
            int day;
            const char16_t* text;
        } days[] = {{1, u" 1st"},  {2, u" 2nd"},  {3, u" 3rd"},  {4, u" 4th"},  {11, u"11th"}, {12, u"12th"},
                    {13, u"13th"}, {21, u"21st"}, {22, u"22nd"}, {23, u"23rd"}, {31, u"31st"}};
        for (const auto& [day, text] : days)
            QTest::addRow("day %d", day)
                << QDate(2024, 1, day) << QString::fromUtf16(text) << u"January"_s << u"24"_s;
        QTest::addRow("December 2020") << QDate(2020, 12, 30) << u"30th"_s << u"December"_s << u"20"_s;
        QTest::addRow("2000") << QDate(2000, 2, 29) << u"29th"_s << u"February"_s << u"00"_s;
        QTest::addRow("2009") << QDate(2009, 9, 9) << u" 9th"_s << u"September"_s << u"09"_s;
        // Two digits beyond the century too.
        QTest::addRow("2105") << QDate(2105, 5, 5) << u" 5th"_s << u"May"_s << u"05"_s;
    }
    void dateTexts()
    {
        QFETCH(QDate, date);
        const CertificateRecord record = CertificateRecord::For(u"Ann"_s, false, date);
        QTEST(record.DayText(), "day");
        QTEST(record.MonthText(), "month");
        QTEST(record.YearText(), "year");
    }

    void record_invalidDateGivesNoMonthAndNoCrash()
    {
        const CertificateRecord record = CertificateRecord::For(u"Ann"_s, false, QDate());
        QVERIFY(record.MonthText().isEmpty());
        QCOMPARE(record.DayText().size(), 4);
    }
};

QTEST_GUILESS_MAIN(CertificateRecordTest)

#include "tst_certificaterecord.moc"
