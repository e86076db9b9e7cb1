#pragma once
// "Open File From...": the program's own picker for exported planner days (".pln"), exported
// notes (".nte") and term lists (".fut"). A location box (the file system root, the data folder
// and the share's "Planners And Notes" folder), the folders of the shown folder, and its files
// that match the dialog's pattern in any letter case. A click on a file asks for confirmation on
// a panel; OK hands the file to its reader by its extension, in any letter case.
//
// The mode (and with it the pattern and the reader) belongs to the one dialog it opened.
#include "store/Exchange.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace orvelle {

struct Store;

class frmFile : public QWidget {
    Q_OBJECT
public:
    frmFile(Store& store, FileDialogMode mode, QWidget* parent = nullptr);

    // Shows the dialog for `mode`, replacing the mode of one already open.
    static frmFile* Open(Store& store, FileDialogMode mode, QWidget* parent);

    // Location box entries (Drive1): 0 the file system root, 1 the data folder, 2 the share.
    enum Location { kRoot, kDataFolder, kShare };

    void Drive1_Change(int location);
    // Shows `folder` (Dir1.Path) with its sub-folders and matching files.
    void Dir1_Change(const std::string& folder);
    void FileList1_Click(const std::string& name);
    void cmdOpenOK_Click();
    void cmdOpenBack_Click();
    void cmdOpenCancel_Click();

    FileDialogMode Mode() const { return mode_; }
    // The folder shown, ending in "/", and the file picked (name only).
    const std::string& Folder() const { return folder_; }
    const std::string& SelectedFile() const { return selected_; }
    // "*.nte;*.pln" and the like.
    const std::string& Pattern() const { return pattern_; }
    // True when `name` matches one of the patterns, in any letter case.
    static bool MatchesPattern(const std::string& name, const std::string& pattern);

private:
    void SetMode(FileDialogMode mode);
    void Refill();

    Store& s_;
    FileDialogMode mode_;
    std::string pattern_;
    std::string folder_;
    std::string selected_;
    QComboBox* Drive1_;
    QLabel* lblPath_;
    QListWidget* Dir1_;
    QListWidget* FileList1_;
    QWidget* picFileOpen_;
    QLabel* lblOpenFileName_;
    bool changingDrive_ = false;
};

} // namespace orvelle
