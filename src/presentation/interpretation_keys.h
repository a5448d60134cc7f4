#pragma once

#include <string>

// Keys under which the analysis asks the three text collections for a text. Stars are ids
// 0 日 … 10 孛 (0 … 6 the governors), mansions indexes 0 轸 … 27 翼, palace indexes branch numbers
// 0 亥 … 11 戌, palace numbers 0 = the life palace … 11 = 相貌. A star id out of range gives the
// number -1 or an empty heading, which find nothing.

namespace tavrel {

inline constexpr int kTextStarCount = 11;  // 日 … 孛
inline constexpr int kGovernorCount = 7;   // 日 … 土
inline constexpr int kStarLinkEntryCount = 52;

// StarLink: the section of a star ("star_<id>") and its entries for a mansion (角 is 1, 轸 28),
// a palace number (29 … 40) and a palace index (子 is 41, 亥 52).
std::string StarLinkSection(int star);
int StarLinkMansionEntry(int mansion);
int StarLinkPalaceEntry(int palaceNumber);
int StarLinkBranchEntry(int palaceIndex);

// Numbered table: star in a mansion (B(s) + m), star in a palace index (500 + 12 s + b), star
// in palace number p (700 + s for the life palace, 700 + 20 p + s for p = 1 … 9), the lord of
// palace `ruledPalace` standing in palace `lordPalace` (1000 + 12 t + f), appearance and
// character of a life palace index (1200 + 2 L, 1201 + 2 L).
int MansionTextNumber(int star, int mansion);
int PalaceIndexTextNumber(int star, int palaceIndex);
int PalaceNumberTextNumber(int star, int palaceNumber);
int LordFlightTextNumber(int lordPalace, int ruledPalace);
int AppearanceTextNumber(int lifePalaceIndex);
int CharacterTextNumber(int lifePalaceIndex);

// Fixed-sentence headings: "★X入Y度" (governor in a mansion of degree lord Y), "★X入Y宫" (star in
// a branch of palace lord Y), "★XY同宫" (governor with a later star, 气 written 紫). 木 in a
// mansion of 日 has no sentence; its heading is still formed and simply finds nothing.
std::string DegreeSentenceHeading(int governor, int degreeLord);
std::string PalaceSentenceHeading(int star, int palaceLord);
std::string ConjunctionSentenceHeading(int governor, int laterStar);

}  // namespace tavrel
