// The table generators' reading of the data files: one line of comma-separated fields, a field
// left empty at the end of the line included.
#pragma once

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}
