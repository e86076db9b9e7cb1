#include "reports/frmReport.h"

#include "platform/CaptionFit.h"
#include "platform/Colors.h"
#include "platform/Cp1252.h"
#include "platform/FileCharacters.h"
#include "platform/Fonts.h"
#include "platform/MdiChildren.h"
#include "platform/PrinterCanvas.h"
#include "platform/Twips.h"
#include "store/Numbers.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvelle {
namespace {

constexpr double kPageW = 12240, kPageH = 15840;
constexpr VbColor kGrey = 0xC0C0C0;
const char* kRowTip = "Left Click to Exclude from Totals, Right Click to Edit";
const char* kEditTip = "Click Enter to save, Click on another label or press ESC to discard.";
const char* kNoPrinter = "Printer could not be found";

struct Column {
    const char* label;
    const char* edit;
    double left, width, editLeft, editWidth;
    bool right;
};
const std::vector<Column> kMileageColumns = {
    {"lblDate", "txtDate", 780, 750, 780, 735, false},       {"lblDest", "txtDest", 1860, 5385, 1860, 6315, false},
    {"lblStart", "txtStart", 8640, 585, 8520, 735, true},    {"lblEnd", "txtEnd", 9540, 585, 9480, 735, true},
    {"lblTotal", "txtTotal", 10770, 375, 10440, 735, true}};
const std::vector<Column> kExpenseColumns = {{"lblDate", "txtDate", 1380, 750, 1380, 735, false},
                                             {"lblDesc", "txtDesc", 2640, 5385, 2640, 5475, false},
                                             {"lblAmt", "txtAmt", 10170, 585, 9480, 1275, true}};

QString Q(const std::string& s) { return FromCp1252(s); }

void Paint(QLabel* l, VbColor c) {
    l->setProperty("vbColor", static_cast<qlonglong>(c));
    l->setStyleSheet(QString("color: %1; background: transparent;").arg(ColorFromVb(c).name()));
}

} // namespace

frmReport::frmReport(Store& store, ReportKind kind, QWidget* parent) : QWidget(parent), s_(store), kind_(kind) {
    bool miles = kind_ == ReportKind::Mileage;
    setObjectName(miles ? "frmMileage" : "frmExpenses");
    setWindowTitle(miles ? "Mileage Report" : "Expenses");
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    (miles ? s_.flags.gMileageReportOpen : s_.flags.gExpenseReportOpen) = true;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(miles ? "mnuMileage" : "mnuExpenses");
    layout->setMenuBar(menuBar_);
    BuildMenus();
    SetMdiChildMenuBar(this, menuBar_);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrPage");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    page_ = new QWidget;
    page_->setObjectName("picPage");
    page_->setAutoFillBackground(true);
    QPalette pal = page_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    page_->setPalette(pal);
    page_->setFixedSize(TwipsToPixelsX(kPageW), TwipsToPixelsY(kPageH));
    BuildPage();
    scroll->setWidget(page_);
    layout->addWidget(scroll);
    resize(page_->width() + 24, TwipsToPixelsY(10500));
    // Esc closes the window wherever the keyboard is in it.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    KeepCaptionsWhole(this);
}

frmReport::~frmReport() = default;

QLabel* frmReport::AddLabel(const QString& name, const QString& text, double left, double top, double width,
                            double height, const QString& font, double points, bool bold, bool right) {
    auto* l = new QLabel(text, page_);
    l->setObjectName(name);
    l->setFont(MakeFont(font, points, bold));
    l->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    SetGeometryTwips(l, left, top, width, height);
    Paint(l, kVbBlack);
    printed_.push_back({l, left, top});
    return l;
}

