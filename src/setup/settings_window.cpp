#include "setup/settings_window.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "ui/form_scaler.h"
#include "ui/key_filter.h"

namespace teebrook {
namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

QLabel* label(QWidget* parent, const QString& text, long l, long t, long w) {
  auto* lab = new QLabel(text, parent);
  placeTwips(lab, l, t, w, 285);
  return lab;
}

}  // namespace

SettingsWindow::SettingsWindow(State& state, Resizer& resizer)
    : state_(state),
      form_(loadSettingsForm(state.settings)),
      frame_(new WindowFrame(this, state, resizer, 7335, 4365, 120)),
      tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("dflt"));
  setWindowTitle(QStringLiteral("Program and Tournament Settings"));
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  placeTwips(tabs_, 60, 60, 7215, 3480);
  auto* general = new QWidget;
  auto* quota = new QWidget;
  auto* hidden = new QWidget;
  tabs_->addTab(general, QStringLiteral("General"));
  tabs_->addTab(quota, QStringLiteral("Quota Points"));
  tabs_->addTab(hidden, QStringLiteral("Hidden Hole"));

  // General
  label(general, QStringLiteral("Percentage of Handicap    Men"), 120, 180, 2400);
  text1_[0] = box(general, QStringLiteral("Text1(0)"), 1, 2550, 150, 600);
  label(general, QStringLiteral("Ladies"), 3300, 180, 700);
  text1_[1] = box(general, QStringLiteral("Text1(1)"), 1, 4000, 150, 600);
  label(general, QStringLiteral("Tournament Start Time"), 120, 600, 2400);
  text1_[2] = box(general, QStringLiteral("Text1(2)"), 2, 2550, 570, 1200);
  label(general, QStringLiteral("Increment"), 3850, 600, 1150);
  text1_[3] = box(general, QStringLiteral("Text1(3)"), 2, 5050, 570, 600);
  const auto check = [&](const char* name, const char* caption, long t) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), general);
    c->setObjectName(QString::fromUtf8(name));
    placeTwips(c, 120, t, 3600, 285);
    return c;
  };
  chk1_ = check("chk1", " Allow Statistics Entry", 1050);
  chk3_ = check("Chk3", " Show Help Tips On Lower Screen", 1380);
  check1_ = check("Check1", "Score Entry By Foursomes", 1710);
  chk2_ = check("chk2", "Calculate Handicaps", 2100);
  chk4_ = check("chk4", " Group 9-Hole Scores", 2450);
  auto* tie = new QGroupBox(QStringLiteral("Tie-Breaking "), general);
  tie->setObjectName(QStringLiteral("Panel3D1"));
  placeTwips(tie, 4300, 1000, 2700, 700);
  auto* tieGroup = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* o = new QRadioButton(QStringLiteral("RGH").mid(i, 1), tie);
    o->setObjectName(QStringLiteral("Option3(%1)").arg(i));
    placeTwips(o, 150 + 850 * i, 300, 700, 285);
    tieGroup->addButton(o);
    tieBreak_[static_cast<std::size_t>(i)] = o;
  }
  auto* methodGroup = new QButtonGroup(this);
  usa_ = new QRadioButton(QStringLiteral("USA"), general);
  usa_->setObjectName(QStringLiteral("Option1"));
  placeTwips(usa_, 3000, 2100, 900, 285);
  canadian_ = new QRadioButton(QStringLiteral("Canadian"), general);
  canadian_->setObjectName(QStringLiteral("Option2"));
  placeTwips(canadian_, 4000, 2100, 1400, 285);
  methodGroup->addButton(usa_);
  methodGroup->addButton(canadian_);
  connect(chk2_, &QCheckBox::toggled, this, &SettingsWindow::calcToggled);

  // Quota points
  auto* points = new QGroupBox(QStringLiteral("Point Allowances"), quota);
  points->setObjectName(QStringLiteral("Frame1"));
  placeTwips(points, 120, 150, 6900, 2600);
  const struct {
    int index;
    const char* caption;
    long l, t;
  } pointBoxes[] = {{6, "Triple Bogey", 200, 400},  {0, "Double Bogey", 200, 900}, {1, "Bogey", 200, 1400},
                    {2, "Par", 3600, 400},          {3, "Birdie", 3600, 900},      {4, "Eagle", 3600, 1400},
                    {5, "Double Eagle", 3600, 1900}};
  for (const auto& p : pointBoxes) {
    label(points, QString::fromUtf8(p.caption), p.l, p.t + 30, 1600);
    QLineEdit* b = box(points, QStringLiteral("Text4(%1)").arg(p.index), 2, p.l + 1700, p.t, 700);
    text4_[static_cast<std::size_t>(p.index)] = b;
    onFocusOut(b, [this] {
      readForm();
      normalisePoints(form_);
      showForm();
    });
  }

  // Hidden hole
  label(hidden, QStringLiteral("Handicap Multiplier"), 120, 200, 2200);
  multiplier_ = box(hidden, QStringLiteral("text3"), 2, 2400, 170, 700);
  label(hidden, QStringLiteral("Front Nine Handicap Holes"), 120, 700, 2600);
  label(hidden, QStringLiteral("Back Nine Handicap Holes"), 120, 1150, 2600);
  for (int i = 0; i < 6; ++i) {
    text2_[static_cast<std::size_t>(i)] =
        box(hidden, QStringLiteral("Text2(%1)").arg(i), 1, 2800 + 600 * (i % 3), i < 3 ? 670 : 1120, 500);
  }
  auto* random = new QPushButton(QStringLiteral("&Random Selection"), hidden);
  random->setObjectName(QStringLiteral("cmd2"));
  placeTwips(random, 4800, 850, 1900, 420);
  connect(random, &QPushButton::clicked, this, [this] {
    readForm();
    randomHiddenHoles(form_, state_.platform.random);
    showForm();
  });
  label(hidden, QStringLiteral("Seasonal Summary"), 120, 1750, 1800);
  label(hidden, QStringLiteral("Lowest"), 2000, 1750, 700);
  text2_[6] = box(hidden, QStringLiteral("Text2(6)"), 1, 2750, 1720, 500);
  label(hidden, QStringLiteral("Scores"), 3350, 1750, 800);

  // Below the tabs.
  auto* hostLabel = new QLabel(QStringLiteral("Direct Cable Connection          Host Directory"), this);
  hostLabel->setObjectName(QStringLiteral("Label1(4)"));
  placeTwips(hostLabel, 60, 3640, 3600, 285);
  hostLabel->hide();
  text1_[4] = box(this, QStringLiteral("Text1(4)"), 0, 3700, 3610, 1800);
  text1_[4]->hide();
  auto* saveButton = new QPushButton(QStringLiteral("Sa&ve"), this);
  saveButton->setObjectName(QStringLiteral("cmd1"));
  placeTwips(saveButton, 5700, 3600, 1500, 375);
  connect(saveButton, &QPushButton::clicked, this, &SettingsWindow::save);

  onFocusOut(text1_[2], [this] { text1_[2]->setText(qs(shapeStartTime(text1_[2]->text().toStdString()))); });

  StatusLine* tips = frame_->addStatusLine(QStringLiteral("Panel3D5"), [this](int n) { return tipText(n); });
  tips->bind(text1_[0], 1);
  tips->bind(text1_[1], 1);
  tips->bind(text1_[2], 2);
  tips->bind(text1_[3], 3);
  tips->bind(chk1_, 4);
  tips->bind(chk2_, 5);
  tips->bind(chk4_, 6);
  tips->bind(points, 8);
  tips->bind(multiplier_, 9);
  for (int i = 0; i < 6; ++i) tips->bind(text2_[static_cast<std::size_t>(i)], 10);
  tips->bind(text2_[6], 11);
  tips->bind(random, 12);
  tips->bind(chk3_, 13);
  tips->bind(usa_, 14);
  tips->bind(canadian_, 14);
  for (int i = 0; i < 3; ++i) tips->bind(tieBreak_[static_cast<std::size_t>(i)], 16 + i);
  tips->bind(tie, 0);
  tips->bind(tabs_, 0);
  frame_->finish();
  frame_->centre();
  check1_->hide();
  showForm();
  tabs_->setCurrentIndex(0);
}

