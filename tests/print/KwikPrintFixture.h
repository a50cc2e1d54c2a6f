#pragma once

#include "QStringPrinting.h"
#include "QZ_KwikPrint.h"
#include "QZ_RecordingPrintBackend.h"

#include <gtest/gtest.h>
#include <memory>

// A page printer on a recording backend: Letter paper at 300 dpi whose
// printable area starts 30 px from the left and 45 px from the top of the
// sheet and ends 40 px from the right and 55 px from the bottom. With fixed
// metrics every line is 40 + 10 = 50 px (1/6 inch) high and every character
// 20 px wide, so positions can be worked out by hand:
//   gutters (each plus 1): left 31, top 46, right 41, bottom 56
//   margins at 0 fall back to them; MaxRight 2550 - 41 - 31 = 2478,
//   MaxBottom 3300 - 56 - 46 = 3198.
class KwikPrintFixture : public ::testing::Test {
protected:
  static constexpr int LeftGutter = 31, TopGutter = 46, RightGutter = 41, BottomGutter = 56;
  static constexpr int MaxRight = 2478, MaxBottom = 3198;
  static constexpr int LinePixels = 50, CharPixels = 20;

  KwikPrintFixture() {
    auto backend = std::make_unique<TRecordingPrintBackend>();
    backend->UseFixedMetrics(40, 10, CharPixels);
    Recorder = backend.get();
    Printer = std::make_unique<TKwikPrint>(std::move(backend));
  }

  std::vector<TPrintRecord> Texts() const { return Recorder->RecordsOf(TPrintRecord::rkText); }
  std::vector<TPrintRecord> Rectangles() const { return Recorder->RecordsOf(TPrintRecord::rkRectangle); }
  std::vector<TPrintRecord> Lines() const { return Recorder->RecordsOf(TPrintRecord::rkLine); }
  std::vector<TPrintRecord> Images() const { return Recorder->RecordsOf(TPrintRecord::rkImage); }

  // The first text record with this text; fails the test when there is none.
  TPrintRecord Text(const QString& AText) const {
    for (const TPrintRecord& record : Texts()) {
      if (record.Text == AText) return record;
    }
    ADD_FAILURE() << "no text " << AText.toStdString();
    return {};
  }

  TRecordingPrintBackend* Recorder = nullptr;
  std::unique_ptr<TKwikPrint> Printer;
};

inline QFont DejaVuSans(int APointSize) { return QFont(QStringLiteral("DejaVu Sans"), APointSize); }