void frmReport::BuildMenus() {
    bool miles = kind_ == ReportKind::Mileage;
    QMenu* file = menuBar_->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* print = file->addAction("&Print", QKeySequence("Ctrl+P"), this, [this] { PrintThisPage(); });
    print->setObjectName("mnuFilePrint");
    QAction* exit = file->addAction("Exit and Go &Back to Calendar", QKeySequence("Ctrl+B"), this,
                                    [this] { mnuFileExit_Click(); });
    exit->setObjectName("mnuFileExit");
    QMenu* opt = menuBar_->addMenu("&Options");
    opt->setObjectName("mnuOptions");
    opt->addAction(miles ? "Copy Data for Insertion into Spreadsheet" : "Copy Data to Insert in Spreadsheet", this,
                   [this] { mnuOptCopy_Click(); })
        ->setObjectName("mnuOptCopy");
    opt->addAction(miles ? "Invert Select" : "Invert Selection", this, [this] { mnuOptInvert_Click(); })
        ->setObjectName("mnuOptInvert");
    opt->addAction("Select All", this, [this] { mnuOptSelectAll_Click(); })->setObjectName("mnuOptSelectAll");
    // As Esc does, Ctrl+F4 and the menu bar's close button leave the window beneath on show.
    OfferClosingAlone(this);
}

void frmReport::BuildPage() {
    bool miles = kind_ == ReportKind::Mileage;
    const auto& cols = miles ? kMileageColumns : kExpenseColumns;
    lblMain_ = AddLabel("lblMain", "", 0, 600, kPageW, 315, "Times New Roman", 14.25, false, false);
    lblMain_->setAlignment(Qt::AlignCenter);
    if (miles) {
        AddLabel("lblMainDate", "DATE", 780, 1320, 510, 240, "Arial", 9.75, true, false);
        AddLabel("lblMainDest", "DESTINATION", 1860, 1320, 1305, 240, "Arial", 9.75, true, false);
        AddLabel("lblMainStart", "START", 8580, 1320, 645, 240, "Arial", 9.75, true, true);
        AddLabel("lblMainEnd", "END", 9720, 1320, 390, 240, "Arial", 9.75, true, true);
        AddLabel("lblMainTotal", "TOTAL", 10500, 1320, 645, 240, "Arial", 9.75, true, true);
    } else {
        AddLabel("lblMainDate", "DATE", 1380, 1320, 510, 240, "Arial", 9.75, true, false);
        AddLabel("lblMainDescription", "DESCRIPTION", 2640, 1320, 1320, 240, "Arial", 9.75, true, false);
        AddLabel("lblMainAmt", "AMT", 10320, 1320, 420, 240, "Arial", 9.75, true, true);
    }
    double firstTop = miles ? 1980 : 1740;
    cells_.assign(cols.size(), {});
    for (int r = 0; r < kReportPageRows; ++r) {
        double top = firstTop + 300.0 * r;
        for (size_t c = 0; c < cols.size(); ++c) {
            // Right-aligned number cells reach a little further left so that long readings fit.
            double extra = cols[c].right ? 300 : 240;
            double left = cols[c].right ? cols[c].left - extra : cols[c].left;
            QLabel* l = AddLabel(QString("%1_%2").arg(cols[c].label).arg(r), "", left, top, cols[c].width + extra, 240,
                                 "Arial", 9.75, false, cols[c].right);
            printed_.back().left = cols[c].left;
            l->setToolTip(kRowTip);
            LeaveTextAsPlaced(l);
            l->installEventFilter(this);
            l->hide();
            cells_[c][r] = l;
        }
        if (!miles) {
            dollars_[r] = AddLabel(QString("lblDS_%1").arg(r), "$", 9360, top, 135, 240, "Arial", 9.75, false, false);
            dollars_[r]->hide();
        }
    }
    for (size_t c = 0; c < cols.size(); ++c) {
        auto* e = new QLineEdit(page_);
        e->setObjectName(cols[c].edit);
        e->setFont(MakeFont("Arial", 9.75));
        e->setToolTip(kEditTip);
        SetGeometryTwips(e, cols[c].editLeft, 900, cols[c].editWidth, 285);
        if (miles && (c == 2 || c == 3)) {
            // Odometer readings: digits and the point only.
            e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), e));
        }
        KeepFileCharactersOnly(e);
        e->installEventFilter(this);
        connect(e, &QLineEdit::returnPressed, this, [this, c] { EditBox_Enter(static_cast<int>(c)); });
        e->hide();
        edits_.push_back(e);
    }
    double left = miles ? 780 : 1380;
    AddLabel("lblNote", "NOTE: Areas in Grey (if any exist) have been omitted from this Total", left, kPageH - 720,
             4905, 210, "Arial", 8.25, false, false);
    if (miles) {
        AddLabel("lblTotalDesc", "Total Mileage for this Page", 6720, kPageH - 1440, 2565, 240, "Arial", 9.75, true,
                 false);
        lblTotal_ = AddLabel("lblTotalMiles", "", 9990, kPageH - 1440, 1125, 240, "Arial", 9.75, true, true);
    } else {
        AddLabel("lblTotal", "Total Expenses for this Page", 6360, kPageH - 1440, 2700, 240, "Arial", 9.75, true, false);
        AddLabel("lblTotalDS", "$", 9360, kPageH - 1440, 135, 240, "Arial", 9.75, true, false);
        lblTotal_ = AddLabel("lblTotalAmt", "", 9630, kPageH - 1440, 1125, 240, "Arial", 9.75, true, true);
    }
    lblPageNum_ = AddLabel("lblPageNum", "", miles ? 10140 : 9780, kPageH - 720, 990, 240, "Arial", 9.75, false, true);
    picNav_ = new QWidget(page_);
    picNav_->setObjectName("picNav");
    SetGeometryTwips(picNav_, miles ? 10200 : 9960, kPageH - 420, 915, 315);
    auto* prev = new QPushButton("<", picNav_);
    prev->setObjectName("cmdPrev");
    SetGeometryTwips(prev, 0, 0, 435, 255);
    auto* next = new QPushButton(">", picNav_);
    next->setObjectName("cmdNext");
    SetGeometryTwips(next, 420, 0, 435, 255);
    connect(prev, &QPushButton::clicked, this, [this] { cmdPrev_Click(); });
    connect(next, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
}

