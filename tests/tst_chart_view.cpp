// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the birth's sky on the result form: the view that shows
// them (its size, its direction, its colours, what screen readers hear), and
// keeping them: Save Chart as SVG and PNG, Copy Chart, and the chart on the
// printed page and in the PDF as lines and shapes.

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>

#include "birth/details_moment.h"
#include "display/chart_saving.h"
#include "display/chart_size_dialog.h"
#include "display/chart_view.h"
#include "display/display_form.h"
#include "document/paged_document.h"
#include "document/reading_document.h"
#include "skychart/chart_data.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"
#include "skychart/chart_texts.h"
#include "stars/reading.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Ada Lovelace's birth in London, with its time and its zone.
birth::BirthDetails AdaInLondon() {
    return birth::BirthDetails{.name = QStringLiteral("ADA LOVELACE"),
                               .monthIndex = 11,
                               .day = 10,
                               .year = 1815,
                               .hour = 13,
                               .minute = 0,
                               .city = QStringLiteral("London"),
                               .country = QStringLiteral("United Kingdom"),
                               .latitudeDegrees = QStringLiteral("51"),
                               .latitudeMinutes = QStringLiteral("30"),
                               .longitudeDegrees = QStringLiteral("0"),
                               .longitudeMinutes = QStringLiteral("7"),
                               .west = true,
                               .zone = QStringLiteral("Europe/London")};
}

skychart::ChartData AdaData() {
    const birth::BirthDetails details = AdaInLondon();
    const birth::MomentResult moment = birth::momentOfDetails(details);
    return skychart::chartData(birth::skyRequest(details, moment.moment, "Regulus"));
}

// The application, but for the birth details it gives: the form's zone box
// is not there to fill, so the details come from here.
class DetailsShell : public Shell {
public:
    DetailsShell(Shell& app, birth::BirthDetails details)
        : app_(app), details_(std::move(details)) {}
    const Services& services() const override { return app_.services(); }
    stars::ReadingEngine& engine() override { return app_.engine(); }
    void showReading(const stars::StarReading& reading) override { app_.showReading(reading); }
    birth::BirthDetails birthDetails() const override { return details_; }
    people::PeopleStore& peopleStore() override { return app_.peopleStore(); }
    void tellPeopleNotice(QWidget* parent) override { app_.tellPeopleNotice(parent); }
    void showPeople() override { app_.showPeople(); }
    void openPerson(const birth::BirthDetails& details) override { app_.openPerson(details); }
    void showMain() override {}
    void showTellAFriend() override {}
    void hideTellAFriend() override {}
    void showAbout(QWidget*) override {}
    void openBrowser(const QString&) override {}
    void endApplication() override {}

private:
    Shell& app_;
    birth::BirthDetails details_;
};

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tool's standard output, or an empty array when it is missing or fails.
QByteArray Run(const QString& tool, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {};
    if (exitCode)
        *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

// The share of the pixels of `image` that differ from its corner's colour.
double Ink(const QImage& image) {
    const QRgb ground = image.pixel(0, 0);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != ground;
    }
    return image.isNull() ? 0.0 : double(count) / (image.width() * image.height());
}

}  // namespace

class TestChartView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hintsFollowTheType();
    void keepsThePicturesAspect();
    void neverMirrored();
    void screenReadersHearTheLines();
    void followsThePalette();
    void wordsFollowTheFont();
    void theResultFormShowsTheSky();
    void withoutTimeOrPlaceTheWheelShowsWhatItCan();
    void saveChartWritesSvg();
    void saveChartWritesPngOfItsSize();
    void thePngWidthIsBoundedAndRemembered();
    void aCancelledPngSizeSavesNothing();
    void theSizeDialogIsWorkedByKeys();
    void aFailedChartSaveNamesTheFile();
    void copyChartGivesTheWheel();
    void printAndPreviewGetThePictures();
    void thePdfDrawsTheChartAsPaths();

private:
    // The result form for Ada's reading of Regulus, shown.
    FrmDisplay* showAda();

    std::unique_ptr<Harness> h;
    std::unique_ptr<DetailsShell> shell;
    std::unique_ptr<FrmDisplay> form;
    QTemporaryDir folder;
};

