#include "Messages.h"

std::string messageText(int code, std::string_view detail) {
    switch (code) {
    case 1:
        return "No data to print. Calculate.";
    case 2:
        return "No data to graph. Calculate.";
    case 3:
        return "Wrong or missing entry, try again.";
    case 5:
        return "Wrong entry, 40 Years limit.";
    case 6:
        return "Limit is 22 entries.";
    case 7:
        return "No records to delete.";
    case 8:
        return "Wrong entry.";
    case 10:
        return "Not a valid date, try again.";
    case 13:
        return "File not found or wrong format. Check Filename and/or Directory.";
    // Nothing stands before the fixed text: the chart title, which once shared this slot,
    // is never shown here. The leading blank belongs to the text.
    case 14:
        return " Bad filename, must be in the form MYFILE.BGT";
    case 15:
        return "No records.";
    case 16:
        return "Boxes 1 and 3 must have data.";
    case 17:
        return "Record Number does not exist.";
    case 19:
        return "Wrong entry " + std::string(detail);
    case 20:
        return "No record to change.";
    case 21:
        return "No records to save.";
    case 22:
        return "30 Row limit.";
    case 23:
        return "Cannot sort file.";
    case 25:
        return "Bad filename, must be in the form MYFILE.NWV";
    case 26:
        return "Cannot calculate.";
    case 33:
        return "Limit is 500 records.";
    case 37:
        return "Bad Filename. Must be in the form MYFILE.UMD";
    case 38:
        return "Bad Filename. Must be in the form MYFILE.ULD";
    case 44:
        return std::string(detail);
    case 60:
        return "The target is not reached within 40 years.";
    case 61:
        return "The target is not reached at an annual rate up to 100%.";
    case 62:
        return "No amount reaches the target with these entries.";
    case 63:
        return "Bad Filename. Must be in the form MYFILE.GOL";
    case 64:
        return "Bad Filename. Must be in the form MYFILE.ACT";
    default:
        return {};
    }
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