void frmReport::SetRowGrey(int r, bool grey) {
    grey_[r] = grey;
    for (auto& col : cells_) Paint(col[r], grey ? kGrey : kVbBlack);
    if (dollars_[r]) Paint(dollars_[r], grey ? kGrey : kVbBlack);
}

void frmReport::SetRowVisible(int r, bool visible) {
    for (auto& col : cells_) col[r]->setVisible(visible);
    if (dollars_[r]) dollars_[r]->setVisible(visible);
}

void frmReport::ClearReportLabels() {
    for (int r = 0; r < kReportPageRows; ++r) {
        for (auto& col : cells_) col[r]->setText("");
        SetRowGrey(r, false);
        SetRowVisible(r, false);
    }
}

void frmReport::GreyReportLabels() {
    const ReportPages& pg = s_.reports.Pages(kind_);
    for (int r = 0; r < kReportPageRows; ++r) {
        if (pg.gReportRowExcluded[pg.gReportPage][r]) SetRowGrey(r, true);
    }
}

void frmReport::CloseEditBox() {
    for (QLineEdit* e : edits_) e->hide();
    mEditOpen_ = false;
}

void frmReport::ShowPage() {
    ReportPages& pg = s_.reports.Pages(kind_);
    int p = pg.gReportPage;
    long n = s_.reports.RowCount(kind_);
    // The box belongs to a row of the page being left: what it holds is dropped, as a refilled
    // page drops every edit, and Enter can no longer write it into a row of the new page.
    CloseEditBox();
    ClearReportLabels();
    GreyReportLabels();
    if (n < pg.gReportPageLastRows[p] + 1) pg.gReportPageLastRows[p] = n - 1;
    for (long i = pg.gReportPageFirstRows[p]; i <= pg.gReportPageLastRows[p]; ++i) {
        int r = static_cast<int>(i - pg.gReportPageFirstRows[p]);
        std::vector<std::string> cells = s_.reports.Cells(kind_, i);
        for (int c = 0; c < Columns(); ++c) cells_[c][r]->setText(Q(cells[c]));
        SetRowVisible(r, true);
    }
    lblPageNum_->setText(QString("Page %1 of %2").arg(p + 1).arg(pg.gReportLastPage + 1));
    AdjustTheTotals();
}

void frmReport::ShowFirstPage() {
    const Reports& rep = s_.reports;
    lblMain_->setText(Q(ReportTitle(kind_, rep.gReportStartDate, rep.gReportEndDate)));
    picNav_->setVisible(rep.RowCount(kind_) >= kReportPageRows);
    ShowPage();
    // The built total is the plain sum ("137.5", "3"); the viewer's own recounts format it.
    lblTotal_->setText(Q(PlainNumberText(mPageTotal_)));
}

