#pragma once

#include <QString>

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& AText, std::ostream* AStream) { *AStream << '"' << AText.toStdString() << '"'; }
