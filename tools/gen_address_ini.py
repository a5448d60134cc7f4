#!/usr/bin/env python3
"""Writes data/dat/address.ini, the place file: one section per province, one key per
prefecture-level city and county-level unit, values D:M*d:m in WGS-84 rounded to the minute, GBK.

Source data set: places/region.sql (the 2019 statistical division codes with Baidu BD-09
coordinates; places/hk-mo-tw.sql holds only one point each for Hong Kong, Macau and Taiwan, so it
is not read). Hong Kong's districts, Macau's
parishes and Taiwan's cities and counties, and the units the geocoder placed wrongly (found by
their distance from their prefecture or by sharing another unit's point), come from the
published WGS-84 coordinates of their seats in the tables below.

usage: gen_address_ini.py PLACES_FOLDER OUTPUT_INI
"""

import math
import re
import sys

PROVINCES = [
    "福建省", "北京市", "天津市", "河北省", "山西省", "内蒙古", "辽宁省", "吉林省", "黑龙江省",
    "上海市", "江苏省", "浙江省", "安徽省", "江西省", "山东省", "河南省", "湖北省", "湖南省",
    "广东省", "广西", "海南省", "四川省", "重庆市", "贵州省", "云南省", "西藏", "陕西省",
    "甘肃省", "青海省", "宁夏", "新疆", "台湾省", "香港", "澳门",
]

# Province codes of the division list, in the order above; 71, 81 and 82 come from SUPPLEMENT.
PROVINCE_CODES = [
    "35", "11", "12", "13", "14", "15", "21", "22", "23", "31", "32", "33", "34", "36", "37",
    "41", "42", "43", "44", "45", "46", "51", "50", "52", "53", "54", "61", "62", "63", "64",
    "65", "71", "81", "82",
]

# A municipality's first key is the city itself, at the municipality's own point.
MUNICIPALITY_KEYS = {"11": "北京", "12": "天津", "31": "上海", "50": "重庆"}

# Second-level rows that only group counties and name no place.
PLACEHOLDERS = {"市辖区", "县", "省直辖县级行政区划", "自治区直辖县级行政区划", "自治区"}

# Places the geocoder put at a wrong point: WGS-84 longitude and latitude of the seat.
CORRECTIONS = {
    "4603": (112.338, 16.834),    # 三沙市, Yongxing Island (was placed on 沙市区, Hubei)
    "5132": (102.206, 31.906),    # 阿坝州, Barkam (was on 阿坝县)
    "5223": (104.895, 25.092),    # 黔西南州, Xingyi (was on 黔西县)
    "5325": (103.384, 23.367),    # 红河州, Mengzi (was on 红河县)
    "150521": (123.318, 44.131),  # 科尔沁左翼中旗, Baokang
    "150522": (122.356, 42.955),  # 科尔沁左翼后旗, Ganjig
    "230718": (128.669, 47.726),  # 乌翠区, Cuiluan
    "230751": (129.312, 47.481),  # 金林区, Xilin
    "232762": (124.200, 51.000),  # 松岭区, Xiaoyangqi
    "429004": (113.454, 30.364),  # 仙桃市 (the four were all on Wuhan)
    "429005": (112.900, 30.402),  # 潜江市
    "429006": (113.166, 30.663),  # 天门市
    "429021": (110.671, 31.745),  # 神农架林区, Songbai
    "469001": (109.517, 18.776),  # 五指山市 (Hainan's fourteen were on two shared points)
    "469002": (110.466, 19.246),  # 琼海市
    "469005": (110.754, 19.612),  # 文昌市
    "469006": (110.389, 18.796),  # 万宁市
    "469007": (108.654, 19.102),  # 东方市
    "469021": (110.359, 19.681),  # 定安县
    "469022": (110.103, 19.352),  # 屯昌县
    "469023": (110.007, 19.738),  # 澄迈县
    "469024": (109.688, 19.909),  # 临高县
    "469025": (109.452, 19.224),  # 白沙黎族自治县
    "469026": (109.056, 19.260),  # 昌江黎族自治县
    "469028": (110.037, 18.505),  # 陵水黎族自治县
    "469029": (109.700, 18.636),  # 保亭黎族苗族自治县
    "469030": (109.839, 19.035),  # 琼中黎族苗族自治县
    "500241": (108.989, 28.448),  # 秀山县 (秀山 and 酉阳 shared one wrong point)
    "500242": (108.767, 28.841),  # 酉阳县
    "510403": (101.630, 26.600),  # 攀枝花西区 (was on the city)
    "533102": (97.855, 24.013),   # 瑞丽市 (was on 芒市)
    "622921": (102.990, 35.490),  # 临夏县, Hanji (was on 临夏市)
    "622926": (103.389, 35.664),  # 东乡族自治县, Suonan (was on 东乡区, Jiangxi)
    "650521": (93.010, 43.600),   # 巴里坤县 (was on Ürümqi)
    "654021": (81.528, 43.977),   # 伊宁县, Jiliyuzi (was on 伊宁市)
    "659006": (85.670, 41.830),   # 铁门关市 (was on Chongqing)
}

