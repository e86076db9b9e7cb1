#include "platform/CaptionFit.h"

#include "platform/MdiChildren.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QScrollBar>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <QHash>

#include <algorithm>
#include <unordered_map>

namespace orvelle {
namespace {

// What a widget is to the keepers. Kept beside the widgets rather than as properties: every fit
// asks it of every control, and a property is looked up by name through the class first.
enum Mark { kKeeperMark = 1, kAsPlacedMark = 2, kEntriesWholeMark = 4 };

QHash<const QObject*, int>& Marks() {
    static QHash<const QObject*, int> marks;
    return marks;
}

bool Marked(const QObject* o, Mark mark) {
    const QHash<const QObject*, int>& marks = Marks();
    auto it = marks.constFind(o);
    return it != marks.cend() && (*it & mark) != 0;
}

void SetMark(QObject* o, Mark mark) {
    QHash<const QObject*, int>& marks = Marks();
    auto it = marks.find(o);
    if (it != marks.end()) {
        *it |= mark;
        return;
    }
    marks.insert(o, mark);
    QObject::connect(o, &QObject::destroyed, [o] { Marks().remove(o); });
}
// Pixels kept between a grown control and the one it moves along, and inside a grown frame.
constexpr int kGap = 4;
// Room around a button's text besides the style's own frame.
constexpr int kButtonPadding = 6;

// Every fit asks again for the width of every button's caption, mostly unchanged: a caption is
// measured once per font (the line height stands for the screen's resolution, which the font's
// metrics depend on too).
int TextWidth(const QWidget* c, const QString& text) {
    struct Key {
        QFont font;
        int lineHeight;
        QString text;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const { return qHashMulti(0, k.font, k.lineHeight, k.text); }
    };
    static std::unordered_map<Key, int, KeyHash> widths;
    QFontMetrics fm = c->fontMetrics();
    Key key{c->font(), fm.height(), text};
    auto it = widths.find(key);
    if (it != widths.end()) return it->second;
    // Bounded: captions the user types (contacts, terms) come and go.
    if (widths.size() >= 4096) widths.clear();
    int width = fm.size(Qt::TextShowMnemonic, text).width();
    widths.emplace(std::move(key), width);
    return width;
}

// The size `c` needs to show its text whole, 0 across what its text does not decide; not valid
// for a control without a text to fit.
QSize Need(QWidget* c) {
    QStyle* st = c->style();
    if (auto* l = qobject_cast<QLabel*>(c)) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return {};
        if (!l->wordWrap()) return l->sizeHint();
        int width = std::max(l->width(), l->minimumSizeHint().width());
        return {width, l->heightForWidth(width)};
    }
    if (auto* g = qobject_cast<QGroupBox*>(c)) {
        if (g->title().isEmpty()) return {};
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        QRect title = st->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        // As much room after the title as before it.
        return {title.right() + 1 + title.left(), 0};
    }
    if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c)) {
        auto* b = static_cast<QAbstractButton*>(c);
        return b->text().isEmpty() ? QSize() : QSize(b->sizeHint().width(), 0);
    }
    if (auto* b = qobject_cast<QPushButton*>(c)) {
        if (b->text().isEmpty()) return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        int frame = b->width() - st->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
        int icon = b->icon().isNull() ? 0 : b->iconSize().width() + kGap;
        return {frame + icon + TextWidth(b, b->text()) + kButtonPadding, 0};
    }
    if (auto* list = qobject_cast<QListView*>(c); list && Marked(list, kEntriesWholeMark)) {
        QAbstractItemModel* model = list->model();
        int widest = 0, rows = 0;
        for (int i = 0; model && i < model->rowCount(list->rootIndex()); ++i) {
            QSize entry = list->sizeHintForIndex(model->index(i, list->modelColumn(), list->rootIndex()));
            widest = std::max(widest, entry.width());
            rows += entry.height();
        }
        if (widest == 0) return {};
        int frame = 2 * list->frameWidth();
        // The vertical scroll bar takes its room beside the entries whenever they overflow.
        Qt::ScrollBarPolicy policy = list->verticalScrollBarPolicy();
        bool bar = policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && rows > list->height() - frame);
        int barWidth = bar ? st->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar()) : 0;
        return {frame + barWidth + widest + 2 * list->spacing(), 0};
    }
    if (auto* cb = qobject_cast<QComboBox*>(c)) {
        int widest = 0;
        for (int i = 0; i < cb->count(); ++i)
            widest = std::max(widest, cb->fontMetrics().horizontalAdvance(cb->itemText(i)));
        QStyleOptionComboBox opt;
        opt.initFrom(cb);
        opt.editable = cb->isEditable();
        opt.subControls = QStyle::SC_All;
        int room = st->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, cb).width();
        // An edit box keeps a margin on each side and room for the caret.
        if (cb->isEditable()) room -= 2 * 2 + 1;
        return widest > room ? QSize(cb->width() + widest - room, 0) : QSize();
    }
    return {};
}

