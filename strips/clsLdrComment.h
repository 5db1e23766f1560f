#pragma once
// A comment strip: a free-text block between nets, 3 to 20 rows high. Its
// left zone (header with the comment icon and the resize handle) lies on the
// left board, the text area (53 columns from the edit zone) on the right
// board. The drawer sets Left to the horizontal scroll offset while it draws
// the comment, so the text follows the scroll; the header stays in its column
// beside the ladder, as a net's does.
//
// Hit kinds: nothing, the header, the text area (eHK_Body), and the resize
// handle in the left zone from the row line Height - 2 down.
//
// A press on the text area opens the main board's "txtComment" box over it;
// when the box is validated its text becomes the comment.

#include "interfaces/itfLdrComment.h"
#include "strips/TextStrip.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class clsLdrComment : public TextStrip, public itfLdrComment {
public:
  static constexpr std::int32_t kMinHeight = 3;
  static constexpr std::int32_t kMaxHeight = 20;

  explicit clsLdrComment(LdrContext& ctx);

  // --- itfStrip -------------------------------------------------------------
  PropertyBag GetPropertyBag() override;
  void SetPropertyBag(const PropertyBag& propBag) override;
  std::int32_t Height() override { return mHeight; }
  // Stored at once; a height outside 3 to 20 rows is refused.
  void SetHeight(std::int32_t value) override;
  std::int32_t MinHeight() override { return kMinHeight; }
  std::int32_t MaxHeight() override { return kMaxHeight; }
  void QueryProcess(itfProcessControl& processControl) override;
  void Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) override;
  void PrintStrip(gdi::DeviceContext& hdc) override;

  // --- itfLdrComment --------------------------------------------------------
  std::string Comment() override { return mComment; }
  // Stored at once when the comment has its row, so no text is lost.
  void SetComment(const std::string& value) override;

private:
  enStripType StripType() const override { return eST_LdrComment; }
  void LoadOwnColumns(db::Recordset& rs) override;
  void AddOwnColumns(db::FieldList& row) const override;
  const std::string& EditedText() const override { return mComment; }
  TextBoxPlace EditBoxPlace() override;
  void StoreEditedText(const std::string& text) override { SetComment(text); }
  std::int32_t LeftZoneHit(const HitRecord& hit, std::int32_t y) override { return HeaderOrResizer(hit, y); }
  std::int32_t BodyHit(const HitRecord&, std::int32_t, std::int32_t) override { return eHK_Body; }
  std::shared_ptr<StripBase> NewBlank() const override { return std::make_shared<clsLdrComment>(mCtx); }

  void DrawLeftZone(gdi::DeviceContext& left, const GdiResources& res) const;
  void DrawTextArea(gdi::DeviceContext& board, const GdiResources& res) const;
  static void DrawMoreTextSign(gdi::DeviceContext& dc, int bottom);
  void WriteText(gdi::DeviceContext& dc, int bottom) const;

  std::int32_t mHeight = kMinHeight;
  std::string mComment;
};

} // namespace ldr
