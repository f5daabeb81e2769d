#pragma once

// Numbers of the program's pictures. Each picture is compiled in as ":/res/<number>.png" with a
// drawing for twice the pixel density beside it as ":/res/<number>@2x.png" (see pictures.h).
namespace orvane::res {

// Window icon of the calendar and the monitor: 32 x 32.
inline constexpr int IDI_MAINFRAME = 128;

// Decorations of the main window's frame, opaque, drawn onto the panel picture with a plain copy.
// They continue the outline of the panel drawn as QPainter draws, with a 1-pixel black pen,
// drawRoundedRect(QRect(26, 0, W - 54, H - 2), 15, 15) and the bottom strip's line on row H - 36
// (W x H: the window's client size): on the pixel columns 26 and W - 28 and the rows 0 and
// H - 2 at ratio 1, half a pixel up and left of them at ratio 2, as that pen falls there.
// The ears are rolled like the ends of a scroll; the bottom-left one keeps left of x = 16,
// where the status line's text begins.
inline constexpr int IDB_EAR_TOP_RIGHT = 138;   // 38 x 36 at (W - 39, 0): the width-resize ear
inline constexpr int IDB_EAR_BOTTOM_LEFT = 139; // 38 x 36 at (0, H - 36)
inline constexpr int IDB_SIZE_GRIP = 140;       // 31 x 40 at (W - 57, H - 41): the height grip

// Strips of three images (normal, pressed, focused) for CBitmapButtonEx, transparent around the
// glyph: the button fills its background colour first.
inline constexpr int IDB_PREV_MONTH = 148; // "<<": 60 x 30, images 20 x 30
inline constexpr int IDB_NEXT_MONTH = 149; // ">>": 60 x 30, images 20 x 30
inline constexpr int IDB_CLOSE = 150;      // "X": 60 x 20, images 20 x 20
inline constexpr int IDB_ABOUT = 153;      // "?": 60 x 20, images 20 x 20
inline constexpr int IDB_MINIMIZE = 155;   // "_": 60 x 20, images 20 x 20

// The tray icon: 16 x 16.
inline constexpr int IDI_TRAY = 156;

// Image list of the event tree: four 16 x 16 images (selected category, category, selected
// event, event); white is the transparent colour.
inline constexpr int IDB_EVENT_TREE = 157;
inline constexpr int kEventTreeImageSize = 16;

// Strips of three 30 x 16 images (normal, pressed, hot) for CToolTipButton; magenta is the
// transparent colour.
inline constexpr int IDB_MOVE_ONE_DOWN = 186; // one downward triangle
inline constexpr int IDB_MOVE_ONE_UP = 188;   // one upward triangle
inline constexpr int IDB_MOVE_ALL_DOWN = 190; // two downward triangles
inline constexpr int IDB_MOVE_ALL_UP = 192;   // two upward triangles

// The monitor: its toolbar strip of two 16 x 15 images ("open the calendar", "close") and the
// folded page corner, 38 x 36, drawn over the cut top-right corner at (W - 31, 0). Both are
// transparent around what they draw.
inline constexpr int IDR_MONITOR_TOOLBAR = 199;
inline constexpr int kMonitorToolbarImageWidth = 16;
inline constexpr int IDB_FOLDED_CORNER = 201;

// Strip of three 21 x 21 images (normal, pressed, hot) for the browse buttons of the exchange
// wizards (CToolTipButton); magenta is the transparent colour.
inline constexpr int IDB_BROWSE = 203;

// The about box's picture: 64 x 77, opaque.
inline constexpr int IDB_ABOUT_PICTURE = 141;

// The option tree's marks: a strip of four 13 x 13 images (check box on, check box off, radio
// button on, radio button off), and the settings' group images: 16 x 16 each (calendar,
// notice span, monitor). Magenta is the transparent colour of both.
inline constexpr int IDB_OPTION_MARKS = 210;
inline constexpr int IDB_OPTION_GROUPS = 211;

} // namespace orvane::res
