#pragma once
// One print job drawn through the Canvas operations: the printer object of the print commands.
// The page's units are twips from the printable area's top left until a user scale is set.
#include "platform/Canvas.h"

#include <QPainter>

#include <memory>

class QPrinter;

namespace orvelle {

struct Store;

class PrinterCanvas : public Canvas {
public:
    // Starts a job on MakePrinter()'s printer.
    PrinterCanvas();
    // A job that was not ended is abandoned: nothing half-drawn is printed.
    ~PrinterCanvas() override;

    // False when the job could not be started (no printer, unwritable PDF file).
    bool IsActive() const { return painter_.isActive(); }
    void NewPage();
    // Ends the document; the pages go to the printer. False when the job failed.
    bool EndDoc();
    QPrinter& Printer() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    bool ended_ = false;
};

// A started job on the printer; without a printer, or when no job starts, the user is told
// `noPrinter` and null comes back, so a print command never ends without a word.
std::unique_ptr<PrinterCanvas> StartPrintJob(Store& s, const char* noPrinter);

} // namespace orvelle
