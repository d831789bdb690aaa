#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "data/utilities.h"
#include "players/roster_window.h"
#include "results/results_window.h"
#include "setup/course_window.h"
#include "setup/settings_window.h"
#include "setup/tournament_file_window.h"
#include "ui/form_scaler.h"
#include "ui/key_filter.h"
#include "ui/window_frame.h"

namespace teebrook {
namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Design size of the score entry area in twips.
constexpr long kDesignWidth = 8295, kDesignHeight = 4215;
constexpr long kColumnLeft = 600, kColumnStep = 380, kColumnWidth = 370;
const QColor kParGreen(0, 128, 0), kHcpRed(192, 0, 0);

QPixmap logo() {
  QPixmap pm(36, 30);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(34, 139, 34));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(2, 20, 32, 9));  // the green
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(QPointF(18, 24), QPointF(18, 3));  // the pin
  p.setBrush(QColor(200, 0, 0));
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({QPointF(18, 3), QPointF(30, 7), QPointF(18, 11)}));  // the flag
  return pm;
}

}  // namespace

MainWindow::MainWindow(State& state, Resizer& resizer, QWidget* parent)
    : QMainWindow(parent), state_(state), resizer_(resizer), entry_(state), area_(new QWidget) {
  setObjectName(QStringLiteral("scor"));
  setWindowTitle(QStringLiteral("Teebrook - Score Entry"));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  font.setBold(true);
  setFont(font);
  area_->setObjectName(QStringLiteral("scorArea"));
  setCentralWidget(area_);
  buildMenus();
  buildControls();
  bindTips();
  // The design size is the 100 % reference of the proportional resizing.
  const QSize design(static_cast<int>(kDesignWidth / twipsPerPixelX(this)),
                     static_cast<int>(kDesignHeight / twipsPerPixelY(this)));
  area_->resize(design);
  scaleWindow(resizer_, this, area_);
  area_->installEventFilter(this);
  resize(design.width(), design.height() + menuBar()->sizeHint().height());
  showEntry();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  const auto menu = [&](QMenu* parentMenu, const char* name, const char* caption) {
    QMenu* m = parentMenu ? parentMenu->addMenu(QString::fromUtf8(caption))
                          : bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromUtf8(name));
    m->menuAction()->setObjectName(QString::fromUtf8(name));
    return m;
  };
  const auto item = [&](QMenu* m, const char* name, const char* caption, MainCommand c) {
    QAction* a = m ? m->addAction(QString::fromUtf8(caption)) : bar->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, [this, c] { runCommand(c); });
  };
  QMenu* tournament = menu(nullptr, "whtevr", "&Tournament");
  item(tournament, "getnew", "&Select Tournament File", MainCommand::SelectTournament);
  item(tournament, "prndis", "&Display/Print Sorted Scores", MainCommand::DisplayResults);
  item(tournament, "scclear", "&Clear Tournament Scores", MainCommand::ClearTournamentScores);
  item(tournament, "putname", "&Flight Names", MainCommand::FlightNames);
  item(tournament, "grules", "&Rules of Golf", MainCommand::RulesOfGolf);
  QMenu* players = menu(nullptr, "gplyr", "&Players");
  item(players, "getplayer", "&Add-Edit Players/Flights/Handicaps", MainCommand::AddEditPlayers);
  item(players, "chcom", "&Change Players Competition Status", MainCommand::CompetitionStatus);
  item(players, "forsoms", "&Organize Groups", MainCommand::OrganizeGroups);
  item(players, "alprn", "&Display/Print Player Listings", MainCommand::PlayerListings);
  handicapMenu_ = menu(players, "phcaps", "&Player Handicaps");
  item(handicapMenu_, "dishn", "&Display Handicaps", MainCommand::DisplayHandicaps);
  item(handicapMenu_, "prnhh", "&Print Handicaps", MainCommand::PrintHandicaps);
  statsMenu_ = menu(players, "disstat", "Player &Statistics");
  item(statsMenu_, "diss", "&Display Statistics", MainCommand::DisplayStatistics);
  item(statsMenu_, "prss", "&Print Statistics", MainCommand::PrintStatistics);
  QMenu* setup = menu(nullptr, "getset", "&Setup");
  item(setup, "Defset", "&Default Settings", MainCommand::DefaultSettings);
  item(setup, "getcourse", "&Course Settings", MainCommand::CourseSettings);
  item(setup, "abot", "&About Teebrook", MainCommand::About);
  QMenu* backup = menu(nullptr, "savbak", "&Backup");
  item(backup, "savfil", "&Save Files", MainCommand::SaveFiles);
  item(backup, "restf", "&Restore Files", MainCommand::RestoreFiles);
  item(nullptr, "hlper", "&Help", MainCommand::Help);
  item(nullptr, "endit", "E&xit", MainCommand::Exit);
}

