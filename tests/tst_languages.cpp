// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: which language a desktop gets, and,
// run once per translation (ASTERINE_TEST_LANGUAGE), what a user of that
// language meets: the reading's lore, the month names, the name box's
// letters, access keys that do not collide, right to left under Arabic, the
// command line's text.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>

#include <memory>

#include "birth/key_rules.h"
#include "display/display_form.h"
#include "document/document_file.h"
#include "document/paged_document.h"
#include "document/reading_document.h"
#include "entry/main_form.h"
#include "language/lore_texts.h"
#include "language/translation.h"
#include "promo/tell_a_friend_form.h"
#include "stars/engine.h"
#include "stars/lore.h"
#include "support.h"
#include "web/about_box.h"

using namespace asterine;
using namespace asterine::test;

namespace {

QString Language() {
    return qEnvironmentVariable("ASTERINE_TEST_LANGUAGE");
}

// The access keys of the captions of `widgets`, and what they belong to.
QStringList Collisions(const QList<std::pair<QString, QString>>& captions) {
    QMap<QString, QStringList> byKey;
    for (const auto& [owner, caption] : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            byKey[key.toString()] << owner + QStringLiteral(" \"") + caption + QLatin1Char('"');
    }
    QStringList found;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            found << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return found;
}

// The letter after a lone '&' in `caption`: its access key; none without.
QChar AccessLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1];
        ++i;
    }
    return {};
}

// The captions one menu shows together.
QList<std::pair<QString, QString>> MenuCaptions(const QMenu* menu) {
    QList<std::pair<QString, QString>> captions;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            captions.append({action->objectName(), action->text()});
    }
    return captions;
}

// The captions reached with Alt on a window: its menu bar's titles and its
// buttons and labelled boxes.
QList<std::pair<QString, QString>> WindowCaptions(const QWidget* window) {
    QList<std::pair<QString, QString>> captions;
    if (const QMenuBar* bar = window->findChild<QMenuBar*>()) {
        for (const QAction* action : bar->actions())
            captions.append({action->objectName(), action->text()});
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(window))
            captions.append({button->objectName(), button->text()});
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() && label->isVisibleTo(window))
            captions.append({label->objectName(), label->text()});
    }
    return captions;
}

