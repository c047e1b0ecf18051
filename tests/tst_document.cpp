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
#include "document/sky_document.h"
#include "sample_people.h"
#include "stars/lore.h"
#include "stars/reading.h"

using namespace document;
using birth::BirthDetails;

namespace {

BirthDetails Ada() {
    return asterine::test::AdaLovelace();
}

// A birth with everything the sky needs: Berlin, on a winter afternoon.
BirthDetails Berliner() {
    BirthDetails details = Ada();
    details.name = QStringLiteral("MAX");
    details.year = 1990;
    details.hour = 14;
    details.minute = 30;
    details.city = QStringLiteral("Berlin");
    details.state.clear();
    details.country = QStringLiteral("Germany");
    details.latitudeDegrees = QStringLiteral("52");
    details.latitudeMinutes = QStringLiteral("31");
    details.latitudeSeconds = QStringLiteral("12");
    details.longitudeDegrees = QStringLiteral("13");
    details.longitudeMinutes = QStringLiteral("24");
    details.longitudeSeconds = QStringLiteral("18");
    details.west = false;
    details.zone = QStringLiteral("Europe/Berlin");
    return details;
}

QStringList Titles(const ReadingDocument& reading) {
    QStringList titles;
    for (const SkySection& section : reading.sky)
        titles << section.title;
    return titles;
}

QStringList Captions(const SkySection& section) {
    QStringList captions;
    for (const Field& field : section.fields)
        captions << field.caption;
    return captions;
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
    void momentIsTheTimeOfBirth();
    void skySectionFollowsTheDetails();
    void skyInTextAndHtml();
    void skyRightToLeft();
    void pdfHoldsTheSky();
    void savedWholeAndPrivate();
    void failedSavesKeepTheOlderFile();
};

void TestDocument::textOfAPrincipalStar() {
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), Ada(), kMadeOn, kBritish);
    // The reading's lines, then the sky (see skySection), then the footer.
    const QString text = toText(reading);
    const qsizetype sky = text.indexOf(QLatin1String("\nSky\n"));
    QVERIFY(sky > 0);
    QVERIFY(text.endsWith(QLatin1String("\nMade with Asterine 1.0 on Tuesday, 8 December 2026\n")));
    QCOMPARE(text.left(sky + 1) + text.mid(text.lastIndexOf(QLatin1String("\nMade ")) + 1),
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
    QCOMPARE(lines.mid(8, 3), (QStringList{
                                  "Fixed Star: MIRFAK",
                                  "Interpretation for this Fixed Star will be included in the "
                                  "next version.",
                                  "Sky",
                              }));
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{"Made with Asterine 1.0 on Tuesday, 8 December 2026", ""}));
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
    // Seven details, ten attributes, and the sky's tables.
    qsizetype skyTables = 0, skyRows = 0;
    for (const SkySection& section : reading.sky) {
        skyTables += section.fields.isEmpty() ? 0 : 1;
        skyRows += section.fields.size();
    }
    QVERIFY(skyRows > 5);
    QCOMPARE(html.count(QLatin1String("<table")), 2 + skyTables);
    QCOMPARE(html.count(QLatin1String("<tr>")), 17 + skyRows);
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
    QCOMPARE(page.count(QLatin1String("<table dir=\"rtl\" align=\"right\"")),
             2 + regulus.sky.size());
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