void frmReport::cmdNext_Click() {
    ReportPages& pg = s_.reports.Pages(kind_);
    if (pg.gReportAtLastPage) {
        s_.ui->MsgBox("End of Report", MsgButtons::OK, "");
        return;
    }
    pg.gReportAtFirstPage = false;
    ++pg.gReportPage;
    if (pg.gReportPage >= pg.gReportLastPage) pg.gReportAtLastPage = true;
    ShowPage();
}

void frmReport::cmdPrev_Click() {
    ReportPages& pg = s_.reports.Pages(kind_);
    if (pg.gReportAtFirstPage) {
        s_.ui->MsgBox("Beginning of Report", MsgButtons::OK, "");
        return;
    }
    pg.gReportAtLastPage = false;
    --pg.gReportPage;
    if (pg.gReportPage <= 0) pg.gReportAtFirstPage = true;
    ShowPage();
}

void frmReport::Label_MouseDown(int column, int row, Qt::MouseButton button) {
    if (mEditOpen_) {
        s_.ui->MsgBox(kind_ == ReportKind::Mileage ? "Please finish editing the text area already open."
                                                   : "Please fill in the text area before ontinuing.",
                      MsgButtons::OK, "");
        return;
    }
    mEditRow_ = row;
    if (button == Qt::RightButton) {
        QLineEdit* e = edits_[column];
        QLabel* l = cells_[column][row];
        e->move(e->x(), l->y());
        e->setText(l->text());
        e->selectAll();
        e->show();
        e->raise();
        e->setFocus();
        mEditOpen_ = true;
    } else if (button == Qt::LeftButton) {
        AdjustTheColors(row);
        AdjustTheTotals();
    }
}

void frmReport::EditBox_Enter(int column) {
    QLineEdit* e = edits_[column];
    cells_[column][mEditRow_]->setText(e->text());
    e->hide();
    if (kind_ == ReportKind::Mileage && column >= 2) TotalThisLine(mEditRow_);
    if (kind_ == ReportKind::Expense && column == NumberColumn()) AdjustTheTotals();
    mEditOpen_ = false;
}

void frmReport::AdjustTheTotals() {
    // Text that is no number counts as 0; the sum is kept in double precision. Only the rows
    // shown count, as only they are copied.
    mPageTotal_ = 0;
    for (int r = 0; r < kReportPageRows; ++r) {
        QLabel* l = cells_[NumberColumn()][r];
        bool counts = !grey_[r] && cells_[0][r]->isVisibleTo(page_) && !l->text().trimmed().isEmpty();
        if (counts) mPageTotal_ += ReportNumber(ToCp1252(l->text()));
    }
    lblTotal_->setText(Q(PageTotalText(kind_, mPageTotal_)));
}

void frmReport::TotalThisLine(int r) {
    QString start = cells_[2][r]->text().trimmed(), end = cells_[3][r]->text().trimmed();
    if (start.isEmpty() || end.isEmpty()) {
        s_.ui->MsgBox("You must at least enter a zero in the text area provided.", MsgButtons::OK, "");
        return;
    }
    double miles = ReportNumber(ToCp1252(end)) - ReportNumber(ToCp1252(start));
    cells_[4][r]->setText(Q(PlainNumberText(miles)));
    AdjustTheTotals();
}

void frmReport::AdjustTheColors(int r) {
    bool grey = !grey_[r];
    SetRowGrey(r, grey);
    ReportPages& pg = s_.reports.Pages(kind_);
    pg.gReportRowExcluded[pg.gReportPage][r] = grey;
}

void frmReport::mnuOptInvert_Click() {
    for (int r = 0; r < kReportPageRows; ++r) {
        if (!cells_[0][r]->isVisibleTo(page_)) continue;
        AdjustTheColors(r);
    }
    AdjustTheTotals();
}

