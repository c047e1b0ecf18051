// SPDX-License-Identifier: GPL-3.0-or-later
// What the forms look like on a desktop's usual variations: every text
// readable under a light and a dark palette, every form grown with a larger
// desktop font and nothing clipped, every letter drawn from a font that has
// it, and a result window of one size.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTreeView>

#include <cmath>

#include "browser/browser.h"
#include "display/chart_size_dialog.h"
#include "display/display_form.h"
#include "entry/main_form.h"
#include "formbase/colours.h"
#include "language/translation.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"
#include "web/about_box.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// WCAG relative luminance and contrast, computed here on their own.
double Luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// What is painted behind a widget: the nearest filled ancestor's background.
QColor Behind(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return {};
}

struct Text {
    QString where;
    QColor foreground;
    QColor background;
};

// Every text a person reads on `form`, with the colours it is drawn in.
QList<Text> Texts(QWidget* form) {
    QList<Text> texts;
    const auto name = [](const QWidget* w, const QString& text) {
        return w->window()->objectName() + QLatin1Char('/') + w->objectName() +
               QStringLiteral(" \"") + text.left(30) + QLatin1Char('"');
    };
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        // A control that cannot be used now is drawn faint on purpose, and
        // contrast rules leave it out.
        if (!widget->isVisibleTo(form) || !widget->isEnabled())
            continue;
        const QPalette palette = widget->palette();
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            texts.append({name(label, label->text()), palette.color(label->foregroundRole()),
                          Behind(label)});
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            texts.append({name(push, push->text()), palette.color(QPalette::ButtonText),
                          palette.color(QPalette::Button)});
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            texts.append({name(button, button->text()), palette.color(QPalette::WindowText),
                          Behind(button)});
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts.append(
                {name(group, group->title()), palette.color(QPalette::WindowText), Behind(group)});
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            texts.append({name(edit, edit->text()), palette.color(QPalette::Text),
                          palette.color(QPalette::Base)});
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            texts.append({name(list, list->currentText()), palette.color(QPalette::ButtonText),
                          palette.color(QPalette::Button)});
        }
    }
    return texts;
}

// The texts of `form` that read at less than 4.5:1.
QStringList Unreadable(QWidget* form) {
    QStringList found;
    for (const Text& text : Texts(form)) {
        const double contrast = Contrast(text.foreground, text.background);
        if (contrast < 4.5)
            found << QStringLiteral("%1: %2 on %3, %4:1")
                         .arg(text.where, text.foreground.name(), text.background.name())
                         .arg(contrast, 0, 'f', 2);
    }
    return found;
}

// The labels and buttons of `form` whose text does not fit the room they have.
// The controls of `form` that lie over one another: two labels, buttons,
// boxes or lists in one container whose rectangles meet.
QStringList Overlapping(QWidget* form) {
    QStringList found;
    const auto control = [](const QWidget* widget) {
        return qobject_cast<const QLabel*>(widget) ||
               qobject_cast<const QAbstractButton*>(widget) ||
               qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget);
    };
    QList<QWidget*> containers = form->findChildren<QWidget*>();
    containers.prepend(form);
    for (const QWidget* container : containers) {
        QList<QWidget*> shown;
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child->isVisibleTo(form) && !child->size().isEmpty() &&
                control(child))
                shown << child;
        }
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    found << shown[i]->objectName() + QStringLiteral(" over ") +
                                 shown[j]->objectName();
            }
        }
    }
    return found;
}

