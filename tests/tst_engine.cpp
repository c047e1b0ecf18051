// SPDX-License-Identifier: GPL-3.0-or-later
// The reading engine: latitude key, catalogue choice, star search, lore and
// the assembly of a reading, including the refusal of latitudes that cannot
// give a reading of their own.

#include <QtTest>

#include <clocale>
#include <cmath>
#include <locale>
#include <set>
#include <string>

#include "stars/engine.h"
#include "stars/lore.h"

using namespace stars;

Q_DECLARE_METATYPE(const StarCatalogue*)

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A numeric punctuation that writes a decimal comma, as German and French do.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::set<std::string_view> NamesOf(const StarCatalogue& catalogue) {
    std::set<std::string_view> names;
    for (std::size_t row = 0; row < catalogue.size(); ++row)
        names.insert(catalogue.name(row));
    return names;
}

// The colatitude in degree.minute encoding, worked out independently of the
// engine's key text: a negative key is the negative of degrees.minutes.
double ExpectedKey(int degrees, int minutes) {
    const int x = degrees < 90 ? 89 - degrees : 90 - degrees;
    const int y = 60 - minutes;
    return x < 0 ? x - y / 100.0 : x + y / 100.0;
}

}  // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void workedKeys_data();
    void workedKeys();
    void keysIgnoreTheProcessLocale();
    void search_data();
    void search();
    void searchWithoutMatchKeepsTheStar();
    void catalogueChoice();
    void catalogueNamesKeepTheirExactBytes();
    void everyPrincipalStarIsInItsCatalogues();
    void loreLookupIsByteExact();
    void readingOfAPrincipalStar();
    void readingWithoutLore();
    void readingWithEmptyLatinName();
    void readingOfNoStar();
    void requestCarriesOverKeyAndStar();
    void refusals_data();
    void refusals();
    void boxReading();
    void sweepOfEveryTypedLatitude();
};

void TestEngine::workedKeys_data() {
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<double>("key");
    QTest::newRow("40 30") << 40 << 30 << "49.30" << 49.30;
    QTest::newRow("40 55 keeps two minute digits") << 40 << 55 << "49.05" << 49.05;
    QTest::newRow("40 0 gives minute part 60") << 40 << 0 << "49.60" << 49.60;
    QTest::newRow("40 60") << 40 << 60 << "49.00" << 49.00;
    QTest::newRow("0 0, largest north key") << 0 << 0 << "89.60" << 89.60;
    QTest::newRow("89 59") << 89 << 59 << "0.01" << 0.01;
    QTest::newRow("89 0, north") << 89 << 0 << "0.60" << 0.60;
    QTest::newRow("90 0, south without borrow") << 90 << 0 << "0.60" << 0.60;
    QTest::newRow("91 15") << 91 << 15 << "-1.45" << -1.45;
    QTest::newRow("51 30") << 51 << 30 << "38.30" << 38.30;
    QTest::newRow("minutes 61 give no number") << 40 << 61 << "49.-1" << qQNaN();
}

void TestEngine::workedKeys() {
    QFETCH(int, degrees);
    QFETCH(int, minutes);
    QFETCH(QString, keyText);
    QFETCH(double, key);

    const std::string text = colatitudeKeyText(degrees, minutes);
    QCOMPARE(q(text), keyText);
    const std::optional<double> read = readKeyText(text);
    if (std::isnan(key)) {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    QCOMPARE(*read, key);

    ReadingEngine engine;
    QVERIFY(
        engine.RequestReading(std::to_string(degrees), std::to_string(minutes), 1999).accepted());
    QCOMPARE(engine.ColatitudeKey(), key);
}

void TestEngine::keysIgnoreTheProcessLocale() {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    int systemLocales = 0;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name))
            ++systemLocales;
        QCOMPARE(q(colatitudeKeyText(40, 55)), QStringLiteral("49.05"));
        QCOMPARE(q(colatitudeKeyText(1, 0)), QStringLiteral("88.60"));
        QCOMPARE(readKeyText("49.05").value_or(0), 49.05);
        QVERIFY(!readKeyText("49,05"));

        ReadingEngine engine;
        const ReadingOutcome outcome = engine.RequestReading("40", "30", 1999);
        QVERIFY(outcome.accepted());
        QCOMPARE(engine.ColatitudeKey(), 49.30);
        QCOMPARE(q(engine.CurrentStarName()), QStringLiteral("MIRFAK"));
    }
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    if (systemLocales == 0)
        qWarning("No German or French C locale is installed; only the C++ locale was changed.");
}

