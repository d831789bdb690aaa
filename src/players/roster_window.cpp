#include "players/roster_window.h"

#include <QGroupBox>

#include "data/utilities.h"
#include "ui/form_scaler.h"
#include "ui/key_filter.h"
#include "ui/spin_button.h"
#include "ui/window_frame.h"

namespace teebrook {
namespace {
QString qs(const std::string& s) {
  return QString::fromStdString(s);
}
std::string str(const QLineEdit* b) {
  return b->text().toStdString();
}

QLabel* label(QWidget* parent, const char* text, long l, long t, long w) {
  auto* lab = new QLabel(QString::fromUtf8(text), parent);
  placeTwips(lab, l, t, w, 285);
  return lab;
}
}  // namespace

QLineEdit* RosterWindow::box(QWidget* parent, int index, int mode, long l, long t, long w, int maxLength) {
  auto* b = new QLineEdit(parent);
  b->setObjectName(QStringLiteral("Text1(%1)").arg(index));
  b->setMaxLength(maxLength);
  placeTwips(b, l, t, w, 315);
  const auto beep = [this] { state_.platform.feedback.beep(); };
  if (mode >= 0) {
    new KeyFilter(b, mode, beep);
  } else {
    new KeyFilter(b, handicapKeyFilter, beep);
  }
  selectAllOnFocus(b);
  connect(b, &QLineEdit::textEdited, this, [this] { form_.changed = true; });
  text1_[static_cast<std::size_t>(index)] = b;
  return b;
}

RosterWindow::RosterWindow(State& state, Resizer& resizer)
    : state_(state),
      form_(state),
      frame_(new WindowFrame(this, state, resizer, 7500, 5400, 160)),
      tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("adpl"));
  setWindowTitle(QStringLiteral("Add/Edit Tournament Players"));
  auto* select = new QGroupBox(QStringLiteral("Select Player"), this);
  select->setObjectName(QStringLiteral("Frame3D5"));
  placeTwips(select, 120, 60, 7260, 720);
  box(select, 11, 0, 120, 300, 1200, 5);
  players_ = new QComboBox(select);
  players_->setObjectName(QStringLiteral("Combo3"));
  const QFont fixed = listFont();
  players_->setFont(fixed);
  placeTwips(players_, 1440, 300, 5700, 315);
  onFocusOut(text1_[11], [this] {
    form_.search = str(text1_[11]);
    if (form_.search.empty()) return;
    form_.findPlayers();
    showForm();
    players_->setFocus();
  });
  connect(players_, &QComboBox::activated, this, [this](int i) {
    if (loading_) return;
    form_.selectPlayer(entryRecord(players_->itemText(i).toStdString()));
    showForm();
    text1_[1]->setFocus();
  });

  tabs_->setObjectName(QStringLiteral("tab1"));
  placeTwips(tabs_, 120, 840, 7260, 3300);
  auto* namePage = new QWidget;
  auto* addressPage = new QWidget;
  auto* clearPage = new QWidget;
  auto* flightPage = new QWidget;
  tabs_->addTab(namePage, QStringLiteral("&Name"));
  tabs_->addTab(addressPage, QStringLiteral("A&ddress"));
  tabs_->addTab(clearPage, QStringLiteral("&Clear"));
  tabs_->addTab(flightPage, QStringLiteral("&Flights"));

  auto* nameFrame = new QGroupBox(namePage);
  nameFrame->setObjectName(QStringLiteral("Frame3D1"));
  placeTwips(nameFrame, 60, 60, 7050, 2760);
  label(nameFrame, "&Last Name", 120, 230, 1500)->setBuddy(box(nameFrame, 1, 0, 1700, 200, 2400, 15));
  label(nameFrame, "First Name", 120, 650, 1500);
  box(nameFrame, 2, 0, 1700, 620, 2000, 12);
  label(nameFrame, "HC Index", 120, 1070, 1500);
  box(nameFrame, 4, 2, 1700, 1040, 900, 6);
  label(nameFrame, "Handicap", 2800, 1070, 1100);
  box(nameFrame, 3, -1, 3950, 1040, 700, 4);
  percent_ = new QLabel(nameFrame);
  percent_->setObjectName(QStringLiteral("SSPanel2"));
  percent_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  percent_->setAlignment(Qt::AlignCenter);
  placeTwips(percent_, 4750, 1040, 800, 315);
  label(nameFrame, "Flight ", 120, 1490, 1500);
  box(nameFrame, 5, 1, 1700, 1460, 600, 3);
  competing_ = new QCheckBox(QStringLiteral(" In Competition"), nameFrame);
  competing_->setObjectName(QStringLiteral("chk1"));
  placeTwips(competing_, 120, 1950, 2400, 285);
  sex_ = new QComboBox(nameFrame);
  sex_->setObjectName(QStringLiteral("Combo2"));
  sex_->addItems({QStringLiteral("Man"), QStringLiteral("Lady")});
  placeTwips(sex_, 2800, 1920, 1300, 315);
  onFocusOut(text1_[4], [this] {
    readBoxes();
    form_.indexLeft();
    showForm();
  });
  onFocusOut(text1_[3], [this] {
    readBoxes();
    form_.handicapLeft();
    showForm();
  });
  connect(sex_, &QComboBox::activated, this, [this](int i) {
    readBoxes();
    form_.sexChanged(i);
    showForm();
  });

  auto* addressFrame = new QGroupBox(QStringLiteral("Optional Entry"), addressPage);
  addressFrame->setObjectName(QStringLiteral("Frame3D2"));
  placeTwips(addressFrame, 60, 60, 7050, 2760);
  label(addressFrame, "&Street", 120, 330, 1700)->setBuddy(box(addressFrame, 6, 0, 1900, 300, 4000, 31));
  label(addressFrame, "City/State/Prov", 120, 780, 1700);
  box(addressFrame, 7, 0, 1900, 750, 4000, 31);
  label(addressFrame, "Zip-Code/Phone", 120, 1230, 1700);
  box(addressFrame, 8, 0, 1900, 1200, 1400, 10);
  box(addressFrame, 9, 0, 3400, 1200, 1700, 12);
  label(addressFrame, "Home Course", 120, 1680, 1700);
  box(addressFrame, 10, 0, 1900, 1650, 3400, 25);

  auto* clearFrame = new QGroupBox(QStringLiteral("Reset for Next Tournament or Season"), clearPage);
  clearFrame->setObjectName(QStringLiteral("SSFrame1"));
  placeTwips(clearFrame, 60, 60, 7050, 2760);
  const auto check = [&](const char* name, const char* caption, long t) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), clearFrame);
    c->setObjectName(QString::fromUtf8(name));
    placeTwips(c, 300, t, 4500, 285);
    return c;
  };
  check4_ = check("Check4", "Add to Multi/Seasonal Total", 300);
  check8_ = check("Check8", "Clear Multi/&Seasonal Totals", 700);
  QPalette red = check8_->palette();
  red.setColor(QPalette::WindowText, QColor(192, 0, 0));
  check8_->setPalette(red);
  check3_ = check("Check3", "Clear All Current Scores", 1100);
  check2_ = check("Check2", "Update All Handicaps/Stats", 1500);
  auto* ok = new QPushButton(QStringLiteral("O&k"), clearFrame);
  ok->setObjectName(QStringLiteral("SSCommand2"));
  placeTwips(ok, 5200, 2100, 1500, 420);
  connect(check3_, &QCheckBox::toggled, this, [this](bool on) {
    form_.clearScoresToggled(on);
    check2_->setEnabled(form_.check2Enabled);
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    form_.addToTotals = check4_->isChecked();
    form_.clearSeason = check8_->isChecked();
    form_.updateHandicaps = check2_->isChecked();
    form_.resetOk();
  });

  auto* flightFrame = new QGroupBox(QStringLiteral("Automatic Flight Allocation "), flightPage);
  flightFrame->setObjectName(QStringLiteral("Frame3D6"));
  placeTwips(flightFrame, 60, 60, 7050, 2760);
  const auto panel = [&](int i, const QString& text, long l, long t, long w) {
    auto* p = new QLabel(text, flightFrame);
    p->setObjectName(QStringLiteral("Panel3D8(%1)").arg(i));
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    placeTwips(p, l, t, w, 315);
    panels_[static_cast<std::size_t>(i)] = p;
  };
  for (int i = 0; i < 9; ++i) {
    const long l = 120 + (i % 3) * 1500, t = 300 + (i / 3) * 450;
    panel(i, QStringLiteral("Fl #%1").arg(i + 1), l, t, 750);
    auto* limit = new QLineEdit(flightFrame);
    limit->setObjectName(QStringLiteral("Text2(%1)").arg(i));
    placeTwips(limit, l + 780, t, 550, 315);
    new KeyFilter(limit, 1, [this] { state_.platform.feedback.beep(); });
    selectAllOnFocus(limit);
    text2_[static_cast<std::size_t>(i)] = limit;
    onFocusOut(limit, [this] {
      for (std::size_t k = 0; k < 9; ++k) form_.limits[k] = str(text2_[k]);
      form_.limitsLeft();
    });
  }
  auto* spin = new SpinButton(flightFrame);
  spin->setObjectName(QStringLiteral("SpinButton1"));
  placeTwips(spin, 4800, 300, 255, 450);
  panel(10, QStringLiteral("0"), 5100, 360, 600);
  panel(9, QString(), 5800, 360, 900);
  panel(11, QString(), 5100, 900, 600);
  connect(spin, &SpinButton::stepped, this, [this](int d) {
    form_.spin(d);
    showForm();
  });
  auto* autoSet = new QPushButton(QStringLiteral("Auto&Set"), flightFrame);
  autoSet->setObjectName(QStringLiteral("cmd7"));
  placeTwips(autoSet, 4800, 1700, 1000, 420);
  auto* manual = new QPushButton(QStringLiteral("&Manual"), flightFrame);
  manual->setObjectName(QStringLiteral("cmd8"));
  placeTwips(manual, 5900, 1700, 1000, 420);
  connect(autoSet, &QPushButton::clicked, this, [this] {
    form_.autoSet();
    showForm();
  });
  connect(manual, &QPushButton::clicked, this, [this] {
    form_.manual();
    showForm();
  });

  const auto button = [&](const char* name, const char* caption, long l) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromUtf8(name));
    placeTwips(b, l, 4260, 1350, 420);
    return b;
  };
  recordButtons_[0] = button("cmd9", "&Add ", 120);
  recordButtons_[1] = button("Cmd2", "&Edit ", 1600);
  recordButtons_[2] = button("Cmd6", "Clea&r ", 3080);
  recordButtons_[3] = button("SSCommand3", "&Delete ", 4560);
  auto* exit = button("cmd3", "E&xit", 6040);
  connect(recordButtons_[0], &QPushButton::clicked, this, [this] {
    readBoxes();
    form_.add();
    showForm();
    if (tabs_->currentIndex() == 0) text1_[1]->setFocus();
  });
  connect(recordButtons_[1], &QPushButton::clicked, this, [this] {
    readBoxes();
    form_.edit();
    showForm();
    if (tabs_->currentIndex() == 0) text1_[1]->setFocus();
  });
  connect(recordButtons_[2], &QPushButton::clicked, this, [this] {
    form_.clearScreen();
    showForm();
  });
  connect(recordButtons_[3], &QPushButton::clicked, this, [this] {
    if (form_.deletePlayer()) emit playersDeleted();
    showForm();
  });
  connect(exit, &QPushButton::clicked, this, [this] {
    leave();
    close();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, &RosterWindow::tabChanged);

  StatusLine* tips = frame_->addStatusLine(QStringLiteral("Panel3D3"), [this](int n) { return tipText(n); });
  tips->bind(sex_, 1);
  tips->bind(text1_[1], 2);
  tips->bind(text1_[2], 2);
  tips->bind(text1_[11], 3);
  tips->bind(select, 3);
  tips->bind(recordButtons_[1], 4);
  tips->bind(competing_, 5);
  tips->bind(text1_[3], 6);
  tips->bind(text1_[4], 6);
  for (int i = 6; i <= 10; ++i) tips->bind(text1_[static_cast<std::size_t>(i)], 7);
  tips->bind(addressFrame, 7);
  tips->bind(text1_[5], 8);
  tips->bind(percent_, 9);
  tips->bind(flightFrame, 10);
  tips->bind(autoSet, 11);
  tips->bind(manual, 12);
  tips->bind(recordButtons_[3], 13);
  tips->bind(panels_[9], 14);
  tips->bind(recordButtons_[0], 15);
  tips->bind(panels_[10], 16);
  tips->bind(panels_[11], 17);
  tips->bind(recordButtons_[2], 18);
  tips->bind(check3_, 19);
  tips->bind(check4_, 20);
  tips->bind(check8_, 21);
  tips->bind(nameFrame, 22);
  tips->bind(tabs_, 0);
  tips->bind(clearFrame, 0);
  frame_->finish();
  frame_->centre();
}