QLabel* MainWindow::panel(const QString& name, const QString& text, long l, long t, long w, long h) {
  auto* p = new QLabel(text, area_);
  p->setObjectName(name);
  p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  p->setAlignment(Qt::AlignCenter);
  placeTwips(p, l, t, w, h);
  return p;
}

void MainWindow::buildControls() {
  struct Picture {
    const char* name;
    QStyle::StandardPixmap icon;
    MainCommand command;
    const char* accessible;
  };
  const Picture pictures[] = {
      {"cmd5", QStyle::SP_DirOpenIcon, MainCommand::SelectTournament, "Select Tournament File"},
      {"cmd8", QStyle::SP_FileDialogDetailedView, MainCommand::AddEditPlayers, "Add/Edit Players"},
      {"cmd4", QStyle::SP_FileDialogContentsView, MainCommand::DisplayResults, "Display/Print Sorted Scores"},
      {"Cmd6", QStyle::SP_DriveHDIcon, MainCommand::CourseSettings, "Course Settings"},
      {"cmd7", QStyle::SP_FileDialogInfoView, MainCommand::DefaultSettings, "Default Settings"},
      {"cmd9", QStyle::SP_DialogHelpButton, MainCommand::Help, "Help"},
      {"cmd10", QStyle::SP_DialogSaveButton, MainCommand::SaveFiles, "Backup (Save Files)"},
  };
  long x = 60;
  for (const Picture& p : pictures) {
    auto* b = new QToolButton(area_);
    b->setObjectName(QString::fromUtf8(p.name));
    b->setIcon(style()->standardIcon(p.icon));
    b->setIconSize(QSize(20, 20));
    b->setAccessibleName(QString::fromUtf8(p.accessible));
    b->setFocusPolicy(Qt::NoFocus);
    placeTwips(b, x, 60, 495, 450);
    x += 510;
    const MainCommand c = p.command;
    connect(b, &QToolButton::clicked, this, [this, c] { runCommand(c); });
  }
  title_ = panel(QStringLiteral("SSPanel2"), qs(ttltxt("")), 3720, 60, 3900, 450);
  QFont big = title_->font();
  big.setPointSize(16);
  big.setItalic(true);
  title_->setFont(big);
  auto* image = new QLabel(area_);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(logo());
  image->setAlignment(Qt::AlignCenter);
  placeTwips(image, 7680, 60, 555, 450);

  panels_[0] = panel(QStringLiteral("SSPanel1(0)"), QStringLiteral("Tournament"), 60, 600, 1230, 285);
  panels_[2] = panel(QStringLiteral("SSPanel1(2)"), QString(), 1320, 600, 2295, 285);
  panels_[1] = panel(QStringLiteral("SSPanel1(1)"), QStringLiteral("Golf Course"), 3720, 600, 1230, 285);
  panels_[3] = panel(QStringLiteral("SSPanel1(3)"), QString(), 4980, 600, 3255, 285);

  list_ = new QListWidget(area_);
  list_->setObjectName(QStringLiteral("List1"));
  const QFont fixed = listFont();
  list_->setFont(fixed);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setTextElideMode(Qt::ElideNone);  // the record number sits past the visible width
  placeTwips(list_, 60, 960, 3555, 1860);
  connect(list_, &QListWidget::itemClicked, this, &MainWindow::playerClicked);
  connect(list_, &QListWidget::itemActivated, this, &MainWindow::playerClicked);

  auto* heading = new QLabel(QStringLiteral("          Player                       Flt   Hcp"), area_);
  heading->setObjectName(QStringLiteral("Label1"));
  placeTwips(heading, 3720, 960, 4515, 240);
  panels_[4] = panel(QStringLiteral("SSPanel1(4)"), QString(), 3720, 1215, 3000, 285);
  panels_[4]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  panels_[5] = panel(QStringLiteral("SSPanel1(5)"), QString(), 6750, 1215, 720, 285);
  panels_[6] = panel(QStringLiteral("SSPanel1(6)"), QString(), 7500, 1215, 735, 285);

  const auto button = [&](const char* name, const char* caption, long left) {
    auto* b = new QPushButton(QString::fromUtf8(caption), area_);
    b->setObjectName(QString::fromUtf8(name));
    placeTwips(b, left, 2340, 1440, 405);
    return b;
  };
  stats_ = button("cmd11", "St&ats", 3720);
  clear_ = button("cmd2", "&Clear", 5250);
  save_ = button("cmd3", "Sa&ve", 6780);
  connect(stats_, &QPushButton::clicked, this, [this] { runCommand(MainCommand::Statistics); });
  connect(clear_, &QPushButton::clicked, this, &MainWindow::clearScore);
  connect(save_, &QPushButton::clicked, this, &MainWindow::save);

  pan4_ = panel(QStringLiteral("pan4"), QStringLiteral("Par"), 60, 3180, 480, 255);
  const auto beep = [this] { state_.platform.feedback.beep(); };
  for (int k = 0; k < 19; ++k) {
    const long left = kColumnLeft + k * kColumnStep;
    headings_[static_cast<std::size_t>(k)] =
        panel(QStringLiteral("SSPanel3(%1)").arg(k), k < 18 ? QString::number(k + 1) : QStringLiteral("TOT"),
              left, 2910, kColumnWidth, 255);
    auto* label = new QLabel(area_);
    label->setObjectName(QStringLiteral("Label3(%1)").arg(k));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    placeTwips(label, left, 3180, kColumnWidth, 255);
    labels_[static_cast<std::size_t>(k)] = label;
    auto* box = new QLineEdit(area_);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(3);
    placeTwips(box, left, 3450, kColumnWidth, 315);
    new KeyFilter(box, 1, beep);
    box->installEventFilter(this);
    if (k < 18) {
      box->setObjectName(QStringLiteral("text2(%1)").arg(k));
      holes_[static_cast<std::size_t>(k)] = box;
      connect(box, &QLineEdit::textEdited, this, [this, k](const QString& t) { holeEdited(k, t); });
    } else {
      box->setObjectName(QStringLiteral("text3"));
      total_ = box;
      connect(box, &QLineEdit::textEdited, this, [this](const QString& t) {
        entry_.total = t.toStdString();
        entry_.scoreDirty = true;
      });
    }
  }
  netTotal_ = panel(QStringLiteral("Panel3D6(19)"), QString(), 7860, 3450, 375, 315);
  pan4_->installEventFilter(this);
  colourParRow();

  loaded_ = new QLabel(QString(), area_);
  loaded_->setObjectName(QStringLiteral("Label2"));
  loaded_->hide();

  statusPanel_ = new QLabel(area_);
  statusPanel_->setObjectName(QStringLiteral("Panel3D5"));
  statusPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  placeTwips(statusPanel_, 0, 3870, kDesignWidth, 330);
}

