#include "platform/CurrentRow.h"

#include <QEvent>
#include <QFocusEvent>
#include <QListWidget>

namespace orvelle {
namespace {

class RowFollower : public QObject {
public:
    RowFollower(QListWidget* list, std::function<void(int)> onRow)
        : QObject(list), list_(list), viewport_(list->viewport()), onRow_(std::move(onRow)) {
        list->installEventFilter(this);
        viewport_->installEventFilter(this);
        connect(list, &QListWidget::currentRowChanged, this, &RowFollower::CurrentChanged);
        connect(list, &QListWidget::itemSelectionChanged, this, &RowFollower::SelectionChanged);
        connect(list, &QListWidget::itemClicked, this, &RowFollower::Clicked);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // Events still arrive while the list is being destroyed, so only pointers are compared
        // until the event is one a live list gets.
        QEvent::Type t = e->type();
        if (watched == viewport_ && (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick)) {
            reportedSincePress_ = false;
        } else if (watched == list_ && t == QEvent::FocusIn && list_->currentRow() < 0 && list_->count() > 0 &&
                   static_cast<QFocusEvent*>(e)->reason() != Qt::MouseFocusReason) {
            // The view would make its first row current on its own; done here quietly, since
            // only the user's own move picks a row. Space selecting it is such a move.
            QSignalBlocker quiet(list_);
            list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
            awaiting_ = 0;
        }
        return false;
    }

private:
    bool Multi() const {
        QAbstractItemView::SelectionMode m = list_->selectionMode();
        return m == QAbstractItemView::MultiSelection || m == QAbstractItemView::ExtendedSelection;
    }

    void CurrentChanged(int row) {
        if (row < 0) return;
        if (Multi() || list_->item(row)->isSelected()) Report(row);
        // A mouse press makes the row current first and selects it just after.
        else awaiting_ = row;
    }

    void SelectionChanged() {
        int row = list_->currentRow();
        if (row < 0 || row != awaiting_ || !list_->item(row)->isSelected()) return;
        awaiting_ = -1;
        Report(row);
    }

    void Clicked(QListWidgetItem* item) {
        if (!reportedSincePress_) Report(list_->row(item));
    }

    void Report(int row) {
        reportedSincePress_ = true;
        awaiting_ = -1;
        onRow_(row);
    }

    QListWidget* list_;
    QObject* viewport_;
    std::function<void(int)> onRow_;
    int awaiting_ = -1;
    bool reportedSincePress_ = false;
};

} // namespace

void FollowCurrentRow(QListWidget* list, std::function<void(int row)> onRow) {
    new RowFollower(list, std::move(onRow));
}

} // namespace orvelle