std::optional<std::string> RosterWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Required for Rating/Slope selection and mixed competitions.";
    case 2:
      return " Enter the player's last and (optionally) first names";
    case 3:
      return " Enter up to 5 letters of the player's name and select from list";
    case 4:
      return " Saves edited information and clears screen for new entry";
    case 5:
      return " Determines if player entered in sub-tournaments. Also required for league play";
    case 6:
      return " Handicap is calculated on the index and slope unless entered manually";
    case 7:
      return " Optional player information. Home course prints on scoresheet";
    case 8:
      return " Flight defaults to 1 (and manual entry) if first flight entry is blank. (See flights) ";
    case 9:
      return " Percentage of handicap allowed. See [Default Settings]";
    case 10:
      return " Enter top handicap limit up to flights required (manual entry)";
    case 11:
      return " Selects handicap in increments of (total players/flights. Enter all players first";
    case 12:
      return " Resets flights based on displayed handicap limits";
    case 13:
      return " Removes player's scores from the tournament and ALL player information";
    case 14:
      return " Total number of players in the tournament";
    case 15:
      return " Adds a new player and clears the screen for the next entry";
    case 16:
      return " Selects total flights for [Autoset] and/or displays players in each flight";
    case 17:
      return " Number of players in each flight based on handicap";
    case 18:
      return " Clears display only for new selection. CLEAR BEFORE ADDING NEW PLAYER";
    case 19:
      return " Clears all players' current scores in preparation for new entries";
    case 20:
      return " Adds all players' scores to multiple round or seasonal totals";
    case 21:
      return " Clears 26 round totals in preparation for new season or extra games";
    case 22:
      return " Enter ALL player data before [Add]ing or [Edit]ing";
    default:
      return std::nullopt;
  }
}