void TestChartView::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestChartView::cleanup() {
    form.reset();
    shell.reset();
    h.reset();
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

FrmDisplay* TestChartView::showAda() {
    shell = std::make_unique<DetailsShell>(*h->app, AdaInLondon());
    form = std::make_unique<FrmDisplay>(*shell);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->showReading(stars::assembleReading("Regulus"));
    form->show();
    // The pictures come with the sky, worked out off the window's thread.
    if (!QTest::qWaitFor([this] { return form->skyShown(); }, 60000))
        qWarning("the sky was not worked out within a minute");
    return form.get();
}

void TestChartView::hintsFollowTheType() {
    ChartView view;
    view.setPicture(std::make_shared<skychart::WheelPainter>(AdaData()), {}, {});
    QFont font = view.font();
    font.setPointSizeF(8.25);
    view.setFont(font);
    const QSize small = view.sizeHint();
    const QSize least = view.minimumSizeHint();
    // Some twenty lines of type across, and never less than a dozen.
    QVERIFY2(small.width() >= 20 * view.fontMetrics().height(),
             qPrintable(QString::number(small.width())));
    QVERIFY(least.width() >= 12 * view.fontMetrics().height());
    QVERIFY(least.width() < small.width());
    QCOMPARE(small.height(), small.width());

    // At 16 points, as a large desktop font or 200 % asks, about twice as large.
    font.setPointSizeF(16.5);
    view.setFont(font);
    const QSize large = view.sizeHint();
    const double ratio = double(large.width()) / small.width();
    QVERIFY2(ratio > 1.7 && ratio < 2.3, qPrintable(QString::number(ratio)));
    QVERIFY(view.minimumSizeHint().width() > least.width() * 1.7);
}

void TestChartView::keepsThePicturesAspect() {
    ChartView view;
    view.setPicture(std::make_shared<skychart::HorizonPainter>(AdaData()), {}, {});
    QCOMPARE(view.aspect(), 1.6);
    QVERIFY(view.hasHeightForWidth());
    QCOMPARE(view.heightForWidth(800), 500);
    // However the view is shaped, the picture keeps its own shape, centred.
    view.resize(800, 800);
    QCOMPARE(view.pictureRect(), QRectF(0, 150, 800, 500));
    view.resize(800, 300);
    QCOMPARE(view.pictureRect(), QRectF(160, 0, 480, 300));
    view.setPicture(std::make_shared<skychart::WheelPainter>(AdaData()), {}, {});
    QCOMPARE(view.pictureRect(), QRectF(250, 0, 300, 300));
}

void TestChartView::neverMirrored() {
    const auto shot = [] {
        ChartView view;
        view.setPicture(std::make_shared<skychart::WheelPainter>(AdaData()), {}, {});
        view.resize(300, 300);
        return std::make_pair(view.grab().toImage(), view.isRightToLeft());
    };
    const auto [leftToRight, ltrMirrored] = shot();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const auto [rightToLeft, rtlMirrored] = shot();
    QVERIFY(!ltrMirrored);
    QVERIFY(!rtlMirrored);
    QVERIFY(Ink(leftToRight) > 0.02);
    // Drawn pixel for pixel the same, the Ascendant on the left.
    QCOMPARE(rightToLeft, leftToRight);
    QVERIFY(rightToLeft != leftToRight.mirrored(true, false));
}

void TestChartView::screenReadersHearTheLines() {
    const skychart::ChartData data = AdaData();
    ChartView view;
    view.setPicture(std::make_shared<skychart::WheelPainter>(data), skychart::wheelLines(data),
                    QStringLiteral("Wheel"));
    view.show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Wheel"));
    const QStringList lines = skychart::wheelLines(data);
    QVERIFY(lines.size() > 10);
    QCOMPARE(list->childCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        QAccessibleInterface* item = list->child(i);
        QVERIFY(item);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->text(QAccessible::Name), lines[i]);
        QCOMPARE(item->parent(), list);
        QCOMPARE(list->indexOfChild(item), i);
    }
    QVERIFY2(lines[0].startsWith(QLatin1String("Sun: Sagittarius ")), qPrintable(lines[0]));
    QCOMPARE(list->text(QAccessible::Description), lines.join(QLatin1Char('\n')));

    // A new picture with fewer lines: the list follows.
    view.setPicture(std::make_shared<skychart::WheelPainter>(data), lines.mid(0, 3),
                    QStringLiteral("Wheel"));
    QCOMPARE(list->childCount(), 3);
    QCOMPARE(list->child(2)->text(QAccessible::Name), lines[2]);
    QVERIFY(!list->child(3));
}

