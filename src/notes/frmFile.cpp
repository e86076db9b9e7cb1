#include "notes/frmFile.h"

#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/EscapeKey.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/DiskNames.h"
#include "store/Store.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace orvelle {
namespace fs = std::filesystem;
namespace {

constexpr const char* kCaption = "Open File From...";
constexpr const char* kTermsCaption = "Opening Frequent Terms File";

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Sorted without regard to case, as the list boxes show them.
void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = Lower(a), lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
}

// "*.ext" patterns; "*" alone matches everything.
bool MatchesOne(const std::string& lowerName, const std::string& lowerPattern) {
    if (lowerPattern == "*" || lowerPattern == "*.*") return true;
    if (lowerPattern.size() >= 2 && lowerPattern[0] == '*') {
        std::string tail = lowerPattern.substr(1);
        return lowerName.size() >= tail.size() && lowerName.compare(lowerName.size() - tail.size(), tail.size(), tail) == 0;
    }
    return lowerName == lowerPattern;
}

// A listed name: shown as the desktop shows it, carrying the name as it is on disk.
QListWidgetItem* NameItem(const std::string& diskName) {
    auto* item = new QListWidgetItem(FromFileSystem(diskName));
    item->setData(Qt::UserRole, QByteArray::fromStdString(diskName));
    return item;
}

std::string DiskNameOf(const QListWidgetItem* item) {
    QVariant v = item->data(Qt::UserRole);
    return v.isValid() ? v.toByteArray().toStdString() : item->text().toStdString();
}

} // namespace

frmFile::frmFile(Store& store, FileDialogMode mode, QWidget* parent)
    : QWidget(parent, Qt::Window), s_(store), mode_(mode) {
    setObjectName("frmFile");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName("Drive1");
    Drive1_->addItem("/  (file system root)");
    Drive1_->addItem("Data folder  " + FromFileSystem(s_.gAppPath));
    Drive1_->addItem("Share  " + FromFileSystem(SharePlannersFolder(s_)));
    connect(Drive1_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!changingDrive_) Drive1_Change(i);
    });
    lblPath_ = label("lblPath", "");
    lblPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Dir1_ = new QListWidget(this);
    Dir1_->setObjectName("Dir1");
    connect(Dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        std::string name = DiskNameOf(item);
        if (name == "..") {
            fs::path parent = fs::path(folder_).parent_path().parent_path();
            Dir1_Change(parent.empty() ? "/" : parent.string());
        } else {
            Dir1_Change(folder_ + name);
        }
    });
    FileList1_ = new QListWidget(this);
    FileList1_->setObjectName("FileList1");
    connect(FileList1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { FileList1_Click(NameFromDisk(DiskNameOf(item))); });
    // A file chosen with the keys counts as clicked: moved to, or Return or Space on the file
    // that stayed current after "Return to List".
    connect(FileList1_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) FileList1_Click(NameFromDisk(DiskNameOf(item)));
    });
    connect(FileList1_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { FileList1_Click(NameFromDisk(DiskNameOf(item))); });
    connect(FileList1_, &QListWidget::itemSelectionChanged, this, [this] {
        QListWidgetItem* item = FileList1_->currentItem();
        if (item && item->isSelected() && picFileOpen_->isHidden()) FileList1_Click(NameFromDisk(DiskNameOf(item)));
    });

    auto* lblHelp = label("lblHelp", "Double-Click on the Drive or Folder category to find the file you wish to open. "
                                     "Planner files have the extension .pln, Notes have the extension .nte.");
    lblHelp->setWordWrap(true);

    picFileOpen_ = new QFrame(this);
    picFileOpen_->setObjectName("picFileOpen");
    static_cast<QFrame*>(picFileOpen_)->setFrameShape(QFrame::StyledPanel);
    auto* lblPointOpen = new QLabel("Open...", picFileOpen_);
    lblPointOpen->setObjectName("lblPointOpen");
    lblOpenFileName_ = new QLabel(picFileOpen_);
    lblOpenFileName_->setObjectName("lblOpenFileName");
    auto button = [this](const char* name, const char* text, void (frmFile::*slot)()) {
        auto* b = new QPushButton(text, picFileOpen_);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* panel = new QHBoxLayout(picFileOpen_);
    panel->addWidget(lblPointOpen);
    panel->addWidget(lblOpenFileName_, 1);
    panel->addWidget(button("cmdOpenOK", "Open", &frmFile::cmdOpenOK_Click));
    panel->addWidget(button("cmdOpenBack", "Return to List", &frmFile::cmdOpenBack_Click));
    QPushButton* cancel = button("cmdOpenCancel", "Cancel", &frmFile::cmdOpenCancel_Click);
    panel->addWidget(cancel);
    // Esc cancels while the panel offers it.
    EscapePresses(cancel);
    picFileOpen_->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(label("lblDrive", "Drive:"), 0, 0);
    grid->addWidget(Drive1_, 0, 1);
    grid->addWidget(label("lblDir1", "Folder:"), 1, 0);
    grid->addWidget(lblPath_, 1, 1);
    grid->addWidget(Dir1_, 2, 0, 1, 2);
    grid->addWidget(label("lblFileList1", "File Name:"), 0, 2);
    grid->addWidget(FileList1_, 1, 2, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(lblHelp);
    layout->addWidget(picFileOpen_);
    resize(620, 420);

    SetMode(mode);
    KeepCaptionsWhole(this);
}

frmFile* frmFile::Open(Store& store, FileDialogMode mode, QWidget* parent) {
    QList<frmFile*> open;
    if (parent) {
        open = parent->findChildren<frmFile*>(QString(), Qt::FindDirectChildrenOnly);
    } else {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<frmFile*>(w)) open << f;
    }
    for (frmFile* f : open) {
        if (!f->isVisible()) continue;
        f->SetMode(mode);
        ShowInFront(f);
        return f;
    }
    auto* f = new frmFile(store, mode, parent);
    CenterForm(f);
    // The terms window, kept on top, opens it for another list: above that window.
    ShowInFront(f);
    return f;
}

