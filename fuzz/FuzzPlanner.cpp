#include "FuzzSupport.h"
#include "store/PlannerRecord.h"

// The year file and then every record of it through the page reader.
ORVELLE_FUZZ_READER("2009/Planner.dat", {
    orvelle::ReadThisYearsPlanner(s);
    for (const auto& record : s.planner.gThisYearsPlannerRecords) orvelle::ReadPlannerRecord(record, s.page);
})