void TestChartView::followsThePalette() {
    ChartView view;
    view.setPicture(std::make_shared<skychart::WheelPainter>(AdaData()), {}, {});
    view.resize(300, 300);
    view.setPalette(DarkPalette());
    const QImage dark = view.grab().toImage();
    QCOMPARE(QColor(dark.pixel(2, 2)),
             skychart::screenStyle(DarkPalette(), view.font()).background);
    QVERIFY(QColor(dark.pixel(2, 2)).lightness() < 80);
    QPalette light(Qt::black, Qt::white);
    light.setColor(QPalette::Window, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    view.setPalette(light);
    const QImage bright = view.grab().toImage();
    QVERIFY(QColor(bright.pixel(2, 2)).lightness() > 200);
    QVERIFY(Ink(bright) > 0.02);
}

void TestChartView::wordsFollowTheFont() {
    const auto wheel = std::make_shared<skychart::WheelPainter>(AdaData());
    ChartView view;
    view.setPicture(wheel, {}, {});
    view.resize(500, 500);
    // The picture as drawn with a style, the way the view draws it.
    auto drawn = [&](const skychart::ChartStyle& style) {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(style.background);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        wheel->paint(painter, QRectF(QPointF(), QSizeF(view.size())), style);
        return image;
    };
    QFont font = view.font();
    font.setPointSizeF(9);
    view.setFont(font);
    const skychart::ChartStyle usual = skychart::screenStyle(view.palette(), font);
    QCOMPARE(usual.leastTextPixels, 0.0);
    QCOMPARE(view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn(usual));
    // A 16 pt font: the words at least its size, the symbols as they were.
    font.setPointSizeF(16);
    view.setFont(font);
    const skychart::ChartStyle large = skychart::screenStyle(view.palette(), font);
    QCOMPARE(large.leastTextPixels, double(QFontInfo(font).pixelSize()));
    QVERIFY(large.leastTextPixels > 20);
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown, drawn(large));
    QVERIFY(shown != drawn(usual));
    QVERIFY2(Ink(shown) > Ink(drawn(usual)),
             qPrintable(QStringLiteral("%1 against %2").arg(Ink(shown)).arg(Ink(drawn(usual)))));
}

void TestChartView::theResultFormShowsTheSky() {
    FrmDisplay* display = showAda();
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("tabChart"));
    QVERIFY(tabs);
    // The Sky section first, then the two pictures.
    QCOMPARE(tabs->count(), 3);
    auto* wheel = display->findChild<ChartView*>(QStringLiteral("chartWheel"));
    auto* horizon = display->findChild<ChartView*>(QStringLiteral("chartHorizon"));
    QVERIFY(wheel && horizon);
    QCOMPARE(tabs->currentWidget(), display->findChild<QWidget*>(QStringLiteral("frmSky")));
    QCOMPARE(tabs->indexOf(wheel), 1);
    QCOMPARE(tabs->indexOf(horizon), 2);
    // One window size whichever of the three is shown.
    const QSize withSky = display->size();
    tabs->setCurrentWidget(wheel);
    QVERIFY(wheel->isVisible());
    QTRY_COMPARE(display->size(), withSky);
    tabs->setCurrentWidget(horizon);
    QTRY_COMPARE(display->size(), withSky);
    tabs->setCurrentWidget(wheel);
    // Beside the reading, no smaller than it asks to be.
    QVERIFY(wheel->width() >= wheel->minimumSizeHint().width());
    const QWidget* results = display->findChild<QWidget*>(QStringLiteral("Frame1"));
    QVERIFY(results->geometry().right() < tabs->geometry().left());
    // The sky of the details the birth-details form gives, the moment included.
    const skychart::ChartData data = AdaData();
    QCOMPARE(wheel->lines(), skychart::wheelLines(data));
    QCOMPARE(horizon->lines(), skychart::horizonLines(data));
    QVERIFY(!wheel->lines().filter(QStringLiteral("Ascendant")).isEmpty());
    QVERIFY(!horizon->lines().filter(QStringLiteral("Regulus")).isEmpty());
    QCOMPARE(display->chartPictures().size(), std::size_t(2));
    QVERIFY(Ink(wheel->grab().toImage()) > 0.02);
}

