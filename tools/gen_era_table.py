#!/usr/bin/env python3
"""Writes src/calendar/tables/era_table.{h,cpp}, the chronology behind the era-name text.

Source: era_names_simp.html of Yuk Tung Liu's historical Chinese calendar (the chinese-calendar
data set): the rulers of Zhou, Lu and Qin from the Spring and Autumn period on, then every dynasty
with its rulers (personal name and temple or posthumous title) and era names down to 1911.
Before that list begins (770 BC) the rows follow the Xia-Shang-Zhou Chronology Project
(夏商周断代工程, 2000): Xia from 2070 BC with the traditional reign lengths, Shang in the
Project's dated segments, the Western Zhou kings with the Project's years.

Usage: gen_era_table.py ERA_NAMES_HTML OUTPUT_FOLDER
"""

import html
import html.parser
import re
import sys

DYNASTY_BYTES, TITLE_BYTES, NAME_BYTES, ERA_BYTES = 11, 11, 31, 11

# (dynasty, title, personal name, first year BC, number of years). Xia: 2070 BC plus the
# traditional reign lengths; Jie gets 53 years instead of 52 so that Shang follows at 1600 BC.
# Shang before Wu Ding and the kings between the dated reigns are grouped as the Project dates
# them. Rulers without era names count years by their title.
PRE_ERA_ROWS = [
    ("夏", "禹", "", 2070, 45), ("夏", "启", "", 2025, 10), ("夏", "太康", "", 2015, 29),
    ("夏", "仲康", "", 1986, 13), ("夏", "相", "", 1973, 28), ("夏", "后羿寒浞", "", 1945, 40),
    ("夏", "少康", "", 1905, 21), ("夏", "杼", "", 1884, 17), ("夏", "槐", "", 1867, 26),
    ("夏", "芒", "", 1841, 18), ("夏", "泄", "", 1823, 16), ("夏", "不降", "", 1807, 59),
    ("夏", "扃", "", 1748, 21), ("夏", "廑", "", 1727, 21), ("夏", "孔甲", "", 1706, 31),
    ("夏", "皋", "", 1675, 11), ("夏", "发", "", 1664, 11), ("夏", "桀", "", 1653, 53),
    ("商", "汤至阳甲", "", 1600, 300), ("商", "盘庚至小乙", "", 1300, 50),
    ("商", "武丁", "", 1250, 59), ("商", "祖庚至康丁", "", 1191, 44), ("商", "武乙", "", 1147, 35),
    ("商", "文丁", "", 1112, 11), ("商", "帝乙", "", 1101, 26), ("商", "帝辛", "受", 1075, 30),
    ("西周", "武王", "发", 1046, 4), ("西周", "成王", "诵", 1042, 22),
    ("西周", "康王", "钊", 1020, 25), ("西周", "昭王", "瑕", 995, 19),
    ("西周", "穆王", "满", 976, 55), ("西周", "共王", "繄扈", 922, 23),
    ("西周", "懿王", "囏", 899, 8), ("西周", "孝王", "辟方", 891, 6), ("西周", "夷王", "燮", 885, 8),
    ("西周", "厉王", "胡", 877, 37), ("西周", "共和", "", 841, 14), ("西周", "宣王", "静", 827, 46),
    ("西周", "幽王", "宫湦", 781, 11),
]

# (start, count, offset, dynasty, title, personal name, era name): the present.
MODERN_ROWS = [
    (1912, 37, 0, "近、现代", "中华民国", "", "民国"),
    (1949, 9999, 1948, "当代", "中国", "", "公历纪元"),
]

# Dynasty field of each table of the page, keyed by its section and subsection headings. The
# Southern dynasties and the Five Dynasties take their usual distinguishing names.
DYNASTIES = {
    ("春秋时期", "东周君王"): "东周", ("春秋时期", "鲁国君主"): "鲁",
    ("战国时期", "东周君王"): "东周", ("战国时期", "鲁国君主"): "鲁",
    ("战国时期", "秦国君主"): "秦", ("秦", ""): "秦",
    ("西汉、新、更始", "西汉"): "西汉", ("西汉、新、更始", "新"): "新",
    ("西汉、新、更始", "更始"): "更始", ("东汉", ""): "东汉",
    ("魏、蜀、吴", "曹魏"): "曹魏", ("魏、蜀、吴", "蜀汉"): "蜀汉", ("魏、蜀、吴", "孙吴"): "孙吴",
    ("晋", "西晋"): "西晋", ("晋", "东晋"): "东晋",
    ("后秦、北凉", "后秦"): "后秦", ("后秦、北凉", "北凉"): "北凉",
    ("南北朝:北魏、东魏、西魏、北齐、北周", "北魏"): "北魏",
    ("南北朝:北魏、东魏、西魏、北齐、北周", "东魏"): "东魏",
    ("南北朝:北魏、东魏、西魏、北齐、北周", "北齐"): "北齐",
    ("南北朝:北魏、东魏、西魏、北齐、北周", "西魏"): "西魏",
    ("南北朝:北魏、东魏、西魏、北齐、北周", "北周"): "北周",
    ("南北朝:宋、齊、梁、陳", "宋"): "刘宋", ("南北朝:宋、齊、梁、陳", "齐"): "南齐",
    ("南北朝:宋、齊、梁、陳", "梁"): "梁", ("南北朝:宋、齊、梁、陳", "陈"): "陈",
    ("隋", ""): "隋", ("唐", ""): "唐", ("唐", "武周年号"): "武周", ("唐", "续唐年号"): "唐",
    ("五代", "梁"): "后梁", ("五代", "唐"): "后唐", ("五代", "晋"): "后晋",
    ("五代", "汉"): "后汉", ("五代", "周"): "后周",
    ("宋", "北宋"): "北宋", ("宋", "南宋"): "南宋", ("契丹、辽", ""): "辽", ("金", ""): "金",
    ("蒙古、元", ""): "元", ("明、南明和明郑", "明"): "明", ("明、南明和明郑", "南明和明郑"): "南明",
    ("满洲、后金、清", ""): "清",
}

