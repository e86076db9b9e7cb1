#pragma once
// Exported planner days (".pln") and notes (".nte"): their layout, the share folder they go to,
// and their writing and checked reading.
//
// A day file is the date "mm/dd/yy", a ":" and the content, with no line end: the 4100-byte
// day record for a planner day (4109 bytes in all), the note text with its CR LF line breaks for
// notes. Files passed around by mail and editors gain line ends and blanks at their end, or
// lose trailing blanks; the readers take them as the file was written. Files go to
// "<share root>Planners And Notes/", or to a sub-folder named after a contact.
// The planner window and the notes window each keep their own export file name and folder, so
// that an export from one never writes into the other's file.
#include "store/Dates.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvelle {

struct Store;

// What the open-file dialog was opened for; each mode belongs to the one dialog it opened.
enum class FileDialogMode : int {
    ExternalPlanner, // main window, "Open External Planner": "*.pln"
    ExternalNotes,   // main window, "Open External Notes": "*.nte"
    NotesImport,     // notes window, "Import External Notes": "*.nte;*.pln", starts at the share
    PlannerImport,   // planner window, "Import Planner File": "*.pln", starts at the share
    Terms,           // "Open Frequently Used Terms": "*.fut"
};

// The export a contact list window was opened for.
enum class ExportKind : int { None, Planner, Notes };

inline constexpr const char* kPlannersAndNotesFolder = "Planners And Notes";
inline constexpr int kDayFileHeaderLength = 9; // "mm/dd/yy:"

struct Exchange {
    // The planner window's export file: name with extension, folder with a trailing "/".
    // Empty name: none chosen yet. Cleared when a date's page opens and when the window closes.
    std::string gPlannerExportFileName;
    std::string gPlannerExportFolder;
    // The dates carried by the imported planner day and notes on show.
    Date gExternalPlannerDate = 0;
    Date gExternalNotesDate = 0;
    // The contact chosen in the contact list.
    std::string gContactName;
    std::string gContactEmail;
    // The e-mail's subject and contents last typed in the contact list; emptying a box keeps
    // them, and they outlast the window.
    std::string gEmailSubject;
    std::string gEmailBody;
};

// The share root, ending in "/": the mapped drive's folder, or the data folder when no drive is
// set (never the working directory).
std::string ShareRoot(const Store& s);
// The share's "Planners And Notes" folder, ending in "/". An existing sub-folder of that name in
// another letter case is the one used.
std::string SharePlannersFolder(const Store& s);

// A name usable as one file or folder name: not empty, not "." or "..", no / \ : * ? < > | and
// no control character.
bool PlainFileName(std::string_view name);

// "mm/dd/yy" of a day file; the two-digit year maps into the window around the current year.
std::optional<Date> ParseDayFileDate(std::string_view text);

struct ExchangeFileContent {
    Date date = 0;
    std::string body; // the record, or the note text
};
// The whole file checked: the date, the ":" after it, and for a planner day a record without
// line breaks (it becomes one line of the year file). Line ends and blanks after the record are
// not part of it, and a record cut short is completed as in the year file (PadPlannerRecord);
// an empty record, or anything else after one, is refused. A note keeps its text, but for line
// ends and blanks after a note of the longest length. nullopt with *why set otherwise.
std::optional<ExchangeFileContent> ParsePlannerDayFile(std::string_view content, std::string* why = nullptr);
std::optional<ExchangeFileContent> ParseNotesFile(std::string_view content, std::string* why = nullptr);

// Export of the open planner page (the page buffers) or the notes window's text, dated with the
// window's own date. Asks for a name when the window has none yet, refuses names that are no
// plain file name, creates the folders, asks before replacing another file, and reports where
// the file went. With a contact name the file goes to that contact's sub-folder. The window
// keeps the name and folder, so its next export writes the same file again. A share drive that
// is not there, or a link in the share on the way to the file, stops it before anything is
// made. Only writing an imported file back clears the window's changed flag. False when nothing
// was written.
bool SaveExternalPlanner(Store& s, const std::string& contactName = {});
bool SaveExternalNotes(Store& s, const std::string& contactName = {});

// Import of the file `name` in `folder`. A link in the share on the way to it is refused. The
// file is read and checked whole before anything changes; then the
// window's unsaved edits are offered for saving (Cancel stops). The notes window shows the
// imported text; the planner is loaded by `loadPlannerWindow` (which resets its page), takes
// the view's place and shows the day with its file's date as the selected date. False when
// nothing was imported.
bool ReadExternalNotes(Store& s, const std::string& folder, const std::string& name);
bool ReadExternalPlanner(Store& s, const std::string& folder, const std::string& name,
                         const std::function<void()>& loadPlannerWindow);

// The "mailto:" link for an e-mail to `address`: subject and body percent-encoded (UTF-8),
// every line break (CR LF, CR or LF) as "%0A".
std::string MailtoLink(const std::string& address, const std::string& subject, const std::string& body);

} // namespace orvelle
