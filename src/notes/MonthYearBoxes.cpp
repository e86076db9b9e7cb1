#include "notes/MonthYearBoxes.h"

#include "platform/ShownEntry.h"
#include "store/Clock.h"
#include "store/Dates.h"

#include <QComboBox>

namespace orvelle {

void LoadMonthAndYearBoxes(QComboBox* cmbMonth, QComboBox* cmbYear) {
    cmbMonth->clear();
    cmbMonth->addItem("All Months");
    for (int m = 1; m <= 12; ++m) cmbMonth->addItem(QString::fromStdString(MonthName(m)));
    cmbMonth->setCurrentIndex(0);
    cmbYear->clear();
    int current = Clock::CurrentYear();
    for (int y = kFirstListedYear; y <= LastListedYear(current); ++y) cmbYear->addItem(QString::number(y));
    // A current year outside the list still stands in the box.
    ShowEntryText(cmbYear, QString::number(current));
    FollowShownEntry(cmbYear);
    if (cmbMonth->isEditable()) FollowShownEntry(cmbMonth);
}

int ChosenMonth(const QComboBox* cmbMonth) {
    int m = MonthFromName(cmbMonth->currentText().trimmed().toStdString());
    return m;
}

int ChosenYear(QComboBox* cmbYear) {
    bool ok = false;
    int y = cmbYear->currentText().trimmed().toInt(&ok);
    if (!ok || y < 1900 || y > 9999) {
        y = Clock::CurrentYear();
        ShowEntryText(cmbYear, QString::number(y));
    }
    return y;
}

} // namespace orvelle
