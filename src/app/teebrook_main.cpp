#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <clocale>
#include <cstdio>

#include "data/demo_league.h"
#include "data/state.h"
#include "data/system_services.h"
#include "data/utilities.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/qt_feedback.h"
#include "ui/qt_instance_lock.h"

using namespace teebrook;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Numbers in the data files and reports are written with a decimal point whatever the desktop's locale.
  std::setlocale(LC_NUMERIC, "C");
  std::filesystem::path folder = defaultDataFolder();
  bool demo = false;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--data") && i + 1 < args.size()) {
      folder = std::filesystem::path(args[++i].toStdString());
    } else if (args[i] == QStringLiteral("--demo")) {
      demo = true;
    } else {
      std::fprintf(stderr, "usage: teebrook [--data DIR] [--demo]\n");
      return 2;
    }
  }
  if (demo) folder /= "demo";

  QtFeedback feedback;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) {
    feedback.message("Teebrook cannot use the data folder " + folder.string(), "Attention", Icon::Warning);
    return 1;
  }
  QtInstanceLock lock(folder);
  if (!lock.acquire()) {
    feedback.message("Program Already Activated!", "Attention", Icon::Warning);
    return 3;
  }
  QDir::setCurrent(QString::fromStdString(folder.string()));

  SystemClock clock;
  SeededRandom random;
  QtHelp help;
  State state(folder, Platform{feedback, clock, random, help});
  for (const std::string& note : opnfiles(state)) feedback.message(note, "Attention", Icon::Warning);
  if (demo) {
    if (state.courseFile.count() == 0) {
      if (auto why = makeDemoLeague(state, DemoOptions{})) feedback.message(*why, "Attention", Icon::Warning);
    }
    // The demo starts with its league open, on the course its players store.
    if (openTournamentFile(state, kDemoTournament).ok) {
      useStoredCourse(state);
      bldidx(state);
    }
  }

  Resizer resizer;
  MainWindow window(state, resizer);
  const QRect screen = window.screen()->availableGeometry();
  const Point at = cntrfrm(screen.width(), screen.height(), window.width(), window.height());
  window.move(screen.x() + at.x, screen.y() + at.y);
  window.show();
  return QApplication::exec();
}