std::optional<std::string> MainWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Player listing. Click Name to select";
    case 2:
      return " Diplays current tournament file. Click open folder icon for new selection";
    case 3:
      return " Selected course setting for tournament";
    case 4:
      return " Displays selected player, flight and handicap.";
    case 5:
      return " Enter players hole scores. Press 1{TAB} for a hole-in-one ";
    case 6:
      return " May optionally enter only the total score. Not recommended";
    case 7:
      return " Enter golf statistics for the round ";
    case 8:
      return " Clears the current player's score entry";
    case 9:
      return " Saves the player's score and clears entries for next player";
    case 10:
      return " Select Competition sort method and display or print tournament results";
    case 11:
      return " Displays tournament file selection form";
    case 12:
      return " Edit/add course ratings. Editing may affect net scores on new entries";
    case 13:
      return " Change tournament default settings";
    case 14:
      return " Display help screen";
    case 15:
      return " Add/edit players, handicaps, set flights, clear scores, update ";
    case 16:
      return " Backup files to selected disk. Save frequently!";
    case 17:
      return " Toggles hole pars and handicap holes";
    case 18:
      return entry_.showPars ? " Displays hole pars" : " Displays handicap holes";
    default:
      return std::nullopt;
  }
}

void MainWindow::bindTips() {
  status_ = new StatusLine(
      this, statusPanel_, [this] { return state_.settings.showTips.is("Y"); },
      [this](int n) { return tipText(n); },
      [this](const QString& text) { state_.platform.feedback.tip(text.toStdString()); });
  const auto bind = [&](const QString& name, int tip) {
    if (auto* w = area_->findChild<QWidget*>(name)) status_->bind(w, tip);
  };
  bind(QStringLiteral("List1"), 1);
  bind(QStringLiteral("SSPanel1(2)"), 2);
  bind(QStringLiteral("SSPanel1(3)"), 3);
  for (int i : {4, 5, 6}) bind(QStringLiteral("SSPanel1(%1)").arg(i), 4);
  for (QLineEdit* box : holes_) status_->bind(box, 5);
  status_->bind(total_, 6);
  status_->bind(stats_, 7);
  status_->bind(clear_, 8);
  status_->bind(save_, 9);
  bind(QStringLiteral("cmd4"), 10);
  bind(QStringLiteral("cmd5"), 11);
  bind(QStringLiteral("Cmd6"), 12);
  bind(QStringLiteral("cmd7"), 13);
  bind(QStringLiteral("cmd9"), 14);
  bind(QStringLiteral("cmd8"), 15);
  bind(QStringLiteral("cmd10"), 16);
  status_->bind(pan4_, 17);
  for (QLabel* l : labels_) status_->bind(l, 18);
  status_->bind(area_, 0);
  status_->bind(title_, 0);
  status_->bind(statusPanel_, 0);
  // The picture buttons carry their tip as a tool tip as well, since they have no caption.
  const std::pair<const char*, int> pictureTips[] = {{"cmd4", 10}, {"cmd5", 11}, {"Cmd6", 12}, {"cmd7", 13},
                                                     {"cmd9", 14}, {"cmd8", 15}, {"cmd10", 16}};
  for (const auto& [name, tip] : pictureTips) {
    if (auto* w = area_->findChild<QWidget*>(QString::fromUtf8(name)))
      w->setToolTip(qs(*tipText(tip)).trimmed());
  }
}

