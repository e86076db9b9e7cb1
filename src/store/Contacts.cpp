#include "store/Contacts.h"

#include "store/DataFiles.h"
#include "store/ListFile.h"
#include "store/Store.h"

namespace orvelle {

ContactRecord ParseContactLine(std::string_view line) {
    ContactRecord c;
    size_t first = line.find(',');
    c.Name = std::string(line.substr(0, first));
    if (first == std::string_view::npos) return c;
    std::string_view rest = line.substr(first + 1);
    size_t second = rest.find(',');
    c.Phone = std::string(rest.substr(0, second));
    if (second != std::string_view::npos) c.Email = std::string(rest.substr(second + 1));
    return c;
}

std::string ContactLine(const ContactRecord& c) { return c.Name + "," + c.Phone + "," + c.Email; }

size_t LongestContactFields(const Store& s) {
    size_t longest = LimitsFor(s.gAppPath + kContactsFile).longestLine;
    return longest == 0 ? std::string::npos : longest - ContactLine({}).size();
}

std::string ContactListName(const ContactRecord& c) {
    return listfile::IsBlank(c.Email) ? c.Name : c.Name + ":" + c.Email;
}

void ReadEmployeeInfo(Store& s) {
    Contacts& c = s.contacts;
    c.gContacts.clear();
    c.lstAll.clear();
    c.lstNames.clear();
    c.gContactCount = 0;
    auto lines = listfile::ReadIfPresent(s, "ReadEmployeeInfo", s.gAppPath + kContactsFile);
    if (!lines) return;
    for (const auto& line : *lines) {
        // The saver writes no empty lines; one added by hand is no contact.
        if (listfile::IsBlank(line)) continue;
        ContactRecord r = ParseContactLine(line);
        // The line itself, so that a save writes the other contacts back as they were stored.
        c.lstAll.push_back(line);
        c.lstNames.push_back(ContactListName(r));
        c.gContacts.push_back(std::move(r));
    }
    c.gContactCount = static_cast<int>(c.gContacts.size());
}

bool SaveEmployeeInfo(Store& s, const std::vector<std::string>& lstAllItems) {
    if (!listfile::Save(s, "SaveEmployeeInfo", s.gAppPath + kContactsFile, lstAllItems)) return false;
    s.contacts.gContactCount = static_cast<int>(lstAllItems.size());
    return true;
}

} // namespace orvelle
