#pragma once
// An icon kept in a PNG file, read when it is first drawn or measured rather than when it is
// made. A window icon made at start would otherwise be decoded (and Qt would first try every
// image-format plugin on the file) before the first window is painted, though many platforms
// never ask for its pixels and those that do ask only when they give a window its icon.
#include <QIcon>
#include <QString>

namespace orvelle {

QIcon PngFileIcon(const QString& file);

} // namespace orvelle
