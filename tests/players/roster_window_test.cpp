#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "players/roster_window.h"
#include "support/fixtures.h"
#include "support/qt_helpers.h"
#include "ui/main_window.h"

using namespace teebrook;

using test::child;
using test::typeInto;

class RosterWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void addFindEditAndDelete() {
    test::Started run;
    run.useCourse(test::makeCourse());
    run.openTournament({test::makePlayer("BAKER", "BO", 10)});
    bldidx(run.state);
    Resizer resizer;
    MainWindow main(run.state, resizer);
    main.show();
    child<QAction>(&main, "getplayer")->trigger();
    RosterWindow* w = main.rosterWindow();
    QVERIFY(w && w->isVisible());
    QVERIFY(!main.isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Add/Edit Tournament Players"));
    QCOMPARE(child<QTabWidget>(w, "tab1")->tabText(3), QStringLiteral("&Flights"));
    QCOMPARE(child<QLabel>(w, "SSPanel2")->text(), QStringLiteral("100%"));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    typeInto(child<QLineEdit>(w, "Text1(1)"), QStringLiteral("adams"));
    QCOMPARE(child<QLineEdit>(w, "Text1(1)")->text(), QStringLiteral("ADAMS"));
    typeInto(child<QLineEdit>(w, "Text1(4)"), QStringLiteral("12.4"));
    child<QLineEdit>(w, "Text1(5)")->setFocus();
    QCOMPARE(child<QLineEdit>(w, "Text1(3)")->text(), QStringLiteral("14"));
    typeInto(child<QLineEdit>(w, "Text1(3)"), QStringLiteral("a-"));  // letters are refused
    QCOMPARE(child<QLineEdit>(w, "Text1(3)")->text(), QStringLiteral("-"));
    typeInto(child<QLineEdit>(w, "Text1(3)"), QStringLiteral("14"));
    child<QPushButton>(w, "cmd9")->click();
    QCOMPARE(run.players().size(), size_t{2});
    QCOMPARE(run.players()[1].handicap, Int{14});
    QVERIFY(child<QLineEdit>(w, "Text1(1)")->text().isEmpty());

    typeInto(child<QLineEdit>(w, "Text1(11)"), QStringLiteral("ad"));
    child<QLineEdit>(w, "Text1(2)")->setFocus();
    auto* combo = child<QComboBox>(w, "Combo3");
    QCOMPARE(combo->count(), 1);
    emit combo->activated(0);
    QCOMPARE(child<QLineEdit>(w, "Text1(1)")->text(), QStringLiteral("ADAMS"));
    typeInto(child<QLineEdit>(w, "Text1(2)"), QStringLiteral("al"));
    child<QPushButton>(w, "Cmd2")->click();
    QCOMPARE(run.players()[1].firstName.trimmed(), std::string("AL"));

    // Delete asks first.
    typeInto(child<QLineEdit>(w, "Text1(11)"), QStringLiteral("BA"));
    child<QLineEdit>(w, "Text1(2)")->setFocus();
    emit combo->activated(0);
    run.fakes.feedback.answers = {Answer::No};
    child<QPushButton>(w, "SSCommand3")->click();
    QCOMPARE(run.players().size(), size_t{2});
    emit combo->activated(0);
    child<QPushButton>(w, "SSCommand3")->click();
    QCOMPARE(run.fakes.feedback.questions.back().text, std::string("Delete Selected Player?"));
    QCOMPARE(run.players().size(), size_t{1});
    QCOMPARE(*w->tipText(13),
             std::string(" Removes player's scores from the tournament and ALL player information"));

    child<QPushButton>(w, "cmd3")->click();
    QVERIFY(!w->isVisible());
    QVERIFY(main.isVisible());
  }

  void clearTournamentScoresOpensOnTheClearTab() {
    test::Started run;
    run.state.settings.allowStats = "Y";
    run.state.settings.calcHandicaps = "N";
    PlayerRecord p = test::makePlayer("A");
    p.holeScores.fill(4);
    p.grossTotal = 72;
    run.openTournament({p});
    Resizer resizer;
    MainWindow main(run.state, resizer);
    main.show();
    child<QAction>(&main, "scclear")->trigger();
    QCOMPARE(main.tag(), std::string("C"));
    RosterWindow* w = main.rosterWindow();
    QCOMPARE(child<QTabWidget>(w, "tab1")->currentIndex(), 2);
    QVERIFY(!child<QPushButton>(w, "cmd9")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "SSCommand3")->isEnabled());
    QCOMPARE(child<QCheckBox>(w, "Check2")->text(), QStringLiteral("Update Statistics"));
    QVERIFY(!child<QCheckBox>(w, "Check2")->isEnabled());
    child<QCheckBox>(w, "Check3")->setChecked(true);
    QVERIFY(child<QCheckBox>(w, "Check2")->isEnabled());
    child<QPushButton>(w, "SSCommand2")->click();
    QCOMPARE(run.fakes.feedback.messages.back().text, std::string("Done"));
    QCOMPARE(run.players()[0].grossTotal, 0.0);
    child<QTabWidget>(w, "tab1")->setCurrentIndex(0);
    QVERIFY(child<QPushButton>(w, "cmd9")->isEnabled());
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QVERIFY(main.isVisible());
  }
};

QTEST_MAIN(RosterWindowTest)
#include "roster_window_test.moc"
