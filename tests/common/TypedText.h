#pragma once
// Typing and pasting any text into a box the way a keyboard does: one key event per character,
// so that characters outside Latin-1 can be typed too (QTest types only Latin-1). Refusals are
// told after the event, so both let posted calls run.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

namespace orvelle::test {

inline void TypeText(QWidget* box, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
    QApplication::sendPostedEvents();
}

inline void PasteText(QWidget* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
    QApplication::sendPostedEvents();
}

} // namespace orvelle::test
