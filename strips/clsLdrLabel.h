#pragma once
// A label strip: one row that marks a jump destination. Its edit zone holds
// the name box (the first 15 columns, 210 pixels) with the label's name, and
// after it the label's comment.
//
// Hit kinds: nothing, the left zone (eHK_Header), the name box and the
// comment area (eHK_Body). The name box ends on the grid line 17 columns
// from the strip's Left; a point on that line belongs to the name box when
// its pixel lay left of it.
//
// A press on the comment area opens the main board's "txtLblComment" box
// over it; Enter or leaving the box makes its text the label's comment.

#include "interfaces/itfLdrLabel.h"
#include "strips/TextStrip.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class clsLdrLabel : public TextStrip, public itfLdrLabel {
public:
  // The grid line (from the strip's Left) where the name box ends.
  static constexpr std::int32_t kNameBoxEndColumn = 17;
  static constexpr int kNameBoxWidth = 210;

  explicit clsLdrLabel(LdrContext& ctx);

  // --- itfStrip -------------------------------------------------------------
  PropertyBag GetPropertyBag() override;
  void SetPropertyBag(const PropertyBag& propBag) override;
  // A label is always one row high; setting another height changes nothing.
  std::int32_t Height() override { return 1; }
  void SetHeight(std::int32_t) override {}
  std::int32_t MinHeight() override { return 1; }
  std::int32_t MaxHeight() override { return 1; }
  void QueryProcess(itfProcessControl& processControl) override;
  // "ID_LLblRename" lets the user rename the label; other tools are ignored.
  void ToolRequest(const std::string& toolID) override;
  void Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) override;
  void PrintStrip(gdi::DeviceContext& hdc) override;

  // --- itfLdrLabel ----------------------------------------------------------
  std::string LabelName() override { return mLabelName; }
  // Stored at once in LblName.
  void SetLabelName(const std::string& value) override;
  std::string LabelComment() override { return mLabelComment; }
  // Stored at once in LblComment when the label has its row.
  void SetLabelComment(const std::string& value) override;

  // Takes the name from the label's row again (after the label-name service
  // renamed it). A row that is gone is reported as error 232 and the name
  // stays as it was.
  void UpdateLabelNameFromDB();

private:
  enStripType StripType() const override { return eST_LdrLabel; }
  void LoadOwnColumns(db::Recordset& rs) override;
  void AddOwnColumns(db::FieldList& row) const override;
  const std::string& EditedText() const override { return mLabelComment; }
  TextBoxPlace EditBoxPlace() override;
  void StoreEditedText(const std::string& text) override { SetLabelComment(text); }
  std::int32_t LeftZoneHit(const HitRecord&, std::int32_t) override { return eHK_Header; }
  std::int32_t BodyHit(const HitRecord& hit, std::int32_t x, std::int32_t y) override;
  std::shared_ptr<StripBase> NewBlank() const override { return std::make_shared<clsLdrLabel>(mCtx); }

  void DrawLeftZone(gdi::DeviceContext& left, const GdiResources& res) const;
  void DrawBody(gdi::DeviceContext& board, const GdiResources& res) const;
  void WriteTexts(gdi::DeviceContext& dc) const;

  std::string mLabelName;
  std::string mLabelComment;
};

} // namespace ldr
