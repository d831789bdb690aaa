#pragma once
// The program's help: its own HTML pages, one per topic number, in a help window.
#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "data/platform.h"

namespace teebrook {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  HelpWindow();
  // Shows the page of the topic; false when the program has no such page.
  bool showTopic(int topic);
  int topic() const { return topic_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  int topic_ = 0;
};

// `hlptopic`: opens the help window at a topic; close() at shutdown.
class QtHelp final : public Help {
 public:
  void show(int topic) override;
  void close() override;
  HelpWindow* window() const { return window_.get(); }

 private:
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace teebrook
