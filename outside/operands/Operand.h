#pragma once
// One operand slot of an element: the operand's identity (type, address,
// network), its operand-list data (description, power-up value), the types
// the slot accepts, how it is displayed, its default text, its flags and its
// on-line value. It asks the user for its operand through the dialog service
// and refuses entries the controller cannot hold.

#include "outside/utilities/OperandValues.h"
#include "platform/database/Connection.h"
#include "platform/database/DbValue.h"
#include "platform/database/Recordset.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

class OperandList;
class OperandTypeCatalogue;
class VirtualController;
struct GdiResources;
struct HitRecord;
namespace gdi {
class DeviceContext;
}
class DialogService;
class MessageService;

// Where an operand is drawn relative to its element's inlet.
enum OperandAnchor : int {
  eOA_LeftOfPin = 1,  // right-aligned, ending left of an input pin
  eOA_AboveRung = 2,  // centred over the element's cell, in the rows above the rung
  eOA_RightOfPin = 3, // left-aligned, right of an output pin
};

// The display values an element gives its operands: anchor, the longest text
// shown (longer texts are cut), and the grid offset of the operand's first
// row from the element's inlet. Contacts and coils use (2, 50, 0, -3).
struct OperandDisplay {
  int Anchor = eOA_AboveRung;
  int MaxChars = 50;
  int OffsetX = 0;
  int OffsetY = -3;
  bool operator==(const OperandDisplay&) const = default;
};

class Operand {
public:
  Operand(std::shared_ptr<db::Connection> project, std::shared_ptr<const OperandTypeCatalogue> types);

  // --- identity ---------------------------------------------------------------
  long OprndType() const { return mKey.Type; }
  long Address() const { return mKey.Address; }
  long NetworkID() const { return mKey.NetworkID; }
  const OperandKey& Key() const { return mKey; }
  void SetOprndType(long type) { mKey.Type = type; }
  void SetAddress(long address) { mKey.Address = address; }
  void SetNetworkID(long networkID) { mKey.NetworkID = networkID; }
  void SetKey(const OperandKey& key) { mKey = key; }
  bool IsMatch(long type, long address, long networkID) const;
  // What a user would enter for the slot now (constants: their value).
  OperandEntry Entry() const;

  // --- operand-list data ------------------------------------------------------
  const std::string& Description() const { return mDescription; }
  void SetDescription(std::string description) { mDescription = std::move(description); }
  double PowerUp() const { return mPowerUp; }
  void SetPowerUp(double value) { mPowerUp = value; }
  bool EnablePowerUp() const { return mEnablePowerUp; }
  void SetEnablePowerUp(bool enable) { mEnablePowerUp = enable; }

  // --- accepted types ---------------------------------------------------------
  void ClearAcceptedTypes() { mAccepted.clear(); }
  void AddAcceptedType(long group, long type);
  void SetAcceptedTypes(const std::vector<AcceptedType>& types);
  const std::vector<AcceptedType>& AcceptedTypes() const { return mAccepted; }
  // A slot without a list accepts every type.
  bool Accepts(long type) const;

  // --- display ----------------------------------------------------------------
  // `newSlot`: the operand belongs to an element being placed.
  void ConfigureDisplay(int anchor, int maxChars, int offsetX, int offsetY, bool newSlot = false);
  const OperandDisplay& Display() const { return mDisplay; }
  bool IsNewSlot() const { return mNewSlot; }
  // The width of the operand's area in grid columns (6, a contact's cell,
  // unless the element says otherwise).
  void SetAreaWidth(int columns) { mAreaWidth = columns; }
  int AreaWidth() const { return mAreaWidth; }

  // --- the element it belongs to --------------------------------------------
  void SetElementContext(long elementType, bool isInput, long slot);
  long ElementType() const { return mElementType; }
  bool IsInput() const { return mIsInput; }
  long Slot() const { return mSlot; }
  // The subroutine the element is in: label operands must name a label of it.
  void SetScopeFunction(long funcID) { mScopeFuncID = funcID; }
  long ScopeFunction() const { return mScopeFuncID; }

