#include "store/ShareDrive.h"

#include "store/Preferences.h"
#include "store/Store.h"

namespace orvelle {

ShareDriveAnswer ReadShareDriveAnswer(const std::string& answer) {
    size_t first = answer.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    char c = answer[first];
    char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper < 'A' || upper > 'Z') return {ShareDriveAnswer::NoLetter, 0};
    return {ShareDriveAnswer::Letter, static_cast<char>(upper - 'A' + 'a')};
}

void ChangeNetworkShareDrive(Store& s) {
    ShareDriveAnswer a = ReadShareDriveAnswer(s.ui->InputBox(kShareDrivePrompt, kShareDriveTitle, ""));
    if (a.kind == ShareDriveAnswer::Nothing) return;
    if (a.kind == ShareDriveAnswer::NoLetter) {
        s.ui->MsgBox("Could not determine drive letter.", MsgButtons::OK, "Orvelle");
        return;
    }
    SetShareDrive(s, std::string(1, a.letter));
}

} // namespace orvelle
