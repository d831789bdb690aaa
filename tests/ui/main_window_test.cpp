#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "data/state.h"
#include "support/fixtures.h"
#include "ui/help_window.h"
#include "ui/key_filter.h"
#include "ui/main_window.h"
#include "ui/qt_instance_lock.h"
#include "ui/status_line.h"

using namespace teebrook;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void opensWithItsTitleAndCommands() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    QCOMPARE(w.windowTitle(), QStringLiteral("Teebrook - Score Entry"));
    QCOMPARE(w.objectName(), QStringLiteral("scor"));
    auto* title = w.findChild<QLabel*>(QStringLiteral("SSPanel2"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Teebrook"));
    // The menu tree: captions with their access keys, in order, and the commands on the bar.
    QStringList tree;
    for (QAction* top : w.menuBar()->actions()) {
      tree << top->text();
      if (!top->menu()) continue;
      for (QAction* a : top->menu()->actions()) {
        tree << QStringLiteral("  ") + a->text();
        if (a->menu()) {
          for (QAction* sub : a->menu()->actions()) tree << QStringLiteral("    ") + sub->text();
        }
      }
    }
    const QStringList expected = {QStringLiteral("&Tournament"),
                                  QStringLiteral("  &Select Tournament File"),
                                  QStringLiteral("  &Display/Print Sorted Scores"),
                                  QStringLiteral("  &Clear Tournament Scores"),
                                  QStringLiteral("  &Flight Names"),
                                  QStringLiteral("  &Rules of Golf"),
                                  QStringLiteral("&Players"),
                                  QStringLiteral("  &Add-Edit Players/Flights/Handicaps"),
                                  QStringLiteral("  &Change Players Competition Status"),
                                  QStringLiteral("  &Organize Groups"),
                                  QStringLiteral("  &Display/Print Player Listings"),
                                  QStringLiteral("  &Player Handicaps"),
                                  QStringLiteral("    &Display Handicaps"),
                                  QStringLiteral("    &Print Handicaps"),
                                  QStringLiteral("  Player &Statistics"),
                                  QStringLiteral("    &Display Statistics"),
                                  QStringLiteral("    &Print Statistics"),
                                  QStringLiteral("&Setup"),
                                  QStringLiteral("  &Default Settings"),
                                  QStringLiteral("  &Course Settings"),
                                  QStringLiteral("  &About Teebrook"),
                                  QStringLiteral("&Backup"),
                                  QStringLiteral("  &Save Files"),
                                  QStringLiteral("  &Restore Files"),
                                  QStringLiteral("&Help"),
                                  QStringLiteral("E&xit")};
    QCOMPARE(tree, expected);
    for (const char* name : {"getnew",    "prndis", "scclear", "putname", "grules", "getplayer", "chcom",
                             "forsoms",   "alprn",  "dishn",   "prnhh",   "diss",   "prss",      "Defset",
                             "getcourse", "abot",   "savfil",  "restf",   "hlper",  "endit"}) {
      QVERIFY2(w.findChild<QAction*>(QString::fromUtf8(name)), name);
    }
    for (const char* name : {"cmd5", "cmd8", "cmd4", "Cmd6", "cmd7", "cmd9", "cmd10"}) {
      auto* b = w.findChild<QToolButton*>(QString::fromUtf8(name));
      QVERIFY2(b && !b->icon().isNull() && !b->toolTip().isEmpty(), name);
    }
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmd11"))->text(), QStringLiteral("St&ats"));
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmd2"))->text(), QStringLiteral("&Clear"));
    QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("cmd3"))->text(), QStringLiteral("Sa&ve"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("SSPanel3(18)"))->text(), QStringLiteral("TOT"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("pan4"))->text(), QStringLiteral("Par"));
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("text2(17)")));
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("Panel3D6(19)")));
  }

  void firstRunGuards() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    w.findChild<QAction*>(QStringLiteral("getnew"))->trigger();
    w.findChild<QAction*>(QStringLiteral("getplayer"))->trigger();
    w.findChild<QPushButton*>(QStringLiteral("cmd11"))->click();
    QCOMPARE(run.fakes.feedback.messages.size(), size_t{2});
    QCOMPARE(run.fakes.feedback.messages[0].text, std::string("Enter Course Rating First"));
    QCOMPARE(run.fakes.feedback.messages[1].text, std::string("Load a Tournament File First!"));
    QCOMPARE(run.fakes.feedback.beeps, 1);                        // Statistics with no player shown
    w.findChild<QAction*>(QStringLiteral("putname"))->trigger();  // Flight Names does nothing
    QCOMPARE(run.fakes.feedback.messages.size(), size_t{2});
    QCOMPARE(run.fakes.feedback.beeps, 1);
  }

  void visibilityFollowsTheSettings() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    const auto stats = [&] { return w.findChild<QPushButton*>(QStringLiteral("cmd11"))->isVisibleTo(&w); };
    const auto statsMenu = [&] { return w.findChild<QAction*>(QStringLiteral("disstat"))->isVisible(); };
    const auto handicapMenu = [&] { return w.findChild<QAction*>(QStringLiteral("phcaps"))->isVisible(); };
    run.state.settings.allowStats = "N";
    run.state.settings.calcHandicaps = "N";
    w.activateForm();
    QVERIFY(!stats() && !statsMenu() && !handicapMenu());
    run.state.settings.allowStats = "Y";
    run.state.settings.calcHandicaps = "";
    w.activateForm();
    QVERIFY(stats() && statsMenu() && handicapMenu());
  }

  void enterAndSaveARound() {
    test::Started run;
    run.state.settings.tieBreakMethod = "R";
    run.useCourse(test::makeCourse(true));
    run.state.course.courseName = "oak hills BLUE tees";
    writeCourse(run.state, 1);
    run.openTournament({test::makePlayer("SMITH", "JOHN", 18), test::makePlayer("JONES", "AL", 5)},
                       "golfleag.tnt");
    bldidx(run.state);
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("SSPanel1(2)"))->text(), QStringLiteral("Golfleag.tnt"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("SSPanel1(3)"))->text(),
             QStringLiteral("Oak Hills Blue Tees"));
    auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(0)->text().startsWith(QStringLiteral("JONES AL")));

    // A hole box clicked before a player is chosen.
    auto* hole1 = w.findChild<QLineEdit*>(QStringLiteral("text2(0)"));
    QTest::mouseClick(hole1, Qt::LeftButton);
    QCOMPARE(run.fakes.feedback.messages.back().text, std::string("Select a Player"));

    QListWidgetItem* smith = list->item(1);
    list->setCurrentItem(smith);
    emit list->itemClicked(smith);
    QCOMPARE(w.tag(), std::string(" 1"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("SSPanel1(6)"))->text(), QStringLiteral("18"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label3(18)"))->text(), QStringLiteral("72"));
    QVERIFY(hole1->hasFocus());
    // Typing moves on by itself; a hole in one is 1 and Tab.
    QTest::keyClicks(hole1, QStringLiteral("5"));
    auto* hole2 = w.findChild<QLineEdit*>(QStringLiteral("text2(1)"));
    QVERIFY(hole2->hasFocus());
    QTest::keyClicks(hole2, QStringLiteral("1"));
    QVERIFY(hole2->hasFocus());
    QTest::keyClick(hole2, Qt::Key_Tab);
    for (int h = 2; h < 18; ++h) {
      auto* box = w.findChild<QLineEdit*>(QStringLiteral("text2(%1)").arg(h));
      QVERIFY(box->hasFocus());
      QTest::keyClicks(box, QStringLiteral("4"));
    }
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmd3"))->hasFocus());
    QCOMPARE(run.fakes.feedback.beeps, 1);  // the 18th hole beeps on to Save
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("text3"))->text(), QStringLiteral("70"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Panel3D6(19)"))->text(), QStringLiteral("52"));
    w.findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
    const auto saved = run.players()[0];
    QCOMPARE(saved.holeScores[0], Int{5});
    QCOMPARE(saved.holeScores[1], Int{1});
    QCOMPARE(saved.netHoleScores[1], Int{0});
    QVERIFY(saved.grossTotal > 70 && saved.grossTotal < 70.5);
    QVERIFY(list->hasFocus());
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("SSPanel1(4)"))->text().isEmpty());
  }

  void incompleteNineIsRefused() {
    test::Started run;
    run.useCourse(test::makeCourse(true));
    run.openTournament({test::makePlayer("SMITH", "JOHN", 18)});
    bldidx(run.state);
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* list = w.findChild<QListWidget*>(QStringLiteral("List1"));
    emit list->itemClicked(list->item(0));
    for (int h : {0, 1, 2, 3}) {
      QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("text2(%1)").arg(h)), QStringLiteral("4"));
    }
    w.findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("text2(4)"))->hasFocus());
    QCOMPARE(run.fakes.feedback.beeps, 1);
    QCOMPARE(run.players()[0].holeScores[0], Int{0});
    // Pars and stroke indexes.
    auto* pan4 = w.findChild<QLabel*>(QStringLiteral("pan4"));
    QTest::mouseClick(pan4, Qt::LeftButton);
    QCOMPARE(pan4->text(), QStringLiteral("Hcp"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label3(3)"))->text(), QStringLiteral("1"));
    QCOMPARE(pan4->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(*w.tipText(18), std::string(" Displays handicap holes"));
    QTest::mouseClick(pan4, Qt::LeftButton);
    QCOMPARE(pan4->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(*w.tipText(18), std::string(" Displays hole pars"));
  }

  void resizingScalesEveryControl() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    auto* area = w.centralWidget();
    auto* save = w.findChild<QPushButton*>(QStringLiteral("cmd3"));
    const QRect before = save->geometry();
    const QSize design = area->size();
    area->resize(design.width() * 2, design.height());
    QTRY_VERIFY(qAbs(save->geometry().x() - 2 * before.x()) <= 1);
    QVERIFY(qAbs(save->width() - 2 * before.width()) <= 1);
    QCOMPARE(save->geometry().y(), before.y());
    area->resize(design);
    QTRY_VERIFY(qAbs(save->geometry().x() - before.x()) <= 1);
  }

  void statusTipsOfTheMainWindow() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    QCOMPARE(*w.tipText(1), std::string(" Player listing. Click Name to select"));
    QCOMPARE(*w.tipText(5), std::string(" Enter players hole scores. Press 1{TAB} for a hole-in-one "));
    QCOMPARE(*w.tipText(16), std::string(" Backup files to selected disk. Save frequently!"));
    QVERIFY(!w.tipText(0));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.findChild<QLineEdit*>(QStringLiteral("text3")), &enter);
    w.statusLine()->tick();
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Panel3D5"))->text(),
             QStringLiteral(" May optionally enter only the total score. Not recommended"));
  }

  void helpTopicsFromKeysAndMouse() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::mouseClick(&w, Qt::RightButton);
    w.findChild<QAction*>(QStringLiteral("hlper"))->trigger();
    QCOMPARE(run.fakes.help.topics, (std::vector<int>{10, 220, 10}));
  }

  void exitShutsDownWithoutAQuestion() {
    test::Started run;
    Resizer resizer;
    MainWindow w(run.state, resizer);
    w.show();
    w.findChild<QAction*>(QStringLiteral("endit"))->trigger();
    QCOMPARE(run.fakes.help.closes, 1);
    QVERIFY(!run.state.settingsFile.isOpen());
    QVERIFY(!run.state.courseFile.isOpen());
    QVERIFY(run.fakes.feedback.questions.empty());
    QVERIFY(!w.isVisible());
  }

  void statusLineShowsTipsOnlyWhenAllowed() {
    QWidget window;
    QLabel panel(&window);
    QLineEdit box(&window);
    bool show = true;
    std::vector<QString> popped;
    StatusLine tips(
        &window, &panel, [&] { return show; },
        [](int n) -> std::optional<std::string> {
          if (n == 5) return "Type the score";
          return std::nullopt;
        },
        [&](const QString& t) { popped.push_back(t); });
    tips.bind(&box, 5);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&box, &enter);
    QVERIFY(tips.timer().isActive());
    QCOMPARE(tips.timer().interval(), 1000);
    tips.tick();
    QCOMPARE(panel.text(), QStringLiteral("Type the score"));
    QApplication::sendEvent(&window, &enter);  // the background
    QVERIFY(!tips.timer().isActive());
    QVERIFY(panel.text().isEmpty());
    tips.select(7);  // no text: empties the panel and hides the tip window
    tips.tick();
    QVERIFY(panel.text().isEmpty());
    QCOMPARE(popped.size(), size_t{1});

    // With tips off, pointing and ticking leave the panel empty.
    show = false;
    QApplication::sendEvent(&box, &enter);
    tips.tick();
    QVERIFY(panel.text().isEmpty());
    QCOMPARE(tips.number(), 7);
  }

  void keyFilterModes() {
    int beeps = 0;
    QLineEdit digits, capitals;
    KeyFilter f1(&digits, 1, [&] { ++beeps; });
    KeyFilter f0(&capitals, 0, [&] { ++beeps; });
    QTest::keyClicks(&digits, QStringLiteral("1a2.3"));
    QCOMPARE(digits.text(), QStringLiteral("123"));
    QCOMPARE(beeps, 2);
    QTest::keyClicks(&capitals, QStringLiteral("smith"));
    QCOMPARE(capitals.text(), QStringLiteral("SMITH"));
    // Typing overwrites the character at the cursor.
    capitals.setCursorPosition(0);
    QTest::keyClicks(&capitals, QStringLiteral("j"));
    QCOMPARE(capitals.text(), QStringLiteral("JMITH"));
    QTest::keyClick(&capitals, Qt::Key_Return);
    QCOMPARE(capitals.text(), QStringLiteral("JMITH"));
  }

  void helpPagesExistForEveryTopic() {
    HelpWindow help;
    for (int topic : {10, 90, 100, 120, 160, 180, 200, 220, 230, 250, 260, 280}) {
      QVERIFY2(help.showTopic(topic), qPrintable(QString::number(topic)));
      QVERIFY(!help.browser()->toPlainText().isEmpty());
    }
    QVERIFY(!help.showTopic(999));
    QCOMPARE(help.topic(), 280);
  }

  void secondCopyOnTheSameFolderIsRefused() {
    test::TempFolder dir;
    QtInstanceLock first(dir.path());
    QtInstanceLock second(dir.path());
    QVERIFY(first.acquire());
    QVERIFY(!second.acquire());
    test::TempFolder other;
    QtInstanceLock elsewhere(other.path());
    QVERIFY(elsewhere.acquire());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
