// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a reading from the result form: print, print preview, PDF, text
// and the clipboard, by menu and by key, with the save dialog and the
// printer recorded.

#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>

#include "display/display_form.h"
#include "entry/main_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestKeeping : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileMenuOrderAndKeys();
    void saveAsTextWritesTheReading();
    void exportAsPdfWritesTheReading();
    void aFailedSaveSaysWhyAndNamesTheFile();
    void copyPutsTextAndTable();
    void printAndPreviewGetTheSameReading();
    void keysOfTheDesktop();

private:
    // A reading of Regulus for a person with a place, shown on the result form.
    FrmDisplay* showRegulus();

    std::unique_ptr<Harness> h;
    QTemporaryDir folder;
};

void TestKeeping::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestKeeping::cleanup() {
    h.reset();
}

FrmDisplay* TestKeeping::showRegulus() {
    FrmMain* main = h->app->mainForm();
    FillValid(main, QStringLiteral("77"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("33"));
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ADA LOVELACE"));
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("London"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("United Kingdom"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h->app->displayForm();
    if (!display)
        qWarning("No result form");
    return display;
}

void TestKeeping::fileMenuOrderAndKeys() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    auto* file = display->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QStringList items;
    for (const QAction* action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(items, (QStringList{"mnuPrint", "mnuPrintPreview", "mnuExportPdf", "mnuSaveText",
                                 "mnuCopyReading", "mnuSaveChart", "-", "mnuFileBack", "mnuExit"}));
    const auto action = [display](const char* name) {
        return display->findChild<QAction*>(QLatin1String(name));
    };
    QCOMPARE(action("mnuPrint")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Print));
    QCOMPARE(action("mnuSaveText")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Save));
    QCOMPARE(action("mnuCopyReading")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Copy));
    QCOMPARE(action("mnuExportPdf")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QVERIFY(action("mnuPrintPreview")->shortcut().isEmpty());
    QCOMPARE(action("mnuPrint")->text(), QStringLiteral("&Print..."));
    QCOMPARE(action("mnuSaveText")->text(), QStringLiteral("&Save as Text..."));
    QCOMPARE(action("mnuSaveChart")->text(), QStringLiteral("Save C&hart..."));
    // Ctrl+C stays the reading's; the chart is copied from the Edit menu.
    QVERIFY(action("mnuCopyChart")->shortcut().isEmpty());
    QStringList bar;
    for (const QAction* menu : display->findChild<QMenuBar*>()->actions())
        bar << menu->text();
    QCOMPARE(bar.mid(0, 4), (QStringList{"&File", "Ed&it", "&Help", "&Donate"}));
}

void TestKeeping::saveAsTextWritesTheReading() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    // Typed without an extension: the file gets its own.
    h->files.answer = folder.filePath(QStringLiteral("ada"));
    Trigger(display, "mnuSaveText");
    QVERIFY(h->messages.shown.isEmpty());
    QCOMPARE(h->files.asked.size(), 1);
    QVERIFY2(h->files.asked[0].suggested.endsWith(QLatin1String("/ADA LOVELACE - Regulus.txt")),
             qPrintable(h->files.asked[0].suggested));
    QCOMPARE(h->files.asked[0].filter, QStringLiteral("Text files (*.txt)"));
    const QString text = QString::fromUtf8(Read(folder.filePath(QStringLiteral("ada.txt"))));
    QCOMPARE(text, document::toText(display->readingDocument()));
    QVERIFY(text.startsWith(QLatin1String("Asterine Results\nName: ADA LOVELACE\n")));
    QVERIFY(text.contains(QLatin1String("\nPlace of Birth: London, United Kingdom\n")));
    QVERIFY(text.contains(QStringLiteral("\nLatitude: 77\u00b0 33\u2032 30\u2033 N\n")));
    QVERIFY(text.contains(QLatin1String("\nFixed Star: Regulus\nLatin Name: Cor leonis\n")));
    QVERIFY(text.endsWith(QLatin1String("on Tuesday, 8 December 2026\n")) ||
            text.endsWith(QLatin1String("on Tuesday, December 8, 2026\n")));

    // The next save starts in the folder of the last one, kept in the settings.
    h->files.answer.clear();
    Trigger(display, "mnuSaveText");
    QCOMPARE(h->files.asked.size(), 2);
    QCOMPARE(h->files.asked[1].suggested,
             folder.filePath(QStringLiteral("ADA LOVELACE - Regulus.txt")));
    QCOMPARE(h->settings.open()->value(QStringLiteral("Settings/LastFolder")).toString(),
             folder.path());
    // Cancelled: nothing written, nothing said.
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("ADA LOVELACE - Regulus.txt"))));
    QVERIFY(h->messages.shown.isEmpty());
}

