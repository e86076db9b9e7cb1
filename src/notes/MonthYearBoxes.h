#pragma once
// The month and year boxes of the note and planner list and the phrase search: "All Months"
// and the month names; the years 2008 to the current year + 10, showing the current year.
class QComboBox;

namespace orvelle {

void LoadMonthAndYearBoxes(QComboBox* cmbMonth, QComboBox* cmbYear);
// 0 for "All Months", else the month 1-12.
int ChosenMonth(const QComboBox* cmbMonth);
// The year the box shows; a text that names no year shows and gives the current year.
int ChosenYear(QComboBox* cmbYear);

} // namespace orvelle
