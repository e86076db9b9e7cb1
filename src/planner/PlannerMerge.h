#pragma once
// Storing an imported planner page into the year files. An imported page belongs to the date
// of its day file, not to the date the planner showed before the import, and it may only
// replace a stored day after the user agreed.
#include "store/Dates.h"

namespace orvelle {

struct Store;

// Saves the page as the record of `target`. When that date already has a record, asks
// "A record with this date (mm/dd/yy)already exists. Overwrite existing record?"; No changes
// nothing and returns false. On success the selected date is `target` and the page is no
// longer an imported one.
bool MergePlannerPage(Store& s, Date target);

} // namespace orvelle
