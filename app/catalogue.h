#pragma once
// The window as it exists before any code runs: the form's own properties and
// one row per control, in stacking order. Nothing here changes at run time;
// the run-time state lives in Control (window.h).

#include <cstdint>
#include <span>
#include <string_view>

namespace velorin {

// A colour value &H00BBGGRR, or &H800000nn for the system colour nn.
struct Colour final {
  std::uint32_t value = 0;
  constexpr bool is_system() const { return (value & 0x80000000u) != 0; }
  constexpr int system_index() const { return static_cast<int>(value & 0xFFu); }
  constexpr int red() const { return static_cast<int>(value & 0xFFu); }
  constexpr int green() const { return static_cast<int>((value >> 8) & 0xFFu); }
  constexpr int blue() const { return static_cast<int>((value >> 16) & 0xFFu); }
  constexpr bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour DarkBlue{0x00C00000};
inline constexpr Colour White{0x00FFFFFF};
inline constexpr Colour DarkGreen{0x0000C000};
inline constexpr Colour Red{0x000000FF};
inline constexpr Colour LightRed{0x008080FF};
inline constexpr Colour Green{0x0000FF00};
inline constexpr Colour MintGreen{0x0080FF80};
inline constexpr Colour LightGreen{0x00C0FFC0};
inline constexpr Colour ButtonFace{0x8000000F};
inline constexpr Colour ButtonText{0x80000012};
inline constexpr Colour Window{0x80000005};
inline constexpr Colour WindowText{0x80000008};
}  // namespace colours

enum class Kind { Frame, Label, CommandButton, TextBox, PictureBox, OptionButton };
enum class Container { Form1, Frame1, Frame2 };
enum class BackStyle { Opaque, Transparent };
enum class Pointer { Default, Hand, VerticalResize };
enum class ButtonStyle { Standard, Graphical };
enum class Look { ThreeD, Flat };
enum class Picture { None, Insect, OcxArchive };

// Every font is "MS Sans Serif", western, upright; only size and weight vary.
struct Font final {
  int centipoints = 825;  // 8.25 pt
  bool bold = false;
  constexpr double points() const { return centipoints / 100.0; }
  constexpr auto operator<=>(const Font&) const = default;
};

namespace fonts {
inline constexpr Font WindowFont{825, false};
inline constexpr Font Bold8{825, true};
inline constexpr Font Bold9{975, true};
inline constexpr Font Bold12{1200, true};
}  // namespace fonts

struct ControlSpec final {
  std::string_view name = {};
  int index = -1;  // element of a control array, -1 for a single control
  Kind kind = Kind::Label;
  Container container = Container::Form1;
  int left = 0, top = 0, width = 0, height = 0;  // twips, from the container's corner
  int tab_index = 0;
  std::u16string_view caption = {};  // caption, or the initial text of a text box
  Colour fore = colours::ButtonText;
  Colour back = colours::ButtonFace;
  BackStyle back_style = BackStyle::Opaque;
  Font font = fonts::WindowFont;
  Pointer pointer = Pointer::Default;
  std::u16string_view tooltip = {};
  ButtonStyle style = ButtonStyle::Standard;
  Look look = Look::ThreeD;
  Picture picture = Picture::None;
  bool tab_stop = true;
  bool initially_selected = false;  // option buttons
};

struct FormSpec final {
  std::u16string_view caption;
  Colour back;
  int client_width, client_height;  // twips
  int frame_top, frame_bottom;      // the design system's frame around the client area
  Font font;
};

const FormSpec& form_spec();
std::span<const ControlSpec> catalogue();

}  // namespace velorin
