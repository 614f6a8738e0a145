#ifndef TAVRUNE_ENGINE_LETTERS_H_
#define TAVRUNE_ENGINE_LETTERS_H_

namespace tavrune {

// Words are plain 'A'-'Z' whatever the user's locale, so no <cctype> here.
constexpr bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LETTERS_H_
