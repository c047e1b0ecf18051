// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a person reads on the forms goes through translation: with a
// translator that marks every text it is asked for, no caption is left
// unmarked. A translation file is read only as the build made it: a damaged
// one is refused, and the program speaks English.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include "display/display_form.h"
#include "entry/main_form.h"
#include "language/translation.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"
#include "web/about_box.h"

using namespace asterine;
using namespace asterine::test;

namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.isEmpty() || (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')));
}

// The captions of a form that were not translated.
QStringList Unmarked(QWidget* form) {
    QStringList found;
    const auto check = [&](const QObject* owner, const QString& text) {
        if (!Marked(text))
            found << owner->objectName() + QStringLiteral(": ") + text;
    };
    check(form, form->windowTitle());
    // The result form's value labels show the reading, which is data.
    static const QStringList reading = {"lblFixedStar",    "lblLatinName", "lblDesignation",
                                        "lblGemstone",     "lblPlant",     "lblPosition",
                                        "lblRulingPlanet", "lblKeywords",  "lblEffect",
                                        "lblAngel",        "lblDirection"};
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (!reading.contains(label->objectName()) && label->pixmap().isNull())
            check(label, label->text());
    }
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>())
        check(button, button->text());
    for (const QGroupBox* group : form->findChildren<QGroupBox*>())
        check(group, group->title());
    for (const QAction* action : form->findChildren<QAction*>()) {
        if (!action->isSeparator())
            check(action, action->text());
    }
    for (const QLineEdit* field : form->findChildren<QLineEdit*>()) {
        // The farewell form's fields start with their placeholders.
        if (qobject_cast<FrmTellAFriend*>(form))
            check(field, field->text().trimmed());
    }
    return found;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A copy of the built translations in `folder`, the German one changed by
// `damage` and the list of sums by `sums`.
bool CopyTranslations(const QString& folder, const std::function<void(QByteArray&)>& damage = {},
                      const std::function<void(QByteArray&)>& sums = {}) {
    const QDir built(translation::translationsFolder());
    if (!QDir().mkpath(folder))
        return false;
    for (const QString& name : built.entryList(QDir::Files)) {
        QByteArray bytes = Read(built.filePath(name));
        if (bytes.isEmpty())
            return false;
        if (name == QLatin1String("asterine_de.qm") && damage)
            damage(bytes);
        if (name == QLatin1String("translations.sums") && sums)
            sums(bytes);
        if (!Write(QDir(folder).filePath(name), bytes))
            return false;
    }
    return true;
}

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsTranslated();
    void onlyAnIntactTranslationIsRead_data();
    void onlyAnIntactTranslationIsRead();
    void aDamagedTranslationLeavesTheProgramInEnglish();
};

void TestTranslation::onlyAnIntactTranslationIsRead_data() {
    using Change = std::function<void(QByteArray&)>;
    QTest::addColumn<Change>("damage");
    QTest::addColumn<Change>("sums");
    QTest::addColumn<QString>("problem");  // what the refusal says; empty when read
    const Change none;
    QTest::newRow("as built") << none << none << QString();
    QTest::newRow("one byte changed")
        << Change([](QByteArray& b) { b[b.size() / 2] = char(b[b.size() / 2] ^ 0x20); }) << none
        << "is damaged";
    QTest::newRow("the first byte changed")
        << Change([](QByteArray& b) { b[0] = char(b[0] ^ 1); }) << none << "is damaged";
    QTest::newRow("cut short") << Change([](QByteArray& b) { b.chop(1); }) << none << "is damaged";
    QTest::newRow("a byte more") << Change([](QByteArray& b) { b.append('\0'); }) << none
                                 << "is damaged";
    QTest::newRow("not listed") << none << Change([](QByteArray& s) {
        s.replace("asterine_de.qm", "asterine_xx.qm");
    }) << "does not list it";
    QTest::newRow("no sums") << none << Change([](QByteArray& s) { s.clear(); })
                             << "does not list it";
}

