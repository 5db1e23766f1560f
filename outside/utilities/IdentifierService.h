#pragma once
// Fresh 32-bit identifiers for the code and data blocks of subroutines
// (LdrFunctions.Guid and DataGuid).

namespace ldr {

class IdentifierService {
public:
  virtual ~IdentifierService() = default;
  // A positive identifier that no block of the project uses and that was never
  // handed out before.
  virtual long NewIdentifier() = 0;
  // An identifier no longer used (its subroutine was deleted).
  virtual void ReleaseIdentifier(long identifier) = 0;
};

} // namespace ldr