void TestChartView::withoutTimeOrPlaceTheWheelShowsWhatItCan() {
    birth::BirthDetails details = AdaInLondon();
    details.zone.clear();
    shell = std::make_unique<DetailsShell>(*h->app, details);
    form = std::make_unique<FrmDisplay>(*shell);
    form->showReading(stars::assembleReading("Regulus"));
    auto* wheel = form->findChild<ChartView*>(QStringLiteral("chartWheel"));
    // Until the sky is worked out, the pictures say so.
    QCOMPARE(wheel->lines(), QStringList{QStringLiteral("Working out the sky\u2026")});
    QVERIFY(!wheel->picture());
    QTRY_VERIFY_WITH_TIMEOUT(form->skyShown(), 60000);
    // No bodies and no angles without the moment; the reading's star all the same.
    QCOMPARE(wheel->lines().value(0), skychart::ChartTexts::noTime());
    QVERIFY(wheel->lines().filter(QStringLiteral("Ascendant")).isEmpty());
    QVERIFY(!wheel->lines().filter(QStringLiteral("Regulus")).isEmpty());
    QVERIFY(Ink(wheel->grab().toImage()) > 0.02);
}

void TestChartView::saveChartWritesSvg() {
    FrmDisplay* display = showAda();
    // The chart module, which brings Qt SVG, is loaded with the first SVG
    // saved, not with the form.
    const auto loaded = [] {
        return Read(QStringLiteral("/proc/self/maps")).contains("/asterine_chart.so");
    };
    QVERIFY(!loaded());
    h->files.answer = folder.filePath(QStringLiteral("ada"));
    Trigger(display, "mnuSaveChart");
    QVERIFY(loaded());
    QVERIFY2(h->messages.shown.isEmpty(), qPrintable(h->messages.last()));
    // An SVG picture is drawn to scale: no size in pixels is asked.
    QVERIFY(h->pictureSizes.asked.isEmpty());
    QCOMPARE(h->files.asked.size(), 1);
    QCOMPARE(h->files.asked[0].caption, QStringLiteral("Save the Chart"));
    QCOMPARE(h->files.asked[0].filter,
             QStringLiteral("SVG pictures (*.svg);;PNG pictures (*.png)"));
    QVERIFY2(h->files.asked[0].suggested.endsWith(QLatin1String("/ADA LOVELACE - Regulus.svg")),
             qPrintable(h->files.asked[0].suggested));
    // Typed without an extension: an SVG file.
    const QString path = folder.filePath(QStringLiteral("ada.svg"));
    const QByteArray svg = Read(path);
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("<title>Wheel of the birth's sky</title>"));
    // Drawn as shapes: the rings, and a tick for every degree.
    QVERIFY(svg.count("<circle") >= 3);
    QVERIFY(svg.count("<polyline") >= 360);
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        int code = -1;
        Run(xmllint, {QStringLiteral("--noout"), path}, &code);
        QCOMPARE(code, 0);
    }
    // The folder is remembered, as for the reading's files.
    QCOMPARE(h->settings.open()->value(QStringLiteral("Settings/LastFolder")).toString(),
             folder.path());
}

void TestChartView::saveChartWritesPngOfItsSize() {
    FrmDisplay* display = showAda();
    // The picture on show: the day over the birthplace.
    display->findChild<QTabWidget*>(QStringLiteral("tabChart"))
        ->setCurrentWidget(display->findChild<ChartView*>(QStringLiteral("chartHorizon")));
    h->files.answer = folder.filePath(QStringLiteral("ada.PNG"));
    // The first PNG: 1200 pixels wide offered, 1600 chosen.
    h->pictureSizes.answer = 1600;
    Trigger(display, "mnuSaveChart");
    QVERIFY2(h->messages.shown.isEmpty(), qPrintable(h->messages.last()));
    QCOMPARE(h->pictureSizes.asked.size(), 1);
    QCOMPARE(h->pictureSizes.asked[0].suggested, 1200);
    QCOMPARE(h->pictureSizes.asked[0].aspect, 1.6);
    QImageReader reader(h->files.answer);
    QCOMPARE(QString::fromLatin1(reader.format()), QStringLiteral("png"));
    QCOMPARE(reader.size(), QSize(1600, 1000));
    const QImage image = reader.read();
    QVERIFY(Ink(image) > 0.02);
    // Black on white, as on paper, whatever the desktop's colours.
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::white));

    // The next offers the width chosen last, which the user keeps.
    display->findChild<QTabWidget*>(QStringLiteral("tabChart"))
        ->setCurrentWidget(display->findChild<ChartView*>(QStringLiteral("chartWheel")));
    h->files.answer = folder.filePath(QStringLiteral("wheel.png"));
    h->pictureSizes.answer = 0;
    Trigger(display, "mnuSaveChart");
    QCOMPARE(h->pictureSizes.asked.size(), 2);
    QCOMPARE(h->pictureSizes.asked[1].suggested, 1600);
    QCOMPARE(h->pictureSizes.asked[1].aspect, 1.0);
    QCOMPARE(QImageReader(h->files.answer).size(), QSize(1600, 1600));

    // Remembered with the settings, for the next run of the program too.
    QCOMPARE(h->settings.open()->value(QStringLiteral("Settings/ChartWidth")).toInt(), 1600);
    // The clipboard's picture keeps its own size.
    QCOMPARE(
        chartImage(*display->findChild<ChartView*>(QStringLiteral("chartWheel"))->picture()).size(),
        QSize(1200, 1200));
}