void TestKeeping::exportAsPdfWritesTheReading() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    h->files.answer = folder.filePath(QStringLiteral("ada.pdf"));
    Trigger(display, "mnuExportPdf");
    QVERIFY(h->messages.shown.isEmpty());
    QCOMPARE(h->files.asked.last().filter, QStringLiteral("PDF documents (*.pdf)"));
    QVERIFY(Read(h->files.answer).startsWith("%PDF-"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {h->files.answer, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString read = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(
        read.contains(QLatin1String("ADA LOVELACE")) && read.contains(QLatin1String("Regulus")),
        qPrintable(read));
}

void TestKeeping::aFailedSaveSaysWhyAndNamesTheFile() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    const QString taken = folder.filePath(QStringLiteral("taken.txt"));
    QVERIFY(QDir().mkdir(taken));
    h->files.answer = taken;
    Trigger(display, "mnuSaveText");
    QCOMPARE(h->messages.shown.size(), 1);
    QCOMPARE(h->messages.shown[0].icon, MessageIcon::Critical);
    QVERIFY2(h->messages.last().contains(taken), qPrintable(h->messages.last()));
    QVERIFY(display->isVisible());
}

void TestKeeping::copyPutsTextAndTable() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    QApplication::clipboard()->clear();
    Trigger(display, "mnuCopyReading");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), document::toText(display->readingDocument()));
    QCOMPARE(data->html(), document::toHtml(display->readingDocument()));
    QVERIFY(data->html().contains(QLatin1String("<table")));
}

void TestKeeping::printAndPreviewGetTheSameReading() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    Trigger(display, "mnuPrint");
    Trigger(display, "mnuPrintPreview");
    const QString expected = document::toText(display->readingDocument());
    QCOMPARE(h->printing.printed, QStringList{expected});
    QCOMPARE(h->printing.previewed, QStringList{expected});

    // A star without lore: what the form shows, the note and no attributes.
    Click(display, "cmdOK");
    Harness::settle();
    FrmMain* main = h->app->mainForm();
    Child<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("40"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("30"));
    Click(main, "cmdRashi");
    Trigger(h->app->displayForm(), "mnuPrint");
    QVERIFY(h->printing.printed.last().contains(
        QLatin1String("Fixed Star: MIRFAK\nInterpretation for this Fixed Star will be included in "
                      "the next version.\n")));
    QVERIFY(!h->printing.printed.last().contains(QLatin1String("Latin Name")));
}

void TestKeeping::keysOfTheDesktop() {
    FrmDisplay* display = showRegulus();
    QVERIFY(display);
    display->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(display));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keySequence(focus, QKeySequence::Print);
    QCOMPARE(h->printing.printed.size(), 1);
    QTest::keySequence(focus, QKeySequence::Save);
    QCOMPARE(h->files.asked.size(), 1);
    QCOMPARE(h->files.asked.last().filter, QStringLiteral("Text files (*.txt)"));
    QTest::keySequence(focus, QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(h->files.asked.last().filter, QStringLiteral("PDF documents (*.pdf)"));
    QApplication::clipboard()->clear();
    QTest::keySequence(focus, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), document::toText(display->readingDocument()));
    // Esc keeps its meaning: Exit.
    QTest::keyClick(focus, Qt::Key_Escape);
    Harness::settle();
    QVERIFY(!h->app->displayForm());
}

QTEST_MAIN(TestKeeping)
#include "tst_keeping.moc"