QLineEdit* SettingsWindow::box(QWidget* page, const QString& name, int mode, long l, long t, long w) {
  auto* b = new QLineEdit(page);
  b->setObjectName(name);
  placeTwips(b, l, t, w, 315);
  new KeyFilter(b, mode, [this] { state_.platform.feedback.beep(); });
  selectAllOnFocus(b);
  return b;
}

std::optional<std::string> SettingsWindow::tipText(int n) const {
  switch (n) {
    case 1:
      return " Allowable percentage of men's and ladies' handicaps (team play)";
    case 2:
      return " 12 hour clock(6AM to 559PM). Enter numbers only (eg. 345 = 3:45PM) ";
    case 3:
      return " Minutes between tee-offs. Defaults to 7.5 minutes";
    case 4:
      return " Displays entry form for entering statistics for the round.  ";
    case 5:
      return " Sets program to calculate handicaps  ";
    case 6:
      return " Saves 9-hole scores or groups with previous 9 for 18-hole handicapping";
    case 8:
      return " Point allocation for pars, birds, etc. Negatives allowed on first three";
    case 9:
      return " Multiplies 3 or 6 hole handicaps to full 9 or 18. Usual range = 2.5 to 3";
    case 10:
      return " Holes selected for calculation of handicap. Click[Help]for Hidden Hole rules";
    case 11:
      return " Number of (lowest-score) games to include in the seasonal totals";
    case 12:
      return " Randomly selects handicap holes";
    case 13:
      return " Toggles display of help tips";
    case 14:
      return " Selects method of handicapping based on US or Canadian rulings ";
    case 16:
      return " Retrogression based on last-to-first individual holes. (Standard)";
    case 17:
      return " Retrogression based on 9, 6, 3, 1-hole totals. ";
    case 18:
      return " Retrogression based on consecutive low-to-high handicap holes ";
    default:
      return std::nullopt;
  }
}

