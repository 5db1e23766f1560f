#include "tools/PasswordHash.h"

#include <sodium.h>

#include <stdexcept>

namespace ldr {

namespace {

void RequireSodium() {
  if (sodium_init() < 0) throw std::runtime_error("the password hashing library cannot start");
}

} // namespace

std::string PasswordHash::Hash(const std::string& password) {
  RequireSodium();
  char key[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(key, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
    throw std::runtime_error("not enough memory to hash the password");
  return key;
}

bool PasswordHash::Matches(const std::string& key, const std::string& password) {
  RequireSodium();
  if (key.empty() || key.size() >= crypto_pwhash_STRBYTES) return false;
  return crypto_pwhash_str_verify(key.c_str(), password.data(), password.size()) == 0;
}

void PasswordHash::Wipe(std::string& text) {
  if (!text.empty()) sodium_memzero(text.data(), text.size());
  text.clear();
}

} // namespace ldr
