#include "platform/QtDates.h"

namespace orvelle {
namespace {

const QDate kDayZero(1899, 12, 30);

} // namespace

QDate ToQDate(Date d) { return kDayZero.addDays(d); }

Date FromQDate(const QDate& d) { return d.isValid() ? static_cast<Date>(kDayZero.daysTo(d)) : 0; }

} // namespace orvelle