# Rulers the page names without a title, with the title histories give them.
TITLES = {
    "刘婴": "孺子", "刘玄": "更始帝", "曹髦": "高贵乡公", "孙亮": "会稽王", "孙皓": "末帝",
    "沮渠蒙逊": "武宣王", "沮渠牧犍": "哀王", "姚泓": "后主", "拓跋余": "南安王",
    "元晔": "长广王", "元朗": "安定王", "元钦": "废帝", "高殷": "废帝", "高纬": "后主",
    "高恒": "幼主", "萧昭业": "郁林王", "萧昭文": "海陵王", "萧宝卷": "东昏侯", "萧宝融": "和帝",
    "萧栋": "豫章王", "陈伯宗": "废帝", "武曌": "则天后", "朱友硅": "郢王", "李从珂": "末帝",
    "完颜亮": "海陵王", "完颜永济": "卫绍王", "朱由崧": "安宗", "朱聿键": "绍宗",
    "朱由榔": "昭宗", "溥仪": "逊帝",
}

# Characters outside GBK, replaced by the variant the histories also use.
GBK_VARIANTS = {"㻋": "瓎", "㬎": "显", "䴥": "麚"}

NUMERALS = {"元": 1, "一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8,
            "九": 9}


class TableReader(html.parser.HTMLParser):
    """Collects every table of the page as a grid of cell texts (rowspans filled in), together
    with the h2 and h3 headings it stands under."""

    def __init__(self):
        super().__init__()
        self.tables = []
        self.heading = None
        self.section = ""
        self.subsection = ""
        self.text = None
        self.rows = None
        self.row = None
        self.spans = {}
        self.cell_rowspan = 1

    def handle_starttag(self, tag, attrs):
        if tag in ("h2", "h3"):
            self.heading, self.text = tag, []
        elif tag == "table":
            self.rows = []
        elif tag == "tr" and self.rows is not None:
            self.row = []
            self.fill_spans()
        elif tag in ("td", "th") and self.row is not None:
            self.text = []
            self.cell_rowspan = int(dict(attrs).get("rowspan", "1"))

    def handle_endtag(self, tag):
        if tag in ("h2", "h3") and self.heading == tag:
            title = Squeeze(re.sub(r"\([^)]*\)", "", "".join(self.text)))
            if tag == "h2":
                self.section, self.subsection = title, ""
            else:
                self.subsection = title
            self.heading, self.text = None, None
        elif tag in ("td", "th") and self.row is not None and self.text is not None:
            cell = "".join(self.text).strip()
            if self.cell_rowspan > 1:
                self.spans[len(self.row)] = [cell, self.cell_rowspan - 1]
            self.row.append(cell)
            self.text = None
            self.fill_spans()
        elif tag == "tr" and self.row is not None:
            self.rows.append(self.row)
            self.row = None
        elif tag == "table" and self.rows is not None:
            self.tables.append((self.section, self.subsection, self.rows))
            self.rows, self.spans = None, {}

    def handle_data(self, data):
        if self.text is not None:
            self.text.append(data)

    def fill_spans(self):
        # Cells spanning down from earlier rows take their column before the next own cell.
        while len(self.row) in self.spans:
            column = len(self.row)
            span = self.spans[column]
            self.row.append(span[0])
            span[1] -= 1
            if span[1] == 0:
                del self.spans[column]


def Squeeze(text):
    return re.sub(r"\s+", "", html.unescape(text))


def ChineseNumber(text):
    if "十" not in text:
        return NUMERALS[text]
    tens, _, units = text.partition("十")
    return (NUMERALS[tens] if tens else 1) * 10 + (NUMERALS[units] if units else 0)


def AstronomicalYear(text):
    text = text.removesuffix("年")
    return 1 - int(text[1:]) if text.startswith("前") else int(text)


def YearSpan(text):
    parts = re.split(r"[–\-─]", Squeeze(text))
    first = AstronomicalYear(parts[0])
    return first, AstronomicalYear(parts[-1]) - first + 1


