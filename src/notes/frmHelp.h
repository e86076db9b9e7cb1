#pragma once
// The help window: the topic list, one topic's text, and a phrase search through the topic texts.
#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orvelle {

struct Store;

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(Store& store, QWidget* parent = nullptr);

    // The openers ("Help Contents", the views' help image): one window per parent, refilled with
    // every topic (each listed once) and showing topic 0.
    static frmHelp* Open(Store& store, QWidget* parent);

    void FillTopics();
    void lstHelp_Click(int index);
    void cmdSearch_Click(int index); // 0 "Find Now", 1 "Find Again"
    void mnuHelp_Click();

private:
    void ShowHit(int topic, int pos, int length);
    // The phrase from txtSearch, trimmed; empty after saying "Nothing to search for.".
    QString TakePhrase();

    Store& store_;
    QListWidget* lstHelp_;
    QLineEdit* txtSearch_;
    QPushButton* cmdSearch_[2];
    QGroupBox* framDesc_;
    QPlainTextEdit* txtHelp_;
    // The topic texts as the text box holds them (one "\n" per line break), so that search
    // positions are selection positions.
    QStringList texts_;
    // The search cursor: where Find Again looks next (0-based).
    int cursorTopic_ = 0;
    int cursorPos_ = 0;
};

} // namespace orvelle