// The text a person reads in `caption`: without its access key's marker,
// and as plain text where it is rich.
QString Readable(const QString& caption) {
    if (Qt::mightBeRichText(caption))
        return QTextDocumentFragment::fromHtml(caption).toPlainText();
    QString text = caption;
    return text.replace(QStringLiteral("&&"), QStringLiteral("\u0001"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
}

// How wide `text` is in `font`, as one line.
int Advance(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// The controls of `form` whose text does not fit the room they have: labels
// and buttons smaller than their text asks, a wrapped label too short for
// its lines or too narrow for its longest word, a frame narrower than its
// title, a box or list narrower than a text it shows, a list's column
// heading wider than the column.
QStringList Clipped(QWidget* form) {
    QStringList found;
    const auto size = [](const QWidget* widget, const QSize& wanted) {
        return QStringLiteral("%1: %2x%3 for %4x%5")
            .arg(widget->objectName())
            .arg(widget->width())
            .arg(widget->height())
            .arg(wanted.width())
            .arg(wanted.height());
    };
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form) || widget->size().isEmpty())
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->wordWrap()) {
            if (label->height() < label->heightForWidth(label->width()))
                found << label->objectName() + QStringLiteral(" (wrapped)");
            // A word longer than the line runs out of the label.
            QTextDocument lines;
            lines.setDefaultFont(label->font());
            lines.setDocumentMargin(0);
            if (label->textFormat() == Qt::PlainText ||
                (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text())))
                lines.setPlainText(label->text());
            else
                lines.setHtml(label->text());
            const int room =
                label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
            lines.setTextWidth(room);
            if (lines.idealWidth() > room + 1)
                found << QStringLiteral("%1 (a word of %2 in a line of %3)")
                             .arg(label->objectName())
                             .arg(lines.idealWidth())
                             .arg(room);
        } else if (label || qobject_cast<QAbstractButton*>(widget)) {
            const QSize hint = widget->sizeHint();
            if (widget->width() < hint.width() || widget->height() < hint.height())
                found << size(widget, hint);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            // The title is drawn from where the style puts it, and the frame
            // cuts off what goes past its edge (a fixed width may be too small).
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            const int wide = Advance(group->font(), Readable(group->title()));
            const int room =
                group->isRightToLeft() ? title.right() + 1 : group->width() - title.left();
            if (wide > room)
                found << QStringLiteral("%1: title \"%2\" of %3 in %4")
                             .arg(group->objectName(), group->title())
                             .arg(wide)
                             .arg(room);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, list);
            for (int i = 0; i < list->count(); ++i) {
                const int wide = Advance(list->font(), list->itemText(i));
                if (wide > field.width())
                    found << QStringLiteral("%1: \"%2\" of %3 in %4")
                                 .arg(list->objectName(), list->itemText(i))
                                 .arg(wide)
                                 .arg(field.width());
            }
        } else if (auto* box = qobject_cast<QLineEdit*>(widget);
                   box && !qobject_cast<QComboBox*>(box->parentWidget())) {
            // A box that shows a caption of the form, not what was typed.
            if (box->accessibleName() != box->text() || box->text().isEmpty())
                continue;
            QStyleOptionFrame option;
            option.initFrom(box);
            option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(
                                                     QStyle::PM_DefaultFrameWidth, &option, box)
                                               : 0;
            const QRect field =
                box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
                box->textMargins();
            // The box keeps two pixels clear on each side of its text.
            const int wide = Advance(box->font(), box->text());
            if (wide > field.width() - 4)
                found << QStringLiteral("%1: \"%2\" of %3 in %4")
                             .arg(box->objectName(), box->text())
                             .arg(wide)
                             .arg(field.width() - 4);
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            for (int section = 0; section < header->count(); ++section) {
                if (header->isSectionHidden(section))
                    continue;
                const QString text =
                    header->model()->headerData(section, header->orientation()).toString();
                // The heading with its margins and, where it sorts, the arrow.
                QStyleOptionHeader option;
                option.initFrom(header);
                option.text = text;
                option.section = section;
                if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
                    option.sortIndicator = header->sortIndicatorOrder() == Qt::AscendingOrder
                                               ? QStyleOptionHeader::SortDown
                                               : QStyleOptionHeader::SortUp;
                const int wide =
                    header->style()
                        ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
                        .width();
                if (wide > header->sectionSize(section))
                    found << QStringLiteral("%1: \"%2\" of %3 in %4 of %5 (least %6)")
                                 .arg(header->parentWidget()->objectName(), text)
                                 .arg(wide)
                                 .arg(header->sectionSize(section))
                                 .arg(header->width())
                                 .arg(header->minimumSectionSize());
            }
        }
    }
    return found;
}