// Where `label` draws the first character of `part` of its text, from its
// left: its own text, font and direction, laid out by Qt's text engine as
// the label lays it out.
qreal DrawnAt(const QLabel* label, const QString& part) {
    const QString text = label->text();
    const qsizetype index = text.indexOf(part);
    if (index < 0)
        return -1;
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setTextDirection(label->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(1 << 16);
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns(int(index), 1);
    return runs.isEmpty() ? -1 : runs.first().boundingRect().left();
}

// A word of a PDF's page, as pdftotext -bbox gives it, in points.
struct PdfWord {
    QString text;
    QRectF box;
};

// The words of the PDF at `path`, in the order pdftotext reads them.
QList<PdfWord> PdfWords(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    const QString out = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QRegularExpressionMatch& m : word.globalMatch(out)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// The box of the first word that is `text`; an empty one if there is none.
QRectF WordBox(const QList<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words) {
        if (w.text == text || w.text.normalized(QString::NormalizationForm_KC) ==
                                  text.normalized(QString::NormalizationForm_KC))
            return w.box;
    }
    return QRectF();
}

// `text` without the marks that set a direction (LRM, RLM, the embeddings,
// overrides and isolates), as a reader of the words sees it.
QString WithoutDirectionMarks(const QString& text) {
    static const QRegularExpression marks(
        QStringLiteral("[\u200e\u200f\u202a-\u202e\u2066-\u2069]"));
    return QString(text).remove(marks);
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theDesktopsLanguage_data();
    void theDesktopsLanguage();
    void everyLoreTextIsListed();
    void readingInTheLanguage();
    void monthNamesAndDates();
    void nameBoxTakesTheLanguagesLetters();
    void accessKeysDoNotCollide();
    void rightToLeftWhereTheLanguageIsWritten();
    void positionsReadFromTheLeft();
    void documentInTheLanguagesDirection();
    void commandLineSpeaksTheLanguage();
    void wordsOfTheLanguage();
    void documentKeepsToOneScriptOfDigits();
    void qtsOwnTextsSpeakTheLanguage();

private:
    std::unique_ptr<Harness> h;
};

void TestLanguages::initTestCase() {
    if (!Language().isEmpty()) {
        QVERIFY2(translation::useLanguage(Language(), translation::translationsFolder()),
                 qPrintable(Language()));
        QGuiApplication::setLayoutDirection(QLocale().textDirection());
    } else {
        // English loads nothing.
        QVERIFY(!translation::useLanguage(QString(), translation::translationsFolder()));
    }
}

void TestLanguages::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestLanguages::cleanup() {
    h.reset();
}

void TestLanguages::theDesktopsLanguage_data() {
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German in Germany") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("German in Austria") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal takes Brazil's") << QStringList{"pt-PT", "pt"} << "pt_BR";
    QTest::newRow("Hindi") << QStringList{"hi-IN"} << "hi";
    QTest::newRow("Arabic of Egypt") << QStringList{"ar-EG"} << "ar";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("an untranslated language, then French") << QStringList{"ja-JP", "fr-FR"} << "fr";
    QTest::newRow("only untranslated languages") << QStringList{"ja-JP", "ko"} << "";
    QTest::newRow("the C locale") << QStringList{"C"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void TestLanguages::theDesktopsLanguage() {
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(translation::chooseLanguage(desktop, translation::translationsFolder()), chosen);
    // Without translations installed, nothing is chosen.
    QTemporaryDir empty;
    QCOMPARE(translation::chooseLanguage(desktop, empty.path()), QString());
}

void TestLanguages::everyLoreTextIsListed() {
    // What the engine can show is what the translators were given.
    const std::vector<const char*>& listed = translation::loreTexts();
    const auto has = [&listed](std::string_view text) {
        return std::find_if(listed.begin(), listed.end(),
                            [text](const char* l) { return text == l; }) != listed.end();
    };
    for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore()) {
        for (std::size_t i = 0; i < stars::attributeCount; ++i) {
            const auto attribute = static_cast<stars::Attribute>(i);
            if (attribute == stars::Attribute::LatinName ||
                attribute == stars::Attribute::Designation)
                continue;
            const std::string_view value = stars::loreValue(star, attribute);
            QVERIFY2(has(value), std::string(value).c_str());
        }
    }
    QVERIFY(has(stars::laterVersionText));
    QVERIFY(has(stars::NotAvailableMark));
}

void TestLanguages::readingInTheLanguage() {
    // Regulus, and MIRFAK without lore.
    for (const auto& [degrees, minutes] : {std::pair{"77", "33"}, std::pair{"40", "30"}}) {
        FrmMain* main = h->app->mainForm();
        main->show();
        FillValid(main, QLatin1String(degrees));
        Child<QLineEdit>(main, "txtLatM")->setText(QLatin1String(minutes));
        Click(main, "cmdRashi");
        FrmDisplay* display = h->app->displayForm();
        QVERIFY(display);
        stars::ReadingEngine english;
        const stars::ReadingOutcome outcome = english.RequestReading(
            degrees, minutes, Child<QComboBox>(main, "cboYear")->currentText().toInt());
        QVERIFY(outcome.accepted());
        // The same star as in English, its name as the catalogue has it.
        const QString starLine = Child<QLabel>(display, "lblFixedStar")->text();
        QVERIFY2(starLine.startsWith(QString::fromStdString(english.CurrentStarName())),
                 qPrintable(starLine));
        const QString effect = Child<QLabel>(display, "lblEffect")->text();
        const QString englishEffect = QString::fromStdString(
            outcome.reading->attributes[std::size_t(stars::Attribute::Effect)]);
        if (outcome.reading->frameShown) {
            QCOMPARE(Child<QLabel>(display, "lblLatinName")->text(), QStringLiteral("Cor leonis"));
            QCOMPARE(effect, translation::loreText(englishEffect.toStdString()));
            // In English exactly the engine's text; in any other language
            // the translation, not the English.
            QCOMPARE(effect == englishEffect, Language().isEmpty());
        } else {
            QCOMPARE(starLine.contains(QString::fromUtf8(stars::laterVersionText)),
                     Language().isEmpty());
        }
        // The document says what the form shows.
        const QString text = document::toText(display->readingDocument());
        if (outcome.reading->frameShown)
            QVERIFY2(text.contains(effect), qPrintable(text));
        Click(display, "cmdOK");
        Harness::settle();
    }
}

void TestLanguages::monthNamesAndDates() {
    auto* months = Child<QComboBox>(h->app->mainForm(), "cboMonth");
    QCOMPARE(months->count(), 12);
    if (Language().isEmpty()) {
        QCOMPARE(months->itemText(0), QStringLiteral("January"));
        QCOMPARE(months->itemText(11), QStringLiteral("December"));
        QCOMPARE(document::dateText(11, 10, 1815), QStringLiteral("December 10, 1815"));
        return;
    }
    for (int month = 0; month < 12; ++month)
        QCOMPARE(months->itemText(month), QLocale().standaloneMonthName(month + 1));
    // The language's own names, whatever the C library's settings (the run
    // sets only LANGUAGE, as a desktop may).
    QVERIFY2(QLocale().monthName(12) != QLatin1String("December"), qPrintable(QLocale().name()));
    QVERIFY2(!QLocale()
                  .toString(QDate(2026, 12, 8), QLocale::LongFormat)
                  .contains(QLatin1String("December")),
             qPrintable(QLocale().toString(QDate(2026, 12, 8), QLocale::LongFormat)));
    const QString date = document::dateText(11, 10, 1815);
    QVERIFY2(date.contains(QLocale().monthName(12)) && date.contains(QLatin1String("10")) &&
                 date.contains(QLatin1String("1815")) && !date.contains(QLatin1String("December")),
             qPrintable(date));
}

void TestLanguages::nameBoxTakesTheLanguagesLetters() {
    auto* name = Child<QLineEdit>(h->app->mainForm(), "txtName");
    const auto typed = [&](const QString& text) {
        name->clear();
        h->messages.shown.clear();
        for (const char32_t code : text.toUcs4())
            TypeCharacter(name, QString::fromUcs4(&code, 1));
        return name->text();
    };
    // Every language keeps A to Z, in capitals, and refuses digits and
    // punctuation with the form's message, in the language.
    QCOMPARE(typed(QStringLiteral("ann")), QStringLiteral("ANN"));
    QCOMPARE(typed(QStringLiteral("a1")), QStringLiteral("A"));
    QCOMPARE(h->messages.texts(), QStringList{birth::refusedLetterMessage()});
    QCOMPARE(typed(QStringLiteral("a.b")), QStringLiteral("AB"));
    struct Letters {
        const char* language;
        const char* typed;
        const char* taken;
    };
    // What each language's name box makes of its own letters; in English
    // they are refused.
    const Letters letters[] = {
        {"de", "jürgen weiß", "JÜRGEN WEIß"},
        {"fr", "françoise lœ", "FRANÇOISE LŒ"},
        {"es", "íñigo", "ÍÑIGO"},
        {"pt_BR", "joão", "JOÃO"},
        {"hi", "राम प्रसाद", "राम प्रसाद"},
        {"ar", "مُحَمَّد", "مُحَمَّد"},
    };
    for (const Letters& l : letters) {
        const QString own = QString::fromUtf8(l.typed);
        const QString result = typed(own);
        if (Language() == QLatin1String(l.language)) {
            QCOMPARE(result, QString::fromUtf8(l.taken));
            QVERIFY2(h->messages.shown.isEmpty(), qPrintable(h->messages.last()));
        } else if (Language().isEmpty()) {
            QVERIFY2(result.size() < own.size() || result != own.toUpper(), qPrintable(result));
            QVERIFY(!h->messages.shown.isEmpty());
        }
    }
    // Digits of other scripts are digits: refused, one message a key.
    for (const QString& digits : {QStringLiteral("\u0967\u0968"), QStringLiteral("\u0661\u0662")}) {
        QCOMPARE(typed(digits), QString());
        QCOMPARE(h->messages.texts(), QStringList(2, birth::refusedLetterMessage()));
    }
    // Punctuation of other scripts too: the danda, the Arabic comma.
    QCOMPARE(typed(QStringLiteral("\u0964\u060c")), QString());
}

void TestLanguages::accessKeysDoNotCollide() {
    FrmMain* main = h->app->mainForm();
    FillValid(main);
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    QVERIFY(display);
    FrmAbout about(h->urls, main);
    h->app->showPeople();
    h->app->showTellAFriend();
    const QList<QWidget*> windows = {main, display, &about, h->app->peopleWindow(),
                                     h->app->tellAFriendForm()};
    for (QWidget* window : windows) {
        QCOMPARE(Collisions(WindowCaptions(window)), QStringList());
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            if (menu->objectName() == QLatin1String("mnuRecent"))
                emit const_cast<QMenu*>(menu)->aboutToShow();
            QCOMPARE(Collisions(MenuCaptions(menu)), QStringList());
        }
    }
    // Under Arabic the keys are Arabic letters, as Qt's own Arabic
    // buttons have them: typed with Alt on an Arabic keyboard.
    int keys = 0;
    for (QWidget* window : windows) {
        QList<std::pair<QString, QString>> captions = WindowCaptions(window);
        for (const QMenu* menu : window->findChildren<QMenu*>())
            captions += MenuCaptions(menu);
        for (const auto& [owner, caption] : captions) {
            const QChar letter = AccessLetter(caption);
            if (letter.isNull())
                continue;
            ++keys;
            if (Language() == QLatin1String("ar"))
                QVERIFY2(letter.script() == QChar::Script_Arabic,
                         qPrintable(owner + QStringLiteral(": ") + caption));
            else if (Language().isEmpty())
                QVERIFY2(letter.script() == QChar::Script_Latin,
                         qPrintable(owner + QStringLiteral(": ") + caption));
        }
    }
    QVERIFY(keys > 20);
    // Every caption that had an access key in English still has one.
    for (QWidget* window : windows) {
        for (const QAction* action : window->findChildren<QAction*>()) {
            if (!action->isSeparator() && !action->text().isEmpty() &&
                action->objectName() != QLatin1String("mnuNext") && !action->objectName().isEmpty())
                QVERIFY2(!QKeySequence::mnemonic(action->text()).isEmpty(),
                         qPrintable(action->objectName() + QLatin1Char(' ') + action->text()));
        }
    }
}

