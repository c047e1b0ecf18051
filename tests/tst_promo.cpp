// SPDX-License-Identifier: GPL-3.0-or-later
// The farewell form and its referral.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrlQuery>

#include "entry/main_form.h"
#include "formbase/file_menu.h"
#include "promo/referral.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"
#include "web/brand.h"

using namespace asterine;
using namespace asterine::test;

namespace {

const char* const kFields[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};

void Fill(QWidget* form, const QString& name, const QString& email, const QString& friendName,
          const QString& friendEmail) {
    Child<QLineEdit>(form, "txtName")->setText(name);
    Child<QLineEdit>(form, "txtEmail")->setText(email);
    Child<QLineEdit>(form, "txtFriendName")->setText(friendName);
    Child<QLineEdit>(form, "txtFriendEmail")->setText(friendEmail);
}

QString Query(const QUrl& url, const char* key) {
    return QUrlQuery(url).queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
}

}  // namespace

class TestPromo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void untouchedFormNeedsProperAddresses();
    void submissionChecksInOrder_data();
    void submissionChecksInOrder();
    void referralRulesWithoutTheForm();
    void referralAddressCarriesEveryValueWhole();
    void successfulSubmissionKeepsTheForm();
    void hiddenMessageFieldTakesNoFocus();
    void placeholdersFollowTheFocus();
    void blanksAreRefusedInEmailFields();
    void enterRightAfterOpeningExits();
    void enterInTheFieldsSendsNothing();
    void quitKeyEndsTheProgram();
    void supportMessageByDraw();
    void farewellStaysOnTop();

private:
    FrmTellAFriend* openFarewell();
    std::unique_ptr<Harness> h;
};

void TestPromo::init() {
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
}

void TestPromo::cleanup() {
    h.reset();
}

FrmTellAFriend* TestPromo::openFarewell() {
    h->app->showTellAFriend();
    FrmTellAFriend* form = h->app->tellAFriendForm();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("The farewell form did not become active");
    h->messages.shown.clear();
    return form;
}

void TestPromo::untouchedFormNeedsProperAddresses() {
    FrmTellAFriend* form = openFarewell();
    Click(form, "cmdSubmit");
    QCOMPARE(h->messages.texts(), QStringList{"Please Enter Proper Email Address"});
    QCOMPARE(h->messages.shown.last().icon, MessageIcon::Critical);
    QVERIFY(h->urls.opened.isEmpty());
    QCOMPARE(Child<QLineEdit>(form, "txtName")->text(), QStringLiteral("Your Name"));
}

void TestPromo::submissionChecksInOrder_data() {
    QTest::addColumn<QStringList>("fields");  // name, email, friend's name, friend's email
    QTest::addColumn<QString>("message");     // empty: submitted
    QTest::newRow("same address twice")
        << QStringList{"A", "a@b.c", "B", "a@b.c"} << "Please Enter Distinct Email Addresses";
    QTest::newRow("same address, blanks trimmed")
        << QStringList{"A", " a@b.c", "B", "a@b.c  "} << "Please Enter Distinct Email Addresses";
    QTest::newRow("case makes them distinct")
        << QStringList{"A", "A@B.C", "B", "a@b.c"} << QString();
    QTest::newRow("no at sign") << QStringList{"A", "ab.c", "B", "x@y.z"}
                                << "Please Enter Proper Email Address";
    QTest::newRow("no point") << QStringList{"A", "a@b.c", "B", "x@yz"}
                              << "Please Enter Proper Email Address";
    QTest::newRow("both characters in any order")
        << QStringList{"A", "a.b@c", "B", "@x."} << QString();
    QTest::newRow("names at placeholders")
        << QStringList{"Your Name", "a@b.c", "Friend's Name", "x@y.z"} << "Please Enter Your Name";
    QTest::newRow("empty name") << QStringList{"   ", "a@b.c", "B", "x@y.z"}
                                << "Please Enter Your Name";
    QTest::newRow("friend's name left")
        << QStringList{"A", "a@b.c", "Friend's Name", "x@y.z"} << "Please Enter Your Friend's Name";
}

void TestPromo::submissionChecksInOrder() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    FrmTellAFriend* form = openFarewell();
    Fill(form, fields[0], fields[1], fields[2], fields[3]);
    Click(form, "cmdSubmit");
    if (message.isEmpty()) {
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->urls.opened.size(), 1);
    } else {
        QCOMPARE(h->messages.texts(), QStringList{message});
        QVERIFY(h->urls.opened.isEmpty());
    }
    QCOMPARE(Child<QLineEdit>(form, "txtEmail")->text(), fields[1]);
}