void TestEngine::search_data() {
    QTest::addColumn<const StarCatalogue*>("catalogue");
    QTest::addColumn<double>("key");
    QTest::addColumn<QString>("star");
    QTest::newRow("N1999 exact threshold") << &NorthCatalogue1999 << 49.30 << "MIRFAK";
    QTest::newRow("N2000 49.30") << &NorthCatalogue2000 << 49.30 << "MIRFAK";
    QTest::newRow("N1999 0.01") << &NorthCatalogue1999 << 0.01 << "MINTAKA";
    QTest::newRow("N2000 0.01") << &NorthCatalogue2000 << 0.01 << "MINTAKA";
    QTest::newRow("N1999 catch-all") << &NorthCatalogue1999 << 89.60 << "Polaris";
    QTest::newRow("N2000 catch-all") << &NorthCatalogue2000 << 89.60 << "Polaris";
    QTest::newRow("N1999 88.50") << &NorthCatalogue1999 << 88.50 << "Polaris";
    QTest::newRow("N2000 88.50 row 174") << &NorthCatalogue2000 << 88.50 << "Polaris";
    QTest::newRow("N2000 first row wins, not nearest") << &NorthCatalogue2000 << 1.40 << "MARFIK";
    QTest::newRow("N1999 tie by row order") << &NorthCatalogue1999 << 23.48 << "Alcycone";
    QTest::newRow("N1999 Regulus") << &NorthCatalogue1999 << 12.27 << "Regulus";
    QTest::newRow("S1999 0.60") << &SouthCatalogue1999 << 0.60 << "PORRIMA (Caphir)";
    QTest::newRow("S2000 0.60") << &SouthCatalogue2000 << 0.60 << "PORRIMA (Caphir)";
    QTest::newRow("S1999 -1.45") << &SouthCatalogue1999 << -1.45 << "SADALACHBIA";
    QTest::newRow("S2000 -1.45") << &SouthCatalogue2000 << -1.45 << "ALNITAK";
    QTest::newRow("S1999 -45.00") << &SouthCatalogue1999 << -45.00 << "ALNAIR";
    QTest::newRow("S2000 -45.00") << &SouthCatalogue2000 << -45.00 << "ALNAIR";
    QTest::newRow("S2000 tie by row order") << &SouthCatalogue2000 << -59.40 << "MIMOSA";
    QTest::newRow("S1999 catch-all") << &SouthCatalogue1999 << -69.30 << "MIAPLACIDUS";
    QTest::newRow("S1999 catch-all by equality") << &SouthCatalogue1999 << -360.00 << "MIAPLACIDUS";
}

void TestEngine::search() {
    QFETCH(const StarCatalogue*, catalogue);
    QFETCH(double, key);
    QFETCH(QString, star);

    ReadingEngine engine;
    QVERIFY(engine.FindStar(*catalogue, key));
    QCOMPARE(q(engine.CurrentStarName()), star);
}

void TestEngine::searchWithoutMatchKeepsTheStar() {
    ReadingEngine engine;
    QVERIFY(!engine.FindStar(SouthCatalogue1999, -360.60));
    QCOMPARE(engine.CurrentStarName(), std::string());

    QVERIFY(engine.FindStar(NorthCatalogue1999, 12.27));
    QVERIFY(!engine.FindStar(SouthCatalogue2000, -360.60));
    QCOMPARE(q(engine.CurrentStarName()), QStringLiteral("Regulus"));
}

void TestEngine::catalogueChoice() {
    QCOMPARE(&catalogueFor(89, 1999), &NorthCatalogue1999);
    QCOMPARE(&catalogueFor(89, 2000), &NorthCatalogue2000);
    QCOMPARE(&catalogueFor(90, 1999), &SouthCatalogue1999);
    QCOMPARE(&catalogueFor(90, 2000), &SouthCatalogue2000);
    QCOMPARE(&catalogueFor(0, 1900), &NorthCatalogue1999);
    QCOMPARE(&catalogueFor(999, 2050), &SouthCatalogue2000);

    // The same latitude searches different catalogues on either side of 2000.
    ReadingEngine engine;
    QVERIFY(engine.RequestReading("51", "30", 1999).accepted());
    QCOMPARE(engine.ColatitudeKey(), 38.30);
    QVERIFY(engine.RequestReading("77", "33", 1999).accepted());
    QCOMPARE(engine.ColatitudeKey(), 12.27);
    QCOMPARE(q(engine.CurrentStarName()), QStringLiteral("Regulus"));
    QVERIFY(engine.RequestReading("77", "33", 2000).accepted());
    QCOMPARE(q(engine.CurrentStarName()), QStringLiteral("RAS ALHAGUE"));
}

