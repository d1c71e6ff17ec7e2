// Text helpers: blanks, characters, quoted fields, line files and decimal
// texts. Texts are bytes in the Shift-JIS code page: a lead byte and its trail
// byte stay together, so a trail byte is never taken for a separator.
#pragma once

#include <string>

class CStringList;

// strtol rules (leading blanks, sign, digits up to the first other character),
// clamped to the int range; 0 without digits.
int ParseInt(const char* text);

// The first byte of a two-byte Shift-JIS character.
bool IsShiftJisLeadByte(unsigned char c);

// Removes leading and trailing ' ' (an all-blank text becomes empty).
void TrimString(std::string& s);
void TrimSpaces(char* s);
// Removes every occurrence of the character c[0].
void RemoveCharFromString(std::string& s, const char* c);
void RemoveChar(char* s, const char* c);

// Empties the list and adds the fields of text split at separator[0]; a double
// or single quote toggles a stretch in which the separator does not split, and
// is itself dropped. n separators give n + 1 fields. Returns the field count.
int SplitIntoList(CStringList* list, const char* text, const char* separator);
// Field index (from 0) of text split the same way; empty when there is none.
void GetField(std::string& out, const char* text, const char* separator, int index);
// Empties the list and adds every line of the text file without its line end.
// Nothing when the file cannot be read.
void ReadLinesIntoList(CStringList* list, const char* path);

// The characters of text from index to its end; empty for an index outside it.
std::string CopyTail(const char* text, int index);
// A decimal text of at most 256 characters, signed or not, becomes its value
// plus one with its width kept, as a counter's text expects: "0099" gives
// "0100", "999" "1000", "-10" "-09", "-1" "0". Any other text is left as it is.
void IncrementNumberText(std::string& s);
void StringAppend(std::string& s, const char* text);
