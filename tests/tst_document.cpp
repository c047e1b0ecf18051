// SPDX-License-Identifier: GPL-3.0-or-later
// A reading as a document: its text, its HTML, its PDF read back with
// poppler-utils, its file name, and the file it is written to, failures
// included. No window.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "birth/birth_details.h"
#include "document/document_file.h"
#include "document/paged_document.h"
#include "document/reading_document.h"
#include "sample_people.h"
#include "stars/lore.h"
#include "stars/reading.h"

using namespace document;
using birth::BirthDetails;

namespace {

BirthDetails Ada() {
    return asterine::test::AdaLovelace();
}

const QDate kMadeOn(2026, 12, 8);
const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);

// Runs one of poppler-utils on a file; its standard output.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2")
            .arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Mounts a tmpfs of `size` at `folder`, read-only if asked; false where
// this machine does not let the test mount one.
bool Mount(const QString& folder, const QString& options) {
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              options, QStringLiteral("tmpfs"), folder}) == 0;
}

void Unmount(const QString& folder) {
    QProcess::execute(QStringLiteral("umount"), {folder});
}

}  // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void textOfAPrincipalStar();
    void textOfAStarWithoutLore();
    void detailsAsTyped();
    void htmlKeepsTheLayoutAndEscapes();
    void anglesKeptLeftToRight_data();
    void anglesKeptLeftToRight();
    void rightToLeftDocument();
    void fileNames_data();
    void fileNames();
    void paperFollowsTheCountry();
    void printedPageIsTheDocuments_data();
    void printedPageIsTheDocuments();
    void pdfOfEveryStar_data();
    void pdfOfEveryStar();
    void pdfIsBlackOnWhiteOnADarkDesktop();
    void savedWholeAndPrivate();
    void failedSavesKeepTheOlderFile();
};

void TestDocument::textOfAPrincipalStar() {
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), Ada(), kMadeOn, kBritish);
    QCOMPARE(toText(reading),
             QStringLiteral(
                 "Asterine Results\n"
                 "Name: ADA LOVELACE\n"
                 "Date of Birth: December 10, 1815\n"
                 "Time of Birth: 13:05:00\n"
                 "Place of Birth: London, England, United Kingdom\n"
                 "Latitude: 51\u00b0 30\u2032 26\u2033 N\n"
                 "Longitude: 0\u00b0 7\u2032 39\u2033 W\n"
                 "Year for the Catalogue: 1815\n"
                 "Fixed Star: Regulus\n"
                 "Latin Name: Cor leonis\n"
                 "Designation: Alpha Leonis\n"
                 "Gemstone: Granite\n"
                 "Plant: mugwort\n"
                 "Keywords: Independence, Leadership, Success\n"
                 "Effect: You can hope to accomplish all your goals. You may become famous in "
                 "your professional life.\n"
                 "Position: Leo 29\u00b050'\n"
                 "Ruling Planet: Jupiter And Mars\n"
                 "Direction: North\n"
                 "Angel: Raphael\n"
                 "Made with Asterine 1.0 on Tuesday, 8 December 2026\n"));
    QCOMPARE(metadataTitle(reading), QStringLiteral("ADA LOVELACE - Regulus"));
}

void TestDocument::textOfAStarWithoutLore() {
    // Exactly what the result form shows: the star, its note, no attributes.
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("MIRFAK"), Ada(), kMadeOn, kBritish);
    const QStringList lines = toText(reading).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(8), (QStringList{
                               "Fixed Star: MIRFAK",
                               "Interpretation for this Fixed Star will be included in the next "
                               "version.",
                               "Made with Asterine 1.0 on Tuesday, 8 December 2026",
                               "",
                           }));
    QVERIFY(!toText(reading).contains(QLatin1Char('\r')));
    QVERIFY(reading.attributes.isEmpty());
    // Fomalhaut has lore but no Latin name: the attribute is there, empty.
    const ReadingDocument fomalhaut =
        makeDocument(stars::assembleReading("Fomalhaut"), Ada(), kMadeOn, kBritish);
    QCOMPARE(fomalhaut.attributes.first(), (Field{QStringLiteral("Latin Name"), QString()}));
    QVERIFY(toText(fomalhaut).contains(QLatin1String("\nLatin Name: \n")));
}

