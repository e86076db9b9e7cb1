#include "views/ViewPanels.h"

#include "notes/HelpPanel.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/Twips.h"
#include "store/Clock.h"
#include "store/Store.h"
#include "views/PendingLists.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

namespace orvelle {
namespace {

void FillPendingList(QListWidget* list, const std::vector<PendingRow>& rows) {
    if (!list) return;
    QSignalBlocker block(list);
    list->setSortingEnabled(false); // the rows come sorted without regard to case
    list->clear();
    for (const PendingRow& r : rows) {
        auto* item = new QListWidgetItem(FromCp1252(r.text), list);
        item->setData(Qt::UserRole, r.index);
    }
}

// The clicked row's record index, or `remembered` for a row that carries none; nullopt with no
// row selected.
std::optional<int> ClickedIndex(QListWidget* list, int remembered) {
    if (!list) return std::nullopt;
    QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    QVariant data = item->data(Qt::UserRole);
    bool ok = false;
    int index = data.toInt(&ok);
    return data.isValid() && ok ? index : remembered;
}

} // namespace

void LoadAlertList(const Store& s, QWidget* view) {
    if (view) FillPendingList(view->findChild<QListWidget*>("lstAlerts"), PendingAlertRows(s.alerts));
}

void LoadBirthdayList(const Store& s, QWidget* view) {
    if (view) FillPendingList(view->findChild<QListWidget*>("lstBirthdays"), PendingBirthdayRows(s.birthdays));
}

ViewPanels::ViewPanels(Store& s, QWidget* view, QWidget* helpParent) : QObject(view), s_(s), helpParent_(helpParent) {
    setObjectName("ViewPanels");
    picTTT_ = view->findChild<QWidget*>("picTTT");
    VScroll1_ = view->findChild<QScrollBar*>("VScroll1");
    WireSidePanels(view);
    for (int i = 0; i < 36; ++i) {
        lblTTT_[i] = picTTT_ ? picTTT_->findChild<QLabel*>(QString("lblTTT_%1").arg(i)) : nullptr;
        if (!lblTTT_[i]) continue;
        lblTTT_[i]->setMouseTracking(true);
        lblTTT_[i]->installEventFilter(this);
    }
    if (VScroll1_ && picTTT_) {
        // Like the original bar, the strip follows a thumb drag only when the drag ends.
        VScroll1_->setTracking(false);
        connect(VScroll1_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    }
}

void ViewPanels::lstAlerts_Click() {
    auto index = ClickedIndex(lstAlerts_, mAlertIndex);
    if (!index) return;
    auto caption = AlertDateCaption(s_.alerts, *index);
    // The alerts were read again since the list was filled and this one is gone.
    if (!caption) return;
    mAlertIndex = *index;
    if (lblAlertDate_) lblAlertDate_->setText(FromCp1252(*caption));
}

void ViewPanels::lstBirthdays_Click() {
    auto index = ClickedIndex(lstBirthdays_, mBirthdayIndex);
    if (!index) return;
    auto caption = BirthdayDateCaption(s_.birthdays, *index, Clock::CurrentYear());
    if (!caption) return;
    mBirthdayIndex = *index;
    if (lblBirthdayDate_) lblBirthdayDate_->setText(FromCp1252(*caption));
}

void ViewPanels::lstHelp_Click() {
    if (!lstHelp_) return;
    ShowHelpTopic(s_, lstHelp_->currentRow(), txtHelp_, lblSubject_);
}

void ViewPanels::WireSidePanels(QWidget* view) {
    if (lstHelp_) return; // wired already
    lstAlerts_ = view->findChild<QListWidget*>("lstAlerts");
    lstBirthdays_ = view->findChild<QListWidget*>("lstBirthdays");
    lblAlertDate_ = view->findChild<QLabel*>("lblAlertDate");
    lblBirthdayDate_ = view->findChild<QLabel*>("lblBirthdayDate");
    lstHelp_ = view->findChild<QListWidget*>("lstHelp");
    txtHelp_ = view->findChild<QWidget*>("txtHelp");
    lblSubject_ = view->findChild<QLabel*>("lblSubject");
    imgHelp_ = view->findChild<QLabel*>("imgHelp");

    if (lstAlerts_) {
        FollowCurrentRow(lstAlerts_, [this](int) { lstAlerts_Click(); });
    }
    if (lstBirthdays_) {
        FollowCurrentRow(lstBirthdays_, [this](int) { lstBirthdays_Click(); });
    }
    if (lstHelp_) {
        FollowCurrentRow(lstHelp_, [this](int) { lstHelp_Click(); });
    }
    if (imgHelp_) {
        if (imgHelp_->pixmap().isNull())
            imgHelp_->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(16, 16));
        imgHelp_->setCursor(Qt::PointingHandCursor);
        imgHelp_->installEventFilter(this);
    }
}

void ViewPanels::imgHelp_Click() { OpenHelpWindow(s_, helpParent_); }

void ViewPanels::lblTTT_MouseMove(int index, double x, double y) {
    if (index < 0 || index >= 36 || !lblTTT_[index]) return;
    if (x == mTTTX_ && y == mTTTY_) return;
    lblTTT_[index]->setToolTip(lblTTT_[index]->text());
    mTTTX_ = x;
    mTTTY_ = y;
}

void ViewPanels::VScroll1_Change() {
    picTTT_->move(picTTT_->x(), -TwipsToPixelsY(VScroll1_->value()));
    picTTT_->setFocus();
}

bool ViewPanels::eventFilter(QObject* watched, QEvent* e) {
    if (watched == imgHelp_ && e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton && imgHelp_->rect().contains(me->position().toPoint())) imgHelp_Click();
    } else if (e->type() == QEvent::MouseMove) {
        for (int i = 0; i < 36; ++i) {
            if (watched != lblTTT_[i]) continue;
            QPointF at = static_cast<QMouseEvent*>(e)->position();
            lblTTT_MouseMove(i, at.x(), at.y());
            break;
        }
    }
    return QObject::eventFilter(watched, e);
}

} // namespace orvelle
