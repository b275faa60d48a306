// The course certificate printed to PDF and read back with poppler's pdftotext, and its name dialog.
#include "dialogs/CertificateDialog.h"
#include "dialogs/CertificatePage.h"
#include "dialogs/CertificatePreview.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
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

struct Word
{
    QString text;
    QRectF box; // in points, from the top left of the sheet
};

struct PrintedPage
{
    QSizeF sheet;
    QRectF printable; // the page the texts are placed on, in points
    QList<Word> words;
};

// Prints the record to a PDF file and reads back every word with its box.
PrintedPage PrintAndRead(const CertificateRecord& record, const QString& pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    CertificatePage::SetUpPrinter(printer, record.paper);
    PrintedPage page;
    page.printable = printer.pageLayout().paintRect(QPageLayout::Point);
    if (!CertificatePage::Print(printer, record))
        return page;

    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdfPath, u"-"_s});
    pdftotext.waitForFinished(30000);
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression pageTag(u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""_s);
    static const QRegularExpression wordTag(u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                            u"yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    const auto size = pageTag.match(html);
    if (size.hasMatch())
        page.sheet = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.words.append(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return page;
}

// The box of a text's words in a row as printed; empty when the text is not on the page.
QRectF BoxOf(const PrintedPage& page, const QString& text)
{
    const QStringList wanted = text.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + wanted.size() <= page.words.size(); ++i) {
        QRectF box;
        bool same = true;
        for (qsizetype k = 0; k < wanted.size() && same; ++k) {
            same = page.words[i + k].text == wanted[k];
            box = box.isNull() ? page.words[i + k].box : box.united(page.words[i + k].box);
        }
        if (same)
            return box;
    }
    return {};
}

CertificateRecord Record(const QString& name, bool a4, QDate date)
{
    return CertificateRecord::For(name, a4, date);
}

} // namespace

class CertificateTest final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void printedPage_placesTheFiveTexts_data()
    {
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QDate>("date");
        QTest::addRow("letter") << false << QDate(2024, 9, 21);
        QTest::addRow("A4") << true << QDate(2031, 1, 2);
        QTest::addRow("A4, the longest month") << true << QDate(2030, 9, 23);
    }
    void printedPage_placesTheFiveTexts()
    {
        QFETCH(bool, a4);
        QFETCH(QDate, date);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const CertificateRecord record = Record(u"Ann Example"_s, a4, date);
        const PrintedPage page =
            PrintAndRead(record, m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()) + u".pdf"_s));
        // Landscape sheets of the chosen paper.
        const QSizeF expectedSheet = a4 ? QSizeF(842, 595) : QSizeF(792, 612);
        QVERIFY2(qAbs(page.sheet.width() - expectedSheet.width()) < 1.5,
                 qPrintable(QString::number(page.sheet.width())));
        QVERIFY(qAbs(page.sheet.height() - expectedSheet.height()) < 1.5);

        const struct
        {
            QString text;
            CertificatePage::Placement place;
        } texts[] = {{record.personName, CertificatePage::NamePlace},
                     {record.DayText().trimmed(), CertificatePage::DayPlace},
                     {record.MonthText(), CertificatePage::MonthPlace},
                     {record.YearText(), CertificatePage::YearPlace},
                     {u"Clavora Typing Course"_s, CertificatePage::CoursePlace}};
        const QRectF printable = page.printable;
        QRectF previous;
        for (const auto& [text, place] : texts) {
            const QRectF box = BoxOf(page, text);
            QVERIFY2(!box.isNull(), qPrintable(text));
            const double centreX = printable.left() + place.centreX * printable.width();
            const double top = printable.top() + place.top * printable.height();
            // The day's leading pad space is not a printed word: half a space is allowed.
            QVERIFY2(qAbs(box.center().x() - centreX) < 0.008 * printable.width(), qPrintable(text));
            QVERIFY2(qAbs(box.top() - top) < 0.012 * printable.height(), qPrintable(text));
            // The date texts stand apart, in their order.
            if (place.top == CertificatePage::DayPlace.top && text != record.DayText().trimmed())
                QVERIFY2(box.left() > previous.right(), qPrintable(text));
            previous = box;
        }
        // 20 points high, as the page says (a line box is a little taller than the size).
        const QRectF course = BoxOf(page, u"Clavora Typing Course"_s);
        QVERIFY2(course.height() > 18 && course.height() < 26, qPrintable(QString::number(course.height())));
        QVERIFY(!BoxOf(page, u"CERTIFICATE"_s).isNull());
    }

    void printedPage_longNameShrinksToTheWidth()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString name = QString(CertificateRecord::MaxTextLength + 40, u'W');
        const CertificateRecord record = Record(name, false, QDate(2024, 2, 29));
        QCOMPARE(record.personName.size(), CertificateRecord::MaxTextLength);
        const PrintedPage page = PrintAndRead(record, m_dir.filePath(u"long.pdf"_s));
        const QRectF box = BoxOf(page, record.personName);
        QVERIFY(!box.isNull());
        QVERIFY2(box.width() <= 0.81 * page.printable.width(), qPrintable(QString::number(box.width())));
        QVERIFY(qAbs(box.center().x() - page.printable.center().x()) < 2.0);
    }

    void nameDialog_okOnlyForAVisibleFirstCharacter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addRow("the user's name") << u"Ann"_s << true;
        QTest::addRow("empty") << QString() << false;
        QTest::addRow("leading space") << u" Ann"_s << false;
        QTest::addRow("leading tab") << u"\tAnn"_s << false;
        QTest::addRow("leading no-break space") << u"\u00A0Ann"_s << false;
        QTest::addRow("leading zero-width space") << u"\u200BAnn"_s << false;
        QTest::addRow("leading combining accent") << u"\u0301Ann"_s << false;
        QTest::addRow("digit") << u"1st place"_s << true;
        QTest::addRow("punctuation") << u"'Ann'"_s << true;
        QTest::addRow("beyond the basic plane") << u"\U0001D400nn"_s << true;
        QTest::addRow("lone surrogate") << QString(QChar(0xD800)) << false;
    }
    void nameDialog_okOnlyForAVisibleFirstCharacter()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        int previews = 0;
        CertificateDialog dialog(u"Ann"_s, [&previews](const QString& n) {
            ++previews;
            return CertificateRecord::For(n, true, QDate(2024, 9, 21));
        });
        QVERIFY(dialog.OkButton()->isEnabled());
        dialog.NameField()->setText(name);
        QCOMPARE(dialog.OkButton()->isEnabled(), enabled);
        QCOMPARE(dialog.Preview()->Record().personName, name);
        QVERIFY(previews >= 1);
    }

    void nameDialog_previewDrawsThePage()
    {
        CertificateDialog dialog(u"Ann Example"_s, [](const QString& n) {
            return CertificateRecord::For(n, false, QDate(2024, 9, 21));
        });
        dialog.resize(520, 480);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = dialog.Preview()->grab().toImage();
        int gold = 0;
        int navy = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                gold += c.red() > 150 && c.green() > 110 && c.blue() < 100;
                navy += c.blue() > 60 && c.red() < 60 && c.green() < 70;
            }
        }
        QVERIFY2(gold > 500 && navy > 500, qPrintable(u"%1 %2"_s.arg(gold).arg(navy)));
    }
};

QTEST_MAIN(CertificateTest)

#include "tst_certificate.moc"
