#include "resources/string_tables.h"

namespace tavrune {
namespace {

// The study program's texts, by number.
constexpr StringEntry kStrings[] = {
    {40002, "Ordering the words in the List ..."},
    {40003, "One of the program files is missing.\nPlease reinstall the program."},
    {40004, "Unable to open a needed file.\nPlease close other applications and retry."},
    {40009, "%1 is not a Tavrune word list file.\nPlease open a file with .tvr extension."},
    {40011, "Unable to obtain a timer for Slide Show. Please\nclose other running applications and retry.\n\nYou can still use other features of Tavrune."},
    {40017, "Search stopped at the end of the list.\nNo words with answer found."},
    {40018, "Search stopped at the beginning of the list.\nNo words with answer found."},
    {40020, "Building list ..."},
    {40021, "Rebuilding list ..."},
    {40022, "Arranging Anagram presentation ..."},
    {40024, "File %1 is corrupt.\nTry opening again.\nIf the error persists, delete the file\n and recreated the file."},
    {40025, "Saving to file %1 failed.\nTry saving again.\nIf the error persists, save to another file."},
    {40027, "%1 words will NOT be imported.\nThey are more than 15 letters long and or\ncontain letters others than 'A' to 'Z' and '?'."},
    {40028, "%1 word will NOT be imported.\nEither it is more than 15 letters long or\nit contains letters other than 'A' to 'Z' and '?'."},
    {40029, "Merging words ..."},
    {40030, "Reading File ..."},
    {40033, "Unexpected character in Anagram pattern.\n\n'A' to 'Z', '?' and '*' are the only allowable characters."},
    {40034, "Unexpected character in Build pattern.\n\n'A' to 'Z' and '?' are the only allowable characters."},
    {40035, "Unexpcted character in Pattern."},
    {40036, "Type in a pattern. You can use letters 'A' to 'Z', '?' and '*'. To find all the 5 letter words that begin R and end with S, type R???S."},
    {40037, "Type in letters to be anagrammed. You can use letters 'A' to 'Z', '?' and '*'. To find all the 8 letter words containing EASTER, type EASTER??."},
    {40038, "Removing common words ..."},
    {40040, "Type in letters to be used for Build. You can use letters 'A' to 'Z' and '?'. All the possible words that can be built are shown."},
    {40041, "Type in letters that need to be in the words. You can use letters 'A' to 'Z'."},
    {40042, "Type in letters that need to be in the words. You can use letters 'A' to 'Z'. If you type 'AEE', all the words containing 1 A, 2 Es will be matched."},
    {40043, "Unexpected character in input.\n\n'A' to 'Z' are the only allowable characters."},
    {40044, "Type in the minimum length of the word for the left and right parts. To find words like FIREBOAT (FIRE+BOAT), bring all the 8 letter words and set 4 and 4 for the left and right part."},
    {40045, "Type in the length of the sub word. To find words like FINCHES (F + INCH + ES), bring all the 7 letter words and set the length as 4."},
    {40046, "Type in the minimum and maximum length of the words."},
    {40047, "Type in the minimum and maximum number of vowels in the words."},
    {40048, "%1 should be greater than or equal to %2."},
    {40049, "Type in a beginning pattern. You can use letters 'A' to 'Z', '?' and '*'."},
    {40050, "Type in an ending pattern. You can use letters 'A' to 'Z', '?' and '*'."},
    {40051, "Type in a cryptogram pattern. You can use letters 'A' to 'Z'. To find words like DUMDUM, PAWPAW, type XYZXYZ."},
    {40052, "Type in a Consonant Vowel pattern. You can use letters 'C' for Consonant, 'V' for Vowel and '?' for any letter."},
    {40053, "Unexpected character in input.\n\n'C', 'V' and '?' are the only allowable characters."},
    {40054, "Type in the minimum and maximum number of Anagrams for the words (takes time, try with small lists first). You can't search the entire Lexicon."},
    {40055, "Type in the starting and ending position of words by Probability. This works only when Number of words is more than 0. You can't search the entire Lexicon."},
    {40056, "You can't search the entire Lexicon."},
    {40057, "Type in two beginning patterns. You can use letters 'A' to 'Z'. To find words that begin with RE as well as PRE, type RE and PRE. Only RE words are shown."},
    {40058, "Type in two ending patterns. You can use letters 'A' to 'Z'. To find words that end with EY as well as Y, type EY and Y. Only EY words are shown."},
    {40059, "Type in the number of letters for front extension. If you bring all the five letter words and specify 2, words like PARTY (BIPARTY) will match. You can't search the entire Lexicon."},
    {40060, "Type in the number of letters for end extension. If you bring all the five letter words and specify 3, words like JUNKY (JUNKYARD) will match. You can't search the entire Lexicon."},
    {40061, "Type in the number of letters for front and end extension. If you bring all the 4 letter words and specify 2 and 2, words like AZON (BLAZONED) will match. You can't search the entire Lexicon."},
    {40062, "Type in the minimum and maximum number of total points for the words."},
    {40063, "Type in letters (from which any letter can be in the words). You can use letters 'A' to 'Z'. To find all the 7 letter words containing either J or Q or X or Z, bring all the 7 letter words and type JQXZ."},
    {40065, "Type in two patterns. You can use letters 'A' to 'Z'. To find words where OO can be substituted with U (LOONY, LUNY), type OO and U. Only OO words are shown."},
    {40066, "Removing words..."},
    {40067, "Loading dictionary..."},
    {40073, "Play is Acceptable."},
    {40074, "Play is NOT Acceptable."},
    {40075, "There are no words to challenge!"},
    {40077, "The list is already Random.\n\nDo you want it Randomized again?"},
    {40078, "Removing words WITH Answers ..."},
    {40079, "Removing words WITHOUT Answers ..."},
    {40080, "The current word list is no longer valid\n for the new Dictionary.\n\nDo you want to create a new list?"},
    {40083, "Type in letters to be used for BuildBuild. You can use letters 'A' to 'Z' and '?'. If QUOTA is typed in, QUA and TO are returned by this search. "},
    {40084, "There are no Lexicons.\n\nIf you donwloaded the software from the web,\nplease download at least one Lexicon."},
    {40087, "A list holds at most 64,000 words: only the first %1 of them will be added.\n\nDo you want to continue?"},
    {40088, "%1%% complete"},
};

}  // namespace

std::span<const StringEntry> StudyStrings() { return kStrings; }

}  // namespace tavrune