void TestDocument::detailsAsTyped() {
    BirthDetails details = Ada();
    details.city.clear();
    details.state.clear();
    details.country = QStringLiteral("Iceland");
    details.south = true;
    details.west = false;
    details.latitudeSeconds = QStringLiteral("007");  // as typed, leading zeros and all
    details.hour = 0;
    details.minute = 0;
    details.second = 9;
    QList<Field> fields = makeDocument(stars::assembleReading("Regulus"), details, kMadeOn).details;
    QCOMPARE(fields[2].value, QStringLiteral("00:00:09"));
    QCOMPARE(fields[3], (Field{QStringLiteral("Place of Birth"), QStringLiteral("Iceland")}));
    QCOMPARE(fields[4].value, QStringLiteral("51\u00b0 30\u2032 007\u2033 S"));
    QCOMPARE(fields[5].value, QStringLiteral("0\u00b0 7\u2032 39\u2033 E"));
    // No place at all: no line for it.
    details.country = QStringLiteral("   ");
    fields = makeDocument(stars::assembleReading("Regulus"), details, kMadeOn).details;
    QCOMPARE(fields.size(), 6);
    QVERIFY(fields[3].caption != QLatin1String("Place of Birth"));
    // The day the document was made, in the user's locale's format.
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, american).footer,
             QStringLiteral("Made with Asterine 1.0 on Tuesday, December 8, 2026"));
}

void TestDocument::htmlKeepsTheLayoutAndEscapes() {
    BirthDetails details = Ada();
    details.city = QStringLiteral("<b>Tom & \"Jerry\"</b>");
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish);
    const QString html = toHtml(reading);
    QVERIFY(html.contains(QLatin1String("&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;")));
    QVERIFY(!html.contains(QLatin1String("<b>Tom")));
    QCOMPARE(html.count(QLatin1String("<table")), 2);
    QCOMPARE(html.count(QLatin1String("<tr>")), 17);  // seven details, ten attributes
    QVERIFY(
        html.contains(QLatin1String("<th align=\"left\" valign=\"top\" "
                                    "style=\"padding-right:12px\">Ruling Planet</th>")));
    QVERIFY(html.contains(QLatin1String("color:#000000; background-color:#ffffff")));
    // Black on white, headings and footer too: no other colour.
    static const QRegularExpression colour(QStringLiteral("color:\\s*(#[0-9a-fA-F]+|[a-z]+)"));
    QStringList colours;
    for (const QRegularExpressionMatch& match : colour.globalMatch(html))
        colours << match.captured(1);
    QCOMPARE(colours, (QStringList{"#000000", "#ffffff"}));
    // Left to right: no direction, captions on the left.
    QVERIFY(!html.contains(QLatin1String("dir=")));
    QCOMPARE(toPageHtml(reading), html);
}

void TestDocument::anglesKeptLeftToRight_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QString lri(QChar(0x2066)), pdi(QChar(0x2069));
    QTest::newRow("degrees and minutes") << "Capricorn 15\u00b019"
                                         << "Capricorn " + lri + "15\u00b019" + pdi;
    QTest::newRow("with the minutes' mark") << "Leo 29\u00b050'"
                                            << "Leo " + lri + "29\u00b050'" + pdi;
    QTest::newRow("Arabic, with marks around")
        << "\u0627\u0644\u0623\u0633\u062f \u200e29\u00b050'\u200e"
        << "\u0627\u0644\u0623\u0633\u062f \u200e" + lri + "29\u00b050'" + pdi + "\u200e";
    QTest::newRow("seconds, two angles")
        << "51\u00b0 30\u2032 26\u2033 to 0\u00b0 7\u2032"
        << lri + "51\u00b0 30\u2032 26\u2033" + pdi + " to " + lri + "0\u00b0 7\u2032" + pdi;
    QTest::newRow("kept already") << "Leo " + lri + "29\u00b050'" + pdi
                                  << "Leo " + lri + "29\u00b050'" + pdi;
    QTest::newRow("no angle") << "NA"
                              << "NA";
    QTest::newRow("a number without degrees") << "Jupiter 12"
                                              << "Jupiter 12";
}

