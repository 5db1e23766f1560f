#pragma once
// Comment and label strips over a new project: rows added to subroutine 2,
// strips loaded from them as the function view loads them, hit records and
// surfaces to draw on (from the net tests' fixture).

#include "NetTestFixture.h"

#include "strips/clsLdrComment.h"
#include "strips/clsLdrLabel.h"

#include <memory>
#include <string>

namespace ldr::test {

class CommentTestFixture : public NetTestFixture {
protected:
  // A strip of `T` loaded from row `stripID` and placed at `top`.
  template <typename T> std::shared_ptr<T> LoadStrip(long stripID, std::int32_t top = 0) {
    auto rs = Db().Query("SELECT * FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
    auto strip = std::make_shared<T>(mCtx);
    strip->SetTop(top);
    strip->Load(rs);
    return strip;
  }
  long AddCommentRow(const std::string& text, long height = 3) {
    return static_cast<long>(Db().AddRow("LdrStrips", {{"FuncID", 2},
                                                       {"SeqNum", 100},
                                                       {"StrpType", 2},
                                                       {"Height", height},
                                                       {"Comment", text},
                                                       {"CompileDirtyBit", 0},
                                                       {"IsCompilable", 0}}));
  }
  long AddLabelRow(const std::string& name, const std::string& comment = {}) {
    return static_cast<long>(Db().AddRow("LdrStrips", {{"FuncID", 2},
                                                       {"SeqNum", 101},
                                                       {"StrpType", 3},
                                                       {"Height", 1},
                                                       {"LblName", name},
                                                       {"LblComment", comment},
                                                       {"CompileDirtyBit", 0},
                                                       {"IsCompilable", 0}}));
  }
  db::DbValue Column(long stripID, const std::string& column) {
    return Db().QueryValue("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  }
  std::int32_t KindAt(itfStrip& strip, HitRecord hit) {
    strip.HitTestByPoint(hit);
    return hit.HitKind;
  }
  // Pixels of a surface that are neither of the two colours: text ink.
  static int InkIn(const gdi::DeviceContext& dc, int left, int top, int right, int bottom, gdi::COLORREF ground,
                   gdi::COLORREF other) {
    int ink = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const gdi::COLORREF c = dc.GetPixel(x, y);
        if (c != ground && c != other) ++ink;
      }
    return ink;
  }
};

} // namespace ldr::test
