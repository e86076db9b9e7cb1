#pragma once
// Printing the planner page and its print preview: every label, line box and check image of the
// page drawn at its own place onto a drawing target (the printer, or the preview overlay on the
// window, which then hides the editable controls).
#include "planner/PlannerDrawTarget.h"

#include <QWidget>

namespace orvelle {

struct Store;
class frmPlanner;
class PlannerPageModel;
class PlannerPageView;

// Draws the page. Done marks come from the page's done flags. On the window target every drawn
// control is hidden and a shown caret label is hidden and tagged "WasVisible"; on the printer
// every drawn control is left shown.
void PrintThePlanner(PlannerPageView& page, const PlannerPageModel& model, PlannerDrawTarget& target);

// The preview drawn over the page: white, with the recorded drawing painted on it.
class PlannerPreviewOverlay : public QWidget, public RecordingDrawTarget {
    Q_OBJECT
public:
    explicit PlannerPreviewOverlay(QWidget* page);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// "&Print": without a printer nothing happens; a printer error is logged and the job dropped.
void mnuFilePrint_Click(frmPlanner& w, Store& s);
// "Print Preview" / "Resume Editing".
void mnuFilePreview_Click(frmPlanner& w, Store& s);
// The overlay of a preview on show, or null.
PlannerPreviewOverlay* PreviewOverlay(frmPlanner& w);

// Enables and connects the two items; Print follows gPrinterPresent and is off during a preview.
void ConnectPlannerPrinting(frmPlanner& w, Store& s);

} // namespace orvelle