void TestDocument::anglesKeptLeftToRight() {
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(anglesLeftToRight(text), kept);
}

void TestDocument::rightToLeftDocument() {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Vega"), Ada(), kMadeOn, arabic);
    QCOMPARE(reading.direction, Qt::RightToLeft);
    QCOMPARE(makeDocument(stars::assembleReading("Vega"), Ada(), kMadeOn, kBritish).direction,
             Qt::LeftToRight);
    // The latitude, the longitude and the position read left to right
    // within the right-to-left lines, in the text as on paper.
    const QString lri(QChar(0x2066)), pdi(QChar(0x2069));
    QCOMPARE(reading.details[4].value, lri + "51\u00b0 30\u2032 26\u2033 N" + pdi);
    QCOMPARE(reading.details[5].value, lri + "0\u00b0 7\u2032 39\u2033 W" + pdi);
    QCOMPARE(reading.attributes[6].value, "Capricorn " + lri + "15\u00b019" + pdi);
    QVERIFY(toText(reading).contains("Position: Capricorn " + lri + "15\u00b019" + pdi + "\n"));
    // On paper the same pieces are embeddings, whose marks the page's
    // fonts have.
    const QString onPaper = toPageHtml(reading);
    QVERIFY(!onPaper.contains(lri) && !onPaper.contains(pdi));
    QVERIFY(
        onPaper.contains(QString(QChar(0x202a)) + "51\u00b0 30\u2032 26\u2033 N" + QChar(0x202c)));
    // Every block says its direction; the clipboard's table is in reading
    // order, caption first, for a browser to mirror; the page's has its
    // value first and sits on the right, as Qt lays it out.
    const QString html = toHtml(reading);
    QVERIFY(html.startsWith(QLatin1String("<html dir=\"rtl\">")));
    QVERIFY(html.contains(QLatin1String("<body dir=\"rtl\"")));
    QVERIFY(html.contains(QLatin1String("<h1 dir=\"rtl\">")));
    const QString captionCell = QStringLiteral(
        "<th align=\"right\" valign=\"top\" dir=\"rtl\" style=\"padding-left:12px\">Angel</th>");
    const QString valueCell =
        QStringLiteral("<td align=\"right\" valign=\"top\" dir=\"rtl\">Raphael</td>");
    const ReadingDocument regulus =
        makeDocument(stars::assembleReading("Regulus"), Ada(), kMadeOn, arabic);
    QVERIFY2(toHtml(regulus).contains("<tr>" + captionCell + valueCell + "</tr>"),
             qPrintable(toHtml(regulus)));
    const QString page = toPageHtml(regulus);
    QVERIFY2(page.contains("<tr>" + valueCell + captionCell + "</tr>"), qPrintable(page));
    QCOMPARE(page.count(QLatin1String("<table dir=\"rtl\" align=\"right\"")), 2);
    QCOMPARE(toHtml(regulus).count(QLatin1String("align=\"right\" cellspacing")), 0);
}

void TestDocument::fileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "ADA LOVELACE"
                           << "ADA LOVELACE - Regulus.pdf";
    QTest::newRow("separators and wildcards") << "A/B\\C:D*E?F\"G<H>I|J"
                                              << "A_B_C_D_E_F_G_H_I_J - Regulus.pdf";
    QTest::newRow("control characters") << "A\tB\nC\x7f"
                                        << "A_B_C_ - Regulus.pdf";
    QTest::newRow("leading dots and blanks") << " ..ANN"
                                             << "ANN - Regulus.pdf";
    QTest::newRow("letters of any script") << "\u6771\u4eac \u00c5SA"
                                           << "\u6771\u4eac \u00c5SA - Regulus.pdf";
}

void TestDocument::fileNames() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    BirthDetails details = Ada();
    details.name = name;
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), details, kMadeOn);
    QCOMPARE(suggestedFileName(reading, QStringLiteral("pdf")), expected);

    // A name too long for a file system keeps within its 255 bytes.
    details.name = QString(5000, u'\u6771');
    const QString longName = suggestedFileName(
        makeDocument(stars::assembleReading("Regulus"), details, kMadeOn), QStringLiteral("txt"));
    QVERIFY(longName.toUtf8().size() <= 255);
    QVERIFY(longName.endsWith(QLatin1String(".txt")));
}