void TestChartView::thePngWidthIsBoundedAndRemembered() {
    QCOMPARE(boundedChartWidth(1600), 1600);
    QCOMPARE(boundedChartWidth(kChartMinimumWidth - 1), kChartMinimumWidth);
    QCOMPARE(boundedChartWidth(0), kChartMinimumWidth);
    QCOMPARE(boundedChartWidth(-5000), kChartMinimumWidth);
    QCOMPARE(boundedChartWidth(kChartMaximumWidth + 1), kChartMaximumWidth);
    // The height follows the aspect, rounded to the nearest pixel.
    QCOMPARE(chartPixelSize(1.6, 1000), QSize(1000, 625));
    QCOMPARE(chartPixelSize(1.6, 201), QSize(201, 126));
    QCOMPARE(chartPixelSize(1.0, 8000), QSize(8000, 8000));
    QCOMPARE(chartPixelSize(1.6), QSize(1200, 750));

    // Before the first PNG: 1200 pixels.
    QCOMPARE(rememberedChartWidth(h->settings), kChartPixelWidth);
    rememberChartWidth(h->settings, 2400);
    QCOMPARE(rememberedChartWidth(h->settings), 2400);
    // Kept within bounds whichever way it came.
    rememberChartWidth(h->settings, 100000);
    QCOMPARE(rememberedChartWidth(h->settings), kChartMaximumWidth);
    h->settings.open()->setValue(QStringLiteral("Settings/ChartWidth"), 12);
    QCOMPARE(rememberedChartWidth(h->settings), kChartMinimumWidth);
    // A setting that is no number, as a hand-edited file may hold: 1200.
    h->settings.open()->setValue(QStringLiteral("Settings/ChartWidth"), QStringLiteral("wide"));
    QCOMPARE(rememberedChartWidth(h->settings), kChartPixelWidth);

    // A width out of bounds saves a picture within them.
    const skychart::WheelPainter wheel(AdaData());
    const QString narrow = folder.filePath(QStringLiteral("narrow.png"));
    QCOMPARE(saveChartFile(wheel, narrow, {}, 10), QString());
    QCOMPARE(QImageReader(narrow).size(), QSize(kChartMinimumWidth, kChartMinimumWidth));
}

void TestChartView::aCancelledPngSizeSavesNothing() {
    FrmDisplay* display = showAda();
    h->files.answer = folder.filePath(QStringLiteral("ada.png"));
    h->pictureSizes.cancel = true;
    Trigger(display, "mnuSaveChart");
    QCOMPARE(h->pictureSizes.asked.size(), 1);
    QVERIFY(!QFileInfo::exists(h->files.answer));
    QVERIFY(h->messages.shown.isEmpty());
    // Nothing remembered of a save that did not happen.
    QVERIFY(!h->settings.open()->contains(QStringLiteral("Settings/ChartWidth")));
    QVERIFY(!h->settings.open()->contains(QStringLiteral("Settings/LastFolder")));
}

