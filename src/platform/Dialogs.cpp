#include "platform/Dialogs.h"

#include "platform/Cp1252.h"

#include <QInputDialog>
#include <QMessageBox>

namespace orvelle {

MsgAnswer QtPrompter::MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(FromCp1252(title.empty() ? "Orvelle" : title));
    box.setText(FromCp1252(text));
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::OK;
    default: return MsgAnswer::Cancel;
    }
}

std::string QtPrompter::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    bool ok = false;
    QString r = QInputDialog::getText(parent_, FromCp1252(title.empty() ? "Orvelle" : title), FromCp1252(prompt),
                                      QLineEdit::Normal, FromCp1252(defaultText), &ok);
    return ok ? ToCp1252(r) : std::string();
}

} // namespace orvelle
