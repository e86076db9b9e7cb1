#pragma once
// Day serials (store/Dates.h) at the Qt edge, for widgets that take a QDate.
#include "store/Dates.h"

#include <QDate>

namespace orvelle {

QDate ToQDate(Date d);
// An invalid QDate gives 0 (30 December 1899).
Date FromQDate(const QDate& d);

} // namespace orvelle