bool ManagedByLayout(const QWidget* w) {
    const QWidget* p = w->parentWidget();
    return p && p->layout() && p->layout()->indexOf(const_cast<QWidget*>(w)) >= 0;
}

bool IsViewport(const QWidget* w) {
    auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget());
    return area && area->viewport() == w;
}

// Another window's business: a window of its own, an MDI sub-window, or a keeper of its own.
bool OtherWindow(const QWidget* w) {
    return w->isWindow() || qobject_cast<const QMdiSubWindow*>(w) || Marked(w, kKeeperMark);
}

QList<QWidget*> Controls(QWidget* box) {
    QList<QWidget*> out;
    for (QObject* o : box->children()) {
        if (o->isWidgetType() && !OtherWindow(static_cast<QWidget*>(o))) out << static_cast<QWidget*>(o);
    }
    return out;
}

bool Overlap(int a0, int a1, int b0, int b1) { return a0 <= b1 && b0 <= a1; }

// `grown` was `was` before it grew: what begins right of (below) its old edge and shares its
// rows (columns) goes along, keeping its gap up to kGap, and moves along what follows it in
// turn. Each control is looked at once, in the order of its old place.
void Push(QWidget* box, QWidget* grown, const QRect& was, Qt::Orientation dir) {
    bool across = dir == Qt::Horizontal;
    auto start = [across](const QRect& r) { return across ? r.left() : r.top(); };
    auto end = [across](const QRect& r) { return across ? r.right() : r.bottom(); };
    auto side = [across](const QRect& a, const QRect& b) {
        return across ? Overlap(a.top(), a.bottom(), b.top(), b.bottom())
                      : Overlap(a.left(), a.right(), b.left(), b.right());
    };
    QList<QPair<QWidget*, QRect>> beyond;
    for (QWidget* c : Controls(box)) {
        if (c != grown && start(c->geometry()) >= end(was)) beyond.append({c, c->geometry()});
    }
    std::stable_sort(beyond.begin(), beyond.end(),
                     [&](const auto& a, const auto& b) { return start(a.second) < start(b.second); });
    QList<QPair<QWidget*, QRect>> moved{{grown, was}};
    for (const auto& [c, old] : beyond) {
        int want = start(old);
        for (const auto& [m, mOld] : moved) {
            QRect now = m->geometry();
            if (end(mOld) > start(old) + 1 || !side(now, old)) continue;
            want = std::max(want, end(now) + 1 + std::clamp(start(old) - end(mOld) - 1, 0, kGap));
        }
        if (want == start(old)) continue;
        c->move(across ? QPoint(want, old.top()) : QPoint(old.left(), want));
        moved.append({c, old});
    }
}

// Whether `to` is free of the siblings of `c` that did not already share its place.
bool Free(QWidget* c, const QRect& to) {
    if (to.left() < 0 || !c->parentWidget() || to.right() >= c->parentWidget()->width()) return false;
    for (QWidget* s : Controls(c->parentWidget())) {
        if (s != c && !s->geometry().intersects(c->geometry()) && s->geometry().intersects(to)) return false;
    }
    return true;
}

void GrowToText(QWidget* c) {
    QSize need = Need(c);
    QRect g = c->geometry();
    if (need.width() > g.width()) {
        int more = need.width() - g.width();
        auto* label = qobject_cast<QLabel*>(c);
        Qt::Alignment align = label ? label->alignment() : Qt::Alignment();
        QRect left = g.adjusted(-more, 0, 0, 0), centred = g.adjusted(-more / 2, 0, more - more / 2, 0);
        if ((align & Qt::AlignRight) && Free(c, left)) g = left;
        else if ((align & Qt::AlignHCenter) && Free(c, centred)) g = centred;
        else g.setWidth(need.width());
        c->setGeometry(g);
        need = Need(c); // a wrapped label's height follows its width
    }
    if (need.height() > g.height()) c->resize(g.width(), need.height());
}

} // namespace

