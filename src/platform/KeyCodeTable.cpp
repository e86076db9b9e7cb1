#include "platform/KeyCodeTable.h"

#include <array>
#include <utility>

namespace orvelle {

namespace {

// Keys that are not letters or digits. Shifted symbols carry the code of the key they are on.
constexpr std::array<std::pair<int, int>, 61> kKeys{{
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},      {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},         {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},       {Qt::Key_Up, 38},          {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},      {Qt::Key_F1, 112},         {Qt::Key_F2, 113},
    {Qt::Key_F3, 114},        {Qt::Key_F4, 115},         {Qt::Key_F5, 116},         {Qt::Key_F6, 117},
    {Qt::Key_F7, 118},        {Qt::Key_F8, 119},         {Qt::Key_F9, 120},         {Qt::Key_F10, 121},
    {Qt::Key_F11, 122},       {Qt::Key_F12, 123},        {Qt::Key_Semicolon, 186},  {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},     {Qt::Key_Minus, 189},      {Qt::Key_Period, 190},     {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_Exclam, 49},     {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},     {Qt::Key_Percent, 53},     {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},   {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},  {Qt::Key_Underscore, 189},
    {Qt::Key_Plus, 187},      {Qt::Key_Colon, 186},      {Qt::Key_QuoteDbl, 222},   {Qt::Key_Less, 188},
    {Qt::Key_Greater, 190},
}};

} // namespace

int KeyCodeFromQtKey(int qtKey) {
    // Qt numbers letters and digits by their upper-case characters, as the key codes do.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    for (const auto& [key, code] : kKeys)
        if (key == qtKey) return code;
    return 0;
}

int QtKeyFromKeyCode(int keyCode) {
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) return keyCode;
    // The first entry of a code is its plain key.
    for (const auto& [key, code] : kKeys)
        if (code == keyCode) return key;
    return Qt::Key_unknown;
}

int ShiftStateOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) + (m & Qt::ControlModifier ? 2 : 0) + (m & Qt::AltModifier ? 4 : 0);
}

Qt::KeyboardModifiers ModifiersOf(int shift) {
    Qt::KeyboardModifiers m;
    if (shift & 1) m |= Qt::ShiftModifier;
    if (shift & 2) m |= Qt::ControlModifier;
    if (shift & 4) m |= Qt::AltModifier;
    return m;
}

} // namespace orvelle
