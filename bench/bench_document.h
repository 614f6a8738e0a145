#ifndef TAVRUNE_BENCH_BENCH_DOCUMENT_H_
#define TAVRUNE_BENCH_BENCH_DOCUMENT_H_

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "dictionary/dictionary.h"
#include "engine/random_source.h"
#include "platform/settings.h"
#include "platform/silent_prompt.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune::bench {

// A document over the default combined lexicon, answers unfiltered. `App`
// is the dictionary, or the study program's application object built on it.
template <typename App>
struct BasicBenchDocument {
  explicit BasicBenchDocument(uint32_t seed = 7) : random(seed) {
    app.LexiconFor(LexiconId::kUKNA) = DefaultLexicon();
    app.SetSource(2);
    app.SetAnswerSource(2);
    doc = std::make_unique<MTavruneDoc>(app, settings, prompt, random);
  }
  MemorySettings settings;
  // Answers Yes to limit questions and No to others, shows nothing.
  SilentPrompt prompt{UserPrompt::Answer::kYes, UserPrompt::Answer::kNo};
  App app{"", settings, prompt};
  RandomEngine random;
  std::unique_ptr<MTavruneDoc> doc;
};
using BenchDocument = BasicBenchDocument<Dictionary>;

}  // namespace tavrune::bench

#endif  // TAVRUNE_BENCH_BENCH_DOCUMENT_H_
