#pragma once
// Whether the program can print, and the printer every print command uses. When
// ORVELLE_PRINT_TO_PDF names a file, printing is possible without any printer and every print
// job writes that PDF file (the tests and machines without a printer use it).
#include <QString>

#include <memory>
#include <string>

class QPrinter;

namespace orvelle {

struct Store;

// The file named by ORVELLE_PRINT_TO_PDF, or empty.
QString PrintToPdfFile();
// True when print jobs go to the PDF file or the system has a default printer.
bool PrinterAvailable();
// Selects the preferences' "Default Printer:" (SelectPrinterByName) and sets the store's
// gPrinterPresent; shows nothing.
void CheckForPrinter(Store& s);

// The printer named in the preferences ("Default Printer:"): the first installed printer whose
// name equals it exactly becomes the program's printer. False (the system default stays) when
// the name is empty or names no installed printer.
bool SelectPrinterByName(const std::string& name);
// The chosen printer's name, or empty for the system default.
QString SelectedPrinterName();

// A printer set up for one job: the PDF file, else the chosen printer, else the default one.
std::unique_ptr<QPrinter> MakePrinter();

} // namespace orvelle
