#pragma once
// The frame's title while a child window fills its area: a maximised child has no title bar of
// its own, so its caption goes into the frame's, "<frame caption> - [<child caption>]".
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace orvelle {

// Keeps the frame's title showing the caption of the current child while that child fills the
// area (maximised, or shown over the whole area without a frame), and the frame's own caption
// otherwise. Whatever sets the frame's window title sets its own caption; the child's caption
// is its own window title, followed as it changes. Owned by the frame.
class MdiCaptionFollower : public QObject {
    Q_OBJECT
public:
    MdiCaptionFollower(QWidget* frame, QMdiArea* area);
    ~MdiCaptionFollower() override;

    QString FrameCaption() const { return own_; }
    // The child whose caption the title shows, or null.
    QWidget* ShownChild() const { return shown_; }
    void Update();
    // `caption` is the frame's own caption while `child` is open; when the child goes and the
    // frame still has it, the caption it replaced comes back.
    void Lend(QWidget* child, const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Watch(QMdiSubWindow* sub);
    void GiveBack(QObject* child);

    struct Loan {
        const QObject* child; // compared only
        QString caption;
        QString replaced;
    };
    QPointer<QWidget> frame_;
    QPointer<QMdiArea> area_;
    QPointer<QMdiSubWindow> watchedSub_;
    QPointer<QWidget> watchedChild_;
    QPointer<QWidget> shown_;
    QString own_;
    std::vector<Loan> loans_;
    bool setting_ = false;
};

// The frame's own caption, without a child's: what was last set as the window title of the
// window that holds `w`.
QString FrameCaption(const QWidget* w);

// Sets the own caption of the frame holding `child` for as long as `child` is open (see Lend).
void LendFrameCaption(QWidget* child, const QString& caption);

// A child that stands for the frame's own content (a calendar view, whose drawing captions the
// frame itself) keeps its caption out of the frame's title.
void KeepCaptionOutOfFrameTitle(QWidget* child);

} // namespace orvelle
