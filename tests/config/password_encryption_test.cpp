// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/password_encryption.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(PasswordEncryption, EncodedFormsReadBackAndHideThePassword) {
  for (const char* password : {"a", "cisco", "dor584", "Mixed Case 7!", "~\x7f"}) {
    const std::string encoded = encodePassword(password);
    EXPECT_EQ(encoded.find(password), std::string::npos) << password;
    EXPECT_EQ(encoded.find_first_not_of("0123456789ABCDEF"), std::string::npos) << encoded;
    EXPECT_EQ(decodePassword(encoded), password);
    EXPECT_EQ(encodePassword(password), encoded);  // the same password always reads the same
  }
  EXPECT_NE(encodePassword("abc"), encodePassword("abd"));
  for (const char* bad : {"", "0", "0G41", "FF41", "0A4"})
    EXPECT_EQ(decodePassword(bad), std::nullopt) << bad;
  EXPECT_EQ(shownPassword("secret", false), "secret");
  EXPECT_EQ(shownPassword("secret", true), "7 " + encodePassword("secret"));
}

}  // namespace
}  // namespace kovrel
