#pragma once

#include <QString>
#include <cstdint>

// Reads a 32-bit integer: an optional "+" or "-", then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing may follow.
// Hexadecimal values take all 32 bits (so "$FFFFFFFF" is -1); decimal values
// must lie in the signed 32-bit range.
bool TryStrToInt(const QString& text, std::int32_t& value);
std::int32_t StrToIntDef(const QString& text, std::int32_t defaultValue);
// Raises EConvertError "'<text>' is not a valid integer value" when the text
// does not read.
std::int32_t StrToInt(const QString& text);