class CaptionKeeper : public QObject {
public:
    explicit CaptionKeeper(QWidget* window) : QObject(window), window_(window) {
        SetMark(window, kKeeperMark);
        Watch(window);
        Fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::ChildAdded:
            if (QObject* child = static_cast<QChildEvent*>(e)->child(); child->isWidgetType())
                Watch(static_cast<QWidget*>(child));
            break;
        case QEvent::Show:
            if (watched == window_) Fit();
            break;
        case QEvent::LayoutRequest:
            // Posted (once, however many) when a text or a shown control changes what a box holds.
            Fit();
            break;
        case QEvent::Resize:
            // After the window has placed its controls for the new size.
            if (watched == window_) Schedule();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Watch(QWidget* w) {
        if (w != window_ && OtherWindow(w)) return;
        w->installEventFilter(this);
        for (QWidget* c : Controls(w)) Watch(c);
    }

    void Schedule() {
        if (fitting_ || pending_) return;
        pending_ = true;
        QMetaObject::invokeMethod(this, [this] {
            pending_ = false;
            Fit();
        }, Qt::QueuedConnection);
    }

    void Fit() {
        if (fitting_) return;
        fitting_ = true;
        FitInside(window_);
        fitting_ = false;
    }

    bool Fitted(QWidget* c) const {
        return !ManagedByLayout(c) && c->isVisibleTo(window_) && !Marked(c, kAsPlacedMark);
    }

    // Fits the controls of `box` left to right, then grows `box` around its captions and
    // whatever they moved.
    void FitInside(QWidget* box) {
        QList<QWidget*> controls = Controls(box);
        std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
            return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
        });
        QList<QRect> placed;
        for (QWidget* c : controls) placed << c->geometry();
        for (QWidget* c : controls) {
            QRect was = c->geometry();
            FitInside(c);
            if (Fitted(c)) GrowToText(c);
            else if (ManagedByLayout(c) && Marked(c, kEntriesWholeMark)) AskLayoutForRoom(c);
            QRect now = c->geometry();
            if (now.right() > was.right()) Push(box, c, was, Qt::Horizontal);
            if (now.bottom() > was.bottom()) Push(box, c, was, Qt::Vertical);
        }
        QRect hold;
        for (int i = 0; i < controls.size(); ++i) {
            QWidget* c = controls[i];
            if (c->geometry() != placed[i] || (Fitted(c) && Need(c).isValid())) hold |= c->geometry();
        }
        QSize more(hold.right() >= box->width() ? hold.right() + 1 + kGap - box->width() : 0,
                   hold.bottom() >= box->height() ? hold.bottom() + 1 + kGap - box->height() : 0);
        if (!more.isNull()) Grow(box, more);
    }

    // A list placed by a layout asks it for the width of its entries; the window grows with it.
    static void AskLayoutForRoom(QWidget* list) {
        QSize need = Need(list);
        if (need.isValid() && need.width() > list->minimumWidth()) list->setMinimumWidth(need.width());
    }

    void Grow(QWidget* box, QSize more) {
        if (box == window_) {
            // A child window filling the main window's child area keeps its size.
            if (QMdiSubWindow* sub = MdiSubWindowOf(box)) {
                if (!FillsTheArea(sub)) sub->resize(sub->size() + more);
                return;
            }
            if (!box->isWindow()) return;
        } else if (ManagedByLayout(box) || IsViewport(box) || qobject_cast<QAbstractScrollArea*>(box)) {
            return;
        }
        QSize to = box->size() + more;
        if (box->minimumSize() == box->maximumSize()) {
            box->setFixedSize(to);
        } else {
            box->setMaximumSize(box->maximumSize().expandedTo(to));
            box->resize(to);
        }
    }

    QWidget* window_;
    bool fitting_ = false;
    bool pending_ = false;
};

void KeepCaptionsWhole(QWidget* window) {
    if (window && !Marked(window, kKeeperMark)) new CaptionKeeper(window);
}

void KeepEntriesWhole(QListView* list) {
    if (!list) return;
    SetMark(list, kEntriesWholeMark);
    // Entries added or changed later ask for room again, through the box that holds the list.
    auto askForRoom = [list] {
        if (QWidget* box = list->parentWidget()) QCoreApplication::postEvent(box, new QEvent(QEvent::LayoutRequest));
    };
    QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, askForRoom);
    QObject::connect(model, &QAbstractItemModel::dataChanged, list, askForRoom);
    QObject::connect(model, &QAbstractItemModel::modelReset, list, askForRoom);
}

void LeaveTextAsPlaced(QWidget* control) {
    if (control) SetMark(control, kAsPlacedMark);
}

} // namespace orvelle
