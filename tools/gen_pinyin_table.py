#!/usr/bin/env python3
"""Writes src/records/tables/pinyin_table.{h,cpp}: the syllable names, the GBK syllable table and
the numbers of the 0xA2 symbol row used by ImCode.

Source: Unihan_Readings.txt (Unicode 15.0, the unihan data set, read as .txt or .txt.bz2). Each
GBK code point gets the first kMandarin reading of its character, without tone, "v" for ü.

Usage: gen_pinyin_table.py UNIHAN_READINGS OUTPUT_FOLDER
"""

import bz2
import sys
import unicodedata

# Syllables 1 to 393 in alphabetical order: the customary list of GB2312 tables without "fo",
# "seng" and "yo" and with "lo" and "pou", so that the established numbers hold (chen 35, chu 40,
# li 164, qi 241, wang 324, zhao 371, zuo 393) at the cost of the fewest common characters.
# Readings outside the numbering (shei, chua, den, ...) leave their character unread unless a
# later kMandarin reading is numbered. lü and nü come after 394; lüe and nüe are "lue", "nue".
MAIN_SYLLABLES = """
a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu ca cai can cang
cao ce ceng cha chai chan chang chao che chen cheng chi chong chou chu chuai chuan chuang chui
chun chuo ci cong cou cu cuan cui cun cuo da dai dan dang dao de deng di dian diao die ding diu
dong dou du duan dui dun duo e en er fa fan fang fei fen feng fou fu ga gai gan gang gao ge gei
gen geng gong gou gu gua guai guan guang gui gun guo ha hai han hang hao he hei hen heng hong hou
hu hua huai huan huang hui hun huo ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun
ka kai kan kang kao ke ken keng kong kou ku kua kuai kuan kuang kui kun kuo la lai lan lang lao
le lei leng li lia lian liang liao lie lin ling liu lo long lou lu luan lue lun luo ma mai man
mang mao me mei men meng mi mian miao mie min ming miu mo mou mu na nai nan nang nao ne nei nen
neng ni nian niang niao nie nin ning niu nong nu nuan nue nuo o ou pa pai pan pang pao pei pen
peng pi pian piao pie pin ping po pou pu qi qia qian qiang qiao qie qin qing qiong qiu qu quan
que qun ran rang rao re ren reng ri rong rou ru ruan rui run ruo sa sai san sang sao se sen sha
shai shan shang shao she shen sheng shi shou shu shua shuai shuan shuang shui shun shuo si song
sou su suan sui sun suo ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu tuan tui
tun tuo wa wai wan wang wei wen weng wo wu xi xia xian xiang xiao xie xin xing xiong xiu xu xuan
xue xun ya yan yang yao ye yi yin ying yong you yu yuan yue yun za zai zan zang zao ze zei zen
zeng zha zhai zhan zhang zhao zhe zhen zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang zhui
zhun zhuo zi zong zou zu zuan zui zun zuo
""".split()

# Numbers 395 to 405; 394 is not used.
EXTRA_SYLLABLES = ["ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"]

SPELLING = {"lve": "lue", "nve": "nue"}

LEADS = range(0x81, 0xFF)
TRAILS = range(0x40, 0xFF)
SYMBOL_LEAD = 0xA2
SYMBOL_TRAILS = range(0xA1, 0xFF)
# Rows that ImCode handles by rule (numbered symbols, full-width ASCII, Greek).
RULE_ROWS = (0xA2, 0xA3, 0xA6)


def SyllableNames():
    assert len(MAIN_SYLLABLES) == 393 and MAIN_SYLLABLES == sorted(MAIN_SYLLABLES)
    names = [""] + MAIN_SYLLABLES + [""] + EXTRA_SYLLABLES
    assert len(set(names)) == len(names) - 1 and all(len(name) <= 6 for name in names)
    return names


def Toneless(reading):
    decomposed = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    plain = "".join(c for c in decomposed if not unicodedata.combining(c))
    return SPELLING.get(plain, plain)


def ReadMandarin(path):
    opener = bz2.open if path.endswith(".bz2") else open
    readings = {}
    with opener(path, "rt", encoding="utf-8") as source:
        for line in source:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[1] == "kMandarin" and fields[0].startswith("U+"):
                readings[int(fields[0][2:], 16)] = [Toneless(r) for r in fields[2].split()]
    return readings