# Names that read better as people write them.
RENAMES = {"460323": "中沙群岛", "632857": "大柴旦"}

# Taiwan, Hong Kong and Macau, WGS-84, in their own administrative order.
SUPPLEMENT = {
    "71": [
        ("台北", 121.5645, 25.0375), ("新北", 121.4650, 25.0120), ("桃园", 121.3010, 24.9936),
        ("台中", 120.6469, 24.1618), ("台南", 120.2270, 22.9997), ("高雄", 120.3120, 22.6203),
        ("基隆", 121.7419, 25.1283), ("新竹", 120.9647, 24.8039), ("嘉义", 120.4491, 23.4800),
        ("新竹县", 121.0129, 24.8270), ("苗栗县", 120.8214, 24.5602),
        ("彰化县", 120.5443, 24.0759), ("南投县", 120.6640, 23.9157),
        ("云林县", 120.5431, 23.7092), ("嘉义县", 120.3320, 23.4590),
        ("屏东县", 120.4883, 22.6727), ("宜兰县", 121.7530, 24.7570),
        ("花莲县", 121.6044, 23.9769), ("台东县", 121.1444, 22.7583),
        ("澎湖县", 119.5793, 23.5711), ("金门县", 118.3171, 24.4336),
        ("连江县", 119.9510, 26.1580),
    ],
    "81": [
        ("香港", 114.1628, 22.2793), ("中西区", 114.1540, 22.2820), ("湾仔区", 114.1750, 22.2760),
        ("东区", 114.2240, 22.2840), ("南区", 114.1580, 22.2470), ("油尖旺区", 114.1700, 22.3110),
        ("深水埗区", 114.1620, 22.3300), ("九龙城区", 114.1910, 22.3280),
        ("黄大仙区", 114.1950, 22.3420), ("观塘区", 114.2250, 22.3130),
        ("荃湾区", 114.1140, 22.3710), ("屯门区", 113.9770, 22.3910),
        ("元朗区", 114.0220, 22.4450), ("北区", 114.1280, 22.4960), ("大埔区", 114.1640, 22.4510),
        ("沙田区", 114.1880, 22.3830), ("西贡区", 114.2700, 22.3810),
        ("葵青区", 114.1310, 22.3640), ("离岛区", 113.9410, 22.2890),
    ],
    "82": [
        ("澳门", 113.5439, 22.1987), ("花地玛堂区", 113.5490, 22.2080),
        ("圣安多尼堂区", 113.5400, 22.2000), ("大堂区", 113.5470, 22.1910),
        ("望德堂区", 113.5500, 22.1970), ("风顺堂区", 113.5360, 22.1900),
        ("嘉模堂区", 113.5580, 22.1560), ("圣方济各堂区", 113.5600, 22.1230),
    ],
}

ETHNIC = ("蒙古|回|藏|维吾尔|苗|彝|壮|布依|朝鲜|满|侗|瑶|白|土家|哈尼|哈萨克|傣|黎|傈僳|佤|畲|"
          "拉祜|水|东乡|纳西|景颇|柯尔克孜|土|达斡尔|仫佬|羌|布朗|撒拉|毛南|仡佬|锡伯|阿昌|普米|"
          "塔吉克|怒|乌孜别克|俄罗斯|鄂温克|德昂|保安|裕固|京|塔塔尔|独龙|鄂伦春|赫哲|门巴|珞巴|"
          "基诺|各")
AUTONOMOUS = re.compile(r"^(.{2,}?)(?:(?:%s)族?)+自治(州|县|旗)$" % ETHNIC)


