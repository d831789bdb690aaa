#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "results/display_window.h"
#include "results/report_fixture.h"
#include "results/results_window.h"
#include "support/qt_helpers.h"
#include "ui/main_window.h"

using namespace teebrook;

using test::child;

namespace {
void step(QWidget* w, const char* spin, bool forward) {
  auto* s = child<SpinButton>(w, spin);
  QVERIFY(s);
  (forward ? s->forward() : s->back())->click();
}
}  // namespace

class ResultsWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void spinnersAndRefusals() {
    test::Started run;
    Resizer resizer;
    ResultsWindow w(run.state, resizer);
    w.load();
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Select Tournament Sort "));
    QCOMPARE(child<QLabel>(&w, "pan1")->text(), QStringLiteral("Standard"));
    QCOMPARE(child<QLabel>(&w, "pan2")->text(), QStringLiteral("Gross"));
    QCOMPARE(child<QLabel>(&w, "pan3")->text(), QStringLiteral("Individual"));
    QCOMPARE(child<QLabel>(&w, "pan4")->text(), QStringLiteral("Total Field"));
    QCOMPARE(child<QLabel>(&w, "Label2")->text(), QStringLiteral(" 0"));
    QVERIFY(child<QRadioButton>(&w, "opt1(0)")->isChecked());
    QVERIFY(!child<QCheckBox>(&w, "Check1")->isVisible());

    step(&w, "SpinButton1", false);  // back from Standard: Round Robin
    QCOMPARE(child<QLabel>(&w, "pan1")->text(), QStringLiteral("Round Robin"));
    QCOMPARE(child<QLabel>(&w, "pan3")->text(), QStringLiteral("Group Totals"));
    QVERIFY(child<QCheckBox>(&w, "Check1")->isVisible());
    QVERIFY(!child<QLabel>(&w, "Label2")->isVisible());
    step(&w, "SpinButton1", true);
    step(&w, "SpinButton1", true);
    step(&w, "SpinButton1", true);  // Skins
    QCOMPARE(child<QLabel>(&w, "pan3")->text(), QStringLiteral("Individual"));
    step(&w, "SpinButton2", true);  // Net
    step(&w, "SpinButton2", true);  // Gross/Net: refused under Skins
    QCOMPARE(child<QLabel>(&w, "pan2")->text(), QStringLiteral("Net"));
    QCOMPARE(run.fakes.feedback.beeps, 1);
    step(&w, "SpinButton4", true);
    step(&w, "SpinButton4", true);
    QCOMPARE(child<QLabel>(&w, "pan4")->text(), QStringLiteral(" 1"));
    QCOMPARE(*w.tipText(4), std::string("  Select sorting by flight or total players"));
    QCOMPARE(run.state.settings.lastCompetition, Int{3});
  }

  void continueFillsTheDisplayAndEscapeReturns() {
    test::Started run;
    run.useCourse(test::makeCourse());
    run.openTournament({test::makePlayer("ADAMS", "AL", 10), test::makePlayer("BAKER", "BO", 20)});
    run.state.currentCourse = 1;
    bldidx(run.state);
    test::saveRound(run.state, 1, test::allHoles(4));
    test::saveRound(run.state, 2, test::allHoles(5));
    Resizer resizer;
    MainWindow main(run.state, resizer);
    main.show();
    child<QAction>(&main, "prndis")->trigger();
    ResultsWindow* w = main.resultsWindow();
    QVERIFY(w && w->isVisible());
    child<QPushButton>(w, "cmd1")->click();
    QVERIFY(!main.isVisible());  // hidden while the results are shown
    DisplayWindow* disp = w->channel().display();
    QVERIFY(disp && disp->isVisible());
    QCOMPARE(disp->windowTitle(), QStringLiteral("Gross Sort - Standard  Total Field"));
    auto* grid = child<QTableView>(disp, "Grid1");
    QVERIFY(grid);
    QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Player's Name"));
    QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral(" ADAMS AL"));
    QCOMPARE(grid->model()->index(1, 4).data().toString(), QStringLiteral("90"));
    QCOMPARE(grid->columnWidth(2), 3520 / 15);
    // CSV for other programs.
    test::TempFolder dir;
    QVERIFY(disp->saveCsv(QString::fromStdString((dir / "r.csv").string())));
    QVERIFY(test::readBytes(dir / "r.csv").size() > 30);
    // Escape closes the grid and brings back the results window.
    w->hide();
    disp->activateWindow();
    QTest::keyClick(disp, Qt::Key_Escape);
    QVERIFY(!disp->isVisible());
    QVERIFY(w->isVisible());
    child<QPushButton>(w, "cmd2")->click();
    QVERIFY(!w->isVisible());
    QVERIFY(main.isVisible());
  }

  void printingGoesThroughThePrinter() {
    test::Started run;
    run.useCourse(test::makeCourse());
    run.openTournament({test::makePlayer("ADAMS", "AL", 10)});
    run.state.currentCourse = 1;
    bldidx(run.state);
    test::saveRound(run.state, 1, test::allHoles(4));
    Resizer resizer;
    ResultsWindow w(run.state, resizer);
    w.load();
    PrinterDocument printed;
    w.channel().printer = [&](const PrinterDocument& d) {
      printed = d;
      return true;
    };
    child<QRadioButton>(&w, "opt1(1)")->setChecked(true);
    child<QPushButton>(&w, "cmd1")->click();
    QVERIFY(printed.text().find("  TEEBROOK\n STANDARD  TOTAL FIELD  06-13-2026\n") == 0);
  }
};

QTEST_MAIN(ResultsWindowsTest)
#include "results_windows_test.moc"
