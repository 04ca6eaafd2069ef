#include "Messages.h"

namespace {

struct FixedMessage {
    int code;
    const char* text;
};

constexpr FixedMessage FixedMessages[] = {
    {1, "No data to print. Calculate."},
    {2, "No data to graph. Calculate."},
    {3, "Wrong or missing entry, try again."},
    {5, "Wrong entry, 40 Years limit."},
    {6, "Limit is 22 entries."},
    {7, "No records to delete."},
    {8, "Wrong entry."},
    {10, "Not a valid date, try again."},
    {13, "File not found or wrong format. Check Filename and/or Directory."},
    // Nothing stands before the fixed text: the chart title, which once shared this slot,
    // is never shown here. The leading blank belongs to the text.
    {14, " Bad filename, must be in the form MYFILE.BGT"},
    {15, "No records."},
    {16, "Boxes 1 and 3 must have data."},
    {17, "Record Number does not exist."},
    {20, "No record to change."},
    {21, "No records to save."},
    {22, "30 Row limit."},
    {23, "Cannot sort file."},
    {25, "Bad filename, must be in the form MYFILE.NWV"},
    {26, "Cannot calculate."},
    {33, "Limit is 500 records."},
    {37, "Bad Filename. Must be in the form MYFILE.UMD"},
    {38, "Bad Filename. Must be in the form MYFILE.ULD"},
    {60, "The target is not reached within 40 years."},
    {61, "The target is not reached at an annual rate up to 100%."},
    {62, "No amount reaches the target with these entries."},
    {63, "Bad Filename. Must be in the form MYFILE.GOL"},
    {64, "Bad Filename. Must be in the form MYFILE.ACT"},
};

} // namespace

std::string messageText(int code, std::string_view detail) {
    if (code == msg::WrongEntryDetail)
        return "Wrong entry " + std::string(detail);
    if (code == msg::DetailOnly)
        return std::string(detail);
    for (const FixedMessage& message : FixedMessages)
        if (message.code == code)
            return message.text;
    return {};
}

std::string questionText(int code, std::string_view fileName, std::string_view detail) {
    switch (code) {
    case 1:
        return " Continue with Printout.";
    case 2:
        return " Print in Color.";
    case 3:
        return std::string(fileName) +
               " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    case 4:
        return "Are you sure you wish to delete the current record: " + std::string(detail);
    case 5:
        return "The entries in memory will be erased. Do you wish to go back and save them to "
               "Disk?";
    default:
        return {};
    }
}