// Every text a person reads on `form`, with the font it is drawn in: the
// window's title, captions, boxes, lists, menus, column headings, tooltips.
QList<std::pair<QString, QFont>> ShownTexts(QWidget* form) {
    QList<std::pair<QString, QFont>> texts = {{form->windowTitle(), form->font()}};
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        const QFont font = widget->font();
        if (!widget->toolTip().isEmpty())
            texts.append({Readable(widget->toolTip()), font});
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts.append({Readable(label->text()), font});
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.append({Readable(button->text()), font});
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts.append({Readable(group->title()), font});
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            texts.append({box->text() + box->placeholderText(), font});
        else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts.append({list->itemText(i), font});
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            for (int section = 0; section < header->count(); ++section)
                texts.append(
                    {header->model()->headerData(section, header->orientation()).toString(), font});
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            for (const QAction* action : menu->actions())
                texts.append({Readable(action->text()), menu->font()});
        }
    }
    for (const QAction* action : form->findChildren<QAction*>())
        texts.append({Readable(action->text()), form->font()});
    return texts;
}

// The characters of `text` that neither `font` nor any font Qt falls back
// on has a glyph for: what shows as empty boxes.
QString Unshown(const QString& text, const QFont& font) {
    QString unshown;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font);
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
        // The fonts Qt drew the line in, the one asked for and its fallbacks;
        // where no font has a letter, Qt draws boxes from a font of no
        // character map at all.
        QList<QRawFont> drawnIn;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            if (!run.rawFont().fontTable("cmap").isEmpty())
                drawnIn << run.rawFont();
        }
        for (const char32_t code : line.toUcs4()) {
            // Spaces and joiners draw nothing in any font.
            if (QChar::isSpace(code) || QChar::category(code) == QChar::Other_Format)
                continue;
            const QString character = QString::fromUcs4(&code, 1);
            if (!unshown.contains(character) &&
                std::none_of(drawnIn.begin(), drawnIn.end(),
                             [code](const QRawFont& f) { return f.supportsCharacter(code); }))
                unshown += character;
        }
    }
    return unshown;
}

// The texts of `form` with characters no installed font draws.
QStringList EmptyBoxes(QWidget* form) {
    QStringList found;
    for (const auto& [text, font] : ShownTexts(form)) {
        const QString unshown = Unshown(text, font);
        if (!unshown.isEmpty())
            found << QStringLiteral("%1: \"%2\" lacks %3 (%4)")
                         .arg(form->objectName(), text.left(40), unshown, font.family());
    }
    return found;
}

// The inputs of `form` (text boxes, drop-down lists, check boxes and option
// buttons) whose outline, as drawn, stands out from what lies around it at
// less than 3:1. The outline is the most contrasting pixel where the left
// edge of the box, or of the check box's indicator, crosses its middle.
QStringList FaintOutlines(QWidget* form) {
    const QImage shot = form->grab().toImage();
    QStringList found;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form) || widget->size().isEmpty())
            continue;
        QRect box = widget->rect();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const bool check = qobject_cast<QCheckBox*>(button);
            if (!check && !qobject_cast<QRadioButton*>(button))
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            box = button->style()->subElementRect(
                check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
                button);
        } else if (!qobject_cast<QComboBox*>(widget) &&
                   !(qobject_cast<QLineEdit*>(widget) &&
                     !qobject_cast<QComboBox*>(widget->parentWidget()))) {
            continue;
        }
        const QColor around =
            Behind(widget->parentWidget() && !widget->autoFillBackground() ? widget->parentWidget()
                                                                           : widget);
        double best = 1.0;
        // The shot has the screen's pixels: two for each point at 200 %.
        const qreal ratio = shot.devicePixelRatio();
        const QPoint middle =
            (QPointF(widget->mapTo(form, QPoint(box.left(), box.center().y()))) * ratio).toPoint();
        for (int dx = 0; dx < qRound(4 * ratio); ++dx)
            best = std::max(best, Contrast(shot.pixelColor(middle + QPoint(dx, 0)), around));
        if (best < 3.0)
            found << QStringLiteral("%1/%2: %3:1 on %4")
                         .arg(form->objectName(), widget->objectName())
                         .arg(best, 0, 'f', 2)
                         .arg(around.name());
    }
    return found;
}

}  // namespace

