#pragma once
// The component's clipboard: cut, copy, paste and delete of the selected
// strips or elements. A copy puts the selection's rows into the "clpbrd_"
// buffer tables (with an untouched "clpbak_" backup) and shares a copy
// prepared for other projects through a buffer file; a paste appends the
// buffer to the live tables with new keys, so the same content pastes again
// and again as independent rows. Every change runs inside the caller's edit
// (one savepoint): a paste or delete that fails half-way leaves the project
// as it was.
//
// The shared buffer file: a copy writes it; a paste in another project takes
// its content when it is newer than what that project last copied or took.

#include "core/LdrContext.h"
#include "exchange/clsBufferServices.h"
#include "interfaces/itfClipboard.h"

#include <string>
#include <vector>

namespace ldr {

class itfLdrNet;

class clsClipboard : public itfClipboard {
public:
  static constexpr const char* kClassName = "clsClipboard";
  static constexpr const char* kBufferFileName = "LdrBuffer.qdb";
  // Content kinds.
  enum enContent { eCK_Nothing = 0, eCK_Strips = 1, eCK_Elements = 2 };
  // Numbered messages.
  enum enMessage : int {
    eMsg_NotCopyable = 453,
    eMsg_NamedConstants = 94,
    eMsg_MissingReference = 95,
    eMsg_MissingBlock = 96,
    eMsg_DeleteStrips = 92,
    eMsg_DeleteStrip = 93,
    eMsg_OutOfRange = 421,
    eMsg_BlockVersion = 97,
    eMsg_ExtendedOperands = 413,
    eMsg_NoRoom = 98,
  };

  // `bufferFile`: the buffer database shared between projects (empty: none).
  clsClipboard(LdrContext& ctx, std::string bufferFile);

  // itfClipboard
  void SetStrips(KeyedCollection<itfStrip>* strips) override { mStrips = strips; }
  bool Copy(long funcID) override;
  bool Cut(long funcID) override;
  bool Paste(long funcID, const std::shared_ptr<itfStrip>& strip) override;
  bool Delete(long funcID) override;
  bool DeleteFunction(long funcID) override;
  void ClearBufferData() override;
  void RefreshMdiButtonsStatus() override;

  db::Recordset GetRecordsetOfSelectedStrips(long funcID);
  const std::string& BufferFile() const { return mBufferFile; }
  // The buffer file beside a host settings file.
  static std::string BufferFileBeside(const std::string& hostSettingsPath);

private:
  enum class DeleteMode { Ask, Cut, Silent };

  int ContentOfSelection(long funcID);
  int ContentOfBuffer();
  std::vector<long> SelectedElementIDs();
  bool SelectionHasFixedParts(long funcID, int kind);
  void BuildBuffer(long funcID, int kind);
  int RefusalOfBuffer();
  void PrepareForOtherProjects(db::Connection& file);
  void ShareBufferFile();
  bool TakeSharedBuffer();
  bool RemoveSelection(long funcID, DeleteMode mode);
  std::string DeleteActionName(long funcID, int kind, const std::string& verb);
  void RefillNets(long funcID);
  bool IsLockedByPassword(long funcID);
  bool PasteChecksPass();
  bool PasteElements(const std::shared_ptr<itfStrip>& strip);
  void PasteStrips(long funcID, const std::shared_ptr<itfStrip>& strip);
  void RenamePastedLabels(long funcID);
  void AppendBufferRows(long& firstElement, long& lastElement);
  void RestoreBufferAfterPaste();
  long long CopyStampOfProject();
  void SetCopyStampOfProject(long long stamp);
  int Ask(int message, const std::vector<std::string>& args = {});

  LdrContext& mCtx;
  clsBufferServices mBuffers;
  std::string mBufferFile;
  KeyedCollection<itfStrip>* mStrips = nullptr;
};

} // namespace ldr