void TestChartView::theSizeDialogIsWorkedByKeys() {
    ChartSizeDialog dialog(30000, 1.6);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* width = dialog.findChild<QSpinBox*>(QStringLiteral("spnChartWidth"));
    auto* caption = dialog.findChild<QLabel*>(QStringLiteral("lblChartWidth"));
    auto* height = dialog.findChild<QLabel*>(QStringLiteral("lblChartHeight"));
    QVERIFY(width && caption && height);
    // Offered within bounds; the caption names the box and gives its key.
    QCOMPARE(width->value(), kChartMaximumWidth);
    QCOMPARE(width->minimum(), kChartMinimumWidth);
    QCOMPARE(width->maximum(), kChartMaximumWidth);
    QCOMPARE(caption->buddy(), width);
    QVERIFY(caption->text().contains(QLatin1String("&W")));
    QCOMPARE(width->accessibleName(), QStringLiteral("Width in pixels"));
    // Written as the width box writes its numbers, without a separator.
    QCOMPARE(height->text(), QStringLiteral("5000"));
    QTRY_COMPARE(QApplication::focusWidget(), width);

    // The width typed over what was offered; the height follows.
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, QStringLiteral("800"));
    QCOMPARE(dialog.width(), 800);
    QCOMPARE(height->text(), QStringLiteral("500"));
    QCOMPARE(height->accessibleName(), QStringLiteral("Height in pixels: 500"));
    QTest::keyClick(width, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    ChartSizeDialog cancelled(900, 1.0);
    cancelled.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cancelled));
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QVERIFY(cancelled.isHidden());
}

void TestChartView::aFailedChartSaveNamesTheFile() {
    FrmDisplay* display = showAda();
    for (const char* name : {"taken.svg", "taken.png"}) {
        const QString taken = folder.filePath(QLatin1String(name));
        QVERIFY(QDir().mkdir(taken));
        h->files.answer = taken;
        h->messages.shown.clear();
        Trigger(display, "mnuSaveChart");
        QCOMPARE(h->messages.shown.size(), 1);
        QCOMPARE(h->messages.shown[0].icon, MessageIcon::Critical);
        QVERIFY2(h->messages.last().contains(taken), qPrintable(h->messages.last()));
    }
    // Cancelled: nothing said.
    h->files.answer.clear();
    h->messages.shown.clear();
    Trigger(display, "mnuSaveChart");
    QVERIFY(h->messages.shown.isEmpty());
}

void TestChartView::copyChartGivesTheWheel() {
    FrmDisplay* display = showAda();
    QApplication::clipboard()->clear();
    Trigger(display, "mnuCopyChart");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), QSize(1200, 1200));
    QVERIFY(Ink(image) > 0.02);
    QCOMPARE(data->text(),
             display->findChild<ChartView*>(QStringLiteral("chartWheel"))->lines().join('\n'));
}

void TestChartView::printAndPreviewGetThePictures() {
    FrmDisplay* display = showAda();
    Trigger(display, "mnuPrint");
    QCOMPARE(h->printing.printedPictures, std::size_t(2));
    h->printing.printedPictures = 0;
    Trigger(display, "mnuPrintPreview");
    QCOMPARE(h->printing.printedPictures, std::size_t(2));
}

void TestChartView::thePdfDrawsTheChartAsPaths() {
    FrmDisplay* display = showAda();
    h->files.answer = folder.filePath(QStringLiteral("ada.pdf"));
    Trigger(display, "mnuExportPdf");
    QVERIFY(h->messages.shown.isEmpty());
    QVERIFY(Read(h->files.answer).startsWith("%PDF-"));
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty())
        QSKIP("qpdf is not installed");
    const QString plain = folder.filePath(QStringLiteral("plain.pdf"));
    int code = -1;
    Run(qpdf,
        {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), h->files.answer,
         plain},
        &code);
    QCOMPARE(code, 0);
    const QByteArray pdf = Read(plain);
    // No picture as a bitmap: the wheel's rings are curves, its ticks lines.
    QVERIFY(!pdf.contains("/Subtype /Image"));
    const auto count = [&pdf](const char* pattern) {
        return int(QString::fromLatin1(pdf).count(QRegularExpression(QLatin1String(pattern))));
    };
    QVERIFY2(
        count("\\s[0-9.\\-]+ [0-9.\\-]+ [0-9.\\-]+ [0-9.\\-]+ [0-9.\\-]+ [0-9.\\-]+ c\\n") > 100,
        "too few curves");
    QVERIFY2(count("\\s[0-9.\\-]+ [0-9.\\-]+ l\\n") > 360, "too few lines");
    // The reading's text comes first, the names in the pictures are text too.
    const QByteArray text =
        Run(QStringLiteral("pdftotext"), {h->files.answer, QStringLiteral("-")});
    QVERIFY(text.contains("ADA LOVELACE"));
    QVERIFY(text.indexOf("Fixed Star") < text.indexOf("Regulus"));
    QVERIFY(text.contains(skychart::ChartTexts::horizonTitle().toUtf8()));
}

QTEST_MAIN(TestChartView)

#include "tst_chart_view.moc"