void SettingsWindow::showForm() {
  text1_[0]->setText(qs(form_.menPercent));
  text1_[1]->setText(qs(form_.ladiesPercent));
  text1_[2]->setText(qs(form_.startTime));
  text1_[3]->setText(qs(form_.increment));
  chk1_->setChecked(form_.allowStats);
  chk3_->setChecked(form_.showTips);
  tieBreak_[static_cast<std::size_t>(form_.tieBreak)]->setChecked(true);
  chk2_->setChecked(form_.calcHandicaps);
  (form_.usa ? usa_ : canadian_)->setChecked(true);
  chk4_->setChecked(form_.groupNines);
  calcToggled(form_.calcHandicaps);
  check1_->setChecked(form_.byFoursomes);
  text4_[6]->setText(qs(form_.tripleBogey));
  for (std::size_t i = 0; i < 6; ++i) {
    text4_[i]->setText(qs(form_.points[i]));
    text2_[i]->setText(qs(form_.hiddenHoles[i]));
  }
  multiplier_->setText(qs(form_.multiplier));
  text2_[6]->setText(qs(form_.seasonBest));
}

void SettingsWindow::readForm() {
  const auto t = [](QLineEdit* b) { return b->text().toStdString(); };
  form_.menPercent = t(text1_[0]);
  form_.ladiesPercent = t(text1_[1]);
  form_.startTime = t(text1_[2]);
  form_.increment = t(text1_[3]);
  form_.allowStats = chk1_->isChecked();
  form_.showTips = chk3_->isChecked();
  for (int i = 0; i < 3; ++i) {
    if (tieBreak_[static_cast<std::size_t>(i)]->isChecked()) form_.tieBreak = i;
  }
  form_.calcHandicaps = chk2_->isChecked();
  form_.usa = usa_->isChecked();
  form_.groupNines = chk4_->isChecked();
  form_.byFoursomes = check1_->isChecked();
  form_.tripleBogey = t(text4_[6]);
  for (std::size_t i = 0; i < 6; ++i) {
    form_.points[i] = t(text4_[i]);
    form_.hiddenHoles[i] = t(text2_[i]);
  }
  form_.multiplier = t(multiplier_);
  form_.seasonBest = t(text2_[6]);
}

void SettingsWindow::calcToggled(bool on) {
  usa_->setEnabled(on);
  canadian_->setEnabled(on);
  chk4_->setEnabled(on);
  if (!on) chk4_->setChecked(false);
}

void SettingsWindow::save() {
  readForm();
  saveSettingsForm(state_, form_);
  close();
}

}  // namespace teebrook