  // --- default text -------------------------------------------------------------
  const std::string& DefaultText() const { return mDefaultText; }
  void SetDefaultText(std::string text) { mDefaultText = std::move(text); }
  // The text of the slot's element type (OperandSlotRules), with its fallback.
  void ApplyDefaultText();
  // The settings of a new, empty slot: no operand yet, nothing selected.
  void InitialiseNewSlot();

  // --- flags ------------------------------------------------------------------
  // A fixed operand is not chosen by the user (the return element's).
  bool IsFixed() const { return mFixed; }
  void SetFixed(bool fixed) { mFixed = fixed; }
  bool IsHighlighted() const { return mHighlighted; }
  void SetHighlight(bool highlighted) { mHighlighted = highlighted; }
  bool IsSelected() const { return mSelected; }
  void SetSelected(bool selected) { mSelected = selected; }

  // --- database -----------------------------------------------------------------
  // Reads the current row of an operands recordset: Elmnt_Oprnd_Type,
  // Elmnt_Oprnd_Adrs, Elmnt_Oprnd_NetworkID and, where the recordset has
  // them, OprndDescription, OprndPowerUp and OprndEnablePowerUp.
  void ReadFromRow(const db::Recordset& row);
  // When (type, address, network) is this operand, re-reads its operand-list
  // data and answers true; otherwise answers false and changes nothing.
  bool RefreshOperand(long type, long address, long networkID);
  void ReloadFromOperandList();

  // --- the user -----------------------------------------------------------------
  // Asks the user for the operand until an entry is valid or the user
  // cancels. A refused entry is explained in a message box and asked again;
  // it never reaches the operand. True when the user confirmed.
  bool OpenForUser(DialogService& dialogs, MessageService& messages);
  // Why `entry` cannot be this slot's operand; empty when it can.
  std::string CheckEntry(const OperandEntry& entry) const;
  // Takes a valid entry: identity, description and value. A constant gets
  // its operand-list row (its value lives there).
  void ApplyEntry(const OperandEntry& entry);

  // --- texts --------------------------------------------------------------------
  // "MB 5", "N2.MB 5", "MIB 3.15", "#100", a reference's target name.
  std::string DisplayName() const;
  std::string ToolTipText() const;

  // --- drawing and hit testing (OperandPainter) ----------------------------------
  // Draws the operand with the device context's origin at the element's
  // inlet: its name and address, and its description where the area has room.
  void Draw(gdi::DeviceContext& hdc, const GdiResources& resources) const;
  // The same figure for printing: no selection, no on-line value.
  void Print(gdi::DeviceContext& hdc) const;
  // Whether the grid point of `hit` (relative to the element's inlet) lies in
  // the operand's area; on a hit, field 8 tells the part: 1 the name row, 2 a
  // description row.
  bool HitTest(HitRecord& hit) const;

  // --- on line --------------------------------------------------------------------
  void AppendTestValue(const std::shared_ptr<VirtualController>& controller);
  bool HasTestValue() const;
  std::int64_t TestValue() const;

  // --- serialisation (property bags) ------------------------------------------
  db::Blob Serialize() const;
  // Throws std::invalid_argument on damaged data and leaves the operand as it was.
  void Deserialize(const db::Blob& bytes);

  const OperandTypeCatalogue& Types() const { return *mTypes; }

private:
  std::string CheckConstant(const OperandEntry& entry) const;
  std::string CheckAddress(const OperandEntry& entry) const;
  std::string AcceptedNames() const;
  void TakeReferenceTargetName(OperandList& list);

  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<const OperandTypeCatalogue> mTypes;

  OperandKey mKey;
  std::string mDescription;
  double mPowerUp = 0.0;
  bool mEnablePowerUp = false;
  std::vector<AcceptedType> mAccepted;
  OperandDisplay mDisplay;
  int mAreaWidth = 6;
  bool mNewSlot = false;
  long mElementType = 0;
  bool mIsInput = true;
  long mSlot = 0;
  long mScopeFuncID = 0;
  std::string mDefaultText;
  bool mFixed = false;
  bool mHighlighted = false;
  bool mSelected = false;
  std::weak_ptr<VirtualController> mController;
};

} // namespace ldr
