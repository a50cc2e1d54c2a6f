#pragma once

#include <QString>

#include <ostream>

// GoogleTest failure messages show texts as quoted text.
inline void PrintTo(const QString& AText, std::ostream* AStream) { *AStream << '"' << AText.toStdString() << '"'; }
