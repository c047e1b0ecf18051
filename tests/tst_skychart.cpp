// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of a birth's sky: their layouts (nothing overlaps, everything
// inside the picture), their styles' contrast, their text alternative, and
// their files: SVG read back by libxml2 and drawn by librsvg against the
// program's own drawing, PDF holding vector paths, PNG. Set
// ASTERINE_SKYCHART_OUT to a folder to keep every picture drawn for a
// person to look at.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <optional>

#include "sky/time_scale.h"
#include "skychart/chart_data.h"
#include "skychart/chart_files.h"
#include "skychart/chart_layout.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"
#include "skychart/chart_texts.h"
#include "skychart/svg_file.h"
#include "skynames/sky_names.h"

using namespace skychart;

namespace {

struct Birth {
    const char* name;
    int year, month, day;
    std::optional<double> localHour;  // without it, no time of birth
    double utcOffsetHours;
    double latitudeDeg;
    std::optional<double> eastLongitudeDeg;
    const char* star;
};

// Births over the world: both hemispheres, the equator, a chosen star that
// never sets and one that never rises there, seven bodies in Aquarius (the
// gathering of February 1962), and births that give less.
const Birth kBirths[] = {
    {"london", 1990, 6, 15, 13.5, 1, 51.507, -0.128, "Alderbaran"},
    {"sydney", 1985, 12, 3, 7.25, 11, -33.87, 151.21, "Antares"},
    {"quito", 2001, 3, 21, 6.0, -5, -0.18, -78.47, "Regulus"},
    {"oslo_circumpolar", 1975, 1, 10, 22.0, 1, 59.91, 10.75, "Capella"},
    {"helsinki_never_rises", 1968, 9, 1, 4.0, 2, 60.17, 24.94, "CANOPUS"},
    {"delhi_aquarius", 1962, 2, 4, 12.0, 5.5, 28.61, 77.21, "Sirius"},
    {"no_place", 1950, 5, 5, 10.0, 0, 40.0, std::nullopt, "Spica"},
    {"year_only", 1950, 5, 5, std::nullopt, 0, 40.0, std::nullopt, "Spica"},
    // Sixteen names round the wheel, the Midheaven's among them, at 34° S.
    {"sydney_crowded", 1980, 4, 23, 12.25, 10, -33.87, 151.21, "PEACOCK"},
};

sky::BirthSkyRequest requestOf(const Birth& b) {
    sky::BirthSkyRequest request;
    request.year = b.year;
    request.latitudeDeg = b.latitudeDeg;
    request.eastLongitudeDeg = b.eastLongitudeDeg;
    const double midnight = sky::julianDayOf(b.year, b.month, b.day) - b.utcOffsetHours / 24.0;
    if (b.eastLongitudeDeg)
        request.dayStartJdUt = midnight;
    if (b.localHour)
        request.julianDayUt = midnight + *b.localHour / 24.0;
    request.chosenStar = b.star;
    return request;
}

ChartData dataOf(const Birth& b) {
    return chartData(requestOf(b));
}

QPalette paletteOf(const QColor& window, const QColor& text) {
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

QImage render(const ChartPicture& picture, QSize size, const ChartStyle& style) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(), QSizeF(size)), style);
    return image;
}

// The share of the picture's pixels that differ from its background.
double inkShare(const QImage& picture, const QColor& background) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    qsizetype ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qRed(line[x]) - background.red()) +
                    std::abs(qGreen(line[x]) - background.green()) +
                    std::abs(qBlue(line[x]) - background.blue()) >
                60)
                ++ink;
        }
    }
    return double(ink) / double(image.width() * image.height());
}

// How far apart two drawings of one picture are: both reduced to 100x100
// (antialiasing and the text renderers' small differences smoothed away),
// the mean difference over the picture and the largest over its 10x10 blocks,
// as a share of full scale.
struct Difference {
    double mean = 1, worstBlock = 1;
};
Difference difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32)
                         .scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.convertToFormat(QImage::Format_RGB32)
                         .scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Difference d{0, 0};
    double blocks[10][10] = {};
    for (int j = 0; j < 100; ++j) {
        for (int i = 0; i < 100; ++i) {
            const QColor p = x.pixelColor(i, j), q = y.pixelColor(i, j);
            const double v = (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                              std::abs(p.blue() - q.blue())) /
                             (3.0 * 255.0);
            d.mean += v / 10000.0;
            blocks[j / 10][i / 10] += v / 100.0;
        }
    }
    for (auto& row : blocks)
        for (double v : row)
            d.worstBlock = std::max(d.worstBlock, v);
    return d;
}

QString describe(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The first two boxes that overlap, described; empty when none do.
QString overlapping(const std::vector<QRectF>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].intersects(boxes[j]))
                return QStringLiteral("%1 and %2 overlap")
                    .arg(describe(boxes[i]), describe(boxes[j]));
    return {};
}

QString outside(const std::vector<QRectF>& boxes, const QRectF& frame) {
    for (const QRectF& box : boxes)
        if (!frame.contains(box))
            return QStringLiteral("%1 is outside %2").arg(describe(box), describe(frame));
    return {};
}

// The first two labels outside the ring, the stars' names and the angles'
// marks, that come closer than a tenth of their height: labels that close
// read as one. Empty when none do.
QString runTogether(const WheelLayout& w) {
    std::vector<QRectF> grown;
    for (const WheelLayout::Outer& o : w.outer) {
        const double air = o.label.box.height() * 0.05;
        grown.push_back(o.label.box.adjusted(-air, -air, air, air));
    }
    for (std::size_t i = 0; i < grown.size(); ++i)
        for (std::size_t j = i + 1; j < grown.size(); ++j)
            if (grown[i].intersects(grown[j]))
                return QStringLiteral("\"%1\" %2 and \"%3\" %4 run together")
                    .arg(w.outer[i].label.text, describe(w.outer[i].label.box),
                         w.outer[j].label.text, describe(w.outer[j].label.box));
    return {};
}