void TestDocument::paperFollowsTheCountry() {
    QCOMPARE(pageSizeFor(QLocale(QLocale::English, QLocale::UnitedStates)).id(), QPageSize::Letter);
    QCOMPARE(pageSizeFor(QLocale(QLocale::French, QLocale::Canada)).id(), QPageSize::Letter);
    QCOMPARE(pageSizeFor(QLocale(QLocale::English, QLocale::UnitedKingdom)).id(), QPageSize::A4);
    QCOMPARE(pageSizeFor(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);
    QCOMPARE(pageSizeFor(QLocale(QLocale::Hindi, QLocale::India)).id(), QPageSize::A4);
}

void TestDocument::printedPageIsTheDocuments_data() {
    QTest::addColumn<QPageLayout>("chosen");
    QTest::addColumn<int>("printerDefault");
    QTest::addColumn<bool>("takesWanted");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QMarginsF>("margins");  // in millimetres
    QTest::addColumn<int>("orientation");
    const auto layout = [](QPageSize::PageSizeId size, QMarginsF margins, QMarginsF least,
                           QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        return QPageLayout(QPageSize(size), orientation, margins, QPageLayout::Millimeter, least);
    };
    const QMarginsF quarterInch(6.35, 6.35, 6.35, 6.35);
    const QMarginsF twenty(20, 20, 20, 20);
    // The document wants US Letter with 20 mm; the printer's default is A4.
    QTest::newRow("the dialog fell back to the printer's paper and margins")
        << layout(QPageSize::A4, quarterInch, quarterInch) << int(QPageSize::A4) << true
        << int(QPageSize::Letter) << twenty << int(QPageLayout::Portrait);
    QTest::newRow("a printer without the document's paper")
        << layout(QPageSize::A4, quarterInch, quarterInch) << int(QPageSize::A4) << false
        << int(QPageSize::A4) << twenty << int(QPageLayout::Portrait);
    QTest::newRow("no margins at all (a file)")
        << layout(QPageSize::Letter, QMarginsF(), QMarginsF()) << int(QPageSize::Letter) << true
        << int(QPageSize::Letter) << twenty << int(QPageLayout::Portrait);
    QTest::newRow("paper the user chose")
        << layout(QPageSize::A3, quarterInch, quarterInch) << int(QPageSize::A4) << true
        << int(QPageSize::A3) << twenty << int(QPageLayout::Portrait);
    QTest::newRow("margins the user chose")
        << layout(QPageSize::A4, QMarginsF(10, 12, 10, 12), quarterInch) << int(QPageSize::A4)
        << true << int(QPageSize::Letter) << QMarginsF(10, 12, 10, 12)
        << int(QPageLayout::Portrait);
    QTest::newRow("a page turned by the user")
        << layout(QPageSize::Letter, quarterInch, quarterInch, QPageLayout::Landscape)
        << int(QPageSize::A4) << true << int(QPageSize::Letter) << twenty
        << int(QPageLayout::Landscape);
    QTest::newRow("a printer that cannot reach 20 mm")
        << layout(QPageSize::A4, QMarginsF(25, 6, 25, 6), QMarginsF(25, 6, 25, 6))
        << int(QPageSize::A4) << true << int(QPageSize::Letter) << QMarginsF(25, 20, 25, 20)
        << int(QPageLayout::Portrait);
    QTest::newRow("the document's own page")
        << layout(QPageSize::Letter, twenty, quarterInch) << int(QPageSize::A4) << true
        << int(QPageSize::Letter) << twenty << int(QPageLayout::Portrait);
}

void TestDocument::printedPageIsTheDocuments() {
    QFETCH(QPageLayout, chosen);
    QFETCH(int, printerDefault);
    QFETCH(bool, takesWanted);
    QFETCH(int, paper);
    QFETCH(QMarginsF, margins);
    QFETCH(int, orientation);
    const QPageLayout wanted = pageLayoutFor(QPageSize(QPageSize::Letter));
    QCOMPARE(wanted.margins(QPageLayout::Millimeter), QMarginsF(20, 20, 20, 20));
    const QPageLayout printed = pageLayoutToPrint(
        wanted, chosen, QPageSize(QPageSize::PageSizeId(printerDefault)), takesWanted);
    QCOMPARE(printed.pageSize().id(), QPageSize::PageSizeId(paper));
    QCOMPARE(int(printed.orientation()), orientation);
    const QMarginsF got = printed.margins(QPageLayout::Millimeter);
    QVERIFY2(qAbs(got.left() - margins.left()) < 0.2 && qAbs(got.top() - margins.top()) < 0.2 &&
                 qAbs(got.right() - margins.right()) < 0.2 &&
                 qAbs(got.bottom() - margins.bottom()) < 0.2,
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(got.left())
                            .arg(got.top())
                            .arg(got.right())
                            .arg(got.bottom())));
}

