#ifndef TAVRUNE_TESTS_SUPPORT_WORDNET_FIXTURE_H_
#define TAVRUNE_TESTS_SUPPORT_WORDNET_FIXTURE_H_

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/support/fuzz_seed.h"

namespace tavrune::testing {

// A small WordNet database in the files' own layout: index lines sorted
// by lemma that name synsets by their byte offset in the data file, a
// licence header of lines starting with spaces in every index and data
// file as the real ones have, and exception lists.
class WordNetFixture {
 public:
  // Adds a synset of one word to the part ("noun", "verb", "adj", "adv")
  // with synset type `type` ('n', 'v', 'a', 's', 'r').
  WordNetFixture& Sense(const std::string& part, const std::string& lemma, char type,
                        const std::string& gloss) {
    Part& content = parts_[part];
    content.senses[lemma].push_back(content.synsets.size());
    content.synsets.push_back({lemma, type, gloss});
    return *this;
  }
  WordNetFixture& Exception(const std::string& part, const std::string& line) {
    parts_[part].exceptions.push_back(line);
    return *this;
  }

  // Writes every file into `folder`; also keeps them as a fuzz seed.
  void Write(const std::string& folder) const {
    std::string seed;
    for (const auto& [part, content] : parts_) {
      std::string data = kHeader;
      std::vector<size_t> offsets;
      for (const Synset& s : content.synsets) {
        offsets.push_back(data.size());
        char head[32];
        std::snprintf(head, sizeof head, "%08zu 05 %c 01 ", data.size(), s.type);
        data += head + s.lemma + " 0 000 | " + s.gloss + "  \n";
      }
      std::string index = kHeader;
      for (const auto& [lemma, synsets] : content.senses) {
        index += lemma + " " + IndexPart(part) + " " + std::to_string(synsets.size()) + " 1 @ " +
                 std::to_string(synsets.size()) + " 0";
        for (size_t i : synsets) {
          char offset[16];
          std::snprintf(offset, sizeof offset, " %08zu", offsets[i]);
          index += offset;
        }
        index += "  \n";
      }
      std::string exceptions;
      for (const std::string& line : content.exceptions) exceptions += line + "\n";
      for (const auto& [name, text] :
           {std::pair<std::string, const std::string&>{"index." + part, index},
            {"data." + part, data},
            {part + ".exc", exceptions}}) {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
        seed += "=== " + name + "\n" + text;
      }
    }
    KeepFuzzSeed("wordnet_fuzz", seed);
  }

 private:
  static constexpr char kHeader[] =
      "  1 This software and database is being provided to you, the LICENSEE, by  \n"
      "  2 Princeton University under the following license.  \n";

  static std::string IndexPart(const std::string& part) {
    return part == "noun" ? "n" : part == "verb" ? "v" : part == "adj" ? "a" : "r";
  }

  struct Synset {
    std::string lemma;
    char type;
    std::string gloss;
  };
  struct Part {
    std::vector<Synset> synsets;                        // in data file order
    std::map<std::string, std::vector<size_t>> senses;  // sorted, as the index is
    std::vector<std::string> exceptions;
  };
  std::map<std::string, Part> parts_;
};

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_WORDNET_FIXTURE_H_