// What is wrong with the notice of a wheel without a time of birth: a line
// reaching out of the inner circle, type smaller than the signs', lines
// that overlap; empty when nothing is.
QString noticeProblem(const WheelLayout& w) {
    if (w.notice.empty())
        return QStringLiteral("no notice");
    const int signs = w.signs.front().font.pixelSize();
    for (const TextBox& line : w.notice) {
        if (line.font.pixelSize() < signs)
            return QStringLiteral("the notice's type is %1 px, the signs' %2 px")
                .arg(line.font.pixelSize())
                .arg(signs);
        const QRectF& box = line.box;
        for (QPointF corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            if (std::hypot(corner.x() - w.centre.x(), corner.y() - w.centre.y()) >= w.innerRadius)
                return QStringLiteral("\"%1\" %2 reaches out of the inner circle, radius %3")
                    .arg(line.text, describe(box))
                    .arg(w.innerRadius);
        }
    }
    std::vector<QRectF> boxes;
    for (const TextBox& line : w.notice)
        boxes.push_back(line.box);
    return overlapping(boxes);
}

}  // namespace

class TestSkyChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void spreadOnACircle();
    void spreadOnALine();
    void contrastAsTheWcagDefinesIt();
    void screenStylesKeepTheirContrast();
    void wordsFollowTheDesktopFont();

    void theBirthsGiveWhatTheyShould();
    void wheelLabelsApartAndInside_data();
    void wheelLabelsApartAndInside();
    void horizonLabelsApartAndInside_data();
    void horizonLabelsApartAndInside();
    void horizonShowsStarsThatNeverSetOrRise();

    void picturesAreDrawn();
    void nothingIsDrawnOutsideTheFrame();
    void wheelIsNotMirrored();
    void picturesInEveryLanguage_data();
    void picturesInEveryLanguage();
    void textAlternativeNamesEverything();
    void azimuthsReadFromNoughtTo359();
    void placesReadToTheNearestMinute();

    void svgIsValidAndLooksTheSame();
    void pdfHoldsVectorPaths();
    void pngAtTheSizeAsked();
    void failuresNameTheFile();
    void startUpNeedsNoQtSvg();

private:
    QString out(const QString& name) const { return outDir_ + QLatin1Char('/') + name; }

    QTemporaryDir temporary_;
    QString outDir_;
};

void TestSkyChart::initTestCase() {
    QVERIFY(temporary_.isValid());
    outDir_ = qEnvironmentVariable("ASTERINE_SKYCHART_OUT");
    if (outDir_.isEmpty())
        outDir_ = temporary_.path();
    QVERIFY(QDir().mkpath(outDir_));
}

void TestSkyChart::spreadOnACircle() {
    // Apart already: unchanged.
    const std::vector<double> apart = spreadOnCircle({10, 100, 200}, 20);
    QCOMPARE(apart, (std::vector<double>{10, 100, 200}));
    // Three together spread round their place, the middle one unmoved.
    QCOMPARE(spreadOnCircle({50, 50, 50}, 10), (std::vector<double>{40, 50, 60}));
    // Across 0°: 358° and 2° pushed to 355° and 5°, the input's order kept.
    const std::vector<double> across = spreadOnCircle({2, 358}, 10);
    QVERIFY(std::abs(across[0] - 5) < 1e-9);
    QVERIFY(std::abs(across[1] - 355) < 1e-9);
    // Too many for the circle: evenly round it.
    std::vector<double> crowd(40, 30.0);
    const std::vector<double> even = spreadOnCircle(crowd, 10);
    std::vector<double> sorted = even;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i)
        QVERIFY(std::abs(sorted[i] - sorted[i - 1] - 9.0) < 1e-9);
    // A crowded circle: every neighbour at least the separation apart, round
    // the circle as well, and the order kept.
    const std::vector<double> many{1, 2, 3, 4, 5, 6, 7, 350, 355, 180, 181};
    const std::vector<double> spread = spreadOnCircle(many, 12);
    std::vector<double> round = spread;
    std::sort(round.begin(), round.end());
    for (std::size_t i = 0; i < round.size(); ++i) {
        const double next = i + 1 < round.size() ? round[i + 1] : round[0] + 360;
        QVERIFY2(next - round[i] >= 12 - 1e-9, qPrintable(QString::number(round[i])));
    }
    for (std::size_t i = 0; i + 1 < 7; ++i)
        QVERIFY(sky::normalized180(spread[i + 1] - spread[i]) > 0);
}

void TestSkyChart::spreadOnALine() {
    QCOMPARE(spreadOnLine({0, 0}, 10, 0, 100), (std::vector<double>{0, 10}));
    QCOMPARE(spreadOnLine({100, 100}, 10, 0, 100), (std::vector<double>{90, 100}));
    QCOMPARE(spreadOnLine({50, 20, 50}, 10, 0, 100), (std::vector<double>{45, 20, 55}));
    // More than fits: squeezed to the line's length.
    const std::vector<double> squeezed = spreadOnLine({5, 5, 5}, 100, 0, 10);
    QCOMPARE(squeezed, (std::vector<double>{0, 5, 10}));
}

void TestSkyChart::contrastAsTheWcagDefinesIt() {
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(contrastRatio(Qt::white, Qt::white), 1.0);
    // The WCAG's own examples: #767676 is the lightest grey to read on white.
    QVERIFY(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) >= 4.5);
    QVERIFY(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5);
    // A colour that falls short is brought to the contrast, one that does not is kept.
    const QColor grey(0x90, 0x90, 0x90);
    QVERIFY(contrastRatio(withContrast(grey, Qt::white, 4.5), Qt::white) >= 4.5);
    QCOMPARE(withContrast(Qt::black, Qt::white, 4.5), QColor(Qt::black));
    // The worst background for both black and white still reaches 4.5 with one.
    for (int v = 0; v < 256; v += 5) {
        const QColor background(v, v, v);
        QVERIFY(contrastRatio(withContrast(background, background, 4.5), background) >= 4.5);
    }
}

