#pragma once

// Helpers shared by the game data tests.

#include "GameDataError.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <gtest/gtest.h>

// Runs `read` and expects an EGameDataError whose message names the file
// and contains `fragment`.
inline void ExpectGameDataError(const std::function<void()>& read, const QString& fileName, const QString& fragment) {
  try {
    read();
    ADD_FAILURE() << "no error; expected one containing \"" << fragment.toStdString() << "\"";
  } catch (const EGameDataError& e) {
    EXPECT_TRUE(e.Message().startsWith(fileName)) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(fragment)) << e.Message().toStdString();
  }
}

// Names the cases of a parameterised test by the Name of their parameter.
struct TCaseName {
  template <typename TParam>
  std::string operator()(const ::testing::TestParamInfo<TParam>& test) const {
    return test.param.Name;
  }
};