void MainWindow::activateForm() {
  panels_[2]->setText(qs(tournamentCaption(state_.tournamentPath)));
  if (state_.currentCourse > 0 && readCourse(state_, state_.currentCourse)) {
    panels_[3]->setText(qs(titleCase(state_.course.courseName.trimmed())));
  }
  const bool allowStats = state_.settings.allowStats.is("Y");
  stats_->setVisible(allowStats);
  statsMenu_->menuAction()->setVisible(allowStats);
  handicapMenu_->menuAction()->setVisible(!state_.settings.calcHandicaps.is("N"));
  loaded_->setText(state_.tntLoaded ? QStringLiteral("LDD") : QString());

  QRect r = list_->geometry();
  r.setHeight(static_cast<int>(1860 / twipsPerPixelY(this)));
  list_->setGeometry(r);
  clrscore(state_.player);
  entry_.clrfrm();
  entry_.entryRec = 0;
  showEntry();
  state_.platform.feedback.busy(true);
  list_->clear();
  list_->setFocus();
  if (state_.tntLoaded) {
    for (const std::string& e : mainListEntries(state_)) list_->addItem(qs(e));
  }
  state_.platform.feedback.busy(false);
  entry_.scoreDirty = false;
}

void MainWindow::runCommand(MainCommand command) {
  const CommandOutcome out =
      runMainCommand(state_, command, tag_, entry_.playerShown() ? entry_.entryRec : 0);
  switch (out.target) {
    case Target::Exit:
      endit();
      return;
    case Target::About:
      showAbout();
      return;
    case Target::TournamentFile:
      // Shown in front of the main window, which refreshes when it closes.
      if (!tfil_) {
        tfil_ = std::make_unique<TournamentFileWindow>(state_, resizer_);
        connect(tfil_->frame(), &WindowFrame::closed, this, [this] {
          if (tcrs_ && tcrs_->isVisible()) tcrs_->close();
          activateForm();
        });
      }
      tfil_->show();
      tfil_->activate();
      tfil_->raise();
      return;
    case Target::Results:
      if (!tsrt_) {
        tsrt_ = std::make_unique<ResultsWindow>(state_, resizer_);
        connect(tsrt_.get(), &ResultsWindow::hideMain, this, &QWidget::hide);
        connect(tsrt_->frame(), &WindowFrame::closed, this, [this] { show(); });
      }
      tsrt_->load();
      tsrt_->show();
      tsrt_->raise();
      return;
    case Target::Roster:
      state_.platform.feedback.busy(true);
      if (!adpl_) {
        adpl_ = std::make_unique<RosterWindow>(state_, resizer_);
        connect(adpl_->frame(), &WindowFrame::closed, this, [this] { show(); });
        connect(adpl_.get(), &RosterWindow::playersDeleted, this, [this] { list_->clear(); });
      }
      adpl_->open(tag_);
      hide();
      adpl_->show();
      state_.platform.feedback.busy(false);
      return;
    case Target::Settings:
      dflt_ = std::make_unique<SettingsWindow>(state_, resizer_);  // loads the settings anew
      connect(dflt_->frame(), &WindowFrame::closed, this, [this] { show(); });
      hide();
      dflt_->show();
      return;
    case Target::CourseSettings:
      state_.platform.feedback.busy(true);
      if (!tcrs_) {
        tcrs_ = std::make_unique<CourseWindow>(state_, resizer_);
        connect(tcrs_->frame(), &WindowFrame::closed, this, [this] { show(); });
      }
      tcrs_->tag = "B";
      tcrs_->activate();
      hide();
      tcrs_->show();
      state_.platform.feedback.busy(false);
      return;
    default:
      // The windows of the other commands open here as they are built.
      return;
  }
}

