// SPDX-License-Identifier: GPL-3.0-or-later
// The real sky: the compiled-in star catalogue against its source file, the
// reading's star names in the catalogue.

#include <QFile>
#include <QtTest>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "sky/catalogue.h"
#include "stars/catalogues.h"

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The catalogue file read again here, the test's own way: a row's fields.
struct SourceRow {
    QString name, designation, equinox;
    double ra, dec, pmRa, pmDec, rv, parallax, magnitude;
};

QList<SourceRow> readSource() {
    QFile file(QStringLiteral(STAR_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", STAR_CATALOGUE);
    QList<SourceRow> rows;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        line = line.section(QLatin1Char('#'), 0, 0);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() < 14)
            qFatal("short row %s", qPrintable(line));
        auto n = [&](int i) { return f[i].trimmed().toDouble(); };
        SourceRow r;
        r.designation = f[1].trimmed();
        r.name = f[0].trimmed().isEmpty() ? r.designation : f[0].trimmed();
        r.equinox = f[2].trimmed();
        r.ra = 15.0 * (n(3) + n(4) / 60.0 + n(5) / 3600.0);
        const double decAbs = std::abs(n(6)) + n(7) / 60.0 + n(8) / 3600.0;
        r.dec = f[6].contains(QLatin1Char('-')) ? -decAbs : decAbs;
        r.pmRa = n(9);
        r.pmDec = n(10);
        r.rv = n(11);
        r.parallax = n(12);
        r.magnitude = n(13);
        rows.append(r);
    }
    return rows;
}

const sky::Star& starOf(std::string_view catalogueName) {
    const sky::Star* star = sky::findStar(catalogueName);
    if (!star)
        qFatal("no star %s in the catalogue", std::string(catalogueName).c_str());
    return *star;
}

}  // namespace

class TestSky : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsEveryRowOfItsSource();
    void spellingsOfOneStarShareIt();
    void everyReadingNameHasItsStar();
    void readingSpellingsMeanTheRightStar_data();
    void readingSpellingsMeanTheRightStar();
};

void TestSky::catalogueHoldsEveryRowOfItsSource() {
    const QList<SourceRow> source = readSource();
    QVERIFY(source.size() > 1000);
    int compared = 0;
    QSet<QString> seen;
    for (const SourceRow& row : source) {
        if (row.name.isEmpty())
            continue;
        // A name given twice in the file names the first of its rows.
        if (seen.contains(row.name))
            continue;
        const bool referencePoint = row.pmRa == 0 && row.pmDec == 0 && row.rv == 0 &&
                                    row.parallax == 0 && row.magnitude == 0;
        const sky::Star* star = sky::findStar(row.name.toStdString());
        if (referencePoint) {
            QVERIFY2(!star, qPrintable(row.name));
            continue;
        }
        QVERIFY2(star, qPrintable(row.name));
        seen.insert(row.name);
        QCOMPARE(q(star->designation), row.designation);
        if (row.equinox != QLatin1String("1950")) {
            QVERIFY2(std::abs(star->rightAscensionDeg - row.ra) < 1e-9, qPrintable(row.name));
            QVERIFY2(std::abs(star->declinationDeg - row.dec) < 1e-9, qPrintable(row.name));
        } else {
            // Brought from B1950 to J2000: precession of about 0.7 degree.
            QVERIFY(std::abs(star->rightAscensionDeg - row.ra) > 0.3);
            QVERIFY(std::abs(star->rightAscensionDeg - row.ra) < 1.0);
        }
        QCOMPARE(star->properMotionRaMas, row.pmRa);
        QCOMPARE(star->properMotionDecMas, row.pmDec);
        QCOMPARE(star->radialVelocityKmS, row.rv);
        QCOMPARE(star->parallaxMas, row.parallax);
        QCOMPARE(star->hasMagnitude, row.magnitude < 99);
        if (star->hasMagnitude)
            QCOMPARE(star->magnitude, row.magnitude);
        ++compared;
    }
    QVERIFY(compared > 1000);
    // A declination of "-00" degrees is south of the equator.
    QVERIFY(starOf("Sadalmelek").declinationDeg < 0);
    QVERIFY(starOf("Sadalmelek").declinationDeg > -0.5);
    // The catalogue's distinct stars, each with its own place.
    QVERIFY(sky::stars().size() > 1000);
    QVERIFY(sky::stars().size() < sky::catalogueNames().size());
}

