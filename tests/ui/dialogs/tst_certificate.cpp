// The course certificate printed to PDF and read back with poppler's pdftotext, and its name dialog.
#include "dialogs/CertificateDialog.h"
#include "dialogs/CertificatePage.h"
#include "dialogs/CertificatePreview.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace Qt::StringLiterals;

namespace {

// Every printed word with its box in points from the sheet's top left.
using Words = QList<std::pair<QString, QRectF>>;

// The box of a text's words in a row as printed; empty when the text is not on the page.
QRectF BoxOf(const Words& words, const QString& text)
{
    const QStringList wanted = text.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + wanted.size() <= words.size(); ++i) {
        QRectF box;
        qsizetype k = 0;
        for (; k < wanted.size() && words[i + k].first == wanted[k]; ++k)
            box = box.united(words[i + k].second);
        if (k == wanted.size())
            return box;
    }
    return {};
}

} // namespace

class CertificateTest final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void printedPage_placesTheFiveTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QDate>("date");
        QTest::addRow("letter") << u"Ann Example"_s << false << QDate(2024, 9, 21);
        QTest::addRow("A4") << u"Ann Example"_s << true << QDate(2031, 1, 2);
        QTest::addRow("A4, the longest month") << u"Ann"_s << true << QDate(2030, 9, 23);
        QTest::addRow("a name wider than the page") << QString(300, u'W') << false << QDate(2024, 2, 29);
    }
    void printedPage_placesTheFiveTexts()
    {
        QFETCH(QString, name);
        QFETCH(bool, a4);
        QFETCH(QDate, date);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const CertificateRecord record = CertificateRecord::For(name, a4, date);
        QCOMPARE(record.personName.size(), std::min<qsizetype>(name.size(), 259));
        const QString pdf = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()) + u".pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        CertificatePage::SetUpPrinter(printer, record.paper);
        QVERIFY(CertificatePage::Print(printer, record));

        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // Landscape sheets of the chosen paper.
        QVERIFY(html.contains(a4 ? u"<page width=\"842.00"_s : u"<page width=\"792.00"_s));
        static const QRegularExpression wordTag(
            u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
            u"yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
        Words words;
        for (auto it = wordTag.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            const auto at = [&m](int i) { return m.captured(i).toDouble(); };
            words.append({m.captured(5), QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4)))});
        }

        const QRectF page = printer.pageLayout().paintRect(QPageLayout::Point);
        const std::pair<QString, CertificatePage::Placement> texts[] = {
            {record.personName, CertificatePage::NamePlace},
            {record.DayText(), CertificatePage::DayPlace},
            {record.MonthText(), CertificatePage::MonthPlace},
            {record.YearText(), CertificatePage::YearPlace},
            {record.courseTitle, CertificatePage::CoursePlace}};
        QRectF previous;
        for (const auto& [text, place] : texts) {
            const QRectF box = BoxOf(words, text);
            QVERIFY2(!box.isNull(), qPrintable(text));
            // The day's leading pad space is no printed word: half a space is allowed.
            QVERIFY2(qAbs(box.center().x() - (page.left() + place.centreX * page.width())) <
                         0.008 * page.width(),
                     qPrintable(text));
            QVERIFY2(qAbs(box.top() - (page.top() + place.top * page.height())) < 0.012 * page.height(),
                     qPrintable(text));
            // Nothing runs off the frame, and the date texts stand apart in their order.
            QVERIFY(box.width() <= 0.8 * page.width() + 1);
            if (place.top == CertificatePage::DayPlace.top &&
                place.centreX != CertificatePage::DayPlace.centreX)
                QVERIFY2(box.left() > previous.right(), qPrintable(text));
            previous = box;
        }
        // 20 points high (a word's box is a little taller than the size).
        const double courseHeight = BoxOf(words, record.courseTitle).height();
        QVERIFY2(courseHeight > 18 && courseHeight < 26, qPrintable(QString::number(courseHeight)));
    }

    void nameDialog_okOnlyForAVisibleFirstCharacter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("the user's name") << u"Ann"_s << true;
        QTest::addRow("empty") << QString() << false;
        QTest::addRow("leading space") << u" Ann"_s << false;
        QTest::addRow("leading no-break space") << u"\u00A0Ann"_s << false;
        QTest::addRow("leading zero-width space") << u"\u200BAnn"_s << false;
        QTest::addRow("leading combining accent") << u"\u0301Ann"_s << false;
        QTest::addRow("beyond the basic plane") << u"\U0001D400nn"_s << true;
        QTest::addRow("lone surrogate") << QString(QChar(0xD800)) << false;
    }
    void nameDialog_okOnlyForAVisibleFirstCharacter()
    {
        QFETCH(QString, name);
        CertificateDialog dialog(
            u"Ann"_s, [](const QString& n) { return CertificateRecord::For(n, true, QDate(2024, 9, 21)); });
        QVERIFY(dialog.OkButton()->isEnabled());
        dialog.NameField()->setText(name);
        QTEST(dialog.OkButton()->isEnabled(), "enabled");
        // The miniature follows the name.
        QCOMPARE(dialog.Preview()->Record().personName, name);
    }
};

QTEST_MAIN(CertificateTest)

#include "tst_certificate.moc"
