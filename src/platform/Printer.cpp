#include "platform/Printer.h"

#include "platform/Cp1252.h"
#include "store/Store.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace orvelle {
namespace {

QString& Selected() {
    static QString name;
    return name;
}

} // namespace

QString PrintToPdfFile() { return qEnvironmentVariable("ORVELLE_PRINT_TO_PDF"); }

bool PrinterAvailable() {
    if (!PrintToPdfFile().isEmpty()) return true;
    return !QPrinterInfo::defaultPrinter().isNull();
}

void CheckForPrinter(Store& s) {
    // The printer the preferences name becomes the one every print command uses; a named
    // printer that is installed also counts as a printer when the system has no default.
    bool named = SelectPrinterByName(s.prefs.gDefaultPrinter);
    s.flags.gPrinterPresent = PrinterAvailable() || named;
}

bool SelectPrinterByName(const std::string& name) {
    // A name that matches nothing leaves the system default in use.
    Selected().clear();
    if (name.empty()) return false;
    QString wanted = FromCp1252(name);
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        if (info.printerName() == wanted) {
            Selected() = wanted;
            return true;
        }
    }
    return false;
}

QString SelectedPrinterName() { return Selected(); }

std::unique_ptr<QPrinter> MakePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QString pdf = PrintToPdfFile();
    if (!pdf.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::Letter));
    } else if (!Selected().isEmpty()) {
        printer->setPrinterName(Selected());
    }
    return printer;
}

} // namespace orvelle