def GbkCharacter(lead, trail):
    try:
        text = bytes([lead, trail]).decode("gbk")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def SyllableTable(readings, numbers):
    """The table, with counts: code points, those with a reading, ideographs without one, and
    characters whose first reading has no number (the next numbered reading serves)."""
    table = []
    counts = {"codes": 0, "read": 0, "unread ideographs": 0, "later reading": 0}
    for lead in LEADS:
        for trail in TRAILS:
            character = GbkCharacter(lead, trail)
            number = 0
            if character is not None and lead not in RULE_ROWS:
                counts["codes"] += 1
                numbered = [numbers[r] for r in readings.get(ord(character), []) if r in numbers]
                if numbered:
                    number = numbered[0]
                    counts["read"] += 1
                    if numbers.get(readings[ord(character)][0]) is None:
                        counts["later reading"] += 1
                elif unicodedata.category(character) == "Lo":
                    counts["unread ideographs"] += 1
            table.append(number)
    return table, counts


def SymbolNumbers():
    numbers = []
    for trail in SYMBOL_TRAILS:
        character = GbkCharacter(SYMBOL_LEAD, trail)
        value = unicodedata.numeric(character, 0) if character is not None else 0
        numbers.append(int(value) if value == int(value) and 1 <= value <= 20 else 0)
    return numbers


def Rows(values, width):
    return [", ".join(str(v) for v in values[i:i + width]) for i in range(0, len(values), width)]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    names = SyllableNames()
    numbers = {name: number for number, name in enumerate(names) if name}
    table, counts = SyllableTable(ReadMandarin(source), numbers)
    symbols = SymbolNumbers()
    banner = "// Generated by tools/gen_pinyin_table.py from Unihan_Readings.txt; do not edit.\n"

    with open(f"{output}/pinyin_table.h", "w", encoding="utf-8") as header:
        header.write(
            banner + "#pragma once\n\n#include <array>\n#include <cstddef>\n#include <cstdint>\n"
            "#include <string_view>\n\nnamespace tavrel {\n\n"
            f"inline constexpr std::size_t kSyllableCount = {len(names)};\n"
            f"inline constexpr std::size_t kPinyinLeadCount = {len(LEADS)};\n"
            f"inline constexpr std::size_t kPinyinTrailCount = {len(TRAILS)};\n"
            f"inline constexpr std::size_t kSymbolTrailCount = {len(SYMBOL_TRAILS)};\n\n"
            "// Syllable names by number, lower case with \"v\" for \u00fc; 0 and 394 are empty.\n"
            "extern const std::array<std::string_view, kSyllableCount> SyllableName;\n\n"
            "// Syllable number of each GBK code, index (lead - 0x81) * 191 + (trail - 0x40);\n"
            "// 0 = no reading.\n"
            "extern const std::array<std::uint16_t, kPinyinLeadCount * kPinyinTrailCount> "
            "PinyinTable;\n\n"
            "// Number (1 to 20) of each symbol 0xA2 0xA1 + i, or 0.\n"
            "extern const std::array<std::uint8_t, kSymbolTrailCount> SymbolNumberTable;\n\n"
            "}  // namespace tavrel\n")

    with open(f"{output}/pinyin_table.cpp", "w", encoding="utf-8") as body:
        body.write(banner + '#include "records/tables/pinyin_table.h"\n\nnamespace tavrel {\n\n'
                   "// clang-format off\n"
                   "const std::array<std::string_view, kSyllableCount> SyllableName = {{\n")
        for i in range(0, len(names), 10):
            body.write("    " + ", ".join(f'"{n}"' for n in names[i:i + 10]) + ",\n")
        body.write("}};\n\nconst std::array<std::uint16_t, kPinyinLeadCount * kPinyinTrailCount> "
                   "PinyinTable = {{\n")
        for row, lead in enumerate(LEADS):
            body.write(f"    // 0x{lead:02X}\n")
            values = table[row * len(TRAILS):(row + 1) * len(TRAILS)]
            for line in Rows(values, 16):
                body.write(f"    {line},\n")
        body.write("}};\n\nconst std::array<std::uint8_t, kSymbolTrailCount> SymbolNumberTable = {{\n")
        for line in Rows(symbols, 16):
            body.write(f"    {line},\n")
        body.write("}};\n// clang-format on\n\n}  // namespace tavrel\n")

    unread = counts["codes"] - counts["read"]
    print(f"{counts['codes']} GBK code points outside the rule rows, {counts['read']} with a reading"
          f" ({counts['later reading']} by a later reading), {unread} without"
          f" ({counts['unread ideographs']} of them ideographs)")


if __name__ == "__main__":
    main()
