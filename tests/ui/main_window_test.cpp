#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

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
    MainWindow w(run.state);
    QCOMPARE(w.windowTitle(), QStringLiteral("Teebrook - Score Entry"));
    QCOMPARE(w.objectName(), QStringLiteral("scor"));
    auto* title = w.findChild<QLabel*>(QStringLiteral("SSPanel2"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Teebrook"));
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("&Help"), QStringLiteral("E&xit")}));
  }

  void helpTopicsFromKeysAndMouse() {
    test::Started run;
    MainWindow w(run.state);
    w.show();
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::mouseClick(&w, Qt::RightButton);
    w.findChild<QAction*>(QStringLiteral("hlper"))->trigger();
    QCOMPARE(run.fakes.help.topics, (std::vector<int>{10, 220, 10}));
  }

  void exitShutsDownWithoutAQuestion() {
    test::Started run;
    MainWindow w(run.state);
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