void TestSkyChart::screenStylesKeepTheirContrast() {
    const QList<QPalette> palettes{
        paletteOf(Qt::white, Qt::black),
        paletteOf(QColor(0x20, 0x20, 0x20), QColor(0xe0, 0xe0, 0xe0)),
        // A palette that falls short: grey text on grey.
        paletteOf(QColor(0x80, 0x80, 0x80), QColor(0x90, 0x90, 0x90)),
        paletteOf(QColor(0x00, 0x00, 0x60), QColor(0x00, 0x00, 0xa0)),
        QGuiApplication::palette(),
    };
    for (const QPalette& palette : palettes) {
        const ChartStyle style = screenStyle(palette, QGuiApplication::font());
        QCOMPARE(style.background, palette.color(QPalette::Window).toRgb());
        QVERIFY(contrastRatio(style.text, style.background) >= kTextContrast);
        QVERIFY(contrastRatio(style.star, style.background) >= kTextContrast);
        QVERIFY(contrastRatio(style.sun, style.background) >= kTextContrast);
        QVERIFY(contrastRatio(style.line, style.background) >= kLineContrast);
        // The texts read on the ground as well, and the ground is not the sky.
        QVERIFY(contrastRatio(style.text, style.ground) >= kTextContrast);
        QVERIFY(contrastRatio(style.star, style.ground) >= kTextContrast);
        QVERIFY(contrastRatio(style.sun, style.ground) >= kTextContrast);
        QVERIFY(contrastRatio(style.line, style.ground) >= kLineContrast);
        QVERIFY(style.ground != style.background);
        QVERIFY(contrastRatio(style.text, style.background) >= kTextContrast);
        QVERIFY(contrastRatio(style.star, style.background) >= kTextContrast);
    }
    const ChartStyle paper = paperStyle();
    QCOMPARE(paper.background, QColor(Qt::white));
    QCOMPARE(paper.text, QColor(Qt::black));
    QVERIFY(contrastRatio(paper.star, paper.background) >= kTextContrast);
    QVERIFY(contrastRatio(paper.sun, paper.background) >= kTextContrast);
    // Paper keeps its type in proportion whatever the desktop's.
    QCOMPARE(paper.leastTextPixels, 0.0);
}

void TestSkyChart::wordsFollowTheDesktopFont() {
    auto at = [](double points) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        return font;
    };
    // The usual desktop sizes leave the pictures as they are.
    for (double points : {8.0, 9.0, 10.0})
        QCOMPARE(leastTextPixels(at(points)), 0.0);
    // A large font: the words at least its size.
    QCOMPARE(leastTextPixels(at(16)), double(QFontInfo(at(16)).pixelSize()));
    QVERIFY(leastTextPixels(at(16)) > leastTextPixels(at(12)));
    QVERIFY(leastTextPixels(at(12)) > 14);
    QFont pixels(QStringLiteral("DejaVu Sans"));
    pixels.setPixelSize(22);
    QCOMPARE(leastTextPixels(pixels), 22.0);
    QCOMPARE(screenStyle(QGuiApplication::palette(), at(16)).leastTextPixels,
             leastTextPixels(at(16)));

    // In pictures whose words would be smaller, a star's name and a caption grow.
    const ChartData data = dataOf(kBirths[0]);
    ChartStyle large = paperStyle();
    large.leastTextPixels = 21;
    const QRectF frame(0, 0, 600, 600);
    const WheelLayout normalWheel = layoutWheel(data, frame, paperStyle());
    const WheelLayout largeWheel = layoutWheel(data, frame, large);
    QVERIFY(!normalWheel.outer.empty());
    QVERIFY2(largeWheel.outer.front().label.font.pixelSize() >= 21 &&
                 normalWheel.outer.front().label.font.pixelSize() < 16,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(largeWheel.outer.front().label.font.pixelSize())
                            .arg(normalWheel.outer.front().label.font.pixelSize())));
    const QRectF wide(0, 0, 560, 350);
    const HorizonLayout normalHorizon = layoutHorizon(data, wide, paperStyle());
    const HorizonLayout largeHorizon = layoutHorizon(data, wide, large);
    QCOMPARE(largeHorizon.labels.size(), normalHorizon.labels.size());
    for (std::size_t i = 0; i < largeHorizon.labels.size(); ++i) {
        // The title is fitted to the picture's width.
        if (largeHorizon.labels[i].role == HorizonLayout::Role::Title) {
            QVERIFY(largeHorizon.labels[i].text.font.pixelSize() >
                    normalHorizon.labels[i].text.font.pixelSize());
            continue;
        }
        QVERIFY2(largeHorizon.labels[i].text.font.pixelSize() >
                     normalHorizon.labels[i].text.font.pixelSize() * 1.3,
                 qPrintable(QStringLiteral("%1: %2 against %3")
                                .arg(largeHorizon.labels[i].text.text)
                                .arg(largeHorizon.labels[i].text.font.pixelSize())
                                .arg(normalHorizon.labels[i].text.font.pixelSize())));
    }
}

void TestSkyChart::theBirthsGiveWhatTheyShould() {
    // The births are the cases they are meant to be.
    const ChartData london = dataOf(kBirths[0]);
    QCOMPARE(london.bodies.size(), std::size_t(9));
    QVERIFY(london.angles.has_value());
    QVERIFY(london.day.has_value());
    QVERIFY(london.stars.front().chosen);
    QCOMPARE(london.stars.front().name, QStringLiteral("Alderbaran"));

    const ChartData oslo = dataOf(kBirths[3]);
    QCOMPARE(oslo.day->starVisibility, std::optional(sky::Visibility::Circumpolar));
    const ChartData helsinki = dataOf(kBirths[4]);
    QCOMPARE(helsinki.day->starVisibility, std::optional(sky::Visibility::NeverRises));

    // Seven bodies within 30° of each other.
    const ChartData delhi = dataOf(kBirths[5]);
    int inAquarius = 0;
    for (const WheelBody& b : delhi.bodies)
        inAquarius += int(b.longitudeDeg >= 300 && b.longitudeDeg < 330);
    QVERIFY2(inAquarius >= 7, qPrintable(QString::number(inAquarius)));

    const ChartData noPlace = dataOf(kBirths[6]);
    QCOMPARE(noPlace.bodies.size(), std::size_t(9));
    QVERIFY(!noPlace.angles && !noPlace.day);
    const ChartData yearOnly = dataOf(kBirths[7]);
    QVERIFY(yearOnly.bodies.empty() && !yearOnly.day);
    QCOMPARE(yearOnly.stars.size(), std::size_t(1));
    // Fourteen stars and the two angles' marks to set round the wheel.
    const ChartData crowded = dataOf(kBirths[8]);
    QVERIFY2(crowded.stars.size() >= 14, qPrintable(QString::number(crowded.stars.size())));
    QCOMPARE(crowded.stars.front().name, QStringLiteral("PEACOCK"));

    // Every marked star but the reading's is bright and within the orb of a body.
    for (const Birth& b : kBirths) {
        const sky::BirthSkyRequest request = requestOf(b);
        const ChartData data = chartData(request);
        for (const WheelStar& star : data.stars) {
            if (star.chosen)
                continue;
            QVERIFY(!star.conjunctWith.empty());
            for (sky::Body body : star.conjunctWith) {
                const auto found = std::find_if(data.bodies.begin(), data.bodies.end(),
                                                [&](const WheelBody& w) { return w.body == body; });
                QVERIFY(found != data.bodies.end());
                QVERIFY(std::abs(sky::normalized180(found->longitudeDeg - star.longitudeDeg)) <=
                        request.orbDeg);
            }
            const sky::Star* s = sky::findStar(star.name.toStdString());
            QVERIFY2(s && s->hasMagnitude && s->magnitude <= kMarkedMagnitude,
                     qPrintable(star.name));
            // Named, not designated.
            QVERIFY2(!star.name.contains(QRegularExpression(QStringLiteral("[0-9_]"))),
                     qPrintable(star.name));
        }
    }
}

