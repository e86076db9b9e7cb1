#include "views/ViewNavigation.h"

namespace orvelle {

Date StepOneMonth(Date selected, int direction) {
    Ymd d = SplitDate(selected);
    return DateSerial(d.year, d.month + (direction > 0 ? 1 : -1), 1);
}

Date StepSixMonths(Date selected, int direction) {
    Ymd d = SplitDate(selected);
    return DateSerial(d.year, d.month + (direction > 0 ? 6 : -6), 1);
}

Date StepOneYear(int shownYear, int direction) { return DateSerial(shownYear + (direction > 0 ? 1 : -1), 1, 1); }

} // namespace orvelle
