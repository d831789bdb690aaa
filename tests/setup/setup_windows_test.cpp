#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "setup/course_window.h"
#include "setup/settings_window.h"
#include "setup/tournament_file_window.h"
#include "support/fixtures.h"
#include "support/qt_helpers.h"
#include "ui/main_window.h"

using namespace teebrook;

using test::child;
using test::typeInto;

class SetupWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void fromAnEmptyFolderToATournament() {
    test::Started run;
    Resizer resizer;
    MainWindow main(run.state, resizer);
    main.show();

    // Settings.
    child<QAction>(&main, "Defset")->trigger();
    SettingsWindow* dflt = main.settingsWindow();
    QVERIFY(dflt && dflt->isVisible());
    QVERIFY(!main.isVisible());
    QCOMPARE(dflt->windowTitle(), QStringLiteral("Program and Tournament Settings"));
    auto* tabs = child<QTabWidget>(dflt, "SSTab1");
    QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Quota Points"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Hidden Hole"));
    QCOMPARE(child<QLineEdit>(dflt, "Text1(3)")->text(), QStringLiteral("7.5"));
    QVERIFY(!child<QCheckBox>(dflt, "Check1")->isVisibleTo(dflt));
    QVERIFY(!child<QRadioButton>(dflt, "Option1")->isEnabled());
    QVERIFY(test::activate(dflt));
    typeInto(child<QLineEdit>(dflt, "Text1(2)"), QStringLiteral("730"));
    child<QLineEdit>(dflt, "Text1(3)")->setFocus();
    QCOMPARE(child<QLineEdit>(dflt, "Text1(2)")->text(), QStringLiteral("07:30 AM"));
    child<QCheckBox>(dflt, "chk2")->setChecked(true);
    QVERIFY(child<QRadioButton>(dflt, "Option1")->isEnabled());
    child<QRadioButton>(dflt, "Option3(1)")->setChecked(true);
    tabs->setCurrentIndex(1);
    typeInto(child<QLineEdit>(dflt, "Text4(2)"), QStringLiteral("-2"));
    child<QLineEdit>(dflt, "Text4(1)")->setFocus();
    QCOMPARE(child<QLineEdit>(dflt, "Text4(2)")->text(), QStringLiteral("2"));
    child<QPushButton>(dflt, "cmd1")->click();
    QVERIFY(!dflt->isVisible());
    QVERIFY(main.isVisible());
    QCOMPARE(run.state.settings.startTime, Int{450});
    QVERIFY(run.state.settings.calcHandicaps.is("Y"));
    QVERIFY(run.state.settings.tieBreakMethod.is("G"));
    QCOMPARE(run.state.settings.pointValues[2], Int{2});

    // A course.
    child<QAction>(&main, "getcourse")->trigger();
    CourseWindow* tcrs = main.courseWindow();
    QVERIFY(tcrs && tcrs->isVisible());
    QCOMPARE(tcrs->windowTitle(), QStringLiteral("Ratings, Pars & Handicap Holes"));
    QCOMPARE(tcrs->tag, std::string("B"));
    QVERIFY(!child<QLineEdit>(tcrs, "Text3(0)")->isVisibleTo(tcrs));
    QVERIFY(test::activate(tcrs));
    typeInto(child<QLineEdit>(tcrs, "Text4"), QStringLiteral("oak hills"));
    QCOMPARE(child<QLineEdit>(tcrs, "Text4")->text(), QStringLiteral("OAK HILLS"));
    auto* par1 = child<QLineEdit>(tcrs, "Text1(0)");
    par1->setFocus();
    for (int h = 0; h < 18; ++h)
      QTest::keyClicks(QApplication::focusWidget(), h % 3 == 1 ? QStringLiteral("5") : QStringLiteral("4"));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(tcrs, "Text2(0)"));  // on to the stroke indexes
    QCOMPARE(child<QLineEdit>(tcrs, "Text1(18)")->text(), QStringLiteral("78"));
    typeInto(child<QLineEdit>(tcrs, "Text3(4)"), QStringLiteral("72.456"));
    child<QLineEdit>(tcrs, "Text3(5)")->setFocus();
    QCOMPARE(child<QLineEdit>(tcrs, "Text3(4)")->text(), QStringLiteral("72.5"));
    child<QPushButton>(tcrs, "cmd5")->click();
    QCOMPARE(child<QComboBox>(tcrs, "Combo1")->count(), 1);
    QCOMPARE(run.state.courseFile.count(), 1);
    child<QPushButton>(tcrs, "cmd4")->click();
    QVERIFY(!tcrs->isVisible());
    QVERIFY(main.isVisible());
    QVERIFY(run.fakes.feedback.questions.empty());  // saved: nothing to ask

    // A tournament with that course.
    child<QAction>(&main, "getnew")->trigger();
    TournamentFileWindow* tfil = main.tournamentFileWindow();
    QVERIFY(tfil && tfil->isVisible());
    QCOMPARE(tfil->windowTitle(), QStringLiteral("Select Tournament File"));
    QCOMPARE(child<QComboBox>(tfil, "Combo1")->currentText().left(9), QStringLiteral("OAK HILLS"));
    QVERIFY(test::activate(tfil));
    typeInto(child<QLineEdit>(tfil, "Text1"), QStringLiteral("league"));
    child<QPushButton>(tfil, "Cmd3")->click();
    QVERIFY(!tfil->isVisible());
    QCOMPARE(child<QLabel>(&main, "SSPanel1(2)")->text(), QStringLiteral("League.tnt"));
    QCOMPARE(child<QLabel>(&main, "SSPanel1(3)")->text(), QStringLiteral("Oak Hills"));
    QVERIFY(run.state.tntLoaded);
    QVERIFY(std::filesystem::exists(run.folder / "LEAGUE.TNT"));
  }

  void percentageChangeAndEscape() {
    test::Started run;
    run.openTournament({test::makePlayer("MAN", "A", 18)});
    Resizer resizer;
    SettingsWindow dflt(run.state, resizer);
    dflt.show();
    QVERIFY(test::activate(&dflt));
    typeInto(child<QLineEdit>(&dflt, "Text1(0)"), QStringLiteral("90"));
    QTest::keyClick(&dflt, Qt::Key_Escape);
    QVERIFY(!dflt.isVisible());
    QCOMPARE(run.state.settings.menPercent, Int{100});  // Esc discards

    SettingsWindow again(run.state, resizer);
    again.show();
    QVERIFY(test::activate(&again));
    typeInto(child<QLineEdit>(&again, "Text1(0)"), QStringLiteral("90"));
    child<QPushButton>(&again, "cmd1")->click();
    QCOMPARE(run.fakes.feedback.questions.back().text,
             std::string("Change Player Handicaps to New Percentage?"));
    QCOMPARE(run.players()[0].handicap, Int{16});
    QCOMPARE(*again.tipText(16),
             std::string(" Retrogression based on last-to-first individual holes. (Standard)"));
  }

  void courseWindowAsksBeforeLosingKeystrokes() {
    test::Started run;
    run.useCourse(test::makeCourse());
    Resizer resizer;
    CourseWindow tcrs(run.state, resizer);
    tcrs.activate();
    tcrs.show();
    QVERIFY(test::activate(&tcrs));
    auto* combo = child<QComboBox>(&tcrs, "Combo1");
    QCOMPARE(combo->count(), 1);
    emit combo->activated(0);
    QCOMPARE(child<QLineEdit>(&tcrs, "Text1(0)")->text(), QStringLiteral("4"));
    typeInto(child<QLineEdit>(&tcrs, "Text1(0)"), QStringLiteral("5"));
    run.fakes.feedback.answers = {Answer::No};
    child<QPushButton>(&tcrs, "cmd4")->click();
    QCOMPARE(run.fakes.feedback.questions.back().title, std::string("Save Entries?"));
    CourseRecord c;
    readRecord(run.state.courseFile, 1, c);
    QCOMPARE(c.menPars[0], Int{4});
    // Delete without a selection.
    tcrs.activate();
    child<QPushButton>(&tcrs, "cmd3")->click();
    QCOMPARE(run.fakes.feedback.messages.back().text, std::string("Select a Course"));
  }

  void tournamentFileWindowOpensAFile() {
    test::Started run;
    run.useCourse(test::makeCourse());
    PlayerRecord p = test::makePlayer("INDEXED", "A");
    p.handicapIndex = 12.4f;
    p.courseNumber = 1;
    test::writeTournament(run.folder / "CLUB.TNT", {p});
    Resizer resizer;
    TournamentFileWindow tfil(run.state, resizer);
    tfil.activate();
    tfil.show();
    auto* files = child<QListWidget>(&tfil, "File1");
    QCOMPARE(files->count(), 1);
    emit files->itemClicked(files->item(0));
    QCOMPARE(child<QLabel>(&tfil, "Panel3D1")->text(), QStringLiteral("CLUB.TNT"));
    child<QPushButton>(&tfil, "Cmd3")->click();
    QVERIFY(run.state.tntLoaded);
    QCOMPARE(run.players()[0].handicap, Int{14});
    QCOMPARE(*tfil.tipText(4), std::string(" Deletes tournament file. Use with caution!"));
  }
};

QTEST_MAIN(SetupWindowsTest)
#include "setup_windows_test.moc"
