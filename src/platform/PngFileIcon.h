#pragma once
// An icon kept in a PNG file, decoded on a thread of its own from the moment it is made and waited
// for by whatever first draws or measures it. A window icon made at start would otherwise be
// decoded on the GUI thread before the first window is made, after Qt had loaded every image
// plugin to ask each whether it knows the file; the plugins are loaded on that thread too.
#include <QIcon>
#include <QString>

namespace orvelle {

QIcon PngFileIcon(const QString& file);

} // namespace orvelle