void TestPromo::referralRulesWithoutTheForm() {
    const ReferralDetails valid{"Ann", "ann@example.org", "Your Message\r\n", "Bob",
                                "bob@example.org"};
    QCOMPARE(referralProblem(valid), std::nullopt);

    // Each check in its turn: the first one that fails gives the message.
    const auto problem = [&](auto change) {
        ReferralDetails details = valid;
        change(details);
        return referralProblem(details).value_or(QString());
    };
    QCOMPARE(problem([](ReferralDetails& d) {
                 d.friendEmail = d.senderEmail;
                 d.senderName.clear();
             }),
             QStringLiteral("Please Enter Distinct Email Addresses"));
    QCOMPARE(problem([](ReferralDetails& d) { d.friendEmail = QStringLiteral("ANN@example.org"); }),
             QString());
    QCOMPARE(problem([](ReferralDetails& d) {
                 d.senderEmail = QStringLiteral("ann.example.org");
                 d.friendName.clear();
             }),
             QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(problem([](ReferralDetails& d) { d.friendEmail = QStringLiteral("bob@example"); }),
             QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(problem([](ReferralDetails& d) { d.friendEmail = QStringLiteral(".bob@"); }),
             QString());
    QCOMPARE(problem([](ReferralDetails& d) { d.senderName = QStringLiteral("Your Name"); }),
             QStringLiteral("Please Enter Your Name"));
    QCOMPARE(problem([](ReferralDetails& d) { d.message = QStringLiteral("Your Message"); }),
             QStringLiteral("Please Enter Your Message"));
    QCOMPARE(problem([](ReferralDetails& d) {
                 d.friendName = QStringLiteral("Friend's Name");
                 d.message.clear();
             }),
             QStringLiteral("Please Enter Your Message"));
    QCOMPARE(problem([](ReferralDetails& d) { d.friendName.clear(); }),
             QStringLiteral("Please Enter Your Friend's Name"));

    // The boundary opens the address only for details that pass.
    RecordingMessages messages;
    RecordingUrls urls;
    ReferralDetails refused = valid;
    refused.senderEmail = refused.friendEmail;
    SubmitReferral(refused, messages, urls, nullptr);
    QCOMPARE(messages.texts(), QStringList{"Please Enter Distinct Email Addresses"});
    QVERIFY(urls.opened.isEmpty());
    SubmitReferral(valid, messages, urls, nullptr);
    QCOMPARE(urls.opened, QList<QUrl>{referralAddress(valid)});
    QCOMPARE(messages.shown.size(), 1);
}

void TestPromo::referralAddressCarriesEveryValueWhole() {
    const ReferralDetails details{QStringLiteral("Tom & Jerry=1 #2 + 3%"),
                                  QStringLiteral("t+o@x.y"),
                                  QStringLiteral("Your Message\r\nline two & more"),
                                  QStringLiteral("J\u00f6rg \u05e9\u05dc\u05d5\u05dd \U0001F31F"),
                                  QStringLiteral("j?g@x.y/#")};
    const QUrl address = referralAddress(details);
    QVERIFY(address.isValid());
    QCOMPARE(address.toString(QUrl::RemoveQuery),
             brand::mainSite().toString() + QStringLiteral("qvms-refer-a-friend.php"));

    QUrlQuery query(address);
    const auto items = query.queryItems(QUrl::FullyDecoded);
    QStringList keys;
    for (const auto& [key, value] : items)
        keys << key;
    QCOMPARE(keys, (QStringList{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    QCOMPARE(Query(address, "taf1"), details.senderName);
    QCOMPARE(Query(address, "taf2"), details.senderEmail);
    QCOMPARE(Query(address, "taf3"), details.message);
    QCOMPARE(Query(address, "taf4"), details.friendName);
    QCOMPARE(Query(address, "taf5"), details.friendEmail);
    QCOMPARE(Query(address, "taf6"), brand::productSite().toString());
    QVERIFY(Query(address, "taf6").endsWith(QLatin1Char('/')));

    // A page that decodes "+" as a blank still reads the plus signs whole.
    const QByteArray raw =
        address.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemovePath);
    QVERIFY(!raw.contains('+'));
    QVERIFY(!raw.contains(' '));
    QVERIFY(!raw.contains('#'));
}

void TestPromo::successfulSubmissionKeepsTheForm() {
    FrmTellAFriend* form = openFarewell();
    Fill(form, QStringLiteral(" Ann "), QStringLiteral("ann@x.org"), QStringLiteral("Bo"),
         QStringLiteral("bo@y.org"));
    Click(form, "cmdSubmit");
    Click(form, "cmdSubmit");
    QCOMPARE(h->urls.opened.size(), 2);
    QCOMPARE(h->urls.opened[0], h->urls.opened[1]);
    const QUrl sent = h->urls.opened[0];
    QCOMPARE(Query(sent, "taf1"), QStringLiteral("Ann"));
    QCOMPARE(Query(sent, "taf3"), QStringLiteral("Your Message\r\n"));
    QVERIFY(form->isVisible());
    QCOMPARE(Child<QLineEdit>(form, "txtName")->text(), QStringLiteral(" Ann "));
    QCOMPARE(h->ender.ends, 0);
}

void TestPromo::hiddenMessageFieldTakesNoFocus() {
    FrmTellAFriend* form = openFarewell();
    auto* message = Child<QLineEdit>(form, "txtMessage");
    QVERIFY(!message->isVisible());
    QCOMPARE(message->focusPolicy(), Qt::NoFocus);
    QCOMPARE(message->text(), QStringLiteral("Your Message\r\n"));

    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(!visited.contains(QStringLiteral("txtMessage")));
    QCOMPARE(visited.mid(0, 7), (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit",
                                             "txtEmail", "txtFriendEmail", "txtFriendName"}));
    QCOMPARE(message->text(), QStringLiteral("Your Message\r\n"));
}

void TestPromo::placeholdersFollowTheFocus() {
    FrmTellAFriend* form = openFarewell();
    const QString placeholders[] = {"Your Name", "Your Email Address", "Friend's Name",
                                    "Friend's Email Address"};
    for (int i = 0; i < 4; ++i) {
        auto* field = Child<QLineEdit>(form, kFields[i]);
        field->setFocus();
        QCOMPARE(field->text(), QString());
        Child(form, "cmdClose")->setFocus();
        QCOMPARE(field->text(), placeholders[i]);

        // The placeholder with blanks around it is still the placeholder.
        field->setText(QStringLiteral("  ") + placeholders[i] + QStringLiteral(" "));
        field->setFocus();
        QCOMPARE(field->text(), QString());

        // Blanks alone count as nothing; other text stays, capitals count.
        field->setText(QStringLiteral("   "));
        Child(form, "cmdClose")->setFocus();
        QCOMPARE(field->text(), placeholders[i]);
        field->setText(placeholders[i].toUpper());
        field->setFocus();
        QCOMPARE(field->text(), placeholders[i].toUpper());
        Child(form, "cmdClose")->setFocus();
    }
}

void TestPromo::blanksAreRefusedInEmailFields() {
    FrmTellAFriend* form = openFarewell();
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        h->messages.shown.clear();
        auto* field = Child<QLineEdit>(form, name);
        field->setFocus();
        QTest::keyClicks(field, "a b");
        QCOMPARE(field->text(), QStringLiteral("ab"));
        QCOMPARE(h->messages.texts(), QStringList{"Email Address Cannot Contain Space"});
        QCOMPARE(h->messages.shown.last().icon, MessageIcon::Critical);
        QCOMPARE(QApplication::focusWidget(), field);
    }
    h->messages.shown.clear();
    auto* name = Child<QLineEdit>(form, "txtFriendName");
    name->setFocus();
    QTest::keyClicks(name, "Bo Li");
    QCOMPARE(name->text(), QStringLiteral("Bo Li"));
    QVERIFY(h->messages.shown.isEmpty());
}

void TestPromo::enterRightAfterOpeningExits() {
    FrmTellAFriend* form = openFarewell();
    QCOMPARE(QApplication::focusWidget(), Child(form, "cmdClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Harness::settle();
    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->app->loadedForms().isEmpty());
}

void TestPromo::enterInTheFieldsSendsNothing() {
    FrmTellAFriend* form = openFarewell();
    Fill(form, QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Bo"),
         QStringLiteral("bo@example.org"));
    // A referral that would pass: only its own button sends it.
    for (const char* name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "Check1"}) {
        QWidget* widget = Child(form, name);
        widget->setFocus();
        QCOMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY2(h->urls.opened.isEmpty(), name);
        QVERIFY(h->messages.shown.isEmpty());
        QCOMPARE(h->ender.ends, 0);
        QVERIFY(form->isVisible());
    }
    // A focused button takes Enter as a click.
    auto* submit = Child<QPushButton>(form, "cmdSubmit");
    submit->setFocus();
    QTest::keyClick(submit, Qt::Key_Return);
    QCOMPARE(h->urls.opened.size(), 1);
    QCOMPARE(h->ender.ends, 0);
}

void TestPromo::quitKeyEndsTheProgram() {
    FrmTellAFriend* form = openFarewell();
    auto* email = Child<QLineEdit>(form, "txtEmail");
    email->setFocus();
    QTest::keySequence(email, quitKeys().constFirst());
    Harness::settle();
    QCOMPARE(h->ender.ends, 1);
    QVERIFY(h->messages.shown.isEmpty());
}

void TestPromo::supportMessageByDraw() {
    const QStringList messages = brand::supportMessages();
    QCOMPARE(messages.size(), 4);
    for (const QString& message : messages)
        QVERIFY(message.contains(brand::shownAddress()));
    const std::pair<double, int> draws[] = {{0.0, 0}, {0.26, 1}, {0.6, 2}, {0.999999, 3}};
    for (const auto& [r, k] : draws) {
        h->random.draws = {r};
        const int seeds = h->random.seeds;
        FrmTellAFriend form(*h->app);
        QCOMPARE(h->random.seeds, seeds + 1);
        QCOMPARE(Child<QLabel>(&form, "Label2")->text(), messages[k]);
    }
}

void TestPromo::farewellStaysOnTop() {
    FrmTellAFriend* form = openFarewell();
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->windowTitle(), QStringLiteral("Asterine v1.0"));
    // The support message stays the same while the form is loaded.
    const QString message = Child<QLabel>(form, "Label2")->text();
    h->app->hideTellAFriend();
    h->random.draws = {0.99};
    h->app->showTellAFriend();
    QCOMPARE(Child<QLabel>(h->app->tellAFriendForm(), "Label2")->text(), message);
}

QTEST_MAIN(TestPromo)
#include "tst_promo.moc"