def read_rows(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    pattern = r"\(\s*'(\d+)',\s*'([^']*)',\s*'(\d*)',\s*'([-\d.]+)',\s*'([-\d.]+)'"
    return [(code, name, float(lng), float(lat))
            for code, name, _, lng, lat in re.findall(pattern, text)]


def bd09_to_gcj02(lng, lat):
    x_pi = math.pi * 3000.0 / 180.0
    x, y = lng - 0.0065, lat - 0.006
    z = math.hypot(x, y) - 0.00002 * math.sin(y * x_pi)
    theta = math.atan2(y, x) - 0.000003 * math.cos(x * x_pi)
    return z * math.cos(theta), z * math.sin(theta)


def gcj02_offset(lng, lat):
    """The GCJ-02 shift at a WGS-84 point (Krasovsky ellipsoid), in degrees."""
    a, ee = 6378245.0, 0.00669342162296594323
    x, y = lng - 105.0, lat - 35.0
    dlat = (-100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y
            + 0.2 * math.sqrt(abs(x)))
    dlat += (20.0 * math.sin(6.0 * x * math.pi) + 20.0 * math.sin(2.0 * x * math.pi)) * 2.0 / 3.0
    dlat += (20.0 * math.sin(y * math.pi) + 40.0 * math.sin(y / 3.0 * math.pi)) * 2.0 / 3.0
    dlat += (160.0 * math.sin(y / 12.0 * math.pi) + 320 * math.sin(y * math.pi / 30.0)) * 2.0 / 3.0
    dlng = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * math.sqrt(abs(x))
    dlng += (20.0 * math.sin(6.0 * x * math.pi) + 20.0 * math.sin(2.0 * x * math.pi)) * 2.0 / 3.0
    dlng += (20.0 * math.sin(x * math.pi) + 40.0 * math.sin(x / 3.0 * math.pi)) * 2.0 / 3.0
    dlng += (150.0 * math.sin(x / 12.0 * math.pi)
             + 300.0 * math.sin(x / 30.0 * math.pi)) * 2.0 / 3.0
    rad = lat / 180.0 * math.pi
    magic = 1 - ee * math.sin(rad) ** 2
    sqrt_magic = math.sqrt(magic)
    dlat = (dlat * 180.0) / ((a * (1 - ee)) / (magic * sqrt_magic) * math.pi)
    dlng = (dlng * 180.0) / (a / sqrt_magic * math.cos(rad) * math.pi)
    return dlng, dlat


def bd09_to_wgs84(lng, lat):
    # The published one-step inverse: subtract the shift evaluated at the GCJ-02 point.
    glng, glat = bd09_to_gcj02(lng, lat)
    dlng, dlat = gcj02_offset(glng, glat)
    return glng - dlng, glat - dlat


def degrees_minutes(value):
    minutes = math.floor(abs(value) * 60.0 + 0.5)
    sign = "-" if value < 0 and minutes else ""
    return "%s%d:%d" % (sign, minutes // 60, minutes % 60)


def everyday_name(name, prefecture):
    """The name people write: a prefecture city without 市, an autonomous unit by its place."""
    match = AUTONOMOUS.match(name)
    if match:
        return match.group(1) + match.group(2)
    if prefecture and name.endswith("市") and len(name) > 2:
        return name[:-1]
    return name


def province_places(code, rows):
    """(key, city, longitude, latitude) of a province in administrative order, WGS-84."""
    if code in SUPPLEMENT:
        return [(name, name, lng, lat) for name, lng, lat in SUPPLEMENT[code]]
    places = []
    by_code = {row[0]: row for row in rows}
    if code in MUNICIPALITY_KEYS:
        _, _, lng, lat = by_code[code]
        name = MUNICIPALITY_KEYS[code]
        places.append((name, name) + bd09_to_wgs84(lng, lat))
    for row_code, name, lng, lat in sorted(r for r in rows if r[0].startswith(code)):
        # Six-digit codes xxxx71…xxxx79 are development zones, not administrative units.
        if len(row_code) not in (4, 6) or name in PLACEHOLDERS or row_code[4:5] == "7":
            continue
        if row_code in CORRECTIONS:
            lng, lat = CORRECTIONS[row_code]
        else:
            lng, lat = bd09_to_wgs84(lng, lat)
        parent = by_code.get(row_code[:4])
        city = ""
        if len(row_code) == 6 and parent and parent[1] not in PLACEHOLDERS:
            city = everyday_name(parent[1], True)
        places.append((RENAMES.get(row_code, everyday_name(name, len(row_code) == 4)), city,
                       lng, lat))
    return places


def unique_keys(places):
    """A name used twice in a province is told apart by its city: 鼓楼区(南京)."""
    counts = {}
    for key, _, _, _ in places:
        counts[key] = counts.get(key, 0) + 1
    result = []
    for key, city, lng, lat in places:
        if counts[key] > 1:
            if not city:
                sys.exit("cannot tell apart %s" % key)
            key = "%s(%s)" % (key, city)
        result.append((key, lng, lat))
    if len({key for key, _, _ in result}) != len(result):
        sys.exit("keys still repeat")
    return result


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    folder, output = sys.argv[1], sys.argv[2]
    rows = read_rows(folder + "/region.sql")
    lines = []
    for name, code in zip(PROVINCES, PROVINCE_CODES):
        lines.append("[%s]" % name)
        for key, lng, lat in unique_keys(province_places(code, rows)):
            if not (73 <= lng <= 136 and 3 <= lat <= 54):
                sys.exit("%s %s lies outside China" % (name, key))
            lines.append("%s=%s*%s" % (key, degrees_minutes(lng), degrees_minutes(lat)))
        lines.append("")
    with open(output, "wb") as f:
        f.write("\r\n".join(lines).encode("gbk"))


if __name__ == "__main__":
    main()
