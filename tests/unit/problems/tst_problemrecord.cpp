#include "progress/ProblemRecord.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace clavora;

class TestProblemRecord final : public QObject
{
    Q_OBJECT

private slots:
    void encode_escapesEveryByteOutsideTheSafeSet_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::addRow("safe characters stay") << u"aZ09-_.!~"_s << QByteArray("Word=aZ09-_.!~");
        QTest::addRow("space and separators") << u"a b&c=d%"_s << QByteArray("Word=a%20b%26c%3Dd%25");
        QTest::addRow("brackets and quotes") << u"(\"x'*)"_s << QByteArray("Word=%28%22x%27%2A%29");
        QTest::addRow("two-byte UTF-8, upper-case hex") << u"café"_s << QByteArray("Word=caf%C3%A9");
        QTest::addRow("line feed") << u"\n"_s << QByteArray("Word=%0A");
        QTest::addRow("surrogate pair as four bytes") << u"\U0001F600"_s << QByteArray("Word=%F0%9F%98%80");
    }

    void encode_escapesEveryByteOutsideTheSafeSet()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, encoded);
        ProblemRecord record;
        record.SetValue(u"Word"_s, value);
        QCOMPARE(record.Encode(), encoded);
    }

    void decode_roundTripsAnyText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addRow("empty value") << QString();
        QTest::addRow("percent signs") << u"%%41%"_s;
        QTest::addRow("every separator") << u" \t\n\v\f\r-;.,?/\\&="_s;
        QTest::addRow("nul character") << QString(QChar(0));
        QTest::addRow("non-Latin") << u"Ελληνικά日本語"_s;
    }

    void decode_roundTripsAnyText()
    {
        QFETCH(QString, value);
        ProblemRecord record;
        record.SetValue(u"Word"_s, value);
        record.SetValue(u"DateTime"_s, u"2024-03-01 12:00:05"_s);
        record.SetValue(u"Reason"_s, u"Wrong"_s);
        const std::optional<ProblemRecord> decoded = ProblemRecord::Decode(record.Encode());
        QVERIFY(decoded);
        QCOMPARE(*decoded, record);
        QCOMPARE(decoded->Value(u"Word"_s), value);
    }

    void decode_acceptsLowerCaseHexAndPlainBytes()
    {
        const std::optional<ProblemRecord> record =
            ProblemRecord::Decode("Word=caf%c3%a9 au+lait&Reason=Wrong");
        QVERIFY(record);
        QCOMPARE(record->Value(u"Word"_s), u"café au+lait"_s);
        QCOMPARE(record->Value(u"Reason"_s), u"Wrong"_s);
        QVERIFY(!record->Has(u"DateTime"_s));
        QCOMPARE(record->Value(u"DateTime"_s), QString());
    }

    void decode_refusesDamagedRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("bad hex digit") << QByteArray("Word=%G1");
        QTest::addRow("lone percent") << QByteArray("Word=abc%");
        QTest::addRow("escape cut short") << QByteArray("Word=abc%4");
        QTest::addRow("truncated in a name") << QByteArray("Word=there&DateTi");
        QTest::addRow("missing name") << QByteArray("=there");
        QTest::addRow("trailing separator") << QByteArray("Word=there&");
        QTest::addRow("escaped byte not UTF-8") << QByteArray("Word=%FF");
        QTest::addRow("raw byte not UTF-8") << QByteArray("Word=caf\xe9");
        QTest::addRow("escaped surrogate half") << QByteArray("Word=%ED%A0%80");
        QTest::addRow("larger than any record")
            << QByteArray("Word=") + QByteArray(ProblemRecord::MaxEncodedSize, 'a');
    }

    void decode_refusesDamagedRecords()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!ProblemRecord::Decode(bytes));
    }

    void decode_firstOfTwoEqualNamesCounts()
    {
        const std::optional<ProblemRecord> record = ProblemRecord::Decode("Char=a&Char=b&ErrorCount=3");
        QVERIFY(record);
        QCOMPARE(record->Value(u"Char"_s), u"a"_s);
        ProblemRecord updated = *record;
        updated.SetValue(u"ErrorCount"_s, u"4"_s);
        QCOMPARE(updated.Encode(), QByteArray("Char=a&Char=b&ErrorCount=4"));
    }
};

QTEST_GUILESS_MAIN(TestProblemRecord)
#include "tst_problemrecord.moc"
