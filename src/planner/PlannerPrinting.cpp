#include "planner/PlannerPrinting.h"

#include "planner/PlannerPageModel.h"
#include "planner/PlannerPageView.h"
#include "planner/PlannerLineBox.h"
#include "planner/PlannerTimeLabels.h"
#include "planner/frmPlanner.h"
#include "platform/PrinterCanvas.h"
#include "platform/Twips.h"
#include "store/ErrorLog.h"
#include "store/Store.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <exception>

namespace orvelle {
namespace {

constexpr const char* kPreviewCaption = "Print Preview";
constexpr const char* kResumeCaption = "Resume Editing";

double TwipsPerPixel() {
    static const double t = PixelsToTwipsX(1000) / 1000.0;
    return t;
}

QFont TargetFont(const QWidget* control, bool printer) {
    QFont f = control->font();
    if (printer) f.setPointSizeF(f.pointSizeF() * 0.95);
    return f;
}

QAction* Item(frmPlanner& w, const char* name) { return w.MenuBar()->findChild<QAction*>(name); }

// Printing or ending a preview may show a date label the user had hidden: the menu's check
// follows the label so that it never says otherwise.
void SyncShowMainLabel(frmPlanner& w) {
    if (QAction* a = Item(w, "mnuOptShowMainLabel")) a->setChecked(!w.Page()->lblMain()->isHidden());
}

void UpdatePrintItem(frmPlanner& w, Store& s) {
    QAction* preview = Item(w, "mnuFilePreview");
    bool previewing = preview && preview->text() == kResumeCaption;
    if (QAction* print = Item(w, "mnuFilePrint")) print->setEnabled(s.flags.gPrinterPresent && !previewing);
}

} // namespace

void PrintThePlanner(PlannerPageView& page, const PlannerPageModel& model, PlannerDrawTarget& target) {
    const bool printer = target.IsPrinter();
    const double tpp = TwipsPerPixel();
    for (QObject* child : page.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->property("Tag").toString() == "Hide") continue;
        QRect g = control->geometry();
        double left = g.x() * tpp, top = g.y() * tpp, width = g.width() * tpp, height = g.height() * tpp;
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QString type = box->property("Tag").toString().mid(4);
            QString text = box->text();
            // Measured in the box's own font, whatever was drawn before.
            target.SetFont(TargetFont(box, printer));
            double x = left;
            if (type == "ExpAmt") x = left + width - target.TextWidth(text);
            else if (type == "Begin" || type == "End" || type == "Total") x = left + width / 2 - target.TextWidth(text) / 2;
            if (!text.isEmpty()) target.PrintText(x, top, text);
            target.Line(left, top + height - 60, left + width, top + height - 60);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->objectName().startsWith("imgChkBox_")) {
                int k = label->objectName().mid(10).toInt();
                target.Box(left, top, left + width, top + height);
                if (model.IsDone(k)) {
                    target.Line(left, top, left + width, top + height);
                    target.Line(left + width, top, left, top + height);
                }
            } else {
                target.SetFont(TargetFont(label, printer));
                target.PrintText(left, top, label->text());
            }
        } else {
            continue;
        }
        control->setVisible(printer);
    }
    if (printer) return;
    for (QObject* child : page.children()) {
        auto* label = qobject_cast<QLabel*>(child);
        if (label && label->property("Tag").toString() == "Hide" && !label->isHidden()) {
            label->hide();
            label->setProperty("Tag", "WasVisible");
        }
    }
}

PlannerPreviewOverlay::PlannerPreviewOverlay(QWidget* page) : QWidget(page) {
    setObjectName("picPreview");
    setProperty("Tag", "Hide");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setGeometry(page->rect());
    // The preview holds the keyboard while it shows: its keys (the page keys, Esc, F2/F3) reach
    // the window through it, and nothing typed lands in a control it covers.
    setFocusPolicy(Qt::StrongFocus);
}

void PlannerPreviewOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    const double ppt = 1.0 / TwipsPerPixel();
    for (const Op& op : ops_) {
        switch (op.kind) {
        case Op::Text: {
            p.setFont(op.font);
            p.drawText(QPointF(op.x1 * ppt, op.y1 * ppt + QFontMetricsF(op.font).ascent()), op.text);
            break;
        }
        case Op::Line: p.drawLine(QPointF(op.x1 * ppt, op.y1 * ppt), QPointF(op.x2 * ppt, op.y2 * ppt)); break;
        case Op::Box: p.drawRect(QRectF(QPointF(op.x1 * ppt, op.y1 * ppt), QPointF(op.x2 * ppt, op.y2 * ppt))); break;
        }
    }
}