void TestTranslation::onlyAnIntactTranslationIsRead() {
    using Change = std::function<void(QByteArray&)>;
    QFETCH(Change, damage);
    QFETCH(Change, sums);
    QFETCH(QString, problem);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("translations"));
    QVERIFY(CopyTranslations(folder, damage, sums));
    QString said;
    const std::optional<QByteArray> bytes =
        translation::verifiedTranslation(QStringLiteral("de"), folder, &said);
    if (problem.isEmpty()) {
        QVERIFY2(bytes, qPrintable(said));
        QCOMPARE(*bytes, Read(QDir(folder).filePath(QStringLiteral("asterine_de.qm"))));
        // The bytes are a translation Qt reads, and German.
        QTranslator translator;
        QVERIFY(translator.load(reinterpret_cast<const uchar*>(bytes->constData()),
                                int(bytes->size())));
        QCOMPARE(translator.translate("document::ReadingDocument", "Fixed Star"),
                 QStringLiteral("Fixstern"));
        // Another language of the same folder is untouched by it.
        QVERIFY(translation::verifiedTranslation(QStringLiteral("fr"), folder));
        return;
    }
    QVERIFY(!bytes);
    QVERIFY2(said.contains(problem), qPrintable(said));
    QVERIFY2(said.contains(QDir(folder).filePath(QStringLiteral("asterine_de.qm"))),
             qPrintable(said));
    QVERIFY(!said.contains(QLatin1Char('\n')));
    // A missing file is no problem to tell: the language is simply not there.
    QVERIFY(!translation::verifiedTranslation(QStringLiteral("xx"), folder, &said));
    QCOMPARE(said, QString());
}

void TestTranslation::aDamagedTranslationLeavesTheProgramInEnglish() {
    // The program as installed: bin/asterine beside share/asterine/translations,
    // with its German translation damaged by one byte, then intact.
    QTemporaryDir tree;
    QVERIFY(QDir().mkpath(tree.filePath(QStringLiteral("bin"))));
    const QString program = tree.filePath(QStringLiteral("bin/asterine"));
    QVERIFY(QFile::copy(QStringLiteral(ASTERINE_BINARY), program));
    const QString translations = tree.filePath(QStringLiteral("share/asterine/translations"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("HOME"), tree.path());
    const auto reading = [&](QString* errors) {
        QProcess run;
        run.setProcessEnvironment(environment);
        run.start(program,
                  {QStringLiteral("reading"), QStringLiteral("--latitude"),
                   QStringLiteral("77:33N"), QStringLiteral("--year"), QStringLiteral("1970")});
        if (!run.waitForFinished(30000) || run.exitStatus() != QProcess::NormalExit ||
            run.exitCode() != 0)
            return QStringLiteral("ended badly: ") + QString::fromUtf8(run.readAllStandardError());
        *errors = QString::fromUtf8(run.readAllStandardError());
        return QString::fromUtf8(run.readAllStandardOutput());
    };

    const qsizetype at = 2000;
    QVERIFY(CopyTranslations(translations, [at](QByteArray& b) { b[at] = char(b[at] ^ 0x5a); }));
    QString errors;
    QString text = reading(&errors);
    QVERIFY2(text.contains(QStringLiteral("\nFixed Star: Regulus\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Angel: Raphael")), qPrintable(text));
    // One line, naming the file.
    QCOMPARE(errors.count(QLatin1Char('\n')), 1);
    QVERIFY2(
        errors.startsWith(QStringLiteral("asterine: ")) &&
            errors.contains(QDir::cleanPath(translations + QStringLiteral("/asterine_de.qm"))) &&
            errors.contains(QStringLiteral("English")),
        qPrintable(errors));

    QVERIFY(CopyTranslations(translations));
    text = reading(&errors);
    QVERIFY2(text.contains(QStringLiteral("\nFixstern: Regulus\n")), qPrintable(text));
    QCOMPARE(errors, QString());
}

void TestTranslation::everyCaptionIsTranslated() {
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);

    Harness h;
    QVERIFY(h.start());
    FrmMain* main = h.app->mainForm();
    QCOMPARE(Unmarked(main), QStringList());

    FillValid(main);
    Click(main, "cmdRashi");
    QVERIFY(h.app->displayForm());
    QCOMPARE(Unmarked(h.app->displayForm()), QStringList());
    QCOMPARE(Unmarked(h.app->tellAFriendForm()), QStringList());

    FrmAbout about(h.urls, main);
    QCOMPARE(Unmarked(&about), QStringList());
    h.app->showPeople();
    QCOMPARE(Unmarked(h.app->peopleWindow()), QStringList());

    // The messages too.
    Child<QLineEdit>(main, "txtName")->clear();
    Click(main, "cmdRashi");
    QVERIFY(Marked(h.messages.last()));

    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