void TestEngine::catalogueNamesKeepTheirExactBytes() {
    for (const StarCatalogue* north : {&NorthCatalogue1999, &NorthCatalogue2000}) {
        QCOMPARE(north->size(), std::size_t(175));
        QCOMPARE(north->name(82), std::string_view("RAS ELASED AUST\xC2\xA0 (Algenubi)"));
        QCOMPARE(north->name(174), std::string_view("Polaris"));
        QCOMPARE(north->threshold(174), 90.00);
    }
    for (const StarCatalogue* south : {&SouthCatalogue1999, &SouthCatalogue2000}) {
        QCOMPARE(south->size(), std::size_t(117));
        QCOMPARE(south->name(9), std::string_view("ENSIS\xC2\xA0 M42, The Great Orion Nebula."));
        QCOMPARE(south->name(21), std::string_view("AZHA "));
        QCOMPARE(south->name(116), std::string_view("MIAPLACIDUS"));
        QCOMPARE(south->threshold(116), -360.00);
    }
    // The 1999 thresholds are sorted, so the search picks the nearest row.
    for (std::size_t row = 1; row < NorthCatalogue1999.size(); ++row)
        QVERIFY(NorthCatalogue1999.threshold(row - 1) <= NorthCatalogue1999.threshold(row));
    for (std::size_t row = 1; row < SouthCatalogue1999.size(); ++row)
        QVERIFY(SouthCatalogue1999.threshold(row - 1) >= SouthCatalogue1999.threshold(row));
}

void TestEngine::everyPrincipalStarIsInItsCatalogues() {
    const auto north = NamesOf(NorthCatalogue1999);
    const auto south = NamesOf(SouthCatalogue1999);
    QCOMPARE(NamesOf(NorthCatalogue2000), north);
    QCOMPARE(NamesOf(SouthCatalogue2000), south);

    const std::set<std::size_t> inSouth = {2, 3, 7, 11, 12};
    const PrincipalStarLore& lore = FillPrincipalStarLore();
    std::set<std::string_view> unique;
    for (std::size_t i = 0; i < lore.size(); ++i) {
        const std::string_view name = lore[i].StarName;
        unique.insert(name);
        QVERIFY2(lore[i].Keywords != NotAvailableMark, lore[i].StarName.data());
        if (i == 18) {
            QVERIFY(north.count(name) && south.count(name));
        } else {
            QVERIFY2((inSouth.count(i) ? south : north).count(name), name.data());
        }
    }
    QCOMPARE(unique.size(), lore.size());
    QVERIFY(&FillPrincipalStarLore() == &lore);
}

void TestEngine::loreLookupIsByteExact() {
    for (const char* name : {"REGULUS", "regulus", "Regulus ", " Regulus", "MINTAKA", ""}) {
        const StarReading reading = assembleReading(name);
        QVERIFY2(!reading.frameShown, name);
        for (const std::string& value : reading.attributes)
            QCOMPARE(q(value), QStringLiteral("NA"));
    }
    QCOMPARE(q(assembleReading("Alderbaran")[Attribute::Effect]),
             QStringLiteral("This star has an effect of bestowing courage, intelligence and "
                            "honor in whichever part of the birth chart it is present in. "));
    QCOMPARE(q(assembleReading("Polaris")[Attribute::LatinName]),
             QStringLiteral("Cauda Urs\u00e6"));
    QCOMPARE(q(assembleReading("Arcturus")[Attribute::Designation]),
             QStringLiteral("Alpha Bo\u00f6tis"));
    for (const char* name : {"Vindemiatrix", "Pleiades"}) {
        const StarReading reading = assembleReading(name);
        QCOMPARE(q(reading[Attribute::Effect]), QStringLiteral("NA"));
        QVERIFY(reading[Attribute::Keywords] != NotAvailableMark);
        QVERIFY(reading.frameShown);
    }
}

