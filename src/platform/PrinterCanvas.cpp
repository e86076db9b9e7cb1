#include "platform/PrinterCanvas.h"

#include "platform/Printer.h"
#include "store/Store.h"

#include <QPrinter>

namespace orvelle {

PrinterCanvas::PrinterCanvas() : printer_(MakePrinter()) {
    if (painter_.begin(printer_.get())) SetPainter(&painter_);
}

PrinterCanvas::~PrinterCanvas() {
    if (!ended_ && painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

void PrinterCanvas::NewPage() {
    if (painter_.isActive()) printer_->newPage();
    SetCurrentX(ScaleLeft());
    SetCurrentY(ScaleTop());
}

bool PrinterCanvas::EndDoc() {
    if (ended_ || !painter_.isActive()) return false;
    ended_ = true;
    SetPainter(nullptr);
    return painter_.end();
}

std::unique_ptr<PrinterCanvas> StartPrintJob(Store& s, const char* noPrinter) {
    if (s.flags.gPrinterPresent) {
        auto job = std::make_unique<PrinterCanvas>();
        if (job->IsActive()) return job;
    }
    s.ui->MsgBox(noPrinter, MsgButtons::OK, "");
    return nullptr;
}

} // namespace orvelle
