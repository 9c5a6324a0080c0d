// What a value read reports it depended on, which lets a scanner skip a read
// whose text repeats the previous one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "text/value_reader.hpp"

namespace vortelin {
namespace {

// Items of the kinds in `kinds` ('f' float, 'i' integer), all starting at -999.
struct Items {
  explicit Items(const std::string& kinds)
      : floats(kinds.size(), -999.0f), ints(kinds.size(), -999) {
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      targets.push_back(kinds[k] == 'f' ? ValueTarget{&floats[k]} : ValueTarget{&ints[k]});
    }
  }
  Items(const Items&) = delete;  // the targets point into this object
  Items& operator=(const Items&) = delete;
  std::vector<float> floats;
  std::vector<std::int32_t> ints;
  std::vector<ValueTarget> targets;
};

// Texts that keep the bytes a read looked at and change or add anything after
// them fill the items the same way; reading a text again into the items it
// filled changes nothing.
TEST(ReadValuesExtent, OutcomeDependsOnlyOnWhatTheReadLookedAt) {
  const struct {
    std::string kinds, text;
  } cases[] = {{"f", "120 s"},
               {"f", "120"},
               {"f", "1.5-3"},
               {"f", "+00120.000"},
               {"fff", "0.2,1,4.5"},
               {"fff", "0.2,1,4.5,x"},
               {"fff", "0.2 , , 4.5"},
               {"fff", "1/2"},
               {"fff", "2*,5"},
               {"ffff", "3*0.3,5"},
               {"fff", "3*"},
               {"fi", "2*25-1"},
               {"i", "1+2"},
               {"if", ",2.5 7"},
               {"fff", "0.2,1,4.5e1 "},
               {"fff", "1.25,2.5,0.125\t"}};
  const std::string alphabet = "0123456789.,/ *+-eEdD\tx";
  std::mt19937_64 random(20050518);
  for (const auto& c : cases) {
    Items first(c.kinds);
    const std::size_t looked_at = read_values(c.text, first.targets);
    ASSERT_GE(looked_at, 1u) << c.text;
    ASSERT_LE(looked_at, c.text.size() + 1) << c.text;
    Items again(c.kinds);
    std::copy(first.floats.begin(), first.floats.end(), again.floats.begin());
    std::copy(first.ints.begin(), first.ints.end(), again.ints.begin());
    read_values(c.text, again.targets);
    EXPECT_EQ(again.floats, first.floats) << c.text;
    EXPECT_EQ(again.ints, first.ints) << c.text;
    if (looked_at > c.text.size()) continue;  // it met the text's end: nothing may follow
    for (int n = 0; n < 300; ++n) {
      std::string other = c.text.substr(0, looked_at);
      const int extra = std::uniform_int_distribution<int>(0, 6)(random);
      for (int i = 0; i < extra; ++i) {
        other +=
            alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
      }
      Items changed(c.kinds);
      read_values(other, changed.targets);
      EXPECT_EQ(changed.floats, first.floats) << "[" << c.text << "] and [" << other << "]";
      EXPECT_EQ(changed.ints, first.ints) << "[" << c.text << "] and [" << other << "]";
    }
  }
}

}  // namespace
}  // namespace vortelin