void TestDocument::momentIsTheTimeOfBirth() {
    const auto timeLine = [](const BirthDetails& details) {
        for (const Field& field :
             makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish).details) {
            if (field.caption == QLatin1String("Time of Birth"))
                return field.value;
        }
        return QStringLiteral("(none)");
    };
    BirthDetails details = Berliner();
    QCOMPARE(timeLine(details), QString::fromUtf8("14:30 CET (UTC+01:00) \u00b7 13:30 UT"));
    QCOMPARE(makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish).birthTime,
             (Field{QStringLiteral("Time of Birth"),
                    QString::fromUtf8("14:30 CET (UTC+01:00) \u00b7 13:30 UT")}));
    details.monthIndex = 6;  // summer time
    QCOMPARE(timeLine(details), QString::fromUtf8("14:30 CEST (UTC+02:00) \u00b7 12:30 UT"));
    // An answered offset is the one in force.
    details.utcOffsetSeconds = 3600;
    QCOMPARE(timeLine(details), QString::fromUtf8("14:30 (UTC+01:00) \u00b7 13:30 UT"));
    // Without a zone, or with one the system does not know, the time as typed.
    details = Berliner();
    details.zone.clear();
    QCOMPARE(timeLine(details), QStringLiteral("14:30:00"));
    details.zone = QStringLiteral("Mars/Olympus");
    QCOMPARE(timeLine(details), QStringLiteral("14:30:00"));
    // A skipped clock time is asked about, not read one way: the time as typed.
    details = Berliner();
    details.monthIndex = 2;
    details.day = 25;
    details.hour = 2;
    QCOMPARE(timeLine(details), QStringLiteral("02:30:00"));
    const ReadingDocument asked =
        makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish);
    QVERIFY2(asked.skyNotes.join(QLatin1Char(' ')).contains(QLatin1String("02:30")),
             qPrintable(asked.skyNotes.join(QLatin1Char('|'))));
    // Without a time, no line.
    details = Berliner();
    details.timeGiven = false;
    QCOMPARE(timeLine(details), QStringLiteral("(none)"));
}