void TestEngine::readingOfAPrincipalStar() {
    const StarReading reading = assembleReading("Regulus");
    QVERIFY(reading.frameShown);
    QCOMPARE(q(reading.starLine), QStringLiteral("Regulus"));
    const QStringList expected = {
        "Cor leonis",
        "Alpha Leonis",
        "Granite",
        "mugwort",
        "Leo 29\u00b050'",
        "Jupiter And Mars",
        "Independence, Leadership, Success",
        "You can hope to accomplish all your goals. You may become famous in your professional "
        "life.",
        "Raphael",
        "North"};
    for (std::size_t i = 0; i < attributeCount; ++i)
        QCOMPARE(q(reading.attributes[i]), expected[qsizetype(i)]);
}

void TestEngine::readingWithoutLore() {
    const StarReading reading = assembleReading("MIRFAK");
    QVERIFY(!reading.frameShown);
    QCOMPARE(q(reading.starLine),
             QStringLiteral("MIRFAK\r\nInterpretation for this Fixed Star will be included in the "
                            "next version."));
}

void TestEngine::readingWithEmptyLatinName() {
    const StarReading reading = assembleReading("Fomalhaut");
    QVERIFY(reading.frameShown);
    QCOMPARE(q(reading.starLine), QStringLiteral("Fomalhaut"));
    QCOMPARE(q(reading[Attribute::LatinName]), QString());
    QCOMPARE(q(reading[Attribute::Designation]), QStringLiteral("NA"));
    QCOMPARE(q(reading[Attribute::RulingPlanet]), QStringLiteral("NA"));
    QCOMPARE(q(reading[Attribute::Angel]), QStringLiteral("Gabriel"));
    QCOMPARE(q(reading[Attribute::Direction]), QStringLiteral("South"));
}

void TestEngine::readingOfNoStar() {
    const StarReading reading = assembleReading("");
    QVERIFY(!reading.frameShown);
    QCOMPARE(q(reading.starLine),
             QStringLiteral("\r\nInterpretation for this Fixed Star will be included in the next "
                            "version."));
}

void TestEngine::requestCarriesOverKeyAndStar() {
    ReadingEngine engine;
    QCOMPARE(engine.ColatitudeKey(), 0.0);
    QCOMPARE(engine.CurrentStarName(), std::string());

    // 77 33 gives the key 12.27: Regulus, with its lore.
    ReadingOutcome first = engine.RequestReading("77", "33", 1950);
    QVERIFY(first.accepted());
    QCOMPARE(q(first.reading->starLine), QStringLiteral("Regulus"));
    QVERIFY(first.reading->frameShown);

    // A second reading for another latitude keeps nothing of the first.
    ReadingOutcome second = engine.RequestReading("40", "30", 1950);
    QVERIFY(second.accepted());
    QVERIFY(!second.reading->frameShown);
    for (const std::string& value : second.reading->attributes)
        QCOMPARE(q(value), QStringLiteral("NA"));
    QCOMPARE(engine.ColatitudeKey(), 49.30);
}

void TestEngine::refusals_data() {
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("field");  // -1: accepted
    const int deg = int(LatitudeField::Degrees);
    const int min = int(LatitudeField::Minutes);
    QTest::newRow("minutes 61") << "40"
                                << "61" << min;
    QTest::newRow("minutes 999") << "40"
                                 << "999" << min;
    QTest::newRow("minutes 60 pass") << "40"
                                     << "60" << -1;
    QTest::newRow("pasted fraction degrees") << "4.5"
                                             << "30" << deg;
    QTest::newRow("pasted fraction minutes") << "40"
                                             << "4.5" << min;
    QTest::newRow("empty degrees") << ""
                                   << "30" << deg;
    QTest::newRow("blank minutes") << "40"
                                   << "   " << min;
    QTest::newRow("blanks around digits pass") << "  40 "
                                               << " 30  " << -1;
    QTest::newRow("tab is not a blank") << "40\t"
                                        << "30" << deg;
    QTest::newRow("four digits") << "0040"
                                 << "30" << deg;
    QTest::newRow("sign") << "+40"
                          << "30" << deg;
    QTest::newRow("minus") << "40"
                           << "-5" << min;
    QTest::newRow("exponent") << "4e1"
                              << "30" << deg;
    QTest::newRow("arabic-indic digits") << "\u0664\u0660"
                                         << "30" << deg;
    QTest::newRow("both bad names degrees") << "x"
                                            << "y" << deg;
    QTest::newRow("no row below -360") << "451"
                                       << "0" << deg;
    QTest::newRow("450 59 is -360.01") << "450"
                                       << "59" << deg;
    QTest::newRow("450 60 is -360.00") << "450"
                                       << "60" << -1;
    QTest::newRow("999 60") << "999"
                            << "60" << deg;
}

