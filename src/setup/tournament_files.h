#pragma once
// Choosing, creating and deleting tournament files, without the window's widgets.
#include <optional>
#include <string>
#include <vector>

#include "data/state.h"

namespace teebrook {

// The tournament files of the data folder ("*.tnt" in any case), sorted by name.
std::vector<std::string> listTournamentFiles(const State& s);

// The name of an existing file of the data folder that matches without regard to case.
std::optional<std::string> findFileNoCase(const State& s, const std::string& name);

// Completes a typed name to a tournament file name: LEAGUE → LEAGUE.TNT, TOURNAMENT → TOURNAME.TNT,
// LEAGUE. → LEAGUE.TNT, GOLF.DOC → GOLF.TNT. The error is the message to show when it cannot be
// completed into a file name of the data folder.
struct CompletedName {
  std::string name;
  std::string error;
};
CompletedName completeName(const std::string& typed);

// Opens an existing tournament with a course attached: every player gets the course, and a player
// with an index gets the handicap of that index on the course's slope, with the percentage
// allowance; then the indexes are built.
bool openExistingTournament(State& s, const std::string& name, int course);

class TournamentFileForm {
 public:
  enum class Result { Stay, Closed, Opened };

  explicit TournamentFileForm(State& state) : s_(state) {}

  std::vector<std::string> files;    // File1
  std::string chosen;                // Panel3D1
  std::string newName;               // Text1
  std::vector<std::string> courses;  // Combo1, sorted
  int course = 0;                    // the course setting chosen in Combo1

  // Load and activation: the file list, the course settings with the first one chosen.
  void activate();
  void chooseCourse(int record);
  // Choosing a file: shows it and selects the course its first player stores.
  void chooseFile(const std::string& name);
  // The new name box is left: no file is chosen any more.
  void newNameLeft();
  bool deleteFile();
  // Continue: opens the chosen file or creates the new one and loads it as the tournament.
  Result continueOn();

 private:
  static bool present(const std::string& text);
  State& s_;
};

}  // namespace teebrook
