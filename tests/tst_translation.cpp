// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a person reads on the forms goes through translation: with a
// translator that marks every text it is asked for, no caption is left
// unmarked.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>

#include "display/display_form.h"
#include "entry/main_form.h"
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

}  // namespace

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsTranslated();
};

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
