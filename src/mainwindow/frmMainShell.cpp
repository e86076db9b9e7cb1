#include "mainwindow/frmMain.h"

#include "mainwindow/PickerDate.h"
#include "platform/Cp1252.h"
#include "store/Clock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orvelle {

std::optional<Date> frmMain::PickerDate() const {
    return ReadPickerDate(ToCp1252(cmbMonth->currentText()), ToCp1252(cmbDay->currentText()),
                          ToCp1252(cmbYear->currentText()), Clock::CurrentYear());
}

QString frmMain::DateBoxText() const { return txtDate->text(); }
void frmMain::SetDateBoxText(const QString& text) { txtDate->setText(text); }
void frmMain::ClearDateBox() { txtDate->clear(); }

void frmMain::SetCellPositionTexts(int month, int column, int row) {
    lblMonth->setText(QString::number(month));
    lblX->setText(QString::number(column));
    lblY->setText(QString::number(row));
}

void frmMain::SetHolidayText(const QString& text) { lblHoliday->setText(text); }
void frmMain::SetTemplateText(const QString& text) { lblTemplate->setText(text); }
void frmMain::ShowTemplateText(bool shown) { lblTemplate->setVisible(shown); }
void frmMain::SetCursorPositionText(const QString& text) { lblCurPos->setText(text); }
void frmMain::SetCaption(const QString& text) { setWindowTitle(text); }

} // namespace orvelle