class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyTextIsReadable_data();
    void everyTextIsReadable();
    void readableAfterThePaletteChanges();
    void inputOutlinesStandOut_data();
    void inputOutlinesStandOut();
    void farewellIsLightOnADarkDesktop();
    void formsGrowWithTheDesktopFont();
    void noEmptyBoxes();
    void emptyBoxesAreFound();
    void resultWindowKeepsOneSize();
    void resultWindowIsAnOrdinaryWindow();
    void farewellShowsOnlyItsOwnPlaceholders();
    void readableColourKeepsItsHue();

private:
    // Every form of the program, loaded and shown: the birth-details form,
    // the result form for `latitude` 33, the farewell form, the About box,
    // the browser, the People window and the size dialog of a PNG chart.
    QList<QWidget*> openEveryForm(const QString& latitude = QStringLiteral("77"));

    std::unique_ptr<Harness> h;
    std::unique_ptr<QWidget> about;
    std::unique_ptr<QWidget> browser;
    std::unique_ptr<QWidget> chartSize;
};

void TestAppearance::initTestCase() {
    // The suite runs once in English and once in each language the program
    // is translated into, named by ASTERINE_TEST_LANGUAGE, as a desktop in
    // that language starts it.
    const QString language = qEnvironmentVariable("ASTERINE_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        QVERIFY2(translation::useLanguage(language, translation::translationsFolder()),
                 qPrintable(language));
        QGuiApplication::setLayoutDirection(QLocale().textDirection());
    }
}

void TestAppearance::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestAppearance::cleanup() {
    about.reset();
    browser.reset();
    chartSize.reset();
    h.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont());
}