void MainWindow::showEntry() {
  for (std::size_t h = 0; h < 18; ++h) holes_[h]->setText(qs(entry_.holes[h]));
  total_->setText(qs(entry_.total));
  netTotal_->setText(qs(entry_.netTotal));
  panels_[4]->setText(qs(entry_.playerName));
  panels_[5]->setText(qs(entry_.playerFlight));
  panels_[6]->setText(qs(entry_.playerHandicap));
  for (std::size_t k = 0; k < 19; ++k) labels_[k]->setText(qs(entry_.labels[k]));
}

void MainWindow::focusHole(int h) {
  QLineEdit* box = holes_[static_cast<std::size_t>(h)];
  box->setFocus();
  box->selectAll();
}

void MainWindow::applyAction(const ScoreEntry::Action& a) {
  if (a.beep) state_.platform.feedback.beep();
  switch (a.focus) {
    case ScoreEntry::Focus::Hole:
      focusHole(a.hole);
      break;
    case ScoreEntry::Focus::Save:
      save_->setFocus();
      break;
    case ScoreEntry::Focus::List:
      list_->setFocus();
      break;
    case ScoreEntry::Focus::None:
      break;
  }
}

void MainWindow::playerClicked(QListWidgetItem* item) {
  if (!item) return;
  const int record = entryRecord(item->text().toStdString());
  entry_.selectPlayer(record);
  tag_ = numtext(static_cast<long long>(record));
  showEntry();
  focusHole(0);
}

