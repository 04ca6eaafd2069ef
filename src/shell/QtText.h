#pragma once
// The one bridge from the cores' text to the widgets' text.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Lines as one text, each ended but the last by `separator`.
inline QString joinedLines(const std::vector<std::string>& lines, QChar separator = u'\n') {
    QStringList joined;
    for (const std::string& line : lines)
        joined << qs(line);
    return joined.join(separator);
}