void TestDocument::skySectionFollowsTheDetails() {
    // Everything given: the star with its day, the bodies and angles, the
    // conjunctions and the parans.
    const ReadingDocument full =
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish);
    QCOMPARE(full.skyTitle, QStringLiteral("Sky"));
    QCOMPARE(Titles(full), (QStringList{"Regulus in the Sky", "Bodies at Birth",
                                        "Conjunctions within 1\u00b0", "Parans within 4 Minutes"}));
    QCOMPARE(
        Captions(full.sky[0]),
        (QStringList{"Right Ascension", "Declination", "Ecliptic Longitude", "Magnitude",
                     "Visibility", "Rises", "Culminates", "Sets", "At Birth", "Phase in 1990"}));
    QVERIFY(full.sky[0].note.isEmpty());
    QCOMPARE(full.sky[0].fields[3].value, QStringLiteral("1.40"));
    QCOMPARE(full.sky[0].fields[4].value,
             QString::fromUtf8("Rises and sets at 52\u00b031\u2032 N"));
    // Regulus in the last degree of Leo, where the lore puts it too.
    QVERIFY2(full.sky[0].fields[2].value.startsWith(QStringLiteral("Leo 29\u00b0")),
             qPrintable(full.sky[0].fields[2].value));
    // Times of the day in the zone's clock and in UT; a culmination due south.
    QVERIFY2(full.sky[0].fields[6].value.contains(QRegularExpression(
                 QString::fromUtf8("^\\d\\d:\\d\\d CET \u00b7 \\d\\d:\\d\\d UT, altitude "))),
             qPrintable(full.sky[0].fields[6].value));
    QVERIFY(full.sky[0].fields[6].value.endsWith(QStringLiteral("azimuth 180\u00b0")));
    QVERIFY(full.sky[0].fields[9].value.startsWith(QLatin1String("Arising and lying hidden")));
    // A star culminating north of the zenith: due north is 0°, never 360°.
    BirthDetails south = Berliner();
    south.year = 1985;
    south.hour = south.minute = 0;
    south.latitudeDegrees = QStringLiteral("40");
    south.latitudeMinutes = QStringLiteral("30");
    south.latitudeSeconds = QStringLiteral("10");
    south.longitudeDegrees = QStringLiteral("73");
    south.longitudeMinutes = QStringLiteral("51");
    south.longitudeSeconds = QStringLiteral("2");
    south.zone = QStringLiteral("Asia/Kolkata");
    const ReadingDocument north =
        makeDocument(stars::assembleReading("MIRFAK"), south, kMadeOn, kBritish);
    QCOMPARE(north.sky[0].fields[6].caption, QStringLiteral("Culminates"));
    QVERIFY2(north.sky[0].fields[6].value.endsWith(QStringLiteral("azimuth 0\u00b0")),
             qPrintable(north.sky[0].fields[6].value));
    QCOMPARE(Captions(full.sky[1]),
             (QStringList{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                          "Neptune", "Ascendant", "Midheaven"}));
    // The Sun in Sagittarius on the 10th of December.
    QVERIFY(full.sky[1].fields[0].value.startsWith(QStringLiteral("Sagittarius 18\u00b0")));
    // At most twelve conjunctions, the rest counted.
    QCOMPARE(full.sky[2].fields.size(), kListedConjunctions + 1);
    QCOMPARE(full.sky[2].fields.last().caption, QStringLiteral("More"));
    // The paran count comes last.
    QCOMPARE(full.sky[3].fields.last().caption, QStringLiteral("All Parans of the Day"));
    QVERIFY(full.skyNotes.isEmpty());

    // No zone: the star without its day or its place at birth, and a note
    // saying why; the parans need the day.
    BirthDetails details = Berliner();
    details.zone.clear();
    ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish);
    QCOMPARE(Titles(reading), QStringList{"Regulus in the Sky"});
    QCOMPARE(Captions(reading.sky[0]),
             (QStringList{"Right Ascension", "Declination", "Ecliptic Longitude", "Magnitude",
                          "Visibility", "Phase in 1990"}));
    QCOMPARE(reading.sky[0].note, QStringLiteral("Its place is that of the middle of 1990."));
    QCOMPARE(reading.skyNotes.size(), 1);
    QVERIFY(reading.skyNotes[0].startsWith(QLatin1String("Without the zone")));
    QVERIFY(reading.skyNotes[0].endsWith(QLatin1String("its day and the parans are left out.")));

    // The zone but no longitude: the bodies without the angles, no day.
    details = Berliner();
    details.longitudeDegrees.clear();
    details.longitudeMinutes.clear();
    details.longitudeSeconds.clear();
    reading = makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish);
    QCOMPARE(Titles(reading),
             (QStringList{"Regulus in the Sky", "Bodies at Birth", "Conjunctions within 1\u00b0"}));
    QCOMPARE(reading.sky[1].fields.size(), 9);
    QVERIFY(!Captions(reading.sky[0]).contains(QLatin1String("Rises")));
    QCOMPARE(reading.skyNotes.size(), 1);
    QVERIFY(reading.skyNotes[0].startsWith(QLatin1String("Without the longitude")));

    // No date or time: only the star's place in its year.
    details = Berliner();
    details.dateGiven = false;
    details.timeGiven = false;
    reading = makeDocument(stars::assembleReading("Regulus"), details, kMadeOn, kBritish);
    QCOMPARE(Titles(reading), QStringList{"Regulus in the Sky"});
    QVERIFY(reading.skyNotes[0].startsWith(QLatin1String("Without the date and the time")));

    // A star the catalogue has no entry for says so plainly.
    reading = makeDocument(stars::assembleReading("COPULA"), Berliner(), kMadeOn, kBritish);
    QCOMPARE(reading.sky[0].title, QStringLiteral("COPULA in the Sky"));
    QVERIFY(reading.sky[0].fields.isEmpty());
    QCOMPARE(reading.sky[0].note,
             QStringLiteral(
                 "The star catalogue has no entry for COPULA: its place in the sky is not known."));
    // Its parans are none, but the day's are counted.
    QVERIFY(
        reading.sky.last().fields.last().value.endsWith(QLatin1String(", of which 0 with COPULA")));

    // A sky worked out already is the one shown, and the same as the
    // document's own.
    SkyOptions options;
    const sky::BirthSky worked = workOutSky(Berliner(), QStringLiteral("Regulus"), options);
    options.sky = &worked;
    QCOMPARE(
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish, options).sky,
        full.sky);
    const sky::BirthSky empty;
    options.sky = &empty;
    QVERIFY(makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish, options)
                .sky[0]
                .fields.isEmpty());
    // A wider orb finds more conjunctions.
    SkyOptions wider;
    wider.orbDeg = 2.0;
    const ReadingDocument widened =
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish, wider);
    QCOMPARE(widened.sky[2].title, QString::fromUtf8("Conjunctions within 2\u00b0"));
    QVERIFY(widened.sky[2].fields.last().value.section(QLatin1Char(' '), 0, 0).toInt() >
            full.sky[2].fields.last().value.section(QLatin1Char(' '), 0, 0).toInt());
}

