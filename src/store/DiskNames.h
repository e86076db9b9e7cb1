#pragma once
// Names as the program holds them and as the disk holds them. The program's texts are
// Windows-1252 bytes; the desktop names files in UTF-8. Every name the user types that becomes a
// file or folder name (an exported planner day or note, a contact's folder, a term list) goes
// to disk through DiskName and comes back through NameFromDisk; file contents are not touched.
// A name written by an older copy as raw Windows-1252 bytes is still found and read back.
#include <string>
#include <string_view>

namespace orvelle {

// The Unicode code point of one Windows-1252 byte; the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same value.
char32_t Cp1252CodePoint(unsigned char byte);

// The Windows-1252 byte of a code point; false when it has none.
bool Cp1252ByteOf(char32_t c, char& out);

// The Windows-1252 name in UTF-8.
std::string DiskName(std::string_view name);

// A name or path read from the disk, as the program holds it: valid UTF-8 whose every character
// has a Windows-1252 form is turned back; anything else (the Windows-1252 bytes of an older copy)
// is kept byte for byte.
std::string NameFromDisk(std::string_view diskName);

// True when the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

// The path of `name` in `folder` (a disk path, ending in "/"): the UTF-8 name, unless only a
// file or folder under the raw Windows-1252 bytes of the name is there.
std::string PathInFolder(const std::string& folder, const std::string& name);

} // namespace orvelle