void TestSkyChart::wheelLabelsApartAndInside_data() {
    QTest::addColumn<int>("birth");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("leastPixels");
    // In proportion, and at least a 16 pt and a 20 pt desktop font's size.
    for (double least : {0.0, 21.0, 27.0}) {
        for (int i = 0; i < int(std::size(kBirths)); ++i) {
            for (QSize size : {QSize(800, 800), QSize(400, 400), QSize(1200, 700)})
                QTest::addRow("%s %dx%d type %.0f px", kBirths[i].name, size.width(), size.height(),
                              least)
                    << i << size << least;
        }
    }
}

void TestSkyChart::wheelLabelsApartAndInside() {
    QFETCH(int, birth);
    QFETCH(QSize, size);
    QFETCH(double, leastPixels);
    const ChartData data = dataOf(kBirths[birth]);
    const QRectF frame(QPointF(10, 20), QSizeF(size));
    ChartStyle style = paperStyle();
    style.leastTextPixels = leastPixels;
    const WheelLayout w = layoutWheel(data, frame, style);
    const std::vector<QRectF> boxes = w.labelBoxes();
    QVERIFY2(overlapping(boxes).isEmpty(), qPrintable(overlapping(boxes)));
    QVERIFY2(outside(boxes, frame).isEmpty(), qPrintable(outside(boxes, frame)));
    QVERIFY2(runTogether(w).isEmpty(), qPrintable(runTogether(w)));
    QCOMPARE(w.signs.size(), std::size_t(12));
    QCOMPARE(w.bodies.size(), data.bodies.size());
    QCOMPARE(w.outer.size(), data.stars.size() + (data.angles ? 2 : 0));
    // Without the bodies, the notice that says why, in the inner circle.
    QCOMPARE(w.notice.empty(), !data.bodies.empty());
    if (data.bodies.empty())
        QVERIFY2(noticeProblem(w).isEmpty(), qPrintable(noticeProblem(w)));
    // The circles inside the picture and inside one another.
    QVERIFY(frame.contains(QRectF(w.centre.x() - w.outerRadius, w.centre.y() - w.outerRadius,
                                  2 * w.outerRadius, 2 * w.outerRadius)));
    QVERIFY(w.innerRadius < w.bodyRadius && w.bodyRadius < w.tickRadius &&
            w.tickRadius < w.ringInnerRadius && w.ringInnerRadius < w.outerRadius &&
            w.outerRadius < w.labelRadius);
    auto distance = [&](QPointF p) {
        return std::hypot(p.x() - w.centre.x(), p.y() - w.centre.y());
    };
    // Each sign's symbol within the ring's band, in its own 30°.
    for (int sign = 0; sign < 12; ++sign) {
        const QRectF box = w.signs[sign].box;
        for (QPointF corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            QVERIFY(distance(corner) < w.outerRadius);
            QVERIFY(distance(corner) > w.ringInnerRadius);
        }
        // Anticlockwise from the Ascendant (or 0° Aries) on the left.
        const QPointF c = box.center() - w.centre;
        const double screenDeg = std::atan2(-c.y(), c.x()) * 180.0 / M_PI;
        const double left = data.angles ? data.angles->ascendantDeg : 0.0;
        QVERIFY(std::abs(sky::normalized180(screenDeg - (180.0 + sign * 30.0 + 15.0 - left))) <
                0.5);
    }
    // Spread apart, the bodies keep their order round the wheel.
    for (const WheelLayout::Body& a : w.bodies) {
        for (const WheelLayout::Body& b : w.bodies) {
            const double apart = sky::normalized180(b.longitudeDeg - a.longitudeDeg);
            if (std::abs(apart) > 1e-6 && std::abs(apart) < 60)
                QVERIFY(sky::normalized180(b.shownDeg - a.shownDeg) * apart > 0);
        }
    }
    // The bodies between the inner circle and the ticks; the stars' names outside the ring.
    for (const WheelLayout::Body& b : w.bodies) {
        for (QPointF corner :
             {b.box.topLeft(), b.box.topRight(), b.box.bottomLeft(), b.box.bottomRight()}) {
            QVERIFY(distance(corner) < w.tickRadius);
            QVERIFY(distance(corner) > w.innerRadius);
        }
    }
    for (const WheelLayout::Outer& o : w.outer) {
        const QRectF box = o.label.box;
        for (QPointF corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QVERIFY(distance(corner) > w.outerRadius);
    }
    // Without the angles 0° Aries is on the left; with them the Ascendant is.
    const double left = data.angles ? data.angles->ascendantDeg : 0.0;
    const QPointF p = w.at(left, 100);
    QVERIFY(std::abs(p.x() - (w.centre.x() - 100)) < 1e-6 && std::abs(p.y() - w.centre.y()) < 1e-6);
    // Anticlockwise: 90° on from the left is at the bottom.
    QVERIFY(w.at(left + 90, 100).y() > w.centre.y() + 99);
}

void TestSkyChart::horizonLabelsApartAndInside_data() {
    QTest::addColumn<int>("birth");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("leastPixels");
    // In proportion, and at least a 16 pt and a 20 pt desktop font's size.
    for (double least : {0.0, 21.0, 27.0}) {
        for (int i = 0; i < int(std::size(kBirths)); ++i) {
            for (QSize size : {QSize(1000, 625), QSize(800, 800), QSize(560, 400)})
                QTest::addRow("%s %dx%d type %.0f px", kBirths[i].name, size.width(), size.height(),
                              least)
                    << i << size << least;
        }
    }
}

void TestSkyChart::horizonLabelsApartAndInside() {
    QFETCH(int, birth);
    QFETCH(QSize, size);
    QFETCH(double, leastPixels);
    const ChartData data = dataOf(kBirths[birth]);
    const QRectF frame(QPointF(5, 7), QSizeF(size));
    ChartStyle style = paperStyle();
    style.leastTextPixels = leastPixels;
    const HorizonLayout h = layoutHorizon(data, frame, style);
    const std::vector<QRectF> boxes = h.labelBoxes();
    QVERIFY2(overlapping(boxes).isEmpty(), qPrintable(overlapping(boxes)));
    QVERIFY2(outside(boxes, frame).isEmpty(), qPrintable(outside(boxes, frame)));
    QVERIFY(frame.contains(h.plot));
    if (!data.day) {
        QCOMPARE(h.labels.size(), std::size_t(2));  // the title and what is missing
        return;
    }
    for (const HorizonLayout::Label& label : h.labels) {
        if (label.role == HorizonLayout::Role::Event || label.role == HorizonLayout::Role::Birth ||
            label.role == HorizonLayout::Role::Name) {
            QVERIFY(h.plot.contains(label.text.box));
            // Next to what it names.
            QVERIFY(label.point);
            const QRectF near = label.text.box.adjusted(-size.width() * 0.15, -size.height() * 0.15,
                                                        size.width() * 0.15, size.height() * 0.15);
            QVERIFY2(near.contains(*label.point), qPrintable(label.text.text));
        }
    }
    // The paths inside the plot, the horizon at altitude 0 in its middle.
    for (const auto* path : {&h.starPath, &h.sunPath}) {
        for (const HorizonLayout::Segment& s : *path) {
            for (QPointF p : s.points)
                QVERIFY(h.plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(p));
        }
    }
    QVERIFY(std::abs(h.yAt(0) - h.plot.center().y()) < 1e-6);
    // The four cardinal points, north and south a half-turn apart.
    int cardinals = 0;
    for (const HorizonLayout::Label& label : h.labels)
        cardinals += int(label.role == HorizonLayout::Role::Cardinal);
    QCOMPARE(cardinals, 4);
    QVERIFY(std::abs(std::abs(h.xAt(0) - h.xAt(180)) - h.plot.width() / 2) < 1e-6);
    // The star's rising, culmination and setting marked when they happen.
    int events = 0;
    for (sky::EventKind kind :
         {sky::EventKind::Rises, sky::EventKind::Culminates, sky::EventKind::Sets})
        events += int((*data.day->starEvents)[kind].status == sky::EventStatus::Happens);
    QCOMPARE(h.starEvents.size(), std::size_t(events));
    QCOMPARE(h.starAtBirth.has_value(), data.day->birthJdUt.has_value());
}

void TestSkyChart::horizonShowsStarsThatNeverSetOrRise() {
    const QRectF frame(0, 0, 1000, 625);
    auto captions = [](const HorizonLayout& h) {
        QStringList texts;
        for (const HorizonLayout::Label& label : h.labels)
            if (label.role == HorizonLayout::Role::Caption ||
                label.role == HorizonLayout::Role::Event)
                texts << label.text.text;
        return texts;
    };
    // Capella over Oslo: its whole path above the horizon, no rising or setting.
    const HorizonLayout oslo = layoutHorizon(dataOf(kBirths[3]), frame, paperStyle());
    QVERIFY(!oslo.starPath.empty());
    for (const HorizonLayout::Segment& s : oslo.starPath)
        QVERIFY(s.above);
    QVERIFY(captions(oslo).contains(ChartTexts::alwaysAbove(QStringLiteral("Capella"))));
    QCOMPARE(oslo.starEvents.size(), std::size_t(1));  // its culmination
    // Canopus over Helsinki: its whole path below it.
    const HorizonLayout helsinki = layoutHorizon(dataOf(kBirths[4]), frame, paperStyle());
    QVERIFY(!helsinki.starPath.empty());
    for (const HorizonLayout::Segment& s : helsinki.starPath)
        QVERIFY(!s.above);
    QVERIFY(captions(helsinki).contains(ChartTexts::alwaysBelow(QStringLiteral("CANOPUS"))));
    for (const HorizonLayout::Segment& s : helsinki.starPath)
        for (QPointF p : s.points)
            QVERIFY(p.y() > helsinki.yAt(0));
    // Aldebaran over London rises and sets: pieces above and below.
    const HorizonLayout london = layoutHorizon(dataOf(kBirths[0]), frame, paperStyle());
    bool above = false, below = false;
    for (const HorizonLayout::Segment& s : london.starPath)
        (s.above ? above : below) = true;
    QVERIFY(above && below);
    QCOMPARE(london.starEvents.size(), std::size_t(3));
    // The meridian it culminates on in the middle: south in the north, north in the south.
    QCOMPARE(london.centreAzimuthDeg, 180.0);
    const HorizonLayout sydney = layoutHorizon(dataOf(kBirths[1]), frame, paperStyle());
    QCOMPARE(sydney.centreAzimuthDeg, 0.0);
}

void TestSkyChart::picturesAreDrawn() {
    const QList<std::pair<QString, ChartStyle>> styles{
        {QStringLiteral("paper"), paperStyle()},
        {QStringLiteral("light"),
         screenStyle(paletteOf(QColor(0xef, 0xef, 0xef), Qt::black), QGuiApplication::font())},
        {QStringLiteral("dark"),
         screenStyle(paletteOf(QColor(0x2a, 0x2a, 0x2e), QColor(0xee, 0xee, 0xee)),
                     QGuiApplication::font())},
    };
    for (const Birth& b : kBirths) {
        const ChartData data = dataOf(b);
        for (const auto& [styleName, style] : styles) {
            const QImage wheel = render(WheelPainter(data), QSize(800, 800), style);
            const QImage horizon = render(HorizonPainter(data), QSize(1000, 625), style);
            QVERIFY(wheel.save(out(QStringLiteral("wheel_%1_%2.png").arg(b.name, styleName))));
            QVERIFY(horizon.save(out(QStringLiteral("horizon_%1_%2.png").arg(b.name, styleName))));
            // Painted over the whole picture: its corners are the background.
            for (const QImage* image : {&wheel, &horizon}) {
                QCOMPARE(image->pixelColor(0, 0).rgb(), style.background.rgb());
                QCOMPARE(image->pixelColor(image->width() - 1, image->height() - 1).rgb(),
                         style.background.rgb());
            }
            // And something drawn on it.
            QVERIFY(inkShare(wheel, style.background) > 0.03);
            QVERIFY(inkShare(horizon, style.background) > (data.day ? 0.03 : 0.002));
        }
    }
}

void TestSkyChart::nothingIsDrawnOutsideTheFrame() {
    // Each picture drawn into a frame inside a larger image, unclipped:
    // lines, marks and texts all stay in the frame.
    const QColor sentinel(0, 255, 0);
    for (const Birth& b : kBirths) {
        const ChartData data = dataOf(b);
        const WheelPainter wheel(data);
        const HorizonPainter horizon(data);
        for (const ChartPicture* picture : {static_cast<const ChartPicture*>(&wheel),
                                            static_cast<const ChartPicture*>(&horizon)}) {
            for (QSizeF size : {QSizeF(800, 800), QSizeF(900, 500), QSizeF(300, 300)}) {
                QImage image(int(size.width()) + 80, int(size.height()) + 80, QImage::Format_RGB32);
                image.fill(sentinel);
                const QRect frame(40, 40, int(size.width()), int(size.height()));
                {
                    QPainter painter(&image);
                    picture->paint(painter, frame, paperStyle());
                }
                for (int y = 0; y < image.height(); ++y) {
                    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                    for (int x = 0; x < image.width(); ++x) {
                        if (!frame.contains(x, y) && line[x] != sentinel.rgb())
                            QFAIL(qPrintable(QStringLiteral("%1 %2x%3: ink at %4,%5")
                                                 .arg(b.name)
                                                 .arg(size.width())
                                                 .arg(size.height())
                                                 .arg(x)
                                                 .arg(y)));
                    }
                }
            }
        }
    }
}

void TestSkyChart::wheelIsNotMirrored() {
    const ChartData data = dataOf(kBirths[0]);
    const QImage leftToRight = render(WheelPainter(data), QSize(600, 600), paperStyle());
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const QImage rightToLeft = render(WheelPainter(data), QSize(600, 600), paperStyle());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(rightToLeft, leftToRight);
}

void TestSkyChart::picturesInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es", "pt_BR", "hi", "ar"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestSkyChart::picturesInEveryLanguage() {
    // The words of the pictures in the language, laid out as well as in
    // English: longer words and other scripts overlap nothing and stay inside.
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(
        translator.load(QStringLiteral("asterine_") + language, QStringLiteral(TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&translator);
    if (language == QLatin1String("ar"))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const QString title = ChartTexts::horizonTitle();
    const QStringList lines = chartLines(dataOf(kBirths[0]));
    const QString sun = skynames::bodyName(sky::Body::Sun);
    QStringList problems;
    for (int birth : {0, 1, 3, 4, 5, 7, 8}) {
        const ChartData data = dataOf(kBirths[birth]);
        // In the usual type and at least in a 16 pt desktop font's.
        for (double least : {0.0, 21.0}) {
            ChartStyle style = paperStyle();
            style.leastTextPixels = least;
            for (QSize size : {QSize(1000, 625), QSize(560, 400)}) {
                const QRectF frame(QPointF(0, 0), QSizeF(size));
                const QRectF square(QPointF(), QSizeF(size.height(), size.height()));
                const HorizonLayout h = layoutHorizon(data, frame, style);
                const WheelLayout w = layoutWheel(data, square, style);
                QStringList found{overlapping(h.labelBoxes()), outside(h.labelBoxes(), frame),
                                  overlapping(w.labelBoxes()), outside(w.labelBoxes(), square),
                                  runTogether(w)};
                if (data.bodies.empty())
                    found << noticeProblem(w);
                for (const QString& problem : found)
                    if (!problem.isEmpty())
                        problems << QStringLiteral("%1 %2x%3 type %4 px: %5")
                                        .arg(kBirths[birth].name)
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(least)
                                        .arg(problem);
            }
        }
        render(HorizonPainter(data), QSize(1000, 625), paperStyle())
            .save(out(QStringLiteral("horizon_%1_%2.png").arg(kBirths[birth].name, language)));
        render(WheelPainter(data), QSize(600, 600), paperStyle())
            .save(out(QStringLiteral("wheel_%1_%2.png").arg(kBirths[birth].name, language)));
    }
    // The notice on a screen at 200 %, and in the wheel a 16 pt desktop
    // font makes about twice as large, and in the smallest it is drawn at.
    QFont large = QGuiApplication::font();
    large.setPointSizeF(16);
    for (double wheelSide : {260.0, 420.0, 900.0}) {
        QImage screen{QSize(int(wheelSide), int(wheelSide)) * 2,
                      QImage::Format_ARGB32_Premultiplied};
        screen.setDevicePixelRatio(2);
        for (const QFont& font : {QGuiApplication::font(), large}) {
            const WheelLayout w =
                layoutWheel(dataOf(kBirths[7]), QRectF(0, 0, wheelSide, wheelSide),
                            screenStyle(QPalette(), font), &screen);
            if (const QString problem = noticeProblem(w); !problem.isEmpty())
                problems << QStringLiteral("at 200 %, %1 px, %2 pt: %3")
                                .arg(wheelSide)
                                .arg(font.pointSizeF())
                                .arg(problem);
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    // The language's words, not English ones.
    QVERIFY(title != ChartTexts::horizonTitle());
    QVERIFY(!lines.join(QLatin1Char(' ')).contains(QStringLiteral("Ascendant: ")));
    // The bodies' names too, which the document shares.
    QVERIFY2(sun != QLatin1String("Sun"), qPrintable(sun));
    QVERIFY2(lines.join(QLatin1Char(' ')).contains(sun), qPrintable(lines.join(QLatin1Char('\n'))));
}

void TestSkyChart::textAlternativeNamesEverything() {
    for (const Birth& b : kBirths) {
        const ChartData data = dataOf(b);
        const QStringList lines = chartLines(data);
        const QString all = lines.join(QLatin1Char('\n'));
        // Every body with its sign, the sign from the longitude to the
        // nearest minute by twelfths.
        for (const WheelBody& body : data.bodies) {
            const long minutes = std::lround(body.longitudeDeg * 60.0) % (360 * 60);
            const int sign = int(minutes / (30 * 60));
            const int degree = int(minutes % (30 * 60) / 60);
            const QString start = skynames::bodyName(body.body) + QStringLiteral(": ") +
                                  skynames::signName(sign) + QLatin1Char(' ') +
                                  QString::number(degree) + QChar(0x00B0);
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString& l) { return l.startsWith(start); }),
                     qPrintable(start + QLatin1Char('\n') + all));
        }
        QCOMPARE(all.contains(QStringLiteral("Ascendant: ")), data.angles.has_value());
        QCOMPARE(all.contains(QStringLiteral("Midheaven: ")), data.angles.has_value());
        for (const WheelStar& star : data.stars)
            QVERIFY(all.contains(star.name));
        if (!data.day) {
            QVERIFY(all.contains(ChartTexts::noDay()));
            continue;
        }
        // The star's day: its rising at the time of the day's events.
        const sky::DayEvents& e = *data.day->starEvents;
        if (e.rises.status == sky::EventStatus::Happens) {
            const double hours = (e.rises.julianDayUt - data.day->startJdUt) * 24.0;
            const QString time = QTime(0, 0)
                                     .addSecs(int(std::lround(hours * 60.0)) * 60)
                                     .toString(QStringLiteral("HH:mm"));
            QVERIFY2(all.contains(QStringLiteral("rises at ") + time), qPrintable(all));
        }
    }
    QVERIFY(chartLines(dataOf(kBirths[3]))
                .contains(ChartTexts::alwaysAbove(QStringLiteral("Capella"))));
    QVERIFY(chartLines(dataOf(kBirths[4]))
                .contains(ChartTexts::alwaysBelow(QStringLiteral("CANOPUS"))));
    QVERIFY(chartLines(dataOf(kBirths[7])).contains(ChartTexts::noTime()));
}

void TestSkyChart::azimuthsReadFromNoughtTo359() {
    // London's day, its star and the Sun rising and setting, the star above
    // the horizon at the birth; then every azimuth round the circle in steps
    // of a twentieth of a degree, given to the star's rising and setting, the
    // Sun's, and the star at the birth.
    ChartData data = dataOf(kBirths[0]);
    QVERIFY(data.day && data.day->starEvents && data.day->sunEvents && data.day->birthAltitude);
    QCOMPARE(data.day->starEvents->rises.status, sky::EventStatus::Happens);
    QCOMPARE(data.day->starEvents->sets.status, sky::EventStatus::Happens);
    QCOMPARE(data.day->sunEvents->rises.status, sky::EventStatus::Happens);
    const QRegularExpression azimuth(QStringLiteral("azimuth (\\d+)\u00b0"));
    for (int step = 0; step < 360 * 20; ++step) {
        const double degrees = step / 20.0 + 0.01;
        data.day->starEvents->rises.azimuthDeg = degrees;
        data.day->starEvents->sets.azimuthDeg = degrees;
        data.day->sunEvents->rises.azimuthDeg = degrees;
        data.day->sunEvents->sets.azimuthDeg = degrees;
        data.day->birthAltitude->azimuthDeg = degrees;
        // To the nearest degree, north (a hair west of it too) as 0°.
        const int expected = int(std::lround(degrees)) % 360;
        const QStringList lines = horizonLines(data);
        int azimuths = 0;
        for (const QString& line : lines) {
            for (const QRegularExpressionMatch& m : azimuth.globalMatch(line)) {
                ++azimuths;
                QVERIFY2(m.captured(1).toInt() == expected,
                         qPrintable(QStringLiteral("%1 at %2").arg(line).arg(degrees)));
            }
        }
        QCOMPARE(azimuths, 5);
    }
}

void TestSkyChart::placesReadToTheNearestMinute() {
    // The lines a screen reader hears give a place in the zodiac as the
    // Sky section and the paper do: to the nearest minute, a place a hair
    // before a sign's end read as the next sign's 0°00′.
    ChartData data = dataOf(kBirths[0]);
    QVERIFY(data.bodies.size() >= 2 && data.angles);
    const struct {
        double longitude;
        const char* text;
    } places[] = {{12.5658, "Aries 12\u00b034\u2032"}, {149.9975, "Virgo 0\u00b000\u2032"},
                  {359.9999, "Aries 0\u00b000\u2032"}, {210.0083, "Scorpio 0\u00b000\u2032"},
                  {-0.25, "Pisces 29\u00b045\u2032"},  {89.4916, "Gemini 29\u00b029\u2032"}};
    for (const auto& place : places) {
        data.bodies[0].longitudeDeg = place.longitude;
        data.angles->ascendantDeg = place.longitude;
        const QStringList lines = wheelLines(data);
        const QString expected = QString::fromUtf8(place.text);
        QVERIFY2(lines.contains(QStringLiteral("Sun: ") + expected), qPrintable(lines.join('|')));
        QVERIFY2(lines.contains(QStringLiteral("Ascendant: ") + expected),
                 qPrintable(lines.join('|')));
        // The body's degree on the wheel agrees with the line.
        QCOMPARE(
            degreeText(place.longitude),
            expected.section(QLatin1Char(' '), 1).section(QChar(0x00b0), 0, 0) + QChar(0x00b0));
    }
}

void TestSkyChart::svgIsValidAndLooksTheSame() {
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (xmllint.isEmpty() || rsvg.isEmpty())
        QSKIP("xmllint (libxml2-utils) or rsvg-convert (librsvg2-bin) is not installed");
    const QSize size(800, 800);
    for (int i : {0, 1, 4, 5}) {
        const ChartData data = dataOf(kBirths[i]);
        const WheelPainter wheel(data);
        const HorizonPainter horizon(data);
        for (const auto& [name, picture] :
             {std::pair<QString, const ChartPicture*>{QStringLiteral("wheel"), &wheel},
              {QStringLiteral("horizon"), &horizon}}) {
            const QString base = out(QStringLiteral("%1_%2").arg(name, kBirths[i].name));
            QCOMPARE(saveSvg(*picture, paperStyle(), size, base + QStringLiteral(".svg"), name),
                     QString());
            QProcess lint;
            lint.start(xmllint, {QStringLiteral("--noout"), base + QStringLiteral(".svg")});
            QVERIFY(lint.waitForFinished(60000));
            QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
            QProcess convert;
            convert.start(
                rsvg, {QStringLiteral("-w"), QString::number(size.width()), QStringLiteral("-h"),
                       QString::number(size.height()), QStringLiteral("-b"),
                       QStringLiteral("white"), QStringLiteral("-o"),
                       base + QStringLiteral("_rsvg.png"), base + QStringLiteral(".svg")});
            QVERIFY(convert.waitForFinished(60000));
            QVERIFY2(convert.exitCode() == 0, convert.readAllStandardError().constData());
            const QImage drawn = render(*picture, size, paperStyle());
            const QImage read(base + QStringLiteral("_rsvg.png"));
            QCOMPARE(read.size(), size);
            const Difference d = difference(drawn, read);
            QVERIFY2(d.mean < 0.02 && d.worstBlock < 0.08,
                     qPrintable(QStringLiteral("%1: mean %2, worst block %3")
                                    .arg(base)
                                    .arg(d.mean)
                                    .arg(d.worstBlock)));
            // Not a blank page that would pass: the drawing has ink.
            QVERIFY(inkShare(read, Qt::white) > 0.02);
        }
    }
}

void TestSkyChart::pdfHoldsVectorPaths() {
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty())
        QSKIP("qpdf is not installed");
    const ChartData data = dataOf(kBirths[0]);
    const WheelPainter wheel(data);
    const HorizonPainter horizon(data);
    const QString pdf = out(QStringLiteral("chart_london.pdf"));
    QCOMPARE(savePdf({&wheel, &horizon}, paperStyle(), pdf, QStringLiteral("London")), QString());
    const QString qdf = out(QStringLiteral("chart_london.qdf"));
    QProcess expand;
    expand.start(qpdf,
                 {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), pdf, qdf});
    QVERIFY(expand.waitForFinished(60000));
    QVERIFY2(expand.exitCode() == 0, expand.readAllStandardError().constData());
    QFile file(qdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    // Two pages, drawn as lines and curves, not as a picture.
    QCOMPARE(text.count("/Type /Page\n") + text.count("/Type /Page "), qsizetype(2));
    const QList<QByteArray> lines = text.split('\n');
    qsizetype lineTo = 0, curveTo = 0, stroke = 0;
    for (const QByteArray& line : lines) {
        lineTo += int(line.endsWith(" l"));
        curveTo += int(line.endsWith(" c"));
        stroke += int(line == "S" || line.endsWith(" S"));
    }
    QVERIFY2(lineTo > 500 && curveTo > 20 && stroke > 100,
             qPrintable(QStringLiteral("l %1, c %2, S %3").arg(lineTo).arg(curveTo).arg(stroke)));
    QVERIFY(!text.contains("/Subtype /Image"));
}