QList<QWidget*> TestAppearance::openEveryForm(const QString& latitude) {
    FrmMain* main = h->app->mainForm();
    FillValid(main, latitude);
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("33"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    h->app->showTellAFriend();
    main->show();
    about = std::make_unique<FrmAbout>(h->urls, main);
    about->show();
    browser.reset(
        createBrowser(QStringLiteral("Latitude Longitude"), h->urls,
                      BrowserSettings{QUrl(QStringLiteral("about:blank")), {}, {}, {}, {}, {}}));
    browser->show();
    h->app->showPeople();
    chartSize = std::make_unique<ChartSizeDialog>(1200, 1.6, display);
    chartSize->show();
    // Lists lay out their columns once the events of their showing are seen.
    Harness::settle();
    return {main,           display,       h->app->tellAFriendForm(),
            about.get(),    browser.get(), h->app->peopleWindow(),
            chartSize.get()};
}

void TestAppearance::everyTextIsReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void TestAppearance::everyTextIsReadable() {
    QFETCH(bool, dark);
    h.reset();
    QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
    for (QWidget* form : openEveryForm()) {
        QVERIFY(form);
        // Colours come from palettes only, so the palette is what is drawn.
        for (const QWidget* widget : form->findChildren<QWidget*>())
            QVERIFY2(widget->styleSheet().isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(Texts(form).size() >= 3, qPrintable(form->objectName()));
        const QStringList unreadable = Unreadable(form);
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
    }
}

void TestAppearance::inputOutlinesStandOut_data() {
    everyTextIsReadable_data();
}

void TestAppearance::inputOutlinesStandOut() {
    QFETCH(bool, dark);
    h.reset();
    QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
    const QList<QWidget*> forms = openEveryForm();
    int inputs = 0;
    for (QWidget* form : {forms[0], forms[2], forms[4]}) {
        inputs += form->findChildren<QLineEdit*>().size() + form->findChildren<QComboBox*>().size();
        QCOMPARE(FaintOutlines(form), QStringList());
    }
    QVERIFY(inputs > 15);
}

void TestAppearance::farewellIsLightOnADarkDesktop() {
    h.reset();
    QApplication::setPalette(DarkPalette());
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
    h->app->showTellAFriend();
    QWidget* farewell = h->app->tellAFriendForm();
    // Every control as on a light desktop: light buttons and boxes, dark text.
    for (QWidget* widget : farewell->findChildren<QWidget*>()) {
        if ((!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget)) ||
            !widget->isVisibleTo(farewell))
            continue;
        const QPalette palette = widget->palette();
        const QByteArray name = widget->objectName().toUtf8();
        // Boxes and the check box's indicator are filled with the base colour.
        if (!qobject_cast<QPushButton*>(widget))
            QVERIFY2(Luminance(palette.color(QPalette::Base)) > 0.5, name);
        if (!qobject_cast<QLineEdit*>(widget)) {
            QVERIFY2(Luminance(palette.color(QPalette::Button)) > 0.5, name);
            QVERIFY2(Contrast(palette.color(QPalette::ButtonText),
                              palette.color(QPalette::Button)) >= 4.5,
                     name);
        }
    }
    auto* check = Child<QCheckBox>(farewell, "Check1");
    QVERIFY(Contrast(check->palette().color(QPalette::WindowText), Behind(check)) >= 4.5);
    QCOMPARE(FaintOutlines(farewell), QStringList());
}

void TestAppearance::readableAfterThePaletteChanges() {
    const QList<QWidget*> forms = openEveryForm();
    QApplication::setPalette(DarkPalette());
    for (QWidget* form : forms)
        QCOMPARE(Unreadable(form), QStringList());
    QApplication::setPalette(QApplication::style()->standardPalette());
    for (QWidget* form : forms)
        QCOMPARE(Unreadable(form), QStringList());
}

void TestAppearance::formsGrowWithTheDesktopFont() {
    QList<QSize> normal;
    for (QWidget* form : openEveryForm()) {
        const QStringList clipped = Clipped(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
        QCOMPARE(Overlapping(form), QStringList());
        normal << form->size();
    }
    cleanup();

    QFont desktop = QApplication::font();
    desktop.setPointSizeF(16);
    QApplication::setFont(desktop);
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
    const QList<QWidget*> forms = openEveryForm();
    for (qsizetype i = 0; i < forms.size(); ++i) {
        QWidget* form = forms[i];
        const QStringList clipped = Clipped(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
        QCOMPARE(Overlapping(form), QStringList());
        if (form == browser.get() || form == h->app->peopleWindow())
            continue;  // sized by their user, not by their text
        QVERIFY2(
            form->width() > normal[i].width() * 1.3 && form->height() > normal[i].height() * 1.3,
            qPrintable(QStringLiteral("%1 grew from %2x%3 to %4x%5 only")
                           .arg(form->objectName())
                           .arg(normal[i].width())
                           .arg(normal[i].height())
                           .arg(form->width())
                           .arg(form->height())));
    }
}

void TestAppearance::noEmptyBoxes() {
    // Run too with a font configuration of only the fonts the package
    // depends on (FONTCONFIG_FILE, ASTERINE_TEST_FONTS=noto): then no other
    // font may be at hand.
    if (qgetenv("ASTERINE_TEST_FONTS") == "latin")
        QSKIP("a font configuration without Devanagari and Arabic");
    const QStringList families = QFontDatabase::families();
    if (qgetenv("ASTERINE_TEST_FONTS") == "noto") {
        QVERIFY2(!families.contains(QStringLiteral("Lohit Devanagari")),
                 qPrintable(families.join(QStringLiteral(", "))));
        QVERIFY(families.contains(QStringLiteral("Noto Sans Devanagari")));
    }
    int texts = 0;
    for (QWidget* form : openEveryForm()) {
        texts += int(ShownTexts(form).size());
        const QStringList boxes = EmptyBoxes(form);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QStringLiteral("; "))));
    }
    QVERIFY(texts > 60);
}

void TestAppearance::emptyBoxesAreFound() {
    // Run with a font configuration of Latin letters only (FONTCONFIG_FILE,
    // ASTERINE_TEST_FONTS=latin): what noEmptyBoxes looks for must then be
    // found.
    if (qgetenv("ASTERINE_TEST_FONTS") != "latin")
        QSKIP("needs a font configuration without Devanagari and Arabic");
    const QFont font = QApplication::font();
    QCOMPARE(Unshown(QStringLiteral("Raam, 51\u00b0 N"), font), QString());
    QCOMPARE(Unshown(QStringLiteral("\u0930\u093e\u092e \u0930\u093e\u092e"), font),
             QStringLiteral("\u0930\u093e\u092e"));
    QCOMPARE(Unshown(QStringLiteral("A \u0627\u0644\u0634\u0639\u0631\u0649 B"), font),
             QStringLiteral("\u0627\u0644\u0634\u0639\u0631\u0649"));
    // And on the forms, in a language of those scripts.
    int found = 0;
    for (QWidget* form : openEveryForm())
        found += int(EmptyBoxes(form).size());
    QCOMPARE(found > 20,
             QLocale().language() == QLocale::Hindi || QLocale().language() == QLocale::Arabic);
}

