// The effect list in the program colours: the colours of each row from the custom-draw replies and from
// the list's own painting, and the moments the colouring follows the enabled row.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/menu_layout.h"
#include "effects/effect_list.h"
#include "effects/effect_list_text.h"
#include "overlay/overlay_controller.h"
#include "prefs_list_draw.h"
#include "test_program.h"

namespace corvanta {
namespace {

using testing::CustomDraw;
using testing::PumpUntil;
using testing::SelectOnly;
using testing::TestProgram;

class ListColouringTest : public ::testing::Test {
 protected:
  // Five presets; the enabled one is row 2.
  void Start(const std::string& colours = testing::kDefaultColourSection) {
    program_.WriteConfig("[Config]\r\nFirst=1\r\nSetP=C\r\nGetC=2\r\nGetP=0\r\nTop=0\r\n" + colours);
    program_.dir.MakeFolder("\\Effect");
    program_.dir.MakeFolder("\\Effect\\C");
    program_.dir.MakeFolder("\\Effect\\P");
    for (const char* name : {"a", "b", "c", "d", "e"}) {
      program_.dir.WriteFile(std::string("\\Effect\\C\\") + name + ".ini", "[Linetype]\r\nPixelsize=1\r\n");
    }
    program_.dir.WriteFile("\\Effect\\P\\p.bmp", "");
    program_.Start();
    ASSERT_TRUE(PumpUntil([&] { return Main().List().RowCount() == 5; }));
  }
  MainWindow& Main() { return program_.Main(); }
  HWND List() { return Main().List().Hwnd(); }

  TestProgram program_;
};

TEST_F(ListColouringTest, DefaultSchemeRowsFromTheCustomDrawReplies) {
  Start();
  SelectOnly(Main(), -1);
  const testing::DrawnRow prepaint = CustomDraw(Main(), 0, CDDS_PREPAINT);
  EXPECT_EQ(prepaint.reply, CDRF_NOTIFYITEMDRAW);

  struct Case {
    int row;
    COLORREF text;
    COLORREF background;
  };
  const Case plain[] = {{0, RGB(44, 44, 44), RGB(240, 240, 240)},
                        {1, RGB(44, 44, 44), RGB(230, 230, 230)},
                        {2, RGB(44, 44, 44), RGB(188, 199, 212)},  // the enabled row
                        {3, RGB(44, 44, 44), RGB(230, 230, 230)},
                        {4, RGB(44, 44, 44), RGB(240, 240, 240)}};
  for (const Case& c : plain) {
    const testing::DrawnRow drawn = CustomDraw(Main(), c.row);
    EXPECT_EQ(drawn.text, c.text) << c.row;
    EXPECT_EQ(drawn.background, c.background) << c.row;
    EXPECT_EQ(drawn.reply, CDRF_DODEFAULT);
  }
  // A selected row shows the selected colours whatever it would have had, the enabled row too, and the
  // list draws no highlight of its own over them.
  for (int row : {1, 2, 4}) {
    SelectOnly(Main(), row);
    const testing::DrawnRow drawn = CustomDraw(Main(), row);
    EXPECT_EQ(drawn.text, RGB(255, 255, 0)) << row;
    EXPECT_EQ(drawn.background, RGB(111, 127, 156)) << row;
    EXPECT_EQ(drawn.itemState, 0u) << row;
  }
  EXPECT_EQ(ListView_GetBkColor(List()), RGB(240, 240, 240));
}

TEST_F(ListColouringTest, TheListPaintsItsRowsInTheSchemeColours) {
  // Colours no theme would give: C2 enabled background, C3 alternate, C4 selected, C7 even rows, C8 no rows.
  Start("[Color]\r\nC1=0\r\nC2=" + std::to_string(RGB(10, 200, 30)) + "\r\nC3=" + std::to_string(RGB(200, 10, 30)) +
        "\r\nC4=" + std::to_string(RGB(30, 10, 200)) + "\r\nC5=16777215\r\nC6=0\r\nC7=" +
        std::to_string(RGB(250, 240, 10)) + "\r\nC8=" + std::to_string(RGB(20, 120, 120)) + "\r\nC9=65280\r\n");
  SelectOnly(Main(), 4);
  const testing::PaintedList painted(List());
  EXPECT_EQ(painted.RowBackground(0), RGB(250, 240, 10));
  EXPECT_EQ(painted.RowBackground(1), RGB(200, 10, 30));
  EXPECT_EQ(painted.RowBackground(2), RGB(10, 200, 30));
  EXPECT_EQ(painted.RowBackground(3), RGB(200, 10, 30));
  EXPECT_EQ(painted.RowBackground(4), RGB(30, 10, 200));
  EXPECT_EQ(ListView_GetBkColor(List()), RGB(20, 120, 120));  // the area without rows
}

TEST_F(ListColouringTest, TheMarkFollowsDoubleClickAndModeChangeButNotTheMenuItem) {
  Start();
  SelectOnly(Main(), -1);
  ASSERT_EQ(CustomDraw(Main(), 2).background, RGB(188, 199, 212));

  // "启用选中效果" enables row 4 without recolouring: the mark stays on row 2 until the next fill.
  SelectOnly(Main(), 4);
  SendMessageW(Main().Hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::kEnableSelected), 0);
  ASSERT_EQ(Main().List().StatusAt(4), kStatusEnabled);
  SelectOnly(Main(), -1);
  EXPECT_EQ(CustomDraw(Main(), 2).background, RGB(188, 199, 212));
  EXPECT_EQ(CustomDraw(Main(), 4).background, RGB(240, 240, 240));

  // A double-click enables row 3 and moves the mark there, alone.
  SelectOnly(Main(), 3);
  NMHDR click{List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())), static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(Main().Hwnd(), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
  SelectOnly(Main(), -1);
  EXPECT_EQ(CustomDraw(Main(), 3).background, RGB(188, 199, 212));
  EXPECT_EQ(CustomDraw(Main(), 2).background, RGB(240, 240, 240));
  EXPECT_EQ(CustomDraw(Main(), 4).background, RGB(240, 240, 240));

  // Picture mode marks its own enabled row (GetP = 0) once its list is filled.
  SendMessageW(Main().Control(ControlId::kPictureModeCheckbox), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !program_.StartupTimersPending() && Main().List().RowCount() == 1; }));
  SelectOnly(Main(), -1);
  EXPECT_EQ(CustomDraw(Main(), 0).background, RGB(188, 199, 212));
  EXPECT_EQ(Main().List().ColouredIndex(), 0);
}

}  // namespace
}  // namespace corvanta