void TestDocument::skyInTextAndHtml() {
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish);
    const QString text = toText(reading);
    const QString html = toHtml(reading);
    const QString page = toPageHtml(reading);
    QVERIFY(text.contains(QLatin1String("\nAngel: Raphael\nSky\nRegulus in the Sky\n")));
    QVERIFY(html.contains(QLatin1String("<h2>Sky</h2>")));
    for (const SkySection& section : reading.sky) {
        QVERIFY2(text.contains(QLatin1Char('\n') + section.title + QLatin1Char('\n')),
                 qPrintable(section.title));
        QVERIFY(html.contains(QStringLiteral("<h3>%1</h3>").arg(section.title.toHtmlEscaped())));
        for (const Field& field : section.fields) {
            QVERIFY2(text.contains(QLatin1Char('\n') + field.caption + QStringLiteral(": ") +
                                   field.value + QLatin1Char('\n')),
                     qPrintable(field.caption));
            const QString cell =
                QStringLiteral("<td valign=\"top\">%1</td>").arg(field.value.toHtmlEscaped());
            QVERIFY2(html.contains(cell) && page.contains(cell), qPrintable(field.value));
        }
    }
    // The sky comes before the footer.
    QVERIFY(text.indexOf(QLatin1String("\nSky\n")) < text.indexOf(reading.footer));
}

void TestDocument::skyRightToLeft() {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, arabic);
    const QString lri(QChar(0x2066)), pdi(QChar(0x2069));
    // The moment, the angles and the times read left to right in their lines.
    QCOMPARE(reading.details[2].value,
             lri + QString::fromUtf8("14:30 CET (UTC+01:00) \u00b7 13:30 UT") + pdi);
    const SkySection& star = reading.sky[0];
    QCOMPARE(star.fields[0].value, lri + "10h 07m 55s" + pdi);
    QVERIFY2(star.fields[1].value.startsWith(lri + "+12\u00b0 "), qPrintable(star.fields[1].value));
    QVERIFY(star.fields[2].value.contains(lri + "29\u00b0"));
    QVERIFY(star.fields[3].value == lri + "1.40" + pdi ||
            star.fields[3].value == lri + "1\u066b40" + pdi);
    QVERIFY(star.fields[5].value.startsWith(lri));
    // Western digits in every line, as in the rest of the document.
    static const QRegularExpression otherDigits(QStringLiteral("[\u0660-\u0669\u06f0-\u06f9]"));
    QVERIFY(!toText(reading).contains(otherDigits));
    const QString page = toPageHtml(reading);
    QVERIFY(!page.contains(lri));
    QVERIFY(page.contains(QLatin1String("<h3 dir=\"rtl\">")));
    QVERIFY(page.contains(QString(QChar(0x202a)) + "10h 07m 55s" + QChar(0x202c)));
}

void TestDocument::pdfHoldsTheSky() {
    const ReadingDocument reading =
        makeDocument(stars::assembleReading("Regulus"), Berliner(), kMadeOn, kBritish);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    QVERIFY(!saveFile(path, toPdf(reading, QPageSize(QPageSize::A4))));
    const QString text = Poppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << line.simplified();
    QVERIFY2(lines.contains(reading.skyTitle), qPrintable(text));
    // A long value wraps; its words come back in order.
    const QString flat = text.simplified();
    for (const SkySection& section : reading.sky) {
        QVERIFY2(lines.contains(section.title), qPrintable(section.title));
        for (const Field& field : section.fields) {
            const QString line = (field.caption + QLatin1Char(' ') + field.value).simplified();
            QVERIFY2(
                lines.contains(line) || flat.contains(field.caption + QLatin1Char(' ') +
                                                      field.value.section(QLatin1Char(' '), 0, 3)),
                qPrintable(line));
            for (const QString& word : field.value.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(flat.contains(word), qPrintable(word));
        }
    }
    QVERIFY2(lines.contains(reading.footer), qPrintable(text));
    // The reading on its page, the bodies, conjunctions and parans on a second.
    const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("\\nPages:\\s+2\\n"))),
             qPrintable(info));
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