void frmReport::mnuOptSelectAll_Click() {
    ReportPages& pg = s_.reports.Pages(kind_);
    for (int r = 0; r < kReportPageRows; ++r) {
        if (!cells_[0][r]->isVisibleTo(page_)) continue;
        SetRowGrey(r, false);
        pg.gReportRowExcluded[pg.gReportPage][r] = false;
    }
    AdjustTheTotals();
}

std::string frmReport::PageCopyText() const {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < kReportPageRows; ++r) {
        if (!cells_[0][r]->isVisibleTo(page_) || grey_[r]) continue;
        std::vector<std::string> row;
        for (int c = 0; c < Columns(); ++c) row.push_back(ToCp1252(cells_[c][r]->text()));
        rows.push_back(std::move(row));
    }
    return ReportClipboardText(kind_, rows);
}

void frmReport::mnuOptCopy_Click() {
    QClipboard* cb = QGuiApplication::clipboard();
    cb->clear();
    cb->setText(FromCp1252(PageCopyText()));
    s_.ui->MsgBox("Data Copied.", MsgButtons::OK, "");
}

void frmReport::PrintThisPage() {
    // Without a printer the command says so, as the calendar's print does, rather than doing nothing.
    std::unique_ptr<PrinterCanvas> job = StartPrintJob(s_, kNoPrinter);
    if (!job) return;
    PrinterCanvas& pr = *job;
    for (const Placed& p : printed_) {
        const QFont& f = p.label->font();
        pr.SetFontName(f.family());
        pr.SetFontSize(f.pointSizeF());
        pr.SetFontBold(f.bold());
        pr.SetForeColor(static_cast<VbColor>(p.label->property("vbColor").toLongLong()));
        double left = p.left;
        // The title is centred on the page as on the screen.
        if (p.label == lblMain_) left = (kPageW - PixelsToTwipsX(p.label->fontMetrics().horizontalAdvance(p.label->text()))) / 2;
        pr.SetCurrentX(left);
        pr.SetCurrentY(p.top);
        pr.Print(p.label->text());
    }
    if (!pr.EndDoc()) s_.ui->MsgBox(kNoPrinter, MsgButtons::OK, "");
}

void frmReport::mnuFileExit_Click() {
    // The twelve-month view that follows closes an open planner page or note: their questions
    // come first, and Cancel keeps them and this report.
    if (!QueryUnloadPlannerAndNotes(s_)) return;
    if (CloseMdiChild(this)) emit exitedToCalendar();
}

void frmReport::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        CloseMdiChild(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

bool frmReport::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int c = 0; c < Columns(); ++c) {
            for (int r = 0; r < kReportPageRows; ++r) {
                if (cells_[c][r] == watched) {
                    Label_MouseDown(c, r, static_cast<QMouseEvent*>(e)->button());
                    return true;
                }
            }
        }
    } else if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
               !qobject_cast<QMenu*>(watched) && !qobject_cast<QMenuBar*>(watched)) {
        // An Esc in the window's own menus closes the menu, not the window.
        CloseMdiChild(this);
        return true;
    } else if (e->type() == QEvent::FocusIn && mEditOpen_) {
        // A click on the page, a row or the frame, or the window coming back to the front, gives
        // the keyboard to the window only to find the cell being edited: it goes on there.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        const bool blank = watched == this || watched == parentWidget() || qobject_cast<QAbstractScrollArea*>(watched);
        if (blank && (why == Qt::MouseFocusReason || why == Qt::ActiveWindowFocusReason || why == Qt::OtherFocusReason)) {
            for (QLineEdit* open : edits_) {
                if (open->isVisibleTo(this)) open->setFocus(Qt::OtherFocusReason);
            }
        }
    } else if (e->type() == QEvent::ParentChange && watched == this) {
        // The frame around the window can hold the keyboard too.
        if (QWidget* frame = parentWidget()) frame->installEventFilter(this);
    }
    return QWidget::eventFilter(watched, e);
}

void frmReport::closeEvent(QCloseEvent* e) {
    if (kind_ == ReportKind::Mileage) {
        s_.reports.gMileageReportWanted = false;
        s_.flags.gMileageReportOpen = false;
    } else {
        s_.reports.gExpenseReportWanted = false;
        s_.flags.gExpenseReportOpen = false;
    }
    e->accept();
}

} // namespace orvelle
