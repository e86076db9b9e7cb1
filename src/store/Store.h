#pragma once
// The program's whole state: one object, created at start-up and handed to every window.
// Each member is one concern with its own header; procedures that work across them are free
// functions taking Store& first.
#include "store/Alerts.h"
#include "store/Birthdays.h"
#include "store/Contacts.h"
#include "store/DataFiles.h"
#include "store/DateModel.h"
#include "store/DateTools.h"
#include "store/EditingState.h"
#include "store/Exchange.h"
#include "store/HelpTopics.h"
#include "store/Holidays.h"
#include "store/IconFiles.h"
#include "store/MarkerCategories.h"
#include "store/Marks.h"
#include "store/NotesStore.h"
#include "store/PlannerPage.h"
#include "store/PlannerStore.h"
#include "store/Preferences.h"
#include "store/Prompter.h"
#include "store/Reports.h"
#include "store/SearchState.h"
#include "store/TermLists.h"
#include "store/ToDoList.h"
#include "store/UiFlags.h"
#include "store/UiHooks.h"
#include "store/ViewState.h"

#include <string>

namespace orvelle {

struct Store {
    // The data folder, always ending in "/".
    std::string gAppPath;

    UiFlags flags;
    UiHooks hooks;
    DateModel dates;
    Preferences prefs;
    MarkerCategories markers;
    NotesStore notes;
    PlannerStore planner;
    PlannerPage page;
    Holidays holidays;
    Alerts alerts;
    Birthdays birthdays;
    ToDoList todo;
    Contacts contacts;
    IconFiles icons;
    Marks marks;
    ViewState view;
    HelpTopics help;
    SearchState search;
    EditingState editing;
    Exchange exchange;
    TermLists terms;
    DataFileState files;
    DateTools dateTools;
    Reports reports;

    // Never null: a silent prompter until the GUI or a test installs its own.
    Prompter* ui = &silent_;

    explicit Store(std::string appPath = {}) : gAppPath(std::move(appPath)) {
        if (!gAppPath.empty() && gAppPath.back() != '/') gAppPath += '/';
    }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

private:
    SilentPrompter silent_;
};

} // namespace orvelle
