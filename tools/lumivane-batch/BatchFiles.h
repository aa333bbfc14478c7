#pragma once

#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string>

namespace lumivane::batch {

/// The list to read: a file, or standard input for "-".
struct ListInput {
    std::unique_ptr<std::ifstream> file;
    std::istream* stream = nullptr;
    /// Rows of a file, counted before the run; unknown for standard input.
    std::optional<long long> rows;
};

/// Opens the list and, for a regular file, counts its rows. Raises UsageError naming
/// the file and the reason when it cannot be read.
ListInput openList(const std::string& listFile, std::istream& standardInput);

/// Creates the folder and its parents when missing; raises UsageError naming
/// the option and the reason when that fails or the name is not a folder.
void makeFolder(const std::string& folder, const std::string& what);

/// Opens the report for writing; raises UsageError when it cannot be created.
std::unique_ptr<std::ofstream> openReport(const std::string& fileName);

} // namespace lumivane::batch
