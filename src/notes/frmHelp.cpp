#include "notes/frmHelp.h"

#include "notes/BoxText.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/CurrentRow.h"
#include "platform/Fonts.h"
#include "platform/WindowRegistry.h"
#include "store/Store.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace orvelle {

frmHelp::frmHelp(Store& store, QWidget* parent) : QWidget(parent, Qt::Window), store_(store) {
    setObjectName("frmHelp");
    setWindowTitle("Orvelle Help");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultWindowFont());

    auto* bar = new QMenuBar(this);
    QAction* mnuHelp = bar->addAction("&Help on Search");
    mnuHelp->setObjectName("mnuHelp");
    connect(mnuHelp, &QAction::triggered, this, &frmHelp::mnuHelp_Click);

    auto* framTopics = new QGroupBox("Help Topics", this);
    framTopics->setObjectName("framTopics");
    lstHelp_ = new QListWidget(framTopics);
    lstHelp_->setObjectName("lstHelp");
    KeepEntriesWhole(lstHelp_);
    (new QVBoxLayout(framTopics))->addWidget(lstHelp_);
    FollowCurrentRow(lstHelp_, [this](int row) { lstHelp_Click(row); });

    auto* framSearch = new QGroupBox("Search", this);
    framSearch->setObjectName("framSearch");
    auto* lblSearch = new QLabel("Search for...", framSearch);
    lblSearch->setObjectName("lblSearch");
    txtSearch_ = new QLineEdit(framSearch);
    txtSearch_->setObjectName("txtSearch");
    auto* searchRow = new QHBoxLayout(framSearch);
    searchRow->addWidget(lblSearch);
    searchRow->addWidget(txtSearch_, 1);
    const char* captions[2] = {"Find Now", "Find Again"};
    for (int i = 0; i < 2; ++i) {
        cmdSearch_[i] = new QPushButton(captions[i], framSearch);
        cmdSearch_[i]->setObjectName(QString("cmdSearch_%1").arg(i));
        searchRow->addWidget(cmdSearch_[i]);
        connect(cmdSearch_[i], &QPushButton::clicked, this, [this, i] { cmdSearch_Click(i); });
    }
    cmdSearch_[1]->setEnabled(false);

    framDesc_ = new QGroupBox("Topic Description", this);
    framDesc_->setObjectName("framDesc");
    txtHelp_ = new QPlainTextEdit(framDesc_);
    txtHelp_->setObjectName("txtHelp");
    txtHelp_->setReadOnly(true);
    txtHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Keep the found phrase visible while the focus is on the search box.
    QPalette pal = txtHelp_->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    txtHelp_->setPalette(pal);
    (new QVBoxLayout(framDesc_))->addWidget(txtHelp_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(framTopics, 2);
    layout->addWidget(framSearch);
    layout->addWidget(framDesc_, 3);
    resize(520, 620);
    KeepCaptionsWhole(this);
}

frmHelp* frmHelp::Open(Store& store, QWidget* parent) {
    static QPointer<frmHelp> orphan;
    frmHelp* w = parent ? parent->findChild<frmHelp*>("frmHelp", Qt::FindDirectChildrenOnly) : orphan.data();
    if (!w) {
        w = new frmHelp(store, parent);
        if (!parent) orphan = w;
        CenterForm(w);
    }
    w->FillTopics();
    ShowInFront(w);
    return w;
}

void frmHelp::FillTopics() {
    const HelpTopics& h = store_.help;
    texts_.clear();
    for (const std::string& t : h.gHelpTexts) texts_.append(ToBoxText(t));
    QSignalBlocker block(lstHelp_);
    lstHelp_->clear();
    for (const std::string& t : h.gHelpTitles) lstHelp_->addItem(FromCp1252(t));
    txtHelp_->setPlainText(texts_.isEmpty() ? QString() : texts_.front());
    framDesc_->setTitle(h.gHelpTitles.empty() ? QString("Topic Description") : FromCp1252(h.gHelpTitles.front()));
}

void frmHelp::lstHelp_Click(int index) {
    if (index < 0 || index >= texts_.size() || index >= static_cast<int>(store_.help.gHelpTitles.size())) return;
    txtHelp_->setPlainText(texts_[index]);
    framDesc_->setTitle(FromCp1252(store_.help.gHelpTitles[static_cast<size_t>(index)]));
}

QString frmHelp::TakePhrase() {
    QString phrase = txtSearch_->text().trimmed();
    if (phrase.isEmpty()) store_.ui->MsgBox("Nothing to search for.", MsgButtons::OK, "");
    return phrase;
}

void frmHelp::ShowHit(int topic, int pos, int length) {
    {
        QSignalBlocker block(lstHelp_);
        lstHelp_->setCurrentRow(topic);
    }
    lstHelp_Click(topic);
    QTextCursor c = txtHelp_->textCursor();
    c.setPosition(pos);
    c.setPosition(pos + length, QTextCursor::KeepAnchor);
    txtHelp_->setTextCursor(c);
    txtHelp_->ensureCursorVisible();
    cursorTopic_ = topic;
    cursorPos_ = pos + 1; // overlapping hits are found too
    cmdSearch_[1]->setEnabled(true);
}

void frmHelp::cmdSearch_Click(int index) {
    QString phrase = TakePhrase();
    if (phrase.isEmpty()) return;
    const int count = static_cast<int>(texts_.size());
    const bool again = index == 1;
    if (count == 0) return; // no topics: nothing to find
    if (!again) {
        cursorTopic_ = 0;
        cursorPos_ = 0;
    }
    for (int t = std::max(cursorTopic_, 0); t < count; ++t) {
        int from = t == cursorTopic_ ? cursorPos_ : 0;
        int k = texts_[t].indexOf(phrase, from, Qt::CaseInsensitive);
        if (k >= 0) {
            ShowHit(t, k, static_cast<int>(phrase.size()));
            return;
        }
    }
    cursorTopic_ = 0;
    cursorPos_ = 0;
    if (again) {
        store_.ui->MsgBox("End of Search", MsgButtons::OK, "");
        cmdSearch_[1]->setEnabled(false);
    } else {
        store_.ui->MsgBox("Search Phrase not Found", MsgButtons::OK, "");
    }
}

void frmHelp::mnuHelp_Click() {
    store_.ui->MsgBox("Search is performed for a single phrase only throughout each category. If you've\r\n"
                      "more than one word, i.e., \"calendar view\", the search will be performed looking\r\n"
                      "for each occurrence where the 2 words are found together. If the 2 words are not\r\n"
                      "found together, even if both words are contained in the subject, a null search will\r\n"
                      "returned. It is therefore recommended that you choose one word at a time.",
                      MsgButtons::OK, "");
}

} // namespace orvelle