void TestSkyChart::pngAtTheSizeAsked() {
    const ChartData data = dataOf(kBirths[1]);
    const QString path = out(QStringLiteral("wheel_sydney_300.png"));
    QCOMPARE(savePng(WheelPainter(data), paperStyle(), QSize(300, 300), path), QString());
    const QImage image(path);
    QCOMPARE(image.size(), QSize(300, 300));
    QVERIFY(inkShare(image, Qt::white) > 0.03);
    // Over an earlier file, whole.
    QCOMPARE(savePng(HorizonPainter(data), paperStyle(), QSize(640, 400), path), QString());
    QCOMPARE(QImage(path).size(), QSize(640, 400));
}

void TestSkyChart::failuresNameTheFile() {
    const ChartData data = dataOf(kBirths[0]);
    const QString missing = temporary_.path() + QStringLiteral("/no such folder/chart.png");
    const QString png = savePng(WheelPainter(data), paperStyle(), QSize(200, 200), missing);
    QVERIFY(png.contains(missing));
    QVERIFY(!QFile::exists(missing));
    const QString svg =
        saveSvg(WheelPainter(data), paperStyle(), QSize(200, 200),
                temporary_.path() + QStringLiteral("/no such folder/chart.svg"), {});
    QVERIFY(svg.contains(QStringLiteral("no such folder/chart.svg")));
    const QString pdf = savePdf(
        {}, paperStyle(), temporary_.path() + QStringLiteral("/no such folder/chart.pdf"), {});
    QVERIFY(pdf.contains(QStringLiteral("no such folder/chart.pdf")));
    QVERIFY(
        !savePng(WheelPainter(data), paperStyle(), QSize(0, 0), out(QStringLiteral("empty.png")))
             .isEmpty());
}