void MainWindow::holeEdited(int h, const QString& text) {
  applyAction(entry_.holeChanged(h, text.toStdString()));
}

void MainWindow::save() {
  entry_.total = total_->text().toStdString();
  const ScoreEntry::Action a = entry_.save();
  showEntry();
  applyAction(a);
}

void MainWindow::clearScore() {
  const ScoreEntry::Action a = entry_.clearScore();
  showEntry();
  applyAction(a);
}

void MainWindow::togglePars() {
  entry_.togglePars();
  pan4_->setText(entry_.showPars ? QStringLiteral("Par") : QStringLiteral("Hcp"));
  colourParRow();
  showEntry();
}

void MainWindow::colourParRow() {
  const QColor colour = entry_.showPars ? kParGreen : kHcpRed;
  QPalette pal = pan4_->palette();
  pal.setColor(QPalette::WindowText, colour);
  pan4_->setPalette(pal);
  for (QLabel* l : labels_) {
    QPalette lp = l->palette();
    lp.setColor(QPalette::Window, colour);
    lp.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(lp);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) {
    scaleWindow(resizer_, this, area_);
    return false;
  }
  if (watched == pan4_ && event->type() == QEvent::MouseButtonPress) {
    togglePars();
    return true;
  }
  for (int h = 0; h < 18; ++h) {
    if (watched != holes_[static_cast<std::size_t>(h)]) continue;
    if (event->type() == QEvent::MouseButtonPress && !entry_.playerShown()) {
      const ScoreEntry::Action a = entry_.holeClicked(h);
      showEntry();
      applyAction(a);
      return true;
    }
    if (event->type() == QEvent::FocusOut) {
      const ScoreEntry::Action a = entry_.holeLeft(h);
      showEntry();
      if (a.beep) state_.platform.feedback.beep();
      if (a.focus == ScoreEntry::Focus::Hole) QTimer::singleShot(0, this, [this, h] { focusHole(h); });
    }
    return false;
  }
  if (watched == total_ && event->type() == QEvent::FocusOut) {
    entry_.total = total_->text().toStdString();
    const ScoreEntry::Action a = entry_.totalLeft();
    showEntry();
    if (a.focus == ScoreEntry::Focus::Save) QTimer::singleShot(0, this, [this] { save_->setFocus(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showAbout() {
  QDialog about(this);
  about.setObjectName(QStringLiteral("idn"));
  about.setWindowTitle(QStringLiteral("About"));
  auto* layout = new QVBoxLayout(&about);
  auto* picture = new QLabel(QStringLiteral("           Teebrook Ver 3.2"));
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setFrameStyle(QFrame::Box | QFrame::Raised);
  picture->setMinimumHeight(48);
  layout->addWidget(picture);
  auto* maker = new QLabel(
      QStringLiteral("Tournaments and leagues for golf clubs.<br>Made by the Teebrook developers.<br>"
                     "<a href=\"help\">Teebrook help</a>"));
  maker->setObjectName(QStringLiteral("Label1"));
  connect(maker, &QLabel::linkActivated, this, [this] { state_.platform.help.show(10); });
  layout->addWidget(maker);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("cmdOK"));
  connect(ok, &QPushButton::clicked, &about, &QDialog::accept);
  layout->addWidget(ok);
  about.exec();
}

void MainWindow::endit() {
  if (!shutDown_) {
    shutDown_ = true;
    shutdn(state_);
  }
  QApplication::closeAllWindows();
  QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!shutDown_) {
    shutDown_ = true;
    shutdn(state_);
    QApplication::closeAllWindows();
  }
  event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) activateForm();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    runCommand(MainCommand::Help);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    state_.platform.help.show(220);
    return;
  }
  QMainWindow::mousePressEvent(event);
}

}  // namespace teebrook