void TestDocument::pdfOfEveryStar_data() {
    QTest::addColumn<QString>("star");
    QTest::addColumn<int>("paper");
    for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore()) {
        const QString name =
            QString::fromUtf8(star.StarName.data(), qsizetype(star.StarName.size()));
        QTest::newRow(qPrintable(name + QStringLiteral(" A4"))) << name << int(QPageSize::A4);
        QTest::newRow(qPrintable(name + QStringLiteral(" Letter")))
            << name << int(QPageSize::Letter);
    }
    QTest::newRow("MIRFAK, no lore") << QStringLiteral("MIRFAK") << int(QPageSize::A4);
}

void TestDocument::pdfOfEveryStar() {
    QFETCH(QString, star);
    QFETCH(int, paper);
    const ReadingDocument reading =
        makeDocument(stars::assembleReading(star.toStdString()), Ada(), kMadeOn, kBritish);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    QVERIFY(!saveFile(path, toPdf(reading, QPageSize(QPageSize::PageSizeId(paper)))));

    // Real text: every field comes back, one line each.
    const QString text = Poppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << line.simplified();
    const auto has = [&lines](const QString& wanted) {
        return lines.contains(wanted.simplified());
    };
    QVERIFY2(has(reading.title), qPrintable(text));
    for (const Field& field : reading.details)
        QVERIFY2(has(field.caption + QLatin1Char(' ') + field.value), qPrintable(field.caption));
    QVERIFY2(has(reading.star.caption + QStringLiteral(": ") + reading.star.value),
             qPrintable(text));
    if (!reading.starNote.isEmpty())
        QVERIFY2(has(reading.starNote), qPrintable(text));
    // A long value wraps; its words come back in order.
    const QString flat = text.simplified();
    for (const Field& field : reading.attributes) {
        QVERIFY2(has(field.caption + QLatin1Char(' ') + field.value) ||
                     flat.contains(field.caption + QLatin1Char(' ') +
                                   field.value.simplified().section(QLatin1Char(' '), 0, 3)),
                 qPrintable(field.caption));
        for (const QString& word : field.value.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(flat.contains(word), qPrintable(word));
    }
    QVERIFY2(has(reading.footer), qPrintable(text));

    // One page, its title and creator, every font embedded.
    const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
    const auto field = [&info](const QString& name) {
        for (const QString& line : info.split(QLatin1Char('\n'))) {
            if (line.startsWith(name + QLatin1Char(':')))
                return line.mid(name.size() + 1).trimmed();
        }
        return QString();
    };
    QCOMPARE(field(QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(field(QStringLiteral("Title")), QStringLiteral("ADA LOVELACE - ") + reading.starName);
    QCOMPARE(field(QStringLiteral("Creator")), QStringLiteral("Asterine 1.0"));
    QVERIFY2(
        field(QStringLiteral("Page size"))
            .endsWith(paper == QPageSize::A4 ? QLatin1String("(A4)") : QLatin1String("(letter)")),
        qPrintable(info));
    const QStringList fonts = Poppler(QStringLiteral("pdffonts"), {path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
        const QStringList columns = font.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // name, type (may be two words), encoding, emb, sub, uni, object, id
        QCOMPARE(columns.at(columns.size() - 5), QStringLiteral("yes"));
    }
}

void TestDocument::pdfIsBlackOnWhiteOnADarkDesktop() {
    QPalette dark(QColor(0x31, 0x36, 0x3b));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    QGuiApplication::setPalette(dark);
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Arcturus"), Ada(), kMadeOn, kBritish);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dark.pdf"));
    QVERIFY(!saveFile(path, toPdf(reading, QPageSize(QPageSize::A4))));
    QGuiApplication::setPalette(QPalette());
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path, folder.filePath(QStringLiteral("page"))});
    const QImage page(folder.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    int light = 0, dark_ = 0, pale = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const int grey = qGray(page.pixel(x, y));
            if (grey > 240)
                ++light;
            else if (grey < 100)
                ++dark_;
            else if (grey > 180)
                ++pale;
        }
    }
    const int all = page.width() * page.height();
    QVERIFY2(light > all * 85 / 100, qPrintable(QString::number(light * 100 / all)));
    QVERIFY2(dark_ > all / 200, qPrintable(QString::number(dark_)));  // the text is there, dark

    // Black on white and nothing else: no coloured pixel (the headings are
    // not blue), and every line of text, the footer too, as black as the
    // rest (not grey): each row of text reaches black.
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path, folder.filePath(QStringLiteral("fine"))});
    const QImage fine =
        QImage(folder.filePath(QStringLiteral("fine.png"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!fine.isNull());
    int lines = 0;
    int darkest = 255;  // of the current line of text
    for (int y = 0; y < fine.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(fine.constScanLine(y));
        int rowDarkest = 255;
        int spread = 0;
        for (int x = 0; x < fine.width(); ++x) {
            const QRgb pixel = row[x];
            spread = std::max(spread, std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                                          std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}));
            rowDarkest = std::min(rowDarkest, qGray(pixel));
        }
        QVERIFY2(spread < 12, qPrintable(QStringLiteral("a coloured pixel in row %1").arg(y)));
        if (rowDarkest < 200) {
            darkest = std::min(darkest, rowDarkest);
        } else if (darkest < 255) {
            // The end of a line of text.
            ++lines;
            QVERIFY2(darkest < 40,
                     qPrintable(QStringLiteral("line %1 is grey: %2").arg(lines).arg(darkest)));
            darkest = 255;
        }
    }
    QVERIFY2(lines >= 18, qPrintable(QString::number(lines)));
}

