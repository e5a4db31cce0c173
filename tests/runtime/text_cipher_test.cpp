#include <gtest/gtest.h>

#include <string>

#include "runtime/blowfish.h"
#include "runtime/string_commands.h"
#include "tests/runtime/runtime_test_support.h"

namespace vdr {
namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

uint32_t BigEndianWord(const std::string& hex) { return static_cast<uint32_t>(std::stoul(hex, nullptr, 16)); }

TEST(BlowfishTest, PublishedVectors) {
  struct Case { const char* key; const char* clear; const char* cipher; };
  const Case cases[] = {
      {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
      {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
      {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
      {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
      {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
      {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
  };
  for (const Case& c : cases) {
    const Blowfish cipher(FromHex(c.key));
    const std::string clear = c.clear, expected = c.cipher;
    uint32_t left = BigEndianWord(clear.substr(0, 8)), right = BigEndianWord(clear.substr(8));
    cipher.EncryptBlock(left, right);
    EXPECT_EQ(left, BigEndianWord(expected.substr(0, 8))) << c.key;
    EXPECT_EQ(right, BigEndianWord(expected.substr(8))) << c.key;
    cipher.DecryptBlock(left, right);
    EXPECT_EQ(left, BigEndianWord(clear.substr(0, 8))) << c.key;
    EXPECT_EQ(right, BigEndianWord(clear.substr(8))) << c.key;
  }
}

TEST(EncryptTextTest, BlocksAreReadAndWrittenLittleEndian) {
  // The first and fifth published vectors with each half's bytes reversed.
  const RuntimeString zeroKey(std::string(8, '\0').c_str(), 8);
  EXPECT_EQ(EncryptText(zeroKey, RuntimeString(std::string(8, '\0').c_str(), 8)).view(), "4597f94e78dd9861");
  const std::string key = FromHex("0123456789ABCDEF");
  const std::string clear = FromHex("1111111111111111");
  EXPECT_EQ(EncryptText(RuntimeString(key.data(), 8), RuntimeString(clear.data(), 8)).view(), "80c3f96196b08122");
  EXPECT_EQ(DecryptText(RuntimeString(key.data(), 8), "80C3F96196B08122").view(), clear);
}

TEST(EncryptTextTest, RoundTripsForEveryLengthAndKey) {
  const char* keys[] = {"k", "secret", "a key longer than the seventy-two bytes Blowfish reads from its key, truly", ""};
  for (const char* key : keys) {
    std::string text;
    for (int length = 0; length <= 40; ++length) {
      const RuntimeString encrypted = EncryptText(key, text.c_str());
      EXPECT_EQ(encrypted.length(), static_cast<uint32_t>((length + 7) / 8 * 16)) << length;
      EXPECT_EQ(encrypted.view().find_first_not_of("0123456789abcdef"), std::string_view::npos);
      EXPECT_EQ(DecryptText(key, encrypted).view(), text) << "key \"" << key << "\" length " << length;
      if (length > 0) {
        EXPECT_NE(DecryptText("other", encrypted).view(), text);
      }
      text += static_cast<char>(length % 2 ? 'A' + length : 0x80 + length);
    }
  }
  EXPECT_EQ(EncryptText("k", "hello").length(), 16u);
  EXPECT_NE(EncryptText("k", "hello"), EncryptText("K", "hello"));
}

TEST(EncryptTextTest, DecryptRefusesTextThatIsNotWholeHexBlocks) {
  const RuntimeString good = EncryptText("key", "some text");
  ASSERT_EQ(good.length(), 32u);
  const RuntimeString bad[] = {MidText(good, 0, 31), MidText(good, 0, 30), MidText(good, 0, 2),
                               ReplaceText(good, MidText(good, 5, 1), "g"), MidText(good, 0, 15) + " "};
  for (const RuntimeString& text : bad) EXPECT_EQ(DecryptText("key", text).view(), "") << text.c_str();
  EXPECT_EQ(DecryptText("key", "").view(), "");
}

}  // namespace
}  // namespace vdr
