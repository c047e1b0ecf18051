// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the file dialogs open in, against a settings file of the
// test's own: no window, no dialog.

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "formbase/last_folder.h"
#include "formbase/services.h"

using namespace asterine;

namespace {

class FileSettings : public SettingsLocation {
public:
    std::unique_ptr<QSettings> open() const override {
        return std::make_unique<QSettings>(folder.filePath(QStringLiteral("asterine.ini")),
                                           QSettings::IniFormat);
    }
    QVariant value(const char* key) const { return open()->value(QLatin1String(key)); }
    QTemporaryDir folder;
};

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

class TestLastFolder : public QObject {
    Q_OBJECT

private slots:
    void documentsUntilAFileIsSaved();
    void eachUseRemembersItsOwn();
    void peopleFallBackOnTheReadingsFolder();
    void aFolderGoneIsNotSuggested();
};

void TestLastFolder::documentsUntilAFileIsSaved() {
    FileSettings settings;
    QCOMPARE(lastFolder(settings, FolderUse::Readings), documents());
    QCOMPARE(lastFolder(settings, FolderUse::People), documents());
}

void TestLastFolder::eachUseRemembersItsOwn() {
    FileSettings settings;
    const QDir root(settings.folder.path());
    QVERIFY(root.mkpath(QStringLiteral("readings")) && root.mkpath(QStringLiteral("people")));
    const QString readings = root.filePath(QStringLiteral("readings"));
    const QString people = root.filePath(QStringLiteral("people"));

    rememberFolder(settings, FolderUse::Readings, readings + QStringLiteral("/Ada.pdf"));
    rememberFolder(settings, FolderUse::People, people + QStringLiteral("/People.csv"));
    QCOMPARE(lastFolder(settings, FolderUse::Readings), readings);
    QCOMPARE(lastFolder(settings, FolderUse::People), people);
    // Kept under the keys the settings have always had.
    QCOMPARE(settings.value("Settings/LastFolder").toString(), readings);
    QCOMPARE(settings.value("Settings/PeopleFolder").toString(), people);

    // A file of people saved does not move the readings' folder.
    rememberFolder(settings, FolderUse::People, readings + QStringLiteral("/More.csv"));
    rememberFolder(settings, FolderUse::Readings, people + QStringLiteral("/Bob.txt"));
    QCOMPARE(lastFolder(settings, FolderUse::People), readings);
    QCOMPARE(lastFolder(settings, FolderUse::Readings), people);
}

void TestLastFolder::peopleFallBackOnTheReadingsFolder() {
    FileSettings settings;
    const QString readings = settings.folder.path();
    rememberFolder(settings, FolderUse::Readings, readings + QStringLiteral("/Ada.txt"));
    QCOMPARE(lastFolder(settings, FolderUse::People), readings);
    // The readings never take the people's folder.
    FileSettings other;
    rememberFolder(other, FolderUse::People, other.folder.path() + QStringLiteral("/a.csv"));
    QCOMPARE(lastFolder(other, FolderUse::Readings), documents());
    QVERIFY(other.value("Settings/LastFolder").isNull());
}

void TestLastFolder::aFolderGoneIsNotSuggested() {
    FileSettings settings;
    const QDir root(settings.folder.path());
    QVERIFY(root.mkpath(QStringLiteral("readings")) && root.mkpath(QStringLiteral("people")));
    rememberFolder(settings, FolderUse::Readings, root.filePath(QStringLiteral("readings/a.txt")));
    rememberFolder(settings, FolderUse::People, root.filePath(QStringLiteral("people/a.csv")));
    QVERIFY(QDir(root.filePath(QStringLiteral("people"))).removeRecursively());
    QCOMPARE(lastFolder(settings, FolderUse::People), root.filePath(QStringLiteral("readings")));
    QVERIFY(QDir(root.filePath(QStringLiteral("readings"))).removeRecursively());
    QCOMPARE(lastFolder(settings, FolderUse::People), documents());
    QCOMPARE(lastFolder(settings, FolderUse::Readings), documents());
}

QTEST_GUILESS_MAIN(TestLastFolder)
#include "tst_last_folder.moc"
