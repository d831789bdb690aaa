#include "ui/resizer.h"

#include <gtest/gtest.h>

namespace teebrook {
namespace {

WindowGeometry window(long innerWidth, long innerHeight) {
  WindowGeometry w;
  w.name = "scor";
  w.innerWidth = innerWidth;
  w.innerHeight = innerHeight;
  return w;
}

ControlGeometry control(const char* name, int index, long l, long t, long w, long h) {
  ControlGeometry c;
  c.name = name;
  c.index = index;
  c.inArray = index >= 0;
  if (index < 0) c.index = 0;
  c.left = l;
  c.top = t;
  c.width = w;
  c.height = h;
  return c;
}

TEST(Resizer, ScalesInProportionToTheFirstSize) {
  Resizer r;
  const std::vector<ControlGeometry> design = {control("text2", 0, 600, 3450, 370, 315),
                                               control("text2", 1, 980, 3450, 370, 315),
                                               control("List1", -1, 60, 960, 3555, 1860)};
  EXPECT_TRUE(r.scalefrm(window(8295, 4215), design) == design);  // the first call is the reference
  EXPECT_EQ(r.findfrm("scor"), 0);
  EXPECT_EQ(r.findctl("text2", 1, true, "scor"), 1);
  EXPECT_EQ(r.findctl("List1", 0, false, "scor"), 2);
  EXPECT_EQ(r.findctl("List1", 0, false, "tcrs"), -1);

  // Doubling the width doubles lefts and widths and keeps tops and heights.
  auto scaled = r.scalefrm(window(2 * 8295, 4215), design);
  ASSERT_EQ(scaled.size(), 3u);
  EXPECT_EQ(scaled[1].left, 1960);
  EXPECT_EQ(scaled[1].width, 740);
  EXPECT_EQ(scaled[1].top, 3450);
  EXPECT_EQ(scaled[1].height, 315);
  // Later calls scale against the reference, not the last size.
  scaled = r.scalefrm(window(8295 / 3 + 1, 4215 / 3 + 1), scaled);
  EXPECT_EQ(r.wratio(window(8295 / 3 + 1, 4215 / 3 + 1), {}), 33);
  EXPECT_EQ(scaled[2].width, 33 * 3555 / 100);
  EXPECT_EQ(scaled[2].height, 33 * 1860 / 100);
  EXPECT_EQ(scaled[0].left, 198);
}

TEST(Resizer, ControlsOnHiddenTabPages) {
  Resizer r;
  const std::vector<ControlGeometry> design = {control("Text1", 3, -74640, 500, 1000, 300)};
  r.scalefrm(window(1000, 1000), design);
  auto scaled = r.scalefrm(window(1500, 1000), design);
  EXPECT_EQ(scaled[0].left, -74460);  // 150 % of 360, parked again
  ControlGeometry shown = design[0];
  shown.left = 360;  // its page is selected
  scaled = r.scalefrm(window(1500, 1000), {shown});
  EXPECT_EQ(scaled[0].left, 540);
}

TEST(Resizer, LinesScaleTheirEndPoints) {
  Resizer r;
  ControlGeometry line = control("Line1", -1, 100, 200, 900, 200);  // X1, Y1, X2, Y2
  line.line = true;
  r.scalefrm(window(1000, 1000), {line});
  const auto scaled = r.scalefrm(window(2000, 500), {line});
  EXPECT_EQ(scaled[0].left, 200);
  EXPECT_EQ(scaled[0].width, 1800);
  EXPECT_EQ(scaled[0].top, 100);
  EXPECT_EQ(scaled[0].height, 100);
}

TEST(Resizer, ReentryAndMinimisedWindowsDoNothing) {
  Resizer r;
  const std::vector<ControlGeometry> design = {control("cmd3", -1, 100, 100, 100, 100)};
  r.scalefrm(window(1000, 1000), design);
  r.setBusy(true);
  EXPECT_TRUE(r.scalefrm(window(2000, 2000), design).empty());
  r.setBusy(false);
  WindowGeometry minimised = window(2000, 2000);
  minimised.top = 30000;
  EXPECT_TRUE(r.scalefrm(minimised, design).empty());
  EXPECT_EQ(r.scalefrm(window(2000, 2000), design)[0].left, 200);
}

}  // namespace
}  // namespace teebrook