void TestAppearance::resultWindowKeepsOneSize() {
    // Regulus, MIRFAK without lore, Arcturus with the longest effect, the
    // Pleiades with lore but no effect, Spica, and Fomalhaut without a Latin name.
    struct Shown {
        QSize size;
        bool frameShown;
        QPoint position;  // of the right column's first value
        int effectTop;
    };
    QList<Shown> shown;
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    const std::pair<const char*, const char*> latitudes[] = {
        {"77", "33"}, {"40", "30"}, {"70", "18"}, {"66", "10"}, {"100", "22"}, {"120", "51"}};
    QSet<QString> stars;
    for (const auto& [degrees, minutes] : latitudes) {
        main->show();
        Child<QLineEdit>(main, "txtLatD")->setText(QLatin1String(degrees));
        Child<QLineEdit>(main, "txtLatM")->setText(QLatin1String(minutes));
        Click(main, "cmdRashi");
        FrmDisplay* display = h->app->displayForm();
        QVERIFY(display && display->isVisible());
        stars << Child<QLabel>(display, "lblFixedStar")->text();
        QCOMPARE(Clipped(display), QStringList());
        QCOMPARE(Overlapping(display), QStringList());
        auto* position = Child(display, "lblPosition");
        shown.append({display->size(), Child(display, "frmShow")->isVisible(),
                      position->mapTo(display, QPoint()),
                      Child(display, "lblEffect")->mapTo(display, QPoint()).y()});
        Click(display, "cmdOK");
        Harness::settle();
    }
    QCOMPARE(stars.size(), int(std::size(latitudes)));
    QCOMPARE(std::count_if(shown.begin(), shown.end(), [](const Shown& s) { return s.frameShown; }),
             5);
    for (const Shown& s : shown) {
        QCOMPARE(s.size, shown.first().size);
        if (!s.frameShown)
            continue;
        QCOMPARE(s.position, shown.first().position);
        QCOMPARE(s.effectTop, shown.first().effectTop);
    }
}

void TestAppearance::resultWindowIsAnOrdinaryWindow() {
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    QVERIFY(display->isWindow());
    QVERIFY(!display->parentWidget());
    QCOMPARE(display->windowType(), Qt::Window);
    QVERIFY(display->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!display->isModal());
}

void TestAppearance::farewellShowsOnlyItsOwnPlaceholders() {
    h->app->showTellAFriend();
    for (const QLineEdit* field : h->app->tellAFriendForm()->findChildren<QLineEdit*>())
        QCOMPARE(field->placeholderText(), QString());
    QCOMPARE(Child<QLineEdit>(h->app->tellAFriendForm(), "txtEmail")->text(),
             QCoreApplication::translate("asterine::Referral", "Your Email Address"));
}

void TestAppearance::readableColourKeepsItsHue() {
    const QColor darkRed(0x80, 0x00, 0x00);
    QCOMPARE(readableColour(darkRed, QColor(0xef, 0xef, 0xef)), darkRed);
    for (const QColor& background : {QColor(0x31, 0x36, 0x3b), QColor(Qt::black),
                                     QColor(0x80, 0x00, 0x00), QColor(0x77, 0x77, 0x77)}) {
        const QColor shown = readableColour(darkRed, background);
        QVERIFY2(Contrast(shown, background) >= 4.5, qPrintable(background.name()));
        if (shown.saturation() > 0)
            QCOMPARE(shown.hslHue(), darkRed.hslHue());
    }
    QVERIFY(std::abs(contrastRatio(Qt::black, Qt::white) - 21.0) < 1e-9);
}

ASTERINE_WEB_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
