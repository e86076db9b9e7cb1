#pragma once
// "Employee Info.dat": the contacts that exported planner days and notes are sent to, one per
// line as name "," phone "," e-mail address (the address may itself hold commas).
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

inline constexpr const char* kContactsFile = "Employee Info.dat";

struct ContactRecord {
    std::string Name;
    std::string Phone;
    std::string Email;
};

struct Contacts {
    std::vector<ContactRecord> gContacts;
    int gContactCount = 0;
    // What the contact window lists: each contact's line as stored (its hidden list) and the
    // visible entries, name ":" address, or the name alone without an address.
    std::vector<std::string> lstAll;
    std::vector<std::string> lstNames;
};

// Splits at the first and the second comma; missing fields are empty.
ContactRecord ParseContactLine(std::string_view line);
std::string ContactLine(const ContactRecord& c);
std::string ContactListName(const ContactRecord& c);
// The most characters a contact's name, phone and address may hold together: the file's longest
// line less the two commas.
size_t LongestContactFields(const Store& s);

// Replaces the contacts and both lists with the file's contacts; a missing file gives none.
void ReadEmployeeInfo(Store& s);
// Writes the contact window's full list in list order, without a message; an empty list removes
// the file. False when the file could not be written.
bool SaveEmployeeInfo(Store& s, const std::vector<std::string>& lstAllItems);

} // namespace orvelle
