#pragma once
// Planner year files with filled mileage and expense lines, written the way the planner saves
// them, for the report tests and the benchmark.
#include "store/Dates.h"
#include "store/PlannerRecord.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace orvelle {

struct ReportPlannerDays {
    std::map<Date, std::string> records;

    std::string& Record(Date d) {
        auto it = records.find(d);
        if (it == records.end()) it = records.emplace(d, std::string(kPlannerRecordLength, ' ')).first;
        return it->second;
    }
    static void Put(std::string& r, int pos, int width, const std::string& text) {
        r.replace(static_cast<size_t>(pos), static_cast<size_t>(width), (text + std::string(width, ' ')).substr(0, width));
    }
    void Mileage(Date d, int line, const std::string& dest, const std::string& start = "", const std::string& end = "",
                 const std::string& total = "") {
        std::string& r = Record(d);
        Put(r, kMileageDestPos + 80 * line, 80, dest);
        Put(r, kMileageBeginPos + 10 * line, 10, start);
        Put(r, kMileageEndPos + 10 * line, 10, end);
        Put(r, kMileageTotalPos + 10 * line, 10, total);
    }
    void Expense(Date d, int line, const std::string& text, const std::string& amount) {
        std::string& r = Record(d);
        Put(r, kExpenseTextPos + 50 * line, 50, text);
        Put(r, kExpenseAmountPos + 10 * line, 10, amount);
    }
    // "<folder><yyyy>/Planner.dat" for the records of that year.
    void WriteYear(const std::string& folder, int year) const {
        std::filesystem::create_directories(folder + std::to_string(year));
        std::ofstream f(folder + std::to_string(year) + "/Planner.dat", std::ios::binary);
        for (const auto& [d, r] : records) {
            if (YearOf(d) == year) f << FormatMmDdYy(d) << ':' << CellStampOf(d) << ':' << r << "\r\n";
        }
    }
};

} // namespace orvelle