void RosterWindow::open(const std::string& mainTag) {
  form_.open(mainTag);
  check2_->setText(qs(form_.check2Caption));
  check2_->setVisible(form_.check2Visible);
  check2_->setEnabled(false);
  for (QCheckBox* c : {check2_, check3_, check4_, check8_}) c->setChecked(false);
  tabs_->setCurrentIndex(form_.clearTab ? 2 : 0);
  tabChanged(tabs_->currentIndex());
  showForm();
}

void RosterWindow::tabChanged(int index) {
  for (QPushButton* b : recordButtons_) b->setEnabled(index <= 1);
}

void RosterWindow::readBoxes() {
  PlayerBoxes& b = form_.boxes;
  b.lastName = str(text1_[1]);
  b.firstName = str(text1_[2]);
  b.handicap = str(text1_[3]);
  b.index = str(text1_[4]);
  b.flight = str(text1_[5]);
  b.street = str(text1_[6]);
  b.city = str(text1_[7]);
  b.zip = str(text1_[8]);
  b.phone = str(text1_[9]);
  b.homeCourse = str(text1_[10]);
  b.inCompetition = competing_->isChecked();
  b.sex = sex_->currentIndex() == 1 ? 1 : 0;
}

void RosterWindow::showForm() {
  loading_ = true;
  const PlayerBoxes& b = form_.boxes;
  text1_[1]->setText(qs(b.lastName));
  text1_[2]->setText(qs(b.firstName));
  text1_[3]->setText(qs(b.handicap));
  text1_[4]->setText(qs(b.index));
  text1_[5]->setText(qs(b.flight));
  text1_[6]->setText(qs(b.street));
  text1_[7]->setText(qs(b.city));
  text1_[8]->setText(qs(b.zip));
  text1_[9]->setText(qs(b.phone));
  text1_[10]->setText(qs(b.homeCourse));
  text1_[11]->setText(qs(form_.search));
  competing_->setChecked(b.inCompetition);
  sex_->setCurrentIndex(b.sex);
  percent_->setText(qs(form_.percentText));
  players_->clear();
  for (const std::string& e : form_.players) players_->addItem(qs(e));
  int current = -1;
  for (int i = 0; i < players_->count(); ++i) {
    if (form_.selected > 0 && entryRecord(players_->itemText(i).toStdString()) == form_.selected) current = i;
  }
  players_->setCurrentIndex(current);
  for (std::size_t i = 0; i < 9; ++i) text2_[i]->setText(qs(form_.limits[i]));
  panels_[9]->setText(qs(form_.playerCountText));
  panels_[10]->setText(qs(form_.flightCountText()));
  panels_[11]->setText(qs(form_.perFlightText()));
  loading_ = false;
}

bool RosterWindow::leave() {
  readBoxes();
  return form_.exit();
}

}  // namespace teebrook