PlannerPreviewOverlay* PreviewOverlay(frmPlanner& w) {
    auto* o = w.Page()->findChild<PlannerPreviewOverlay*>("picPreview", Qt::FindDirectChildrenOnly);
    return o && !o->isHidden() ? o : nullptr;
}

void mnuFilePrint_Click(frmPlanner& w, Store& s) {
    QCoreApplication::processEvents();
    if (!s.flags.gPrinterPresent) return;
    try {
        PrinterCanvas printer;
        if (!printer.IsActive()) {
            LogError(s, "mnuFilePrint_Click", 482, "The print job could not be started.");
            return;
        }
        // The page's design size fills the printable area, whatever the window shows of it.
        printer.SetScaleWidth(PlannerLayout::kPageWidth);
        printer.SetScaleHeight(PlannerLayout::kPageHeight);
        CanvasDrawTarget target(printer);
        PrintThePlanner(*w.Page(), w.Model(), target);
        SyncShowMainLabel(w);
        if (!printer.EndDoc()) LogError(s, "PrintThePlanner", 482, "The page could not be printed.");
    } catch (const std::exception& e) {
        LogError(s, "PrintThePlanner", 482, e.what());
    }
}

void mnuFilePreview_Click(frmPlanner& w, Store& s) {
    QAction* item = Item(w, "mnuFilePreview");
    PlannerPageView& page = *w.Page();
    auto* overlay = page.findChild<PlannerPreviewOverlay*>("picPreview", Qt::FindDirectChildrenOnly);
    PlannerTimeLabels* times = w.TimeLabels();
    if (item->text() == kPreviewCaption) {
        item->setText(kResumeCaption);
        for (int k = 0; k < 2; ++k) page.cmdDay(k)->hide();
        if (!overlay) overlay = new PlannerPreviewOverlay(&page);
        overlay->Clear();
        PrintThePlanner(page, w.Model(), *overlay);
        overlay->show();
        overlay->raise();
        overlay->update();
        // The keyboard leaves the hidden line, or the time editor, for the preview; an open editor
        // stays open, hidden until editing resumes.
        if (times) times->SetEditorShown(false);
        overlay->setFocus(Qt::OtherFocusReason);
    } else if (item->text() == kResumeCaption) {
        item->setText(kPreviewCaption);
        // Where editing goes on, taken before the page shows: a line that gets the keyboard as it
        // shows becomes the current one.
        const int line = std::clamp(s.editing.gCurrentPlannerLine, 0, PlannerLayout::kBoxes - 1);
        if (overlay) {
            // A hidden control that asked for the keyboard meanwhile (a menu closing gives it back
            // to the control it was opened from) would take it as it shows: the preview takes it
            // first, so that only the control chosen below gets it.
            overlay->clearFocus();
            overlay->setFocus(Qt::OtherFocusReason);
            overlay->Clear();
            overlay->hide();
        }
        for (QObject* child : page.children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (!control) continue;
            QString tag = control->property("Tag").toString();
            if (tag != "Hide") control->show();
            if (tag == "WasVisible") control->setProperty("Tag", "Hide");
        }
        for (int k = 0; k < 2; ++k) page.cmdDay(k)->show();
        SyncShowMainLabel(w);
        // Editing goes on where it was: in the time editor when one is open, else in the current line.
        if (times && times->EditorOpen()) {
            times->SetEditorShown(true);
            times->txtTime()->setFocus(Qt::OtherFocusReason);
        } else if (QLineEdit* box = page.txt(line)) {
            box->setFocus(Qt::OtherFocusReason);
        }
    }
    UpdatePrintItem(w, s);
}

void ConnectPlannerPrinting(frmPlanner& w, Store& s) {
    QAction* preview = Item(w, "mnuFilePreview");
    QAction* print = Item(w, "mnuFilePrint");
    preview->setEnabled(true);
    QObject::connect(preview, &QAction::triggered, &w, [&w, &s] { mnuFilePreview_Click(w, s); });
    QObject::connect(print, &QAction::triggered, &w, [&w, &s] { mnuFilePrint_Click(w, s); });
    // The printer may come or go while the window is open: the item shows the state on opening.
    QMenu* file = w.MenuBar()->findChild<QMenu*>("mnuFile");
    if (file) QObject::connect(file, &QMenu::aboutToShow, &w, [&w, &s] { UpdatePrintItem(w, s); });
    UpdatePrintItem(w, s);
    // Another day shown while the preview is up is drawn in its place.
    QObject::connect(&w, &frmPlanner::pageShown, &w, [&w] {
        if (PlannerPreviewOverlay* overlay = PreviewOverlay(w)) {
            overlay->Clear();
            PrintThePlanner(*w.Page(), w.Model(), *overlay);
            overlay->update();
        }
    });
}

} // namespace orvelle