void TestLanguages::rightToLeftWhereTheLanguageIsWritten() {
    FrmMain* main = h->app->mainForm();
    const bool rightToLeft = Language() == QLatin1String("ar");
    QCOMPARE(main->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Angles read degrees, minutes, seconds from left to right everywhere.
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const auto left = [main](const QWidget* widget) { return widget->mapTo(main, QPoint()).x(); };
    QVERIFY(left(Child(main, "txtLatD")) < left(Child(main, "txtLatM")) &&
            left(Child(main, "txtLatM")) < left(Child(main, "txtLatS")));
    // The rest mirrors: the name's caption on the other side of its box.
    const QLabel* caption = nullptr;
    for (const QLabel* label : main->findChildren<QLabel*>()) {
        if (label->buddy() == Child(main, "txtName"))
            caption = label;
    }
    QVERIFY(caption);
    QCOMPARE(left(caption) > left(Child(main, "txtName")), rightToLeft);
    // Every box still takes its input.
    auto* name = Child<QLineEdit>(main, "txtName");
    name->clear();
    TypeCharacter(name, rightToLeft ? QStringLiteral("\u0633") : QStringLiteral("s"));
    QVERIFY(!name->text().isEmpty());
    auto* degrees = Child<QLineEdit>(main, "txtLatD");
    degrees->clear();
    QTest::keyClicks(degrees, QStringLiteral("51"));
    QCOMPARE(degrees->text(), QStringLiteral("51"));
}

void TestLanguages::positionsReadFromTheLeft() {
    // London's latitude gives Vega, at "Capricorn 15°19" in English.
    FrmMain* main = h->app->mainForm();
    main->show();
    FillValid(main, QStringLiteral("51"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    QVERIFY(display);
    QCOMPARE(display->isRightToLeft(), Language() == QLatin1String("ar"));
    const auto* position = Child<QLabel>(display, "lblPosition");
    QVERIFY2(position->text().contains(QStringLiteral("15\u00b019")), qPrintable(position->text()));
    QVERIFY2(DrawnAt(position, QStringLiteral("15")) >= 0 &&
                 DrawnAt(position, QStringLiteral("15")) < DrawnAt(position, QStringLiteral("19")),
             qPrintable(QStringLiteral("%1: 15 at %2, 19 at %3")
                            .arg(position->text())
                            .arg(DrawnAt(position, QStringLiteral("15")))
                            .arg(DrawnAt(position, QStringLiteral("19")))));
    // Regulus's "Leo 29°50'" too, and every position of the lore.
    for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore()) {
        QLabel shown;
        shown.setFont(position->font());
        shown.setLayoutDirection(position->layoutDirection());
        const QString english =
            QString::fromUtf8(star.Position.data(), qsizetype(star.Position.size()));
        if (english == QLatin1String("NA"))
            continue;
        const QRegularExpressionMatch angle =
            QRegularExpression(QStringLiteral("(\\d+)\u00b0(\\d+)")).match(english);
        QVERIFY2(angle.hasMatch(), qPrintable(english));
        shown.setText(document::anglesLeftToRight(translation::loreText(star.Position)));
        if (!display->isRightToLeft())
            shown.setText(translation::loreText(star.Position));
        const qreal degrees = DrawnAt(&shown, angle.captured(1) + QChar(0x00b0));
        const qreal minutes = DrawnAt(&shown, QChar(0x00b0) + angle.captured(2));
        QVERIFY2(degrees >= 0 && degrees < minutes, qPrintable(shown.text()));
    }
}

void TestLanguages::documentInTheLanguagesDirection() {
    FrmMain* main = h->app->mainForm();
    main->show();
    FillValid(main, QStringLiteral("51"));  // Vega
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("30"));
    Child<QLineEdit>(main, "txtLatS")->setText(QStringLiteral("26"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    QVERIFY(display);
    const bool rightToLeft = Language() == QLatin1String("ar");
    const document::ReadingDocument reading = display->readingDocument();
    QCOMPARE(reading.direction, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    // The clipboard's table says its direction; a browser mirrors it.
    const QString html = document::toHtml(reading);
    QCOMPARE(html.contains(QLatin1String("<html dir=\"rtl\">")), rightToLeft);
    QCOMPARE(html.contains(QLatin1String("<th align=\"right\"")), rightToLeft);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    QVERIFY(!document::saveFile(path, document::toPdf(reading, QPageSize(QPageSize::A4))));
    const QList<PdfWord> words = PdfWords(path);
    QVERIFY(!words.isEmpty());
    if (qEnvironmentVariableIsSet("KEEP_PDF"))
        QFile::copy(path, qEnvironmentVariable("KEEP_PDF"));
    // The latitude reads degrees, minutes, seconds from the left, and so
    // does the position.
    const QRectF degrees = WordBox(words, QStringLiteral("51\u00b0"));
    const QRectF minutes = WordBox(words, QStringLiteral("30\u2032"));
    const QRectF seconds = WordBox(words, QStringLiteral("26\u2033"));
    QVERIFY(!degrees.isEmpty() && !minutes.isEmpty() && !seconds.isEmpty());
    QVERIFY(degrees.left() < minutes.left() && minutes.left() < seconds.left());
    QVERIFY2(!WordBox(words, QStringLiteral("15\u00b019")).isEmpty(),
             qPrintable(QStringLiteral("no 15\u00b019 in the PDF")));

    // The page is the window's way round: the latitude's caption at the
    // start of its line, on the right under Arabic, as the result form has
    // its captions.
    QStringList angleWords;
    for (const document::Field& field : reading.details) {
        if (field.value.contains(QStringLiteral("51\u00b0")))
            angleWords = WithoutDirectionMarks(field.value).split(QLatin1Char(' '));
    }
    QCOMPARE(angleWords.size(), 4);
    int others = 0;
    for (const PdfWord& w : words) {
        if (qAbs(w.box.center().y() - degrees.center().y()) > 4 || angleWords.contains(w.text))
            continue;
        ++others;
        QVERIFY2((w.box.left() > seconds.right()) == rightToLeft, qPrintable(w.text));
    }
    QVERIFY(others > 0);
    // The lines of the details are evenly spaced: the marks that keep an
    // angle left to right take no font of their own, which would make its
    // line taller than the others.
    // (Rows from the top: words whose middles lie within 4 pt of each
    // other, each row's top where its highest word begins. A row that
    // mixes scripts may stand up to a point lower; a font taken for the
    // marks made it two.)
    QList<PdfWord> byHeight = words;
    std::sort(byHeight.begin(), byHeight.end(), [](const PdfWord& a, const PdfWord& b) {
        return a.box.center().y() < b.box.center().y();
    });
    QList<qreal> lines;
    qreal middle = -100;
    for (const PdfWord& w : byHeight) {
        if (w.box.center().y() - middle > 4) {
            middle = w.box.center().y();
            lines.append(w.box.top());
        } else {
            lines.last() = qMin(lines.last(), w.box.top());
        }
    }
    // The title's row, then the details'.
    lines = lines.mid(1, reading.details.size());
    QVERIFY2(lines.size() >= 4, qPrintable(QString::number(lines.size())));
    for (qsizetype i = 2; i < lines.size(); ++i)
        QVERIFY2(qAbs((lines[i] - lines[i - 1]) - (lines[1] - lines[0])) < 1.5,
                 qPrintable(QStringLiteral("line %1 of the details is %2 pt below the one "
                                           "before, the first %3 pt")
                                .arg(i)
                                .arg(lines[i] - lines[i - 1])
                                .arg(lines[1] - lines[0])));
    const QWidget* formCaption = Child(display, "Label15");  // Position, beside its value
    const QWidget* formValue = Child(display, "lblPosition");
    QCOMPARE(formCaption->mapTo(display, QPoint()).x() > formValue->mapTo(display, QPoint()).x(),
             rightToLeft);
    // The title, the top line, at the start of the page: against the right
    // margin under Arabic, the left one otherwise (20 mm; A4 is 595 points
    // wide).
    const PdfWord* top = &words.first();
    for (const PdfWord& w : words) {
        if (w.box.top() < top->box.top())
            top = &w;
    }
    QRectF title;
    for (const PdfWord& w : words) {
        if (qAbs(w.box.center().y() - top->box.center().y()) < 6)
            title |= w.box;
    }
    // (Qt's rich text keeps a few points inside the margin.)
    const qreal margin = 20 / 25.4 * 72;
    if (rightToLeft)
        QVERIFY2(qAbs(title.right() - (595 - margin)) < 5,
                 qPrintable(QString::number(title.right())));
    else
        QVERIFY2(qAbs(title.left() - margin) < 5, qPrintable(QString::number(title.left())));

    // The text reads back: every caption and value of the details (but
    // for Hindi, whose vowel signs drawn before their consonant pdftotext
    // does not put back in place).
    if (Language() == QLatin1String("hi"))
        return;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString raw = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // pdftotext marks the runs of a right-to-left line and may move the
    // blanks at their ends: the letters are compared, in their order.
    const auto plain = [](const QString& text) {
        static const QRegularExpression blanks(QStringLiteral("\\s"));
        return WithoutDirectionMarks(text).remove(blanks).normalized(QString::NormalizationForm_KC);
    };
    const QString text = plain(raw);
    QVERIFY2(text.contains(plain(reading.title)), qPrintable(text));
    for (const document::Field& field : reading.details) {
        QVERIFY2(text.contains(plain(field.caption)),
                 qPrintable(field.caption + QLatin1Char('\n') + text));
        // An angle keeps left to right inside the line, its side's letter
        // with it: its words are compared one by one.
        for (const QString& word : WithoutDirectionMarks(field.value).split(QLatin1Char(' ')))
            QVERIFY2(text.contains(plain(word)), qPrintable(field.value));
    }
    // The sky's headings and captions come back too, in the language.
    QVERIFY2(text.contains(plain(reading.skyTitle)), qPrintable(reading.skyTitle));
    QVERIFY(!reading.sky.isEmpty());
    for (const document::SkySection& section : reading.sky) {
        QVERIFY2(text.contains(plain(section.title)), qPrintable(section.title));
        for (const document::Field& field : section.fields)
            QVERIFY2(text.contains(plain(field.caption)), qPrintable(field.caption));
    }
    // Shaped: Arabic letters come back in their joined forms (initial,
    // medial, final), not one by one.
    if (rightToLeft) {
        static const QRegularExpression joined(QStringLiteral("[\uFE70-\uFEFC]"));
        QVERIFY2(raw.contains(joined), qPrintable(raw));
    }
}

void TestLanguages::commandLineSpeaksTheLanguage() {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"),
                       Language().isEmpty() ? QStringLiteral("en") : Language());
    const auto run = [&environment](const QStringList& arguments) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ASTERINE_BINARY), arguments);
        program.waitForFinished(30000);
        return QString::fromUtf8(program.readAllStandardOutput());
    };
    const QStringList reading = {QStringLiteral("reading"), QStringLiteral("--latitude"),
                                 QStringLiteral("77:33N"), QStringLiteral("--year"),
                                 QStringLiteral("1970")};
    const QString text = run(reading);
    // The text in the language: its captions and its lore.
    QVERIFY2(text.contains(QStringLiteral("Regulus")), qPrintable(text));
    const QString caption = QCoreApplication::translate("document::ReadingDocument", "Fixed Star");
    QVERIFY2(text.contains(caption + QStringLiteral(": Regulus")), qPrintable(text));
    QVERIFY2(text.contains(translation::loreText("Raphael")), qPrintable(text));
    // The JSON is for programs: the engine's English whatever the language.
    const QString json =
        run(reading + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    QVERIFY2(json.contains(QStringLiteral("\"angel\": \"Raphael\"")), qPrintable(json));
    // Its sides too, where the text gives the language's letter.
    QVERIFY2(json.contains(QStringLiteral("\"hemisphere\": \"N\"")), qPrintable(json));
    // The angle is kept left to right in a right-to-left line.
    QVERIFY2(
        WithoutDirectionMarks(text).contains(QStringLiteral("77\u00b0 33\u2032 0\u2033 ") +
                                             document::compassLetter(u'N') + QLatin1Char('\n')),
        qPrintable(text));
}

void TestLanguages::wordsOfTheLanguage() {
    const auto tr = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text);
    };
    // The captions under the angle's boxes, as the form shows them, from the left.
    FrmMain* main = h->app->mainForm();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const QWidget* degrees = Child(main, "txtLatD");
    QList<const QLabel*> under;
    for (const QLabel* label : Child(main, "fraLat")->findChildren<QLabel*>()) {
        if (label->geometry().top() >= degrees->geometry().bottom())
            under << label;
    }
    std::sort(under.begin(), under.end(),
              [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
    QStringList units;
    for (const QLabel* label : under)
        units << label->text();
    QCOMPARE(units.size(), 3);
    QCOMPARE(units, (QStringList{tr("asterine::FrmMain", "Deg"), tr("asterine::FrmMain", "Min"),
                                 tr("asterine::FrmMain", "Sec")}));
    if (Language() == QLatin1String("es") || Language() == QLatin1String("fr") ||
        Language() == QLatin1String("pt_BR")) {
        // Words of the language: not the English abbreviations, not German.
        QVERIFY2(!units.contains(QStringLiteral("Deg")) && !units.contains(QStringLiteral("Sec")) &&
                     !units.contains(QStringLiteral("Grad")),
                 qPrintable(units.join(QLatin1Char(' '))));
    }
    // A star's other name, as the lore of Sirius gives it, in the language.
    const QString sirius = translation::loreText(
        "This is also known as the Dog Star. This shows that you may advance much farther in "
        "life than you have expected if you put in the hard work.");
    if (Language() == QLatin1String("hi")) {
        QVERIFY2(sirius.contains(QStringLiteral("लुब्धक")), qPrintable(sirius));
        // The zodiac of the positions is the tropical one.
        QVERIFY(tr("asterine::FrmDisplay", "Position").contains(QStringLiteral("सायन")));
        QVERIFY(tr("document::ReadingDocument", "Position").contains(QStringLiteral("सायन")));
        // A day of the calendar, not the lunar day.
        for (const QString& text :
             {tr("asterine::FrmMain", "Date of Birth"),
              tr("document::ReadingDocument", "Date of Birth"),
              tr("asterine::Validation", "Please Enter Correct Date Or Month!")}) {
            QVERIFY2(text.contains(QStringLiteral("दिन")) && !text.contains(QStringLiteral("तिथि")),
                     qPrintable(text));
        }
    } else if (Language() == QLatin1String("ar")) {
        QVERIFY2(sirius.contains(QStringLiteral("الشعرى اليمانية")), qPrintable(sirius));
    }
}

void TestLanguages::documentKeepsToOneScriptOfDigits() {
    // A reading south and west of Greenwich, made today: the footer's date
    // is the language's long date.
    stars::ReadingEngine engine;
    const stars::ReadingOutcome outcome = engine.RequestReading("77", "33", 1970);
    QVERIFY(outcome.accepted());
    birth::BirthDetails details;
    details.name = QStringLiteral("ANN");
    details.monthIndex = 11;
    details.day = 10;
    details.year = 1970;
    details.hour = 13;
    details.minute = 5;
    details.latitudeDegrees = QStringLiteral("33");
    details.latitudeMinutes = QStringLiteral("52");
    details.latitudeSeconds = QStringLiteral("4");
    details.south = true;
    details.longitudeDegrees = QStringLiteral("70");
    details.longitudeMinutes = QStringLiteral("40");
    details.longitudeSeconds = QStringLiteral("0");
    details.west = true;
    // With its zone, so that the whole sky is in it: times, angles, counts.
    details.zone = QStringLiteral("America/Santiago");
    const document::ReadingDocument made = document::makeDocument(
        translation::localised(*outcome.reading), details, QDate(2026, 12, 8));
    QCOMPARE(made.sky.size(), 4);
    // The sky in the language's words.
    if (!Language().isEmpty()) {
        QVERIFY(made.skyTitle != QLatin1String("Sky"));
        QVERIFY(made.sky[1].fields[0].caption != QLatin1String("Sun"));
    }
    for (const QString& text : {document::toText(made), document::toHtml(made)}) {
        QString others;
        for (const QChar c : text) {
            if (c.isDigit() && c.unicode() > 0x7f)
                others += c;
        }
        QVERIFY2(others.isEmpty(), qPrintable(others + QStringLiteral(" in ") + text));
    }
    QVERIFY2(made.footer.contains(QLatin1String("2026")), qPrintable(made.footer));

    // The sides in the language's letters, one for each.
    const QString north = document::compassLetter(u'N'), south = document::compassLetter(u'S'),
                  east = document::compassLetter(u'E'), west = document::compassLetter(u'W');
    QCOMPARE(QSet<QString>({north, south, east, west}).size(), 4);
    QCOMPARE(WithoutDirectionMarks(made.details[made.details.size() - 3].value),
             QStringLiteral("33\u00b0 52\u2032 4\u2033 ") + south);
    QCOMPARE(WithoutDirectionMarks(made.details[made.details.size() - 2].value),
             QStringLiteral("70\u00b0 40\u2032 0\u2033 ") + west);
    const auto script = [](const QString& letter) { return letter.front().script(); };
    if (Language() == QLatin1String("ar")) {
        QCOMPARE(script(north), QChar::Script_Arabic);
        QCOMPARE(script(east), QChar::Script_Arabic);
    } else if (Language() == QLatin1String("hi")) {
        QCOMPARE(script(north), QChar::Script_Devanagari);
        QCOMPARE(script(west), QChar::Script_Devanagari);
    } else {
        QCOMPARE(script(north), QChar::Script_Latin);
        // North and south are N and S in every Latin-lettered language here.
        QCOMPARE(north + south, QStringLiteral("NS"));
        if (Language() == QLatin1String("de"))
            QCOMPARE(east, QStringLiteral("O"));
        if (Language().isEmpty())
            QCOMPARE(east + west, QStringLiteral("EW"));
    }
}

void TestLanguages::qtsOwnTextsSpeakTheLanguage() {
    // The buttons of a message box and the menu of a text box come from
    // Qt's own texts: from Qt's translation where Debian has one, from the
    // program's where it does not (Hindi).
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
    QLineEdit box;
    box.setText(QStringLiteral("Pune"));
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList menuTexts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            menuTexts << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY(menuTexts.size() >= 5);
    const QStringList english{"OK", "Cancel", "&Yes", "&No"};
    const QStringList shown{buttons.button(QDialogButtonBox::Ok)->text(),
                            buttons.button(QDialogButtonBox::Cancel)->text(),
                            buttons.button(QDialogButtonBox::Yes)->text(),
                            buttons.button(QDialogButtonBox::No)->text()};
    if (Language().isEmpty()) {
        QCOMPARE(shown, english);
        QVERIFY(menuTexts.contains(QStringLiteral("&Copy")));
        return;
    }
    // Translated ("OK" and "No" are words of some of the languages too),
    // each keeping an access key where the English has one.
    for (int i = 0; i < english.size(); ++i) {
        if (i == 1 || i == 2)
            QVERIFY2(shown[i] != english[i], qPrintable(shown[i]));
        QCOMPARE(shown[i].contains(QLatin1Char('&')), english[i].contains(QLatin1Char('&')));
    }
    for (const char* english : {"&Undo", "&Copy", "&Paste", "Select All"})
        QVERIFY2(!menuTexts.contains(QLatin1String(english)), qPrintable(menuTexts.join('|')));
    if (Language() == QLatin1String("hi")) {
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("\u0930\u0926\u094d\u0926 \u0915\u0930\u0947\u0902"));
        QCOMPARE(shown[2], QStringLiteral("\u0939\u093e\u0901(&Y)"));
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