void frmFile::SetMode(FileDialogMode mode) {
    mode_ = mode;
    switch (mode) {
    case FileDialogMode::ExternalPlanner:
    case FileDialogMode::PlannerImport: pattern_ = "*.pln"; break;
    case FileDialogMode::ExternalNotes: pattern_ = "*.nte"; break;
    case FileDialogMode::NotesImport: pattern_ = "*.nte;*.pln"; break;
    case FileDialogMode::Terms: pattern_ = "*.fut"; break;
    }
    cmdOpenBack_Click();
    if (mode == FileDialogMode::Terms) setWindowTitle(kTermsCaption);
    // The imports start at the share; the other openers at the data folder.
    bool share = mode == FileDialogMode::NotesImport || mode == FileDialogMode::PlannerImport;
    Drive1_Change(share ? kShare : kDataFolder);
}

bool frmFile::MatchesPattern(const std::string& name, const std::string& pattern) {
    std::string lowerName = Lower(name), lowerPattern = Lower(pattern);
    size_t start = 0;
    while (start <= lowerPattern.size()) {
        size_t end = lowerPattern.find(';', start);
        if (end == std::string::npos) end = lowerPattern.size();
        std::string one = lowerPattern.substr(start, end - start);
        if (!one.empty() && MatchesOne(lowerName, one)) return true;
        start = end + 1;
    }
    return false;
}

void frmFile::Drive1_Change(int location) {
    std::string folder;
    switch (location) {
    case kRoot: folder = "/"; break;
    case kDataFolder: folder = s_.gAppPath; break;
    default:
        // The share goes straight to its exported files; without them it is not there to show.
        folder = SharePlannersFolder(s_);
        if (!IsFolder(folder)) {
            s_.ui->MsgBox("This Drive is currently unavailable.", MsgButtons::OK, "");
            location = kDataFolder;
            folder = s_.gAppPath;
        }
        break;
    }
    changingDrive_ = true;
    Drive1_->setCurrentIndex(location);
    changingDrive_ = false;
    Dir1_Change(folder);
}

void frmFile::Dir1_Change(const std::string& folder) {
    folder_ = WithSlash(folder);
    lblPath_->setText(FromFileSystem(folder_));
    // A file picked in the folder being left is no longer on show.
    if (!selected_.empty() || picFileOpen_->isVisibleTo(this)) cmdOpenBack_Click();
    Refill();
}

void frmFile::Refill() {
    std::vector<std::string> folders, files;
    std::error_code ec;
    fs::directory_iterator it(folder_, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code typeEc;
        if (it->is_directory(typeEc)) {
            if (name[0] != '.') folders.push_back(name);
        } else if (it->is_regular_file(typeEc) && MatchesPattern(name, pattern_)) {
            files.push_back(name);
        }
    }
    SortNames(folders);
    SortNames(files);
    Dir1_->clear();
    if (folder_ != "/") Dir1_->addItem("..");
    for (const auto& f : folders) Dir1_->addItem(NameItem(f));
    FileList1_->clear();
    for (const auto& f : files) FileList1_->addItem(NameItem(f));
}

void frmFile::FileList1_Click(const std::string& name) {
    selected_ = name;
    setWindowTitle(FromCp1252("Open... " + name));
    lblOpenFileName_->setText(FromCp1252(name));
    picFileOpen_->show();
}

void frmFile::cmdOpenBack_Click() {
    selected_.clear();
    // The keyboard goes back to the list, on the file that was picked, no longer selected.
    QWidget* focus = QApplication::focusWidget();
    bool fromPanel = focus && picFileOpen_->isAncestorOf(focus);
    FileList1_->selectionModel()->clearSelection();
    picFileOpen_->hide();
    setWindowTitle(kCaption);
    if (fromPanel) FileList1_->setFocus(Qt::OtherFocusReason);
}

void frmFile::cmdOpenCancel_Click() { close(); }

void frmFile::cmdOpenOK_Click() {
    Store& s = s_;
    std::string folder = folder_, name = selected_;
    FileDialogMode mode = mode_;
    std::string ext = name.size() >= 4 ? Lower(name.substr(name.size() - 4)) : std::string();
    // The dialog goes first: the readers may open windows and ask questions of their own.
    close();
    if (name.empty()) return;
    if (ext == ".pln") {
        if (s.hooks.OpenExternalPlanner) s.hooks.OpenExternalPlanner(folder, name);
    } else if (ext == ".nte") {
        ReadExternalNotes(s, folder, name);
    } else if (ext == ".fut" && mode == FileDialogMode::Terms) {
        if (s.hooks.OpenTermsFile) s.hooks.OpenTermsFile(PathInFolder(folder, name));
    }
}

} // namespace orvelle