void TestEngine::refusals() {
    QFETCH(QString, degrees);
    QFETCH(QString, minutes);
    QFETCH(int, field);

    ReadingEngine engine;
    QVERIFY(engine.RequestReading("77", "33", 2000).accepted());
    const double keyBefore = engine.ColatitudeKey();
    const std::string starBefore = engine.CurrentStarName();

    const ReadingOutcome outcome =
        engine.RequestReading(degrees.toStdString(), minutes.toStdString(), 1999);
    if (field < 0) {
        QVERIFY(outcome.accepted());
        QVERIFY(!outcome.refusedField);
        return;
    }
    QVERIFY(!outcome.accepted());
    QCOMPARE(int(outcome.refusedField.value()), field);
    QCOMPARE(engine.ColatitudeKey(), keyBefore);
    QCOMPARE(engine.CurrentStarName(), starBefore);

    // A first request that is refused leaves the engine as it started.
    ReadingEngine fresh;
    QVERIFY(!fresh.RequestReading(degrees.toStdString(), minutes.toStdString(), 1999).accepted());
    QCOMPARE(fresh.ColatitudeKey(), 0.0);
    QCOMPARE(fresh.CurrentStarName(), std::string());
}

void TestEngine::boxReading() {
    QCOMPARE(readLatitudeBox("0"), std::optional<int>(0));
    QCOMPARE(readLatitudeBox("007"), std::optional<int>(7));
    QCOMPARE(readLatitudeBox(" 999 "), std::optional<int>(999));
    QCOMPARE(readLatitudeBox("1000"), std::optional<int>());
    QCOMPARE(readLatitudeBox("4 0"), std::optional<int>());
    QCOMPARE(readLatitudeBox(std::string_view("4\0", 2)), std::optional<int>());
}

void TestEngine::sweepOfEveryTypedLatitude() {
    const std::set<std::string_view> north = NamesOf(NorthCatalogue1999);
    const std::set<std::string_view> south = NamesOf(SouthCatalogue1999);
    ReadingEngine engine;
    int accepted = 0;
    int refused = 0;
    for (const int year : {1999, 2000}) {
        for (int degrees = 0; degrees <= 999; ++degrees) {
            const std::string degreesText = std::to_string(degrees);
            for (int minutes = 0; minutes <= 999; ++minutes) {
                const double keyBefore = engine.ColatitudeKey();
                const std::string starBefore = engine.CurrentStarName();
                const ReadingOutcome outcome =
                    engine.RequestReading(degreesText, std::to_string(minutes), year);

                const double key = ExpectedKey(degrees, minutes);
                const bool expectAccepted = minutes <= 60 && (degrees < 90 || key >= -360.0);
                if (outcome.accepted() != expectAccepted)
                    QFAIL(qPrintable(QString("%1 %2 %3").arg(degrees).arg(minutes).arg(year)));
                if (!outcome.accepted()) {
                    ++refused;
                    const LatitudeField expected =
                        minutes > 60 ? LatitudeField::Minutes : LatitudeField::Degrees;
                    if (outcome.refusedField != expected || engine.ColatitudeKey() != keyBefore ||
                        engine.CurrentStarName() != starBefore)
                        QFAIL(qPrintable(QString("refusal %1 %2").arg(degrees).arg(minutes)));
                    continue;
                }
                ++accepted;
                const auto& names = degrees < 90 ? north : south;
                if (std::abs(engine.ColatitudeKey() - key) > 1e-9 ||
                    !names.count(engine.CurrentStarName()) ||
                    !outcome.reading->starLine.starts_with(engine.CurrentStarName()))
                    QFAIL(qPrintable(
                        QString("reading %1 %2 %3").arg(degrees).arg(minutes).arg(year)));
            }
        }
    }
    // North: 90 x 61 per year; south: 90..449 x 61 plus 450 with minutes 60.
    QCOMPARE(accepted, 2 * (90 * 61 + 360 * 61 + 1));
    QCOMPARE(refused, 2 * 1000 * 1000 - accepted);
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
