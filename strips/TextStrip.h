#pragma once
// A strip of text the user edits in place: comments and labels. Its text
// area starts at the edit zone and is 53 columns (742 pixels) wide; the main
// board's edit box of its kind is laid over the text, and the box's validated
// text is stored and the view redrawn. A new row carries the strip's height,
// note and texts; such strips are never compiled.

#include "core/enStripType.h"
#include "interfaces/ElementDefs.h"
#include "strips/StripBase.h"
#include "strips/StripTextEditor.h"

#include <cstddef>
#include <string>

namespace ldr {

namespace gdi {
class DeviceContext;
}
struct GdiResources;

class TextStrip : public StripBase {
public:
  static constexpr int kTextWidth = 742;
  static constexpr int kLeftZoneWidth = 28;

  // A typed text longer than maxCharacters is cut to it (see StripTextEditor).
  TextStrip(LdrContext& ctx, std::string boxName, bool validateOnEnter, std::size_t maxCharacters);

  void Load(db::Recordset& rsStrips) override;
  void AddToDB(std::int32_t funcID) override;

  // Opens the edit box over the text; false without one.
  bool StartEditing();
  bool Editing() const { return mEditor.Editing(); }

protected:
  std::int32_t EditZoneWidth() const override { return STRIP_WIDTH; }
  virtual enStripType StripType() const = 0;
  // The kind's own columns of its row.
  virtual void LoadOwnColumns(db::Recordset& rs) = 0;
  virtual void AddOwnColumns(db::FieldList& row) const = 0;
  // The text the edit box edits, where the box goes, and what becomes of
  // the validated text.
  virtual const std::string& EditedText() const = 0;
  virtual TextBoxPlace EditBoxPlace() = 0;
  virtual void StoreEditedText(const std::string& text) = 0;

  // The left zone's ground (grey when selected) and the left power rail,
  // `height` pixels down from the strip's top; x = 0 is the text area's start.
  void DrawLeftGround(gdi::DeviceContext& left, const GdiResources& res, int height) const;

private:
  void TakeEditedText(const std::string& text);

  StripTextEditor mEditor;
};

} // namespace ldr