void TestSkyChart::startUpNeedsNoQtSvg() {
    // The program and the window's module it loads to start: Qt SVG is not
    // among the libraries either needs (the program's own are linked in).
    // The launcher, which runs the commands, needs no Qt Gui either; the
    // chart module, which the command line and the window load to write
    // pictures, brings both.
    const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf (binutils) is not installed");
    const auto neededBy = [&readelf](const char* file) {
        QProcess dynamic;
        dynamic.start(readelf, {QStringLiteral("--dynamic"), QString::fromUtf8(file)});
        if (!dynamic.waitForFinished(60000) || dynamic.exitCode() != 0)
            return QByteArray();
        return dynamic.readAllStandardOutput();
    };
    for (const char* file : {ASTERINE_BINARY, ASTERINE_GUI_MODULE}) {
        const QByteArray needed = neededBy(file);
        QVERIFY2(needed.contains("libQt6Core.so"), file);
        QVERIFY2(!needed.contains("libQt6Svg"), file);
    }
    QVERIFY(!neededBy(ASTERINE_BINARY).contains("libQt6Gui"));
    const QByteArray chart = neededBy(ASTERINE_CHART_MODULE);
    QVERIFY2(chart.contains("libQt6Svg.so") && chart.contains("libQt6Gui.so"), chart.constData());
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestSkyChart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skychart.moc"
