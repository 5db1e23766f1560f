#pragma once
// The ladder password is never stored: the project keeps a salted, slow hash
// of it in libsodium's self-describing text form ("$argon2id$..."), and a
// typed password is checked against that hash.

#include <string>

namespace ldr {

class PasswordHash {
public:
  // A fresh salt each time: two hashes of one password differ.
  static std::string Hash(const std::string& password);
  // False as well for a key that is not a hash of this form.
  static bool Matches(const std::string& key, const std::string& password);
  // Overwrites the characters of `text` before it is let go.
  static void Wipe(std::string& text);
};

} // namespace ldr
