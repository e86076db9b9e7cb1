#include "store/MarkerCategories.h"

#include "store/ErrorLog.h"
#include "store/FileChecks.h"
#include "store/Numbers.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace orvelle {
namespace {

const char* const kMarkerFile = "Marker Colors.dat";

struct Contrast {
    Color background;
    std::optional<Color> dialogText;
    Color calendarText;
};

// The 16 colours the colour dialog offers. The tables differ only for brown and black.
const Contrast kContrast[] = {
    {0x000000, std::nullopt, 0xFFFFFF}, {0x000080, 0xFFFFFF, 0xFFFFFF}, {0x0000FF, 0xFFFFFF, 0xFFFFFF},
    {0x004080, 0x00FFFF, 0xFFFFCC},     {0x0080FF, 0x000000, 0x000000}, {0x008000, 0xFFFFFF, 0xFFFFFF},
    {0x008080, 0xFFFFFF, 0xFFFFFF},     {0x00FF00, 0x000000, 0x000000}, {0x00FFFF, 0x000000, 0x000000},
    {0x800000, 0xFFFFFF, 0xFFFFFF},     {0x800080, 0xFFFFFF, 0xFFFFFF}, {0x808000, 0xFFFFFF, 0xFFFFFF},
    {0x808080, 0xFFFFFF, 0xFFFFFF},     {0xC0C0C0, 0x000000, 0x000000}, {0xFF0000, 0xFFFFFF, 0xFFFFFF},
    {0xFF00FF, 0x000000, 0x000000},     {0xFFFF00, 0x000000, 0x000000},
};

std::optional<Color> ParseColor(const std::string& text) {
    auto n = ParseNumber(text);
    if (!n) return std::nullopt;
    double v = std::nearbyint(*n);
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<Color>(v);
}

} // namespace

std::optional<Color> DialogLabelTextColor(Color background) {
    for (const Contrast& c : kContrast)
        if (c.background == background) return c.dialogText;
    return std::nullopt;
}

std::optional<Color> CalendarTextColor(Color background) {
    for (const Contrast& c : kContrast)
        if (c.background == background) return c.calendarText;
    return std::nullopt;
}

int MarkAsItemCategory(int item) {
    if (item < 0 || item >= kMarkAsItemCount) return -1;
    return item < 10 ? item : item + 2;
}

std::string MarkerLine(const std::string& caption, Color color, bool hidden) {
    // A caption is one line of the file.
    std::string line = caption;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    line += ':';
    line += std::to_string(color);
    if (hidden) line += "*";
    return line;
}

void ReadMarkerColors(Store& s) {
    MarkerCategories& m = s.markers;
    // Only a file that is not there at all is missing; anything else is told by the reader.
    if (!PathExists(s.gAppPath + kMarkerFile)) {
        LogError(s, "ReadMarkerColors", kErrFileNotFound, "File not found: " + s.gAppPath + kMarkerFile);
        return;
    }
    SkippedLines skipped(s, "ReadMarkerColors", s.gAppPath + kMarkerFile);
    auto lines = skipped.ReadLines();
    if (!lines) return;

    m.gMarkerMenuChecked.fill(true);
    // Lines past the 14th belong to no category.
    size_t count = std::min<size_t>(lines->size(), kMarkerCount);
    for (size_t i = count; i < lines->size(); ++i)
        if (!(*lines)[i].empty()) skipped.Skip(i + 1, (*lines)[i], "beyond the last category");
    for (size_t i = 0; i < count; ++i) {
        std::string line = (*lines)[i];
        bool hidden = !line.empty() && line.back() == '*';
        if (hidden) line.pop_back();
        // The colour follows the last ":", so a caption may hold ":" itself.
        size_t colon = line.rfind(':');
        std::optional<Color> color;
        if (colon != std::string::npos) color = ParseColor(line.substr(colon + 1));
        if (!color) {
            skipped.Skip(i + 1, (*lines)[i], "not caption:colour");
            continue;
        }
        m.gMarkerStoredHidden[i] = hidden;
        if (hidden) {
            m.gMarkerHidden[i] = -1;
            m.gMarkerMenuChecked[i] = false;
        }
        m.gMarkerColorTexts[i] = line.substr(colon + 1);
        m.gMarkerColors[i] = *color;
        m.gMarkerCaptions[i] = line.substr(0, colon);
    }
    if (count < kMarkerCount) {
        AppendToErrorLog(s, "ReadMarkerColors", kErrBadLine,
                         std::string(kMarkerFile) + " holds " + std::to_string(count) + " of " +
                             std::to_string(kMarkerCount) + " categories; the others keep their values");
    }
    m.gMarkerColorsLoaded = true;
    for (int i = 0; i < kMarkerCount; ++i)
        if (auto text = DialogLabelTextColor(m.gMarkerColors[i])) m.gMarkerTextColors[i] = *text;
}

void ReadMarkerColorsKeepingDisplay(Store& s) {
    MarkerCategories& m = s.markers;
    auto hidden = m.gMarkerHidden;
    auto ticked = m.gMarkerMenuChecked;
    ReadMarkerColors(s);
    m.gMarkerHidden = hidden;
    m.gMarkerMenuChecked = ticked;
}

bool SaveMarkerColors(Store& s) {
    MarkerCategories& m = s.markers;
    std::vector<std::string> lines;
    std::array<bool, kMarkerCount> stored = m.gMarkerStoredHidden;
    if (m.gSaveMarkerVisibility)
        for (int i = 0; i < kMarkerCount; ++i) stored[i] = m.gMarkerHidden[i] == -1;
    for (int i = 0; i < kMarkerCount; ++i) lines.push_back(MarkerLine(m.gMarkerCaptions[i], m.gMarkerColors[i], stored[i]));
    m.gSaveMarkerVisibility = false;

    if (!SaveDataFile(s, "SaveMarkerColors", s.gAppPath + kMarkerFile, JoinCrLf(lines))) return false;
    m.gMarkerStoredHidden = stored;
    s.ui->MsgBox("Marker Colors Saved.", MsgButtons::OK, "");
    return true;
}

void GetMarkTextColor(Store& s, Color color) {
    if (auto text = CalendarTextColor(color)) s.markers.gMarkTextColor = *text;
}

} // namespace orvelle