void TestSky::spellingsOfOneStarShareIt() {
    QCOMPARE(&starOf("Rohini"), &starOf("Aldebaran"));
    QCOMPARE(&starOf("Almak"), &starOf("Almach"));
    QVERIFY(&starOf("Deneb") != &starOf("Denebola"));
    QCOMPARE(q(starOf("Aldebaran").name), QStringLiteral("Aldebaran"));
    QCOMPARE(q(starOf("Rohini").name), QStringLiteral("Aldebaran"));
    QCOMPARE(sky::findStar("Alderbaran"), nullptr);
    // A star without a traditional name goes by its designation.
    QCOMPARE(q(starOf("deAnd").designation), QStringLiteral("deAnd"));
    QCOMPARE(q(starOf("deAnd").name), QStringLiteral("deAnd"));
    std::set<std::string_view> names;
    for (const sky::CatalogueName& entry : sky::catalogueNames()) {
        QVERIFY(entry.star < sky::stars().size());
        QVERIFY2(names.insert(entry.name).second, std::string(entry.name).c_str());
    }
}

void TestSky::everyReadingNameHasItsStar() {
    std::set<std::string_view> readingNames;
    for (const stars::StarCatalogue* catalogue :
         {&stars::NorthCatalogue1999, &stars::NorthCatalogue2000, &stars::SouthCatalogue1999,
          &stars::SouthCatalogue2000}) {
        for (std::size_t row = 0; row < catalogue->size(); ++row)
            readingNames.insert(catalogue->name(row));
    }
    QVERIFY(readingNames.size() > 250);

    std::map<std::string_view, std::string_view> table;
    for (const sky::ReadingName& entry : sky::readingNameTable()) {
        QVERIFY2(table.emplace(entry.readingName, entry.catalogueName).second,
                 std::string(entry.readingName).c_str());
        // No entry for a name the reading does not use.
        QVERIFY2(readingNames.count(entry.readingName), std::string(entry.readingName).c_str());
    }
    QStringList withoutEntry;
    for (std::string_view name : readingNames) {
        QVERIFY2(table.count(name), std::string(name).c_str());
        const std::string_view catalogueName = table[name];
        if (catalogueName.empty()) {
            withoutEntry << q(name);
            QCOMPARE(sky::starForReadingName(name), nullptr);
        } else {
            QVERIFY2(sky::findStar(catalogueName), std::string(catalogueName).c_str());
            QCOMPARE(sky::starForReadingName(name), sky::findStar(catalogueName));
        }
    }
    // The Whirlpool galaxy M51, which the reading calls Copula, is not in the catalogue.
    QCOMPARE(withoutEntry, QStringList{QStringLiteral("COPULA")});
}

void TestSky::readingSpellingsMeanTheRightStar_data() {
    QTest::addColumn<QString>("readingName");
    QTest::addColumn<QString>("designation");
    QTest::newRow("Alderbaran") << "Alderbaran"
                                << "alTau";
    QTest::newRow("Alcycone") << "Alcycone"
                              << "etTau";
    QTest::newRow("Pleiades") << "Pleiades"
                              << "etTau";
    QTest::newRow("Algenubi") << QStringLiteral("RAS ELASED AUST\u00A0 (Algenubi)") << "epLeo";
    QTest::newRow("Azha with its blank") << "AZHA "
                                         << "etEri";
    QTest::newRow("Etamin, not Rastaban") << "ETAMIN (Rastaban)"
                                          << "gaDra";
    QTest::newRow("Alwaid Rastaban") << "ALWAID Rastaban"
                                     << "beDra";
    QTest::newRow("Alnasl, not Spiculum") << "ALNASL (Spiculum)"
                                          << "gaSgr";
    QTest::newRow("Spiculum") << "Spiculum"
                              << "NGC6530";
    QTest::newRow("Praesaepe") << "PRAESAEPE"
                               << "M44";
    QTest::newRow("Ensis") << QStringLiteral("ENSIS\u00A0 M42, The Great Orion Nebula.") << "M42";
    QTest::newRow("North Scale") << "ZUBEN ELS CHEMALI (North Scale)"
                                 << "beLib";
    QTest::newRow("South Scale") << "ZUBEN ELGENUBI (South Scale)"
                                 << "al-2Lib";
    QTest::newRow("Toliman") << "TOLIMAN (Bungula)"
                             << "alCen";
    QTest::newRow("Vertex") << "VERTEX"
                            << "M31";
    QTest::newRow("Regulus") << "Regulus"
                             << "alLeo";
}

void TestSky::readingSpellingsMeanTheRightStar() {
    QFETCH(QString, readingName);
    QFETCH(QString, designation);
    const std::string name = readingName.toStdString();
    const sky::Star* star = sky::starForReadingName(name);
    QVERIFY(star);
    QCOMPARE(q(star->designation), designation);
}

QTEST_GUILESS_MAIN(TestSky)
#include "tst_sky.moc"
