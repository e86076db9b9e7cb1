#pragma once
// An editable combo box that the program fills with a date part shows its value as text. The
// keys step from the entry that text names, and Return keeps the text as it stands.
class QComboBox;
class QString;

namespace orvelle {

// The entry of `box` that `text` names, or -1: the same text ignoring case, or for digits the
// same number ("01" names the entry "1").
int EntryNamedBy(const QComboBox* box, const QString& text);

// Shows `text` in `box` and makes the entry it names the current one, so Down and Up step from
// it. The box reports only the change of its text, as a plain text change would.
void ShowEntryText(QComboBox* box, const QString& text);

// From now on the arrows, the page keys, the wheel and the drop-down start from the entry the
// box shows (also one typed), and while the text names no entry (a year outside the list) the
// arrows and the wheel leave it as it is. Return never replaces the text (by the first entry when
// the text is selected) nor adds it to the list, and chooses the entry the text names as the
// entry's own text would ("05" the 5th).
void FollowShownEntry(QComboBox* box);

} // namespace orvelle
