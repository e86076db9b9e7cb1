// frmBDay's File menu printing: the record in the editor, and the whole or the selected rows of
// the list shown, 42 lines a page.
#include "reminders/frmBDay.h"

#include "platform/PrinterCanvas.h"
#include "store/Store.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace orvelle {
namespace {

constexpr double kLeft = 720, kTop = 1440, kLineStep = 300;
constexpr int kLinesPerPage = 42;

constexpr const char* kNoPrinter = "Printer not found.";

void ListFont(PrinterCanvas& p) {
    p.SetFontName("Times New Roman");
    p.SetFontSize(10);
}

} // namespace

QStringList frmBDay::PrintLines(bool selectedOnly) const {
    QListWidget* list = VisibleList();
    QStringList lines;
    for (int r = 0; r < list->count(); ++r) {
        if (!selectedOnly || list->item(r)->isSelected()) lines << list->item(r)->text();
    }
    return lines;
}

bool frmBDay::PrinterFound() {
    if (s_.flags.gPrinterPresent) return true;
    s_.ui->MsgBox(kNoPrinter, MsgButtons::OK, "");
    return false;
}

void frmBDay::mnuFilePrint_Click() {
    if (txt_[0]->text().isEmpty()) return;
    std::unique_ptr<PrinterCanvas> job = StartPrintJob(s_, kNoPrinter);
    if (!job) return;
    PrinterCanvas& p = *job;
    const QString texts[3] = {txt_[0]->text(), txt_[1]->text(), lblAge_->text()};
    for (int i = 0; i < 3; ++i) {
        p.SetCurrentX(kLeft);
        p.SetCurrentY(kTop + i * kLineStep);
        p.Print(texts[i]);
    }
    if (!p.EndDoc()) s_.ui->MsgBox(kNoPrinter, MsgButtons::OK, "");
}

void frmBDay::mnuFilePrintList_Click() {
    if (!PrinterFound()) return;
    PrintList(PrintLines(false));
}

void frmBDay::mnuFilePrintSelected_Click() {
    if (!PrinterFound()) return;
    QStringList lines = PrintLines(true);
    if (lines.isEmpty()) {
        s_.ui->MsgBox("Nothing from the list has been selected to print.", MsgButtons::OK, "");
        return;
    }
    PrintList(lines);
}

void frmBDay::PrintList(const QStringList& lines) {
    if (lines.isEmpty()) return;
    int pages = (static_cast<int>(lines.size()) + kLinesPerPage - 1) / kLinesPerPage;
    if (pages > 1 &&
        s_.ui->MsgBox("Click OK to begin printing these " + std::to_string(pages) + " pages. Click Cancel to exit.",
                      MsgButtons::OKCancel, "Beginning Print Process") != MsgAnswer::OK)
        return;
    std::unique_ptr<PrinterCanvas> job = StartPrintJob(s_, kNoPrinter);
    if (!job) return;
    PrinterCanvas& p = *job;
    ListFont(p);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            p.NewPage();
            ListFont(p);
        }
        double y = kTop;
        for (int i = page * kLinesPerPage; i < std::min<int>(lines.size(), (page + 1) * kLinesPerPage); ++i) {
            p.SetCurrentX(kLeft);
            p.SetCurrentY(y);
            p.Print(lines[i]);
            y += kLineStep;
        }
    }
    if (!p.EndDoc()) s_.ui->MsgBox(kNoPrinter, MsgButtons::OK, "");
}

} // namespace orvelle