void TestDocument::savedWholeAndPrivate() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.txt"));
    QVERIFY(!saveFile(path, QByteArrayLiteral("first\n")));
    QVERIFY(!saveFile(path, QByteArrayLiteral("second\n")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArrayLiteral("second\n"));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    // Nothing left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"reading.txt"});
}

void TestDocument::failedSavesKeepTheOlderFile() {
    QTemporaryDir folder;
    const QByteArray older = QByteArrayLiteral("the older reading\n");
    const QByteArray newer(64 * 1024, 'x');

    // A folder in the file's place.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.txt")));
    std::optional<QString> problem = saveFile(folder.filePath(QStringLiteral("taken.txt")), newer);
    QVERIFY(problem);
    QVERIFY2(problem->contains(folder.filePath(QStringLiteral("taken.txt"))), qPrintable(*problem));
    QVERIFY2(problem->contains(QLatin1String("folder")), qPrintable(*problem));

    // A read-only file system and a full one; the machine must allow the
    // test its own mounts (as root, a read-only folder is still writable).
    const QString mount = folder.filePath(QStringLiteral("mount"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("mount")));
    if (!Mount(mount, QStringLiteral("size=16k,mode=0700")))
        QSKIP("this machine does not let the test mount a file system of its own");
    const QString path = QDir(mount).filePath(QStringLiteral("reading.txt"));
    QVERIFY(!saveFile(path, older));
    // Full: the new text does not fit beside the old one.
    problem = saveFile(path, newer);
    QVERIFY(problem);
    QVERIFY2(problem->contains(path) && problem->contains(QLatin1String("space")),
             qPrintable(*problem));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), older);
    kept.close();
    QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden), QStringList{"reading.txt"});
    // Read-only.
    QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                               {QStringLiteral("-o"), QStringLiteral("remount,ro"), mount}),
             0);
    problem = saveFile(path, QByteArrayLiteral("short\n"));
    QVERIFY(problem);
    QVERIFY2(problem->contains(path) && problem->contains(QLatin1String("ead-only")),
             qPrintable(*problem));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), older);
    kept.close();
    Unmount(mount);
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
