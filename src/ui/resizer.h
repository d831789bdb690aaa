#pragma once
// Proportional resizing of windows: every control keeps its place and size in proportion to the
// window's inner size when the window was first registered. Whole numbers, integer division.
#include <string>
#include <vector>

namespace teebrook {

// A control's geometry in twips; for a line, left/top/width/height hold X1/Y1/X2/Y2.
struct ControlGeometry {
  std::string name;
  int index = 0;         // within a control array
  bool inArray = false;  // a control that is not part of an array matches on its name alone
  long left = 0, top = 0, width = 0, height = 0;
  bool line = false;
  bool operator==(const ControlGeometry&) const = default;
};

struct WindowGeometry {
  std::string name;
  long top = 0, left = 0, height = 0, width = 0;  // outer
  long innerHeight = 0, innerWidth = 0;
};

class Resizer {
 public:
  // Hidden tab pages park their controls this far to the left.
  static constexpr long kParked = 75000;

  int findfrm(const std::string& window) const;
  int findctl(const std::string& control, int index, bool inArray, const std::string& window) const;
  // Registers the window with its current geometry as the reference, and its controls not yet known.
  int regfrm(const WindowGeometry& w, const std::vector<ControlGeometry>& controls);
  int regctl(const ControlGeometry& c, const std::string& window);
  // Current inner width / height in whole percent of the registered one (registers on first use).
  long wratio(const WindowGeometry& w, const std::vector<ControlGeometry>& controls);
  long hratio(const WindowGeometry& w, const std::vector<ControlGeometry>& controls);

  // The new geometry of every control for the window's current inner size; empty while a scaling
  // runs already, or for a minimised window (top at 30000 twips or more).
  std::vector<ControlGeometry> scalefrm(const WindowGeometry& w,
                                        const std::vector<ControlGeometry>& controls);
  // Stores the window's current outer geometry, registering it if need be.
  void savefrm(const WindowGeometry& w, const std::vector<ControlGeometry>& controls);

  // Held by the adapter while it applies a scaling, so that the resize events it raises do nothing.
  bool busy() const { return busy_; }
  void setBusy(bool b) { busy_ = b; }

 private:
  static long normalised(long left) { return left < 0 ? left + kParked : left; }
  std::vector<WindowGeometry> windows_;
  struct Entry {
    ControlGeometry reference;
    std::string window;
  };
  std::vector<Entry> controls_;
  bool busy_ = false;
};

}  // namespace teebrook
