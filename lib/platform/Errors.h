#pragma once

#include <QString>
#include <exception>
#include <string>

// Errors are exceptions that carry the message text the user sees.
class EError : public std::exception {
public:
  explicit EError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
  const QString& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

private:
  QString FMessage;
  std::string FUtf8;
};

// An index outside a list.
class EListError : public EError {
public:
  using EError::EError;
};

// A read that needs more bytes than the file has left.
class EReadError : public EError {
public:
  using EError::EError;
};

// A text that does not convert to the number asked for.
class EConvertError : public EError {
public:
  using EError::EError;
};

// A file that cannot be opened, read or written; the message is the system's reason.
class EFileError : public EError {
public:
  using EError::EError;
};

// A static class was instantiated at run time.
class EStaticClassError : public EError {
public:
  using EError::EError;
};

inline QString ListIndexErrorMessage(int index) {
  return QStringLiteral("List index out of bounds (%1)").arg(index);
}
