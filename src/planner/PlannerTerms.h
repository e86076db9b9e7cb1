#pragma once
// The planner lines' part in the terms feature: completion of the word being typed (on key
// release), terms dropped from the terms window onto a line, and terms keyed in from it into
// the active line. The accept keys are part of the lines' key-down rules (PlannerLineEditing).
#include <QObject>

#include <string>

class QLineEdit;
class QWidget;

namespace orvelle {

struct Store;
class PlannerLineEditing;
class PlannerPageView;

class PlannerTerms : public QObject {
    Q_OBJECT
public:
    PlannerTerms(Store& s, PlannerPageView& page, PlannerLineEditing& editing, QObject* parent);
    ~PlannerTerms() override;
    // Gives the store's planner-line hooks up (the planner unloads).
    void Detach();

    void txt_KeyUp(int index, int keyCode, int shift);
    void txt_DragDrop(int index, const std::string& term);
    // Left/Insert in the terms list: the term goes into the active line.
    void KeyTermIn(const std::string& term);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SetLineAndFocus(int index, const std::string& text);

    Store& s_;
    PlannerPageView& page_;
    PlannerLineEditing& editing_;
    bool attached_ = true;
};

} // namespace orvelle
