#include "ui/resizer.h"

namespace teebrook {

int Resizer::findfrm(const std::string& window) const {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].name == window) return static_cast<int>(i);
  }
  return -1;
}

int Resizer::findctl(const std::string& control, int index, bool inArray, const std::string& window) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Entry& e = controls_[i];
    if (e.window == window && e.reference.name == control && (!inArray || e.reference.index == index)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int Resizer::regctl(const ControlGeometry& c, const std::string& window) {
  Entry e{c, window};
  e.reference.left = normalised(c.left);
  if (c.line) e.reference.width = normalised(c.width);  // X2 of a line
  controls_.push_back(e);
  return static_cast<int>(controls_.size()) - 1;
}

int Resizer::regfrm(const WindowGeometry& w, const std::vector<ControlGeometry>& controls) {
  windows_.push_back(w);
  const int at = static_cast<int>(windows_.size()) - 1;
  for (const auto& c : controls) {
    if (findctl(c.name, c.index, c.inArray, w.name) < 0) regctl(c, w.name);
  }
  return at;
}

long Resizer::wratio(const WindowGeometry& w, const std::vector<ControlGeometry>& controls) {
  int i = findfrm(w.name);
  if (i < 0) i = regfrm(w, controls);
  const long ref = windows_[static_cast<std::size_t>(i)].innerWidth;
  return ref > 0 ? w.innerWidth * 100 / ref : 100;
}

long Resizer::hratio(const WindowGeometry& w, const std::vector<ControlGeometry>& controls) {
  int i = findfrm(w.name);
  if (i < 0) i = regfrm(w, controls);
  const long ref = windows_[static_cast<std::size_t>(i)].innerHeight;
  return ref > 0 ? w.innerHeight * 100 / ref : 100;
}

std::vector<ControlGeometry> Resizer::scalefrm(const WindowGeometry& w,
                                               const std::vector<ControlGeometry>& controls) {
  if (busy_) return {};
  busy_ = true;
  std::vector<ControlGeometry> out;
  if (w.top < 30000) {
    const long W = wratio(w, controls), H = hratio(w, controls);
    for (const auto& c : controls) {
      int i = findctl(c.name, c.index, c.inArray, w.name);
      if (i < 0) i = regctl(c, w.name);  // a control made after the window was registered
      const ControlGeometry& e = controls_[static_cast<std::size_t>(i)].reference;
      ControlGeometry n = c;
      const auto x = [&](long ref, long current) {
        return current < 0 ? W * ref / 100 - kParked : W * ref / 100;
      };
      if (c.line) {
        n.left = x(e.left, c.left);
        n.width = x(e.width, c.width);
        n.top = H * e.top / 100;
        n.height = H * e.height / 100;
      } else {
        n.left = x(e.left, c.left);
        n.top = H * e.top / 100;
        n.width = W * e.width / 100;
        n.height = H * e.height / 100;
      }
      out.push_back(n);
    }
  }
  busy_ = false;
  return out;
}

void Resizer::savefrm(const WindowGeometry& w, const std::vector<ControlGeometry>& controls) {
  int i = findfrm(w.name);
  if (i < 0) i = regfrm(w, controls);
  WindowGeometry& e = windows_[static_cast<std::size_t>(i)];
  e.top = w.top;
  e.left = w.left;
  e.height = w.height;
  e.width = w.width;
}

}  // namespace teebrook