def SplitRuler(cell):
    """'刘彻（武帝）' -> ('刘彻', '武帝'); alternatives after '/' are dropped from titles."""
    cell = Squeeze(cell)
    match = re.fullmatch(r"(.*?)[（(](.*)[）)]", cell)
    name, title = (match.group(1), match.group(2).split("/")[0]) if match else (cell, "")
    name = "" if name == "?" else name
    return name, title or TITLES.get(name, "")


def SplitEra(cell):
    """Returns (era name, number of its first year when the cell states it, else None)."""
    cell = Squeeze(cell)
    counted = re.fullmatch(r"(.+?)\(.*\)", cell)
    if counted:
        return counted.group(1), None
    numbered = re.fullmatch(r"(.+?)(元|[一二三四五六七八九十]+)(?:、[一二三四五六七八九十]+|"
                            r"至[一二三四五六七八九十]+)?年", cell)
    if numbered:
        return numbered.group(1), ChineseNumber(numbered.group(2))
    return cell, None


def TableRows(section, subsection, grid):
    dynasty = DYNASTIES[(section, subsection)]
    rows = []
    previous = None
    for cells in grid[1:]:
        years = 1 if len(cells) == 2 else 2
        start, count = YearSpan(cells[years])
        name, title = SplitRuler(cells[0])
        era, number = SplitEra(cells[1]) if years == 2 else ("", None)
        if dynasty == "秦" and title == "秦王政":
            continue  # The same reign continues as 始皇帝 in the Qin dynasty's table.
        if not cells[0] and era == "永历":
            row_dynasty, name, title = "明郑", "郑经/郑克塽", "延平王"
        elif dynasty == "元" and start < 1260:
            row_dynasty = "蒙古"
        elif dynasty == "清" and start < 1636:
            row_dynasty = "后金"
        else:
            row_dynasty = dynasty
        if number is not None:
            offset = number - 1
        elif previous and previous[0] == era and start <= previous[1] + previous[2]:
            # The era runs on under the next ruler: keep counting its years.
            offset = start - previous[3]
        else:
            offset = 0
        era = era or title or name
        rows.append((start, count, offset, row_dynasty, title, name, era))
        previous = (era, start, count, start - offset)
    return rows


def Gbk(text, width, row):
    for character, variant in GBK_VARIANTS.items():
        text = text.replace(character, variant)
    data = text.encode("gbk")
    if len(data) >= width:
        raise SystemExit(f"{text!r} does not fit {width} bytes in {row}")
    return data


def CString(data):
    return '"' + "".join(f"\\x{byte:02x}" for byte in data) + '"'


def main():
    source, output = sys.argv[1], sys.argv[2]
    reader = TableReader()
    with open(source, encoding="utf-8") as page:
        reader.feed(page.read())

    rows = [(1 - bc, count, 0, dynasty, title, name, title)
            for dynasty, title, name, bc, count in PRE_ERA_ROWS]
    seen = set()
    for section, subsection, grid in reader.tables:
        for row in TableRows(section, subsection, grid):
            if row not in seen:  # The warring-states tables repeat the last reigns before.
                seen.add(row)
                rows.append(row)
    rows += MODERN_ROWS
    # 平王 reigned 770-720 BC; the page's 772 would overlap his father's last years.
    rows = [(-769, 51) + row[2:] if row[3:5] == ("东周", "平王") else row for row in rows]
    rows.sort(key=lambda row: row[0])

    with open(f"{output}/era_table.h", "w", encoding="utf-8") as header:
        header.write(
            "// Generated by tools/gen_era_table.py from era_names_simp.html; do not edit.\n"
            "#pragma once\n\n#include <array>\n#include <cstddef>\n\n"
            '#include "calendar/era_record.h"\n\nnamespace tavrel {\n\n'
            f"inline constexpr std::size_t kEraTableRows = {len(rows)};\n\n"
            "// Dynasties, rulers and era names in order of their first year.\n"
            "extern const std::array<EraRecord, kEraTableRows> EraTable;\n\n"
            "}  // namespace tavrel\n")
    with open(f"{output}/era_table.cpp", "w", encoding="utf-8") as table:
        table.write("// Generated by tools/gen_era_table.py from era_names_simp.html; do not edit.\n"
                    '#include "calendar/tables/era_table.h"\n\nnamespace tavrel {\n\n'
                    "// clang-format off\n"
                    "const std::array<EraRecord, kEraTableRows> EraTable = {{\n")
        for row in rows:
            start, count, offset, dynasty, title, name, era = row
            fields = [Gbk(dynasty, DYNASTY_BYTES, row), Gbk(title, TITLE_BYTES, row),
                      Gbk(name, NAME_BYTES, row), Gbk(era, ERA_BYTES, row)]
            text = " ".join(field.decode("gbk") or "-" for field in fields)
            table.write(f"    {{{start}, {count}, {offset}, "
                        f"{', '.join(CString(field) for field in fields)}}},  // {text}\n")
        table.write("}};\n// clang-format on\n\n}  // namespace tavrel\n")
    print(f"{len(rows)} rows")


if __name__ == "__main__":
    main()
