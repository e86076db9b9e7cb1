#pragma once
// Lists of frequently used terms: "<name>.fut" files in the data folder, one term per line,
// joined by CR LF with none after the last. Exactly one list is current (prefs.gFUTFileName);
// the terms window shows it and its editing commands change the working rows and save them at
// once. The window only shows this state; hooks.RefreshTermsWindow asks it to look again.
#include "store/TermCompletion.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

// The window whose box the terms window writes into and gives the keyboard back to.
enum class TypingBox { None, PlannerLine, NotesBox };

struct TermLists {
    // The current list's terms as last read, in file order; completion matches against these.
    std::vector<std::string> gFUTTerms;
    // The rows of the terms window's list: the working copy that saving writes.
    std::vector<std::string> rows;
    // The list of lists (file names with ".fut"), shown in place of the terms while picking.
    std::vector<std::string> moreFiles;
    bool gShowingMoreFUT = false;
    // The terms window's File menu and its delete command (off while the list of lists shows).
    bool mnuFileEnabled = true;
    bool mnuFileDeleteEnabled = true;
    // Position of the next-list command in the list of lists.
    int gFUTFileIndex = 0;
    bool gFUTFileCreated = false;
    // The terms window is loaded / on screen (set by the window).
    bool gFUTWindowLoaded = false;
    bool gFUTWindowVisible = false;
    // The window caption: the current list's name without ".fut".
    std::string caption;
    // The word being typed in a planner line or the notes box, for the completion.
    CompletionWord gCompletionWord;
    // Of the planner and notes windows, the one the user worked in last (set by the windows as
    // their box gets the keyboard or they are brought up).
    TypingBox typingIn = TypingBox::None;
};

// Drag data of a term dragged out of the terms window (the term's bytes).
constexpr const char* kTermDragFormat = "application/x-orvelle-term";

// "Work.fut" -> "Work".
std::string FUTDisplayName(const std::string& fileName);
// The ".fut" files of a folder, sorted by name without regard to case (ties by bytes), so the
// next-list key runs in the same order everywhere.
std::vector<std::string> ListFUTFiles(const std::string& folder);
// The terms of a file's content: lines end at CR LF, CR or LF; a final break adds no term.
std::vector<std::string> SplitTerms(const std::string& content);
// The rows joined by CR LF, none after the last.
std::string JoinTerms(const std::vector<std::string>& rows);

// A list's file name: one plain name in the data folder ending in ".fut", with no control
// character and a stem other than dots.
bool ValidFUTFileName(std::string_view name);
// The check as the name boxes give it: true (after telling why) when the name cannot be used.
bool RefusedFUTFileName(Store& s, const std::string& name);

bool FUTFileExists(Store& s);
// Loads the current list into gFUTTerms and the rows. No list named: "File not found.". A name
// that cannot be a list's, or something not a regular file in its place, is refused with a
// message; an oversized file is refused as every list file is.
void ReadFrequentlyUsedTerms(Store& s);
// Writes the rows to the current list's file (atomically); false, told and logged, when it could not.
bool SaveFrequentlyUsedTerms(Store& s);
// Asks for a name and makes an empty list of it the current list name.
void CreateNewFUTFile(Store& s);
// "Make this the Default Frequent Terms List".
void MakeDefaultFUTFile(Store& s);
// "Delete this Frequent Terms List"; refused for the default list.
void DeleteCurrentFUTFile(Store& s);
// Fills the list of lists and shows it in place of the terms (F2), when the window is on screen.
void ShowAllFUTFiles(Store& s);
// A click or Enter on row `row` of the list of lists (-1: none selected).
void PickFUTFile(Store& s, int row);
void SelectFUTFileByIndex(Store& s);
// The next list in the list of lists, cyclically (F3).
void NextFUTFile(Store& s);

// The terms window's editing commands; each saves the list and reads it back (a failed save
// leaves the rows as they were). With no list named, adding asks for a new list, made the default.
void AddFUTTerm(Store& s, const std::string& text);
// Removes row `row` (when there is one) and adds the text at the end.
void EditFUTTerm(Store& s, int row, const std::string& text);
void RemoveFUTTerm(Store& s, int row);
// "Delete all Items in this List", with its question.
void ClearFUTList(Store& s);
// The case buttons: 0 lower, 1 proper, 2 upper; the terms change but nothing is saved.
void ChangeFUTCase(Store& s, int style);
// "Show All Frequent Terms Files" of the terms window's menu.
void mnuFileShowAll(Store& s);

// Opening a terms file picked in the open-file dialog: a file outside the data folder is copied
// in first (asking before overwriting a list of that name), then it becomes the current list.
// False when nothing was opened.
bool OpenFrequentlyUsedTermsFile(Store& s, const std::string& path);

// "Left=11820:Top=3045:Width=2805:Height=6345", numbers in their shortest form.
std::string FUTPositionText(double left, double top, double width, double height);
// "Save Window Position and Size": preference lines 19 and 20, saved.
bool SaveFUTWindowPosition(Store& s, double left, double top, double width, double height);

// The term preferences: "Start Suggesting Terms ... After" as typed, 1..32767 keystrokes; empty
// or not a number counts as empty (0 keystrokes to wait for).
int StartPositionFromText(const std::string& text);
// "Save and Exit" of the term preferences: lines 11 to 14, saved and read back; the current
// list stays current.
bool SaveTermPreferences(Store& s, bool showFUT, bool minimizeFUT, bool autoCompleteWord, int startPosition);

// The box the terms window writes into and gives the keyboard back to: the planner's current
// line or the notes box; when both windows are open, the one of the window the user worked in
// last (the planner's while that is not known). None when neither is open.
TypingBox TypingWindow(const Store& s);
// Gives that box the keyboard, with its window.
void FocusTypingBox(Store& s);

// F2 (list of lists) or F3 (next list) in the planner or notes window: only while the terms
// window is loaded; true when the key was taken.
bool TermListKey(Store& s, bool f2);
// The planner or notes window opening: the terms window comes up with it when "Show FUT:" says
// so, minimised when "Minimize FUT:" says so.
void ShowTermsWithTypingWindow(Store& s);
// The completion switch and threshold of the moment.
CompletionRules TermRules(const Store& s, bool notesBox);

// Defaults of the terms window's place (twips) when no usable position is kept.
void SetDefaultFUTGeometry(Store& s, double screenWidthTwips);

} // namespace orvelle
