#ifndef TAVRUNE_BENCH_BENCH_DOCUMENT_H_
#define TAVRUNE_BENCH_BENCH_DOCUMENT_H_

#include <memory>
#include <string>
#include <vector>

#include "bench/bench_lexicons.h"
#include "engine/random_source.h"
#include "platform/settings.h"
#include "platform/silent_prompt.h"
#include "study/application_state.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune::bench {

// Answers Yes to limit questions and No to others, shows nothing.
// A document over the default combined lexicon, answers unfiltered.
struct BenchDocument {
  explicit BenchDocument(uint32_t seed = 7) : random(seed) {
    app.LexiconFor(LexiconId::kUKNA) = DefaultLexicon();
    app.SetSource(2);
    app.SetAnswerSource(2);
    doc = std::make_unique<MTavruneDoc>(app, random);
  }
  MemorySettings settings;
  SilentPrompt prompt{UserPrompt::Answer::kYes, UserPrompt::Answer::kNo};
  ApplicationState app{"", settings, prompt};
  RandomEngine random;
  std::unique_ptr<MTavruneDoc> doc;
};

}  // namespace tavrune::bench

#endif  // TAVRUNE_BENCH_BENCH_DOCUMENT_H_
